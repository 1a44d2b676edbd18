// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <sstream>

#include "core/turns/table.h"
#include "tests/traces/trace.h"

using namespace skarpo;
using namespace skarpo::traces;

namespace {

const char* kindName(Happening::Kind k) {
    static const char* const names[] = {"NewGame", "Opening", "Threw",   "NoMove",   "Captured", "Home", "AllHome",
                                        "AutoOn",  "AutoOff", "SoundOn", "SoundOff", "Entered",  "Moved"};
    return names[static_cast<int>(k)];
}

ViewId strayView(double pick) {
    const int n = static_cast<int>(pick * 132);
    auto at = [](Family f, int i) { return ViewId{f, static_cast<std::int8_t>(i)}; };
    if (n < 60) return at(Family::Ring, n + 1);
    if (n < 76) return at(Family::Start, n - 60);
    if (n < 116) return at(Family::Home, n - 76);
    return at(Family::Die, n - 116);
}

Options optionsOf(const Script& s) {
    Options o;
    for (int p = 1; p <= 4; ++p) o.seats[p] = (s.seats >> (p - 1)) & 1 ? Seat::Person : Seat::Computer;
    o.speed = static_cast<Speed>(s.speed);
    o.strength = static_cast<Strength>(s.strength);
    return o;
}

class Played : public Platform {
public:
    Played(unsigned seed, std::FILE* log)
        : seed_(seed), script_(scriptFor(seed)), trace_(log), table_(*this, optionsOf(script_)) {
        seen_ = table_.happenings().count();
    }

    std::uint64_t play() {
        while (!stopped_ && table_.phase() != Phase::Closed) {
            const bool event = next_ < script_.events.size();
            if (due_ >= 0 && (!event || due_ < script_.events[next_].at)) {
                now_ = due_, due_ = -1;
                table_.advance();
                if (!stopped_ && table_.phase() != Phase::Animating) rest();
                continue;
            }
            if (!event) break;
            const Scripted& e = script_.events[next_++];
            now_ = std::max(now_, e.at);
            deliver(e);
            if (!stopped_ && table_.phase() != Phase::Animating) rest();
        }
        return trace_.hash();
    }
    long records() const { return trace_.records(); }

    void wake(float sec) override {
        if (sec < 0) return void(due_ = -1);
        if (sec > 0) {
            if (now_ > script_.horizon) {
                stopped_ = true, due_ = -1;
                return;
            }
            trace_.pause(sec, std::exchange(beeps_, 0));
            show();
        }
        due_ = now_ + static_cast<double>(sec);
    }
    double random() override { return dice_.unit(); }
    void reseed() override { dice_.seed(seed_ * 1000u + ++reseeds_); }
    void beep() override { ++beeps_; }

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
            case Scripted::Speed: record(e, "speed", true), t.setSpeed(static_cast<Speed>(e.value)); break;
            case Scripted::Strength: record(e, "strength", true), t.setStrength(static_cast<Strength>(e.value)); break;
            case Scripted::Seats: {
                record(e, "seats", true);
                std::array<Seat, 5> seats{};
                for (int p = 1; p <= 4; ++p) seats[p] = (e.value >> (p - 1)) & 1 ? Seat::Person : Seat::Computer;
                t.chooseSeats(seats);
                break;
            }
        }
    }
    void record(const Scripted& e, const char* what, bool taken) {
        trace_.event(e.at, e.kind, what, taken, std::exchange(beeps_, 0));
    }
    void rest() {
        trace_.pause(0, std::exchange(beeps_, 0));
        show();
    }
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

    unsigned seed_;
    Script script_;
    Trace trace_;
    std::size_t next_ = 0;
    double now_ = 0, due_ = -1;
    bool stopped_ = false;
    int beeps_ = 0;
    unsigned reseeds_ = 0;
    Seeded dice_;
    std::uint64_t seen_ = 0;
    Table table_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--record") {
        for (unsigned seed = 1; seed <= static_cast<unsigned>(std::stoul(argv[2])); ++seed) {
            Played g(seed, nullptr);
            const std::uint64_t h = g.play();
            std::printf("%u %ld %llx\n", seed, g.records(), static_cast<unsigned long long>(h));
        }
        return 0;
    }
    if (argc == 3 && std::string(argv[1]) == "--log") {
        Played g(static_cast<unsigned>(std::stoul(argv[2])), stdout);
        g.play();
        std::printf("\n");
        return 0;
    }
    return 2;
}
