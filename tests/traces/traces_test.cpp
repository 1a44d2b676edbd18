// SPDX-License-Identifier: GPL-3.0-or-later
// The golden traces: several hundred scripted games on the virtual clock, each hashed as a person saw and heard it,
// against the hashes in golden.txt. `skarpo_traces --record N` prints the hashes of games 1..N; `skarpo_traces --log
// SEED` writes out one game's trace, record by record.
#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <sstream>

#include "state/board.h"
#include "tests/traces/trace.h"

using namespace skarpo;
using namespace skarpo::traces;

namespace {

const char* kindName(Happening::Kind k) {
    static const char* const names[] = {"NewGame", "Opening", "Threw",   "NoMove",   "Captured", "Home", "AllHome",
                                        "AutoOn",  "AutoOff", "SoundOn", "SoundOff", "Entered",  "Moved"};
    return names[static_cast<int>(k)];
}

struct Stop {};

long toldCount[13];  // news of each kind told in all the games played, for --record  // the script's horizon is reached
                     // in the middle of a turn

struct Spot {
    Family family;
    int index;
};

// A view a stray click hits: any of the ring, the start places, the home places and the die's places.
Spot strayView(double pick) {
    const int n = static_cast<int>(pick * 132);
    if (n < 60) return {Family::SQUARE, n + 1};
    if (n < 76) return {Family::start, n - 60};
    if (n < 116) return {Family::home, n - 76};
    return {Family::dicethrow, n - 116};
}

class Game : public Platform {
public:
    Game(unsigned seed, std::FILE* log) : seed_(seed), script_(scriptFor(seed)), trace_(log) {}

    std::uint64_t play() {
        for (int p = 1; p <= 4; ++p)
            board_.options.seats[p] = (script_.seats >> (p - 1)) & 1 ? Seat::Person : Seat::Computer;
        board_.options.speed = static_cast<Speed>(script_.speed);
        board_.options.strength = static_cast<Strength>(script_.strength);
        board_.Form_Load();
        seen_ = board_.happenings.count();
        try {
            while (next_ < script_.events.size() && !board_.closed()) {
                const Scripted& e = script_.events[next_++];
                now_ = std::max(now_, e.at);
                deliver(e);
                rest();
            }
        } catch (const Stop&) {}
        return trace_.hash();
    }
    long records() const { return trace_.records(); }

    void wait(float sec) override {
        if (sec <= 0) return;
        if (now_ > script_.horizon) throw Stop{};
        trace_.pause(sec, std::exchange(beeps_, 0));
        show();
        const double end = now_ + static_cast<double>(sec);
        // "New Game" and closing end the pause at once, as the window's do
        while (!cut_ && next_ < script_.events.size() && script_.events[next_].at <= end) {
            const Scripted& e = script_.events[next_++];
            now_ = std::max(now_, e.at);
            deliver(e);
        }
        if (!cut_) now_ = end;
        cut_ = false;
    }
    double random() override { return dice_.unit(); }
    void reseed() override { dice_.seed(seed_ * 1000u + ++reseeds_); }
    void beep() override { ++beeps_; }

private:
    void deliver(const Scripted& e) {
        Board& b = board_;
        const bool paused = b.paused();
        switch (e.kind) {
            case Scripted::Tick: record(e, "tick", !paused), b.tick(); break;
            case Scripted::Click:
            case Scripted::Stray: {
                const auto clickable = b.clickable();
                Spot s = strayView(e.pick);
                if (e.kind == Scripted::Click && !clickable.empty()) {
                    const skarpo::Spot& c =
                        clickable[static_cast<std::size_t>(e.pick * static_cast<double>(clickable.size()))];
                    s = {c.family, c.index};
                }
                const char* names[] = {"square", "start", "home", "die"};
                record(e, (names[static_cast<int>(s.family)] + std::to_string(s.index)).c_str(),
                       b.takesClick(s.family, s.index));
                b.click(s.family, s.index);
                break;
            }
            case Scripted::NewGame:
                record(e, "new game", true), b.chooseNewGame();
                cut_ = paused;
                break;
            case Scripted::Auto: record(e, "auto", true), b.chooseAuto(); break;
            case Scripted::Sound: record(e, "sound", true), b.chooseSound(); break;
            case Scripted::Close:
                record(e, "close", true), b.close();
                cut_ = paused;
                break;
            case Scripted::Speed: record(e, "speed", true), b.options.speed = static_cast<Speed>(e.value); break;
            case Scripted::Strength:
                record(e, "strength", true), b.options.strength = static_cast<Strength>(e.value);
                break;
            case Scripted::Seats:
                record(e, "seats", true);
                for (int p = 1; p <= 4; ++p)
                    b.options.seats[p] = (e.value >> (p - 1)) & 1 ? Seat::Person : Seat::Computer;
                break;
        }
    }
    void record(const Scripted& e, const char* what, bool taken) {
        trace_.event(e.at, e.kind, what, taken, std::exchange(beeps_, 0));
    }
    // The game is at rest again, between events: what it shows now.
    void rest() {
        trace_.pause(0, std::exchange(beeps_, 0));
        show();
    }
    // What every visible view shows, and the news since the last record.
    void show() {
        const Board& b = board_;
        const std::pair<const char*, const ViewFamily*> families[] = {
            {"square", &b.SQUARE}, {"start", &b.start}, {"home", &b.home}, {"die", &b.dicethrow}, {"frame", &b.Label1}};
        for (const auto& [name, f] : families)
            for (int i : f->indices()) {
                const View& v = (*f)(i);
                if (v.visible && !(f == &b.SQUARE && i > 60))
                    trace_.view(name, i, pictureName(v.picture), v.back, v.enabled);
            }
        for (const Happening& h : b.happenings.since(seen_)) {
            trace_.told(kindName(h.kind), h.player, h.value);
            ++toldCount[static_cast<int>(h.kind)];
        }
        seen_ = b.happenings.count();
    }

    unsigned seed_;
    Script script_;
    Trace trace_;
    Board board_{*this};
    std::size_t next_ = 0;
    double now_ = 0;
    bool cut_ = false;
    int beeps_ = 0;
    unsigned reseeds_ = 0;
    Seeded dice_;
    std::uint64_t seen_ = 0;
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
        Game g(seed, nullptr);
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
            Game g(seed, nullptr);
            const std::uint64_t h = g.play();
            std::printf("%u %ld %llx\n", seed, g.records(), static_cast<unsigned long long>(h));
        }
        for (int k = 0; k < 13; ++k)
            std::fprintf(stderr, "%s %ld\n", kindName(static_cast<Happening::Kind>(k)), toldCount[k]);
        return 0;
    }
    if (argc == 3 && std::string(argv[1]) == "--log") {
        Game g(static_cast<unsigned>(std::stoul(argv[2])), stdout);
        g.play();
        std::printf("\n");
        return 0;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
