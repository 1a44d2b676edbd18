// SPDX-License-Identifier: GPL-3.0-or-later
// The game under load: seeded games played by the timer or by people, with "New Game", "Auto", "Sound", clicks
// anywhere, ticks and closing injected inside the animations and between them. At every pause the position keeps its
// invariants; at rest the board shows what the game value says, and an event the table refuses changes nothing; a new
// game is a fresh one, a closed table takes nothing, and no game gets stuck.
// `skarpo_soak --turns N --seeds K [--first-seed S] [--strength 0|1|2]` is the long run (the computer Easy, Normal or
// Strong); without arguments it runs the short soak.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <numeric>
#include <optional>

#include "tests/support/clock.h"

using namespace skarpo;
namespace {
enum Event { NewGame, Auto, Sound, Click, Tick, Close, kinds };
const char* const names[kinds] = {"New Game", "Auto", "Sound", "click", "tick", "close"};
constexpr Seat P = Seat::Person, C = Seat::Computer;

struct Figures {
    long throws = 0, pauses = 0, windows = 0, violations = 0;
    long cutRolls = 0, cutOpenings = 0, cutCelebrations = 0;  // by "New Game" or closing
    std::array<long, kinds> inside{}, between{};              // events by kind, inside animations and at rest
    std::array<long, 5> celebrations{};                       // by player 1..4
    std::vector<std::string> reports;                         // the first few violations
    double seconds = 0;
};

// One window after another on its own clock, closed by the events or when it is broken; ten windows in a row without
// a throw are hopeless. Calm seeds play long games in which players finish; in others "New Game" and closing strike
// every few turns.
class Runner {
public:
    Strength strength = Strength::Normal;
    Figures fig;

    void runSeed(unsigned s, long throws, double calm) {
        rng_.seed(s), calm_ = calm;
        const long target = fig.throws + throws;
        for (unsigned window = 1, idle = 0; fig.throws < target && idle < 10; ++window) {
            const long before = fig.throws;
            Options o;
            o.seats = window % 3 ? o.seats : std::array{C, C, P, C, P};  // now and then cyan and green people
            o.strength = strength;
            w_ = std::make_unique<Window>(s * 100 + window, o);
            w_->clock.onPause = [this](float sec) { paused(sec); };
            ++fig.windows, broken_ = celebrating_ = false, seen_ = table().happenings().count();
            for (long stuck = 0, last = fig.throws; !broken_ && fig.throws < target;) {
                if (!w_->clock.step(table())) {
                    if (!atRest()) break;
                    between();
                }
                stuck = fig.throws == std::exchange(last, fig.throws) ? stuck + 1 : 0;
                if (stuck > 5000) fail("stuck: no throw in 5000 steps");
            }
            idle = fig.throws == before ? idle + 1 : 0;
        }
    }

private:
    struct Window {
        test::Clock clock;
        Table table;
        Window(unsigned seed, const Options& o) : clock(seed), table(clock, o) {}
    };
    Table& table() { return w_->table; }
    const Animation& animation() { return table().game().animation; }

    // A pause begins: the position is whole, and now and then a person or the timer does something during it.
    void paused(float sec) {
        ++fig.pauses;
        news();
        celebrating_ = celebrating_ && animation().stage == Stage::Move;
        if (table().phase() != Phase::Animating) fail("a pause at rest");
        fail(faultsOf(table().game().position, table().game().persons()));
        const bool opening = animation().stage == Stage::Opening;
        const double odds[kinds] = {std::max(1.0 / 2500 / calm_, celebrating_ ? 1.0 / 1500
                                                                 : opening    ? 1.0 / 400
                                                                              : 0),
                                    1.0 / 3000,
                                    1.0 / 3000,
                                    1.0 / 30,
                                    sec,
                                    1.0 / 30000 / calm_};
        for (int e = 0; e < kinds; ++e)
            if (rng_.chance(odds[e]))
                w_->clock.at(w_->clock.now + rng_.unit() * sec, [this, e] { deliver(Event(e), rng_.chance(0.5)); });
    }

    // Nothing more is to come until someone acts: the game at rest shows what its value says, or the closed table
    // takes nothing. Whether the window plays on.
    bool atRest() {
        Table& t = table();
        if (t.phase() == Phase::Closed) {
            const auto before = snapshot();
            t.newGame(), t.toggleAuto(), t.toggleSound();
            const bool took = t.tick() || t.click({Family::Die, 0}) || t.click(viewOf(1, Place::start()));
            fail(took || snapshot() != before ? "the closed table took an event or changed" : "");
            return false;
        }
        news();
        celebrating_ = false;
        Views drawn;
        render(drawn, t.game());
        fail(faultsOf(t.game().position, t.game().persons()));
        if (test::seen(t.views()) != test::seen(drawn)) fail("at rest the board shows other than the game");
        if (t.phase() == Phase::MarksWait && t.game().marks.count == 0) fail("the marks wait with none marked");
        return !broken_;
    }

    // At rest: mostly the die or a marked counter, unless the timer plays.
    void between() {
        const double r = rng_.unit();
        if (r < 0.03) return deliver(Click, rng_.chance(0.5));
        if (r < 0.04) return deliver(r < 0.035 ? Auto : Sound);
        if (rng_.chance(1.0 / 300 / calm_)) return deliver(NewGame);
        if (rng_.chance(1.0 / 20000 / calm_)) return deliver(Close);
        const bool click = table().game().autoplay ? r > 0.9 : r > 0.1;
        deliver(click ? Click : Tick, true);
    }

    // An event, inside an animation or at rest. A click hits any view or, when `tempted`, one that takes it.
    void deliver(Event e, bool tempted = false) {
        Table& t = table();
        const bool moving = t.phase() == Phase::Animating, open = t.phase() != Phase::Closed;
        ++(moving ? fig.inside : fig.between)[e];
        if (e == Tick)
            return send(
                !moving && open, [&] { return t.tick(); }, !t.ticksMatter());
        if (e == Click) {
            std::vector<ViewId> at = t.clickable();
            if (!tempted || at.empty()) at = {Views::all()[static_cast<std::size_t>(rng_.between(0, 139))]};
            const ViewId v = at[static_cast<std::size_t>(rng_.between(0, static_cast<int>(at.size()) - 1))];
            return send(t.takesClick(v), [&] { return t.click(v); });
        }
        const bool rolling = animation().stage == Stage::Roll, opening = animation().stage == Stage::Opening;
        if (e == NewGame || e == Close) {
            fig.cutRolls += open && moving && rolling, fig.cutOpenings += open && moving && opening;
            fig.cutCelebrations += open && std::exchange(celebrating_, false);
        }
        e == NewGame ? t.newGame() : e == Auto ? t.toggleAuto() : e == Sound ? t.toggleSound() : t.close();
        if (e != NewGame || !open) return;
        const Game& g = t.game();
        Views drawn;
        render(drawn, g);
        if (!(g.position == Position::fresh() && g.phase == Phase::DieWaits && !g.opened &&
              g.animation == Animation{} && test::seen(t.views()) == test::seen(drawn) && w_->clock.due < 0))
            fail("a new game is not a fresh one");
    }

    // An event that the table must take exactly when `takes`; refused, or taken while `idle`, it changes nothing.
    void send(bool takes, const std::function<bool()>& event, bool idle = false) {
        const auto before = !takes || idle ? std::optional(snapshot()) : std::nullopt;
        if (event() != takes) return fail(takes ? "an event was refused" : "a refused event reached the game");
        if (before && snapshot() != *before) fail("an event that does nothing changed the game");
    }

    std::pair<Game, Views> snapshot() { return {table().game(), test::seen(table().views())}; }

    // The news since last read: the throws and the celebrations.
    void news() {
        for (const Happening& h : table().happenings().since(seen_)) {
            fig.throws += h.kind == Happening::Kind::Threw;
            if (h.kind == Happening::Kind::AllHome) ++fig.celebrations[h.player], celebrating_ = true;
        }
        seen_ = table().happenings().count();
    }

    // A violation when `faults` is not empty: counted, the first few described, the window given up.
    void fail(const std::string& faults) {
        if (faults.empty() || std::exchange(broken_, true) || ++fig.violations > 10) return;
        fig.reports.push_back("window " + std::to_string(fig.windows) + " throw " + std::to_string(fig.throws) + ": " +
                              faults);
    }

    std::unique_ptr<Window> w_;
    Seeded rng_;       // the people's and the timer's randomness, apart from the game's dice
    double calm_ = 1;  // divides how often "New Game" and closing strike
    bool broken_ = false, celebrating_ = false;
    std::uint64_t seen_ = 0;
};

Figures run(long throws, int seeds, unsigned first = 1, Strength strength = Strength::Normal) {
    const auto start = std::chrono::steady_clock::now();
    Runner runner;
    runner.strength = strength;
    for (int k = 0; k < seeds; ++k)
        runner.runSeed(first + unsigned(k), throws / seeds + (k < throws % seeds), std::array{200.0, 1.0, 20.0}[k % 3]);
    runner.fig.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return runner.fig;
}

std::ostream& operator<<(std::ostream& out, const Figures& f) {
    out << "throws: " << f.throws << "\npauses: " << f.pauses << "\nwindows opened: " << f.windows;
    for (auto [what, a] : {std::pair{"injected inside animations", &f.inside}, {"delivered at rest", &f.between}})
        for (int k = 0; k < kinds; ++k)
            out << (k ? ", "
                      : "\nevents " + std::string(what) + ": " + std::to_string(std::reduce(a->begin(), a->end())) +
                            " (")
                << names[k] << " " << (*a)[k] << (k < kinds - 1 ? "" : ")");
    out << "\nrolls, opening marches, celebrations cut short: " << f.cutRolls << ", " << f.cutOpenings << ", "
        << f.cutCelebrations << "\ncelebrations by player 1..4: ";
    for (int p = 1; p <= 4; ++p) out << f.celebrations[p] << (p < 4 ? ", " : "");
    out << "\nviolations: " << f.violations << "\nwall time: " << f.seconds << " s\n";
    for (const std::string& r : f.reports) out << "  " << r << "\n";
    return out;
}
}  // namespace

// Every kind of event reaches the animations, games are cut short, windows reopen, every player celebrates.
TEST(Soak, ShortRunUnderInjectedEventsKeepsTheGameWhole) {
    const Figures f = run(60000, 6);
    std::cout << f;
    EXPECT_TRUE(f.violations == 0 && f.cutRolls && f.cutOpenings && f.cutCelebrations && f.windows > 6);
    EXPECT_EQ(std::ranges::count(f.inside, 0) + std::ranges::count(f.celebrations, 0), 1);  // (nobody is player 0)
}

// The computer playing Easy and Strong keeps the game whole too.
TEST(Soak, EasyAndStrongComputersKeepTheGameWhole) {
    for (Strength s : {Strength::Easy, Strength::Strong}) {
        const Figures f = run(6000, 3, 1, s);
        EXPECT_TRUE(f.violations == 0 && f.throws >= 6000) << f;
    }
}

int main(int argc, char** argv) {
    if (argc < 2 || std::string(argv[1]).starts_with("--gtest"))
        return ::testing::InitGoogleTest(&argc, argv), RUN_ALL_TESTS();
    std::map<std::string, long> o{{"--turns", 100000}, {"--seeds", 8}, {"--first-seed", 1}, {"--strength", 1}};
    for (int i = 1; i < argc; i += 2) {
        char* end = nullptr;
        const long value = i + 1 < argc ? std::strtol(argv[i + 1], &end, 10) : -1;
        const bool number = end && end != argv[i + 1] && *end == '\0' && value >= 0;
        if (!number || !o.contains(argv[i]) || (o[argv[i]] = value, o["--seeds"] < 1 || o["--strength"] > 2))
            return std::cerr << "usage: skarpo_soak [--turns N] [--seeds K] [--first-seed S] [--strength 0|1|2]\n", 2;
    }
    const Figures f = run(o["--turns"], int(o["--seeds"]), unsigned(o["--first-seed"]), Strength(o["--strength"]));
    std::cout << o["--turns"] << " turns over " << o["--seeds"] << " seeds from " << o["--first-seed"] << "\n" << f;
    return f.violations == 0 ? 0 : 1;
}
