// SPDX-License-Identifier: GPL-3.0-or-later
// The golden traces: several hundred scripted games on the virtual clock, each hashed as a person saw and heard it,
// against the hashes in golden.txt. `skarpo_traces --record N` prints the hashes of games 1..N; `skarpo_traces --log
// SEED` writes out one game's trace, record by record.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/support/clock.h"
#include "tests/traces/trace.h"

using namespace skarpo;
using namespace skarpo::traces;

namespace {

const char* kindName(Happening::Kind k) {
    static const char* const names[] = {"NewGame", "Opening", "Threw",   "NoMove",   "Captured", "Home", "AllHome",
                                        "AutoOn",  "AutoOff", "SoundOn", "SoundOff", "Entered",  "Moved"};
    return names[static_cast<int>(k)];
}

// A view a stray click hits: any of the ring, the start places, the home places and the die's places.
ViewId strayView(double pick) {
    const int n = static_cast<int>(pick * 132);
    auto at = [](Family f, int i) { return ViewId{f, static_cast<std::int8_t>(i)}; };
    if (n < 60) return at(Family::Ring, n + 1);
    if (n < 76) return at(Family::Start, n - 60);
    if (n < 116) return at(Family::Home, n - 76);
    return at(Family::Die, n - 116);
}

std::array<Seat, 5> seatsOf(int bits) {
    std::array<Seat, 5> seats{};
    for (int p = 1; p <= 4; ++p) seats[p] = (bits >> (p - 1)) & 1 ? Seat::Person : Seat::Computer;
    return seats;
}

Options optionsOf(const Script& s) { return {seatsOf(s.seats), Speed(s.speed), Strength(s.strength)}; }

// One scripted game: its events delivered at their moments between the table's steps, every pause recorded as it
// begins and every rest after a step, until the script's horizon.
class Watched {
public:
    Watched(unsigned seed, std::FILE* log)
        : script_(scriptFor(seed)), trace_(log), clock_(seed), table_(clock_, optionsOf(script_)) {
        seen_ = table_.happenings().count();
        clock_.onPause = [this](float sec) {
            stopped_ = stopped_ || clock_.now > script_.horizon;
            if (!stopped_) trace_.pause(sec, std::exchange(clock_.beeps, 0)), show();
        };
        for (const Scripted& e : script_.events) clock_.at(e.at, [this, &e] { deliver(e); });
    }

    std::uint64_t play() {
        Table& t = table_;
        while (!stopped_ && t.phase() != Phase::Closed && clock_.step(t))
            if (!stopped_ && t.phase() != Phase::Animating) trace_.pause(0, std::exchange(clock_.beeps, 0)), show();
        return trace_.hash();
    }
    long records() const { return trace_.records(); }

private:
    void deliver(const Scripted& e) {
        Table& t = table_;
        switch (e.kind) {
            case Scripted::Tick:
                record(e, "tick", t.phase() == Phase::DieWaits || t.phase() == Phase::MarksWait), t.tick();
                break;
            case Scripted::Click:
            case Scripted::Stray: {
                const auto clickable = t.clickable();
                ViewId v = strayView(e.pick);
                if (e.kind == Scripted::Click && !clickable.empty())
                    v = clickable[static_cast<std::size_t>(e.pick * static_cast<double>(clickable.size()))];
                const char* names[] = {"square", "start", "home", "die"};
                record(e, (names[static_cast<int>(v.family)] + std::to_string(v.index)).c_str(), t.takesClick(v));
                t.click(v);
                break;
            }
            case Scripted::NewGame: record(e, "new game", true), t.newGame(); break;
            case Scripted::Auto: record(e, "auto", true), t.toggleAuto(); break;
            case Scripted::Sound: record(e, "sound", true), t.toggleSound(); break;
            case Scripted::Close: record(e, "close", true), t.close(); break;
            case Scripted::Speed: record(e, "speed", true), t.setSpeed(Speed(e.value)); break;
            case Scripted::Strength: record(e, "strength", true), t.setStrength(Strength(e.value)); break;
            case Scripted::Seats: record(e, "seats", true), t.chooseSeats(seatsOf(e.value)); break;
        }
    }
    void record(const Scripted& e, const char* what, bool taken) {
        trace_.event(e.at, e.kind, what, taken, std::exchange(clock_.beeps, 0));
    }
    // What every visible view shows, and the news since the last record.
    void show() {
        const Table& t = table_;
        const char* names[] = {"square", "start", "home", "die", "frame"};
        for (int f : {0, 1, 2, 3, 4})
            for (int i = f == 0; i < Views::sizes[f]; ++i) {
                const ViewId id{static_cast<Family>(f), static_cast<std::int8_t>(i)};
                const View& v = t.views()[id];
                if (!v.visible) continue;
                const bool enabled = id.family == Family::Die
                                         ? (i == 0 ? t.game().scene.die == Scene::Die::Waits : i < 15)
                                         : t.isMark(id);
                trace_.view(names[f], i, v.picture == Picture::Doubling ? "two" : pictureName(v.picture), v.back,
                            enabled);
            }
        for (const Happening& h : t.happenings().since(seen_)) trace_.told(kindName(h.kind), h.player, h.value);
        seen_ = t.happenings().count();
    }

    Script script_;
    Trace trace_;
    test::Clock clock_;
    Table table_;
    std::uint64_t seen_ = 0;
    bool stopped_ = false;
};

constexpr unsigned gameCount = 400;

std::string goldenPath() { return std::string(SKARPO_TRACES_DIR) + "/golden.txt"; }

}  // namespace

// Every scripted game as the game was before its rules became one rule book: its pauses, its views, its beeps, its
// news and the events it took.
TEST(Traces, EveryScriptedGameIsAsBefore) {
    std::ifstream golden(goldenPath());
    ASSERT_TRUE(golden) << goldenPath();
    unsigned seed = 0, checked = 0, plain = 0;
    std::string hash;
    long records = 0;
    while (golden >> seed >> records >> hash) {
        Watched g(seed, nullptr);
        std::ostringstream mine;
        mine << std::hex << g.play();
        EXPECT_EQ(mine.str(), hash) << "game " << seed << " (skarpo_traces --log " << seed << ")";
        EXPECT_EQ(g.records(), records) << "game " << seed;
        ++checked;
        plain += scriptFor(seed).defaults();
    }
    EXPECT_EQ(checked, gameCount);
    EXPECT_GT(plain, gameCount / 2);
}

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--record") {
        for (unsigned seed = 1; seed <= static_cast<unsigned>(std::stoul(argv[2])); ++seed) {
            Watched g(seed, nullptr);
            const std::uint64_t h = g.play();
            std::printf("%u %ld %llx\n", seed, g.records(), static_cast<unsigned long long>(h));
        }
        return 0;
    }
    if (argc == 3 && std::string(argv[1]) == "--log") {
        Watched g(static_cast<unsigned>(std::stoul(argv[2])), stdout);
        g.play();
        std::printf("\n");
        return 0;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
