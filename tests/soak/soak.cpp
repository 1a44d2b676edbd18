// SPDX-License-Identifier: GPL-3.0-or-later
// The game under load: seeded games played by the timer or a person, with "New Game", "Auto", "Sound", clicks anywhere,
// ticks and closing injected inside the animations and between them; checked at every pause and after every handler.
// Every move is foreseen by the move model as it starts and the board checked against it once it is made.
// `skarpo_soak --turns N --seeds K [--first-seed S] [--strength 0|1|2]` is the long run (the computer Easy, Normal or
// Strong); without arguments it runs the short soak.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <numeric>
#include <optional>
#include <ranges>
#include <span>

#include "rules/outcome.h"
#include "tests/support/test_platform.h"

using namespace skarpo;
namespace {
enum Event { NewGame, Auto, Sound, Click, Tick, Close, kinds };
const char* const names[kinds] = {"New Game", "Auto", "Sound", "click", "tick", "close"};
// the clickable families lead the board's list of its view families, in the order of the Family they are
constexpr auto clickables = std::span(viewFamilies).first<4>();
static_assert(std::ranges::all_of(std::views::iota(0, 4), [](int f) { return clickables[f].clickable == Family(f); }));

struct Figures {
    long turns = 0, handlers = 0, pauses = 0, windows = 0, violations = 0;
    long cutRolls = 0, cutOpenings = 0, cutCelebrations = 0;  // by "New Game" or closing
    std::array<long, kinds> inPauses{}, between{};            // events by kind
    std::array<long, 5> celebrations{};                       // by player 1..4
    std::vector<std::string> reports;                         // the first few violations
    long foreseen = 0, differences = 0;                       // moves the model foresaw; where the board did otherwise
    // moves foreseen with a capture, an own-colour capture, a doubling carry, a corner jump, into the home
    // column, a finish, all four home, and blocked entries into the column
    std::array<long, 8> seen{};
    double seconds = 0;
};

// Everything an event can change: the throw, whose go, the options, the tables, every view.
auto print(const Board& b) {
    return std::tuple{b.moves,      b.whosego,   b.autoplay, b.sound,  b.players,   b.homerow,
                      b.squares,    b.SQUARE,    b.start,    b.home,   b.dicethrow, b.dice,
                      b.boardcount, b.homecount, b.two,      b.corner, b.Label1};
}

// The platform of one board after another, a window closed and another opened (ten without a throw are hopeless).
// Calm seeds play long games in which players finish; in others "New Game" and closing strike every few turns.
struct Runner : test::TestPlatform {
    Strength strength = Strength::Normal;
    void runSeed(unsigned s, long turns, double calm) {
        rng_.seed(s), calm_ = calm;
        const long target = fig_.turns + turns;
        for (unsigned window = 1, idle = 0; fig_.turns < target && idle < 10; ++window) {
            const long before = fig_.turns;
            seed = s * 1000u + window;
            b_ = std::make_unique<Board>(*this);
            b_->Form_Load();
            b_->options.strength = strength;
            b_->moveStarts = [this](int p, Place from, int thrown) {
                expected_ = foresee(Position::of(*b_), p, from, thrown), toldBefore_ = b_->happenings.count();
            };
            b_->moveEnds = [this] { followed(); };
            ++fig_.windows, broken_ = false, celebrating_ = {};
            for (long stuck = 0, last = fig_.turns; check() && fig_.turns < target; step())
                if (fig_.turns != std::exchange(last, fig_.turns))
                    stuck = 0;
                else if (++stuck > 2000)
                    fail("stuck: no throw in 2000 steps");
            idle = fig_.turns == before ? idle + 1 : 0;
        }
    }

    void wait(float sec) override {  // the timer ticks once a second, and now and then a person acts
        Board& b = *b_;
        ++fig_.pauses;
        fig_.turns += test::rollBegins(b);
        fail(dropped_ ? "a handler dropped by New Game paused again" : test::pauseFaults(b));
        celebrations(false);
        const bool celebration = std::ranges::count(celebrating_, true) > 0,
                   rolling =
                       std::ranges::any_of(std::views::iota(1, 15), [&](int i) { return b.dicethrow(i).visible; }),
                   opening = marching(b);
        const double odds[kinds] = {std::max(1.0 / 2500 / calm_, celebration ? 1.0 / 1500
                                                                 : opening   ? 1.0 / 400
                                                                             : 0),
                                    1.0 / 3000,
                                    1.0 / 3000,
                                    1.0 / 30,
                                    sec,
                                    1.0 / 30000 / calm_};
        std::vector<Event> events;
        for (int e = 0; e < kinds; ++e)
            if (rng_.chance(odds[e])) events.push_back(Event(e));
        std::shuffle(events.begin(), events.end(), rng_);
        for (Event e : events) {
            if (broken_ || b.closed()) break;
            fig_.cutRolls += (e == NewGame || e == Close) && rolling;
            fig_.cutOpenings += (e == NewGame || e == Close) && opening;
            e == Tick ? tick() : e == Click ? click(0.5) : command(e);
        }
    }

    // The counters march out at the opening of a game: the board's newest news is the opening, and the die waits.
    static bool marching(const Board& b) {
        const auto newest = b.happenings.since(b.happenings.count() - 1);
        return !newest.empty() && newest[0].kind == Happening::Kind::Opening && b.dicethrow(0).visible;
    }
    // A violation when `faults` is not empty: counted, the first few described, the window given up.
    void fail(const std::string& faults) {
        if (faults.empty() || std::exchange(broken_, true) || ++fig_.violations > 10) return;
        fig_.reports.push_back("seed " + std::to_string(seed / 1000) + " throw " + std::to_string(fig_.turns) + ": " +
                               faults);
    }
    void celebrations(bool cut) {  // over when the final places empty again, or cut short
        for (int p = 1; p <= 4; ++p)
            if (!cut && b_->homerow(p, 7) == 4)
                celebrating_[p] = true;
            else if (std::exchange(celebrating_[p], false))
                ++(cut ? fig_.cutCelebrations : fig_.celebrations[p]);
    }

    // A move is made: the board holds the tables the model foresaw, the counter stands where it said, and the board
    // told exactly the captures (by the victim), final places (100 + the place) and all home (200) it named.
    void followed() {
        using K = MoveEvent::Kind;
        using H = Happening::Kind;
        const Outcome& o = expected_;
        std::vector<int> told, named;
        for (const Happening& h : b_->happenings.since(toldBefore_))
            if (h.kind == H::Captured || h.kind == H::Home || h.kind == H::AllHome)
                told.push_back(h.kind == H::Captured ? h.value : h.kind == H::Home ? 100 + h.value : 200);
        for (const MoveEvent& e : o)
            if (e.kind == K::Captures || e.kind == K::Finishes || e.kind == K::AllHome)
                named.push_back(e.kind == K::Captures ? e.whom : e.kind == K::Finishes ? 100 + e.square : 200);
        ++fig_.foreseen;
        const bool own = std::ranges::count(named, o.player) > 0, seen[] = {o.captures() > 0,     own,
                                                                            o.has(K::Doubles),    o.has(K::Jumps),
                                                                            o.has(K::IntoColumn), o.has(K::Finishes),
                                                                            o.has(K::AllHome),    !o.moves};
        for (std::size_t k = 0; k < fig_.seen.size(); ++k) fig_.seen[k] += seen[k];
        const Position held = Position::of(*b_);
        const int at = o.to.index;
        const bool there = !o.moves                           ? o.to == o.from
                           : o.to.kind == Place::Kind::Ring   ? held.squares(at) == o.player
                           : o.to.kind == Place::Kind::Column ? held.homerow(o.player, at) == 1
                                                              : held.homerow(o.player, 7) == at || o.has(K::AllHome);
        if (held == o.after && told == named && there) return;
        if (++fig_.differences > 10) return;
        const auto str = [](int v) { return std::to_string(v); };
        const char* kinds[] = {"none ", "ring ", "start ", "column ", "final "};
        std::string d = "the model foresaw otherwise: player " + str(o.player) + " from " + kinds[int(o.from.kind)] +
                        str(o.from.index) + " with " + str(o.thrown) + (there ? "" : ", not to " + str(at)) +
                        ", told " + str(int(told.size())) + " named " + str(int(named.size()));
        auto cell = [&](const std::string& name, int board, int model) {
            if (board != model) d += ", " + name + " " + str(board) + " not " + str(model);
        };
        for (int n = 1; n <= 70; ++n) cell("squares(" + str(n) + ")", held.squares(n), o.after.squares(n));
        for (int p = 1; p <= 4; ++p) {
            for (int j = 0; j <= 5; ++j)
                cell("players(" + str(p) + "," + str(j) + ")", held.players(p, j), o.after.players(p, j));
            for (int k = 1; k <= 7; ++k)
                cell("homerow(" + str(p) + "," + str(k) + ")", held.homerow(p, k), o.after.homerow(p, k));
        }
        fig_.reports.push_back("seed " + std::to_string(seed / 1000) + " throw " + std::to_string(fig_.turns) + ": " +
                               d);
    }

    // Between handlers the tables and pictures agree (before the opening march the board is a new game's: a
    // handler dropped by New Game left it alone); a closed window takes nothing. Whether the window plays on.
    bool check() {
        Board& b = *b_;
        if (b.closed()) {
            const auto before = print(b);
            b.chooseNewGame(), b.chooseAuto(), b.chooseSound();
            const bool took = b.tick() || b.click(Family::dicethrow, 0) || b.click(Family::SQUARE, rng_.between(1, 60));
            fail(took || print(b) != before ? "the closed window took an event or changed" : "");
            return false;
        }
        celebrations(false);
        fail(b.dicethrow(15).enabled ? test::differences(b, fresh_.board) : test::boardFaults(b));
        if (b.paused()) fail("paused between handlers");
        return !broken_;
    }

    void step() {  // between handlers: mostly the die or a marked counter, unless the timer plays
        const double r = rng_.unit();
        if (r < 0.03)
            click(0.5);
        else if (r < 0.04)
            command(r < 0.035 ? Auto : Sound);
        else if (rng_.chance(1.0 / 300 / calm_))
            command(NewGame);
        else if (rng_.chance(1.0 / 20000 / calm_))
            command(Close);
        else if (b_->autoplay ? r > 0.9 : r > 0.1)
            click(1);
        else
            tick();
    }
    void tick() {
        send(
            Tick, [&] { return b_->tick(); }, true, !b_->autoplay);
    }  // idle without automatic play
    // An event that must reach a handler if it `takes` and no handler is paused, and then with `idle` change
    // nothing; one that does not reach a handler changes nothing (one in four is compared whole).
    void send(Event e, const std::function<bool()>& event, bool takes, bool idle = false) {
        const bool taken = takes && !b_->paused();
        ++(b_->paused() ? fig_.inPauses : fig_.between)[e];
        if (taken) dropped_ = false;
        const auto before = (!taken || idle) && rng_.chance(0.25) ? std::optional(print(*b_)) : std::nullopt;
        if (event() != taken) return fail(taken ? "an event was refused" : "an ignored event reached the game");
        fig_.handlers += taken;
        if (before && print(*b_) != *before) fail("an event that does nothing changed the board");
    }

    // A click on any view, or with chance `tempt` on one that invites it (clickable or yellow); taken only
    // between handlers on a visible, enabled view of the ring, the places or the die.
    void click(double tempt) {
        Board& b = *b_;
        const bool tempted = rng_.chance(tempt);
        std::vector<std::pair<int, int>> at{{rng_.between(0, 3), -1}};  // (family, index), first none at all
        for (int f = 0; f < 4; ++f)
            for (int i : (b.*clickables[f].views).indices())
                if (const View& v = (b.*clickables[f].views)(i);
                    !tempted || (v.visible && v.enabled) || v.back == colour::yellow)
                    at.push_back({f, i});
        const auto [f, i] = at[static_cast<std::size_t>(rng_.between(tempted && at.size() > 1, int(at.size()) - 1))];
        const ViewFamily& views = b.*clickables[f].views;
        const bool takes = views.has(i) && (f > 0 || i <= 60) && views(i).visible && views(i).enabled;
        send(
            Click, [&b, f, i] { return b.click(Family(f), i); }, takes);
    }

    // A menu command or closing, taken also inside a pause: "New Game" lays out a fresh game whatever it cuts into
    // and drops the paused handler.
    void command(Event e) {
        const bool inPause = b_->paused();
        e == Auto ? b_->chooseAuto() : e == Sound ? b_->chooseSound() : e == Close ? b_->close() : b_->chooseNewGame();
        if (e == NewGame) fail(test::differences(*b_, fresh_.board));
        if (e == NewGame || e == Close) celebrations(true);
        dropped_ = dropped_ || (inPause && e == NewGame);
        ++(inPause ? fig_.inPauses : fig_.between)[e];
        fig_.handlers += !inPause;
    }

    Figures fig_;
    test::Game fresh_;  // a new game, to compare with
    Seeded rng_;        // the person's randomness, apart from the game's dice
    double calm_ = 1;   // divides how often "New Game" and closing strike
    std::unique_ptr<Board> b_;
    bool broken_ = false, dropped_ = false;  // a violation was found; the running handler was dropped by New Game
    std::array<bool, 5> celebrating_{};
    Outcome expected_;              // the move being made, as the model foresaw it
    std::uint64_t toldBefore_ = 0;  // the board's happenings as it started
};

Figures run(long turns, int seeds, unsigned first = 1, Strength strength = Strength::Normal) {
    const auto start = std::chrono::steady_clock::now();
    Runner runner;
    runner.strength = strength;
    for (int k = 0; k < seeds; ++k)
        runner.runSeed(first + unsigned(k), turns / seeds + (k < turns % seeds), std::array{200.0, 1.0, 20.0}[k % 3]);
    runner.fig_.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return runner.fig_;
}

std::ostream& operator<<(std::ostream& out, const Figures& f) {
    out << "throws: " << f.turns << "\nhandlers: " << f.handlers << "\npauses: " << f.pauses
        << "\nwindows opened: " << f.windows;
    for (auto [what, a] :
         {std::pair{"injected inside pauses", &f.inPauses}, {"delivered between handlers", &f.between}})
        for (int k = 0; k < kinds; ++k)
            out << (k ? ", "
                      : "\n" + std::string(what) + ": " + std::to_string(std::reduce(a->begin(), a->end())) + " (")
                << names[k] << " " << (*a)[k] << (k < kinds - 1 ? "" : ")");
    out << "\nrolls, opening marches, celebrations cut short: " << f.cutRolls << ", " << f.cutOpenings << ", "
        << f.cutCelebrations << "\ncelebrations by player 1..4: ";
    for (int p = 1; p <= 4; ++p) out << f.celebrations[p] << (p < 4 ? ", " : "");
    out << "\nmoves foreseen by the move model: " << f.foreseen << ", differences: " << f.differences
        << "\n  with a capture, own-colour capture, doubling carry, corner jump, into the column, finish, all home, "
           "blocked: ";
    for (std::size_t k = 0; k < f.seen.size(); ++k) out << f.seen[k] << (k + 1 < f.seen.size() ? ", " : "");
    out << "\nviolations: " << f.violations << "\nwall time: " << f.seconds << " s\n";
    for (const std::string& r : f.reports) out << "  " << r << "\n";
    return out;
}
}  // namespace

// Every kind of event reaches the animations, games are cut short, windows reopen, every player celebrates.
TEST(Soak, ShortRunUnderInjectedEventsKeepsTheGameWhole) {
    const Figures f = run(30000, 6);
    std::cout << f;
    EXPECT_TRUE(f.violations == 0 && f.cutRolls && f.cutOpenings && f.cutCelebrations && f.windows > 6);
    // every move foreseen exactly, of every kind
    EXPECT_EQ(f.differences, 0);
    EXPECT_EQ(std::ranges::count(f.seen, 0), 0);
    EXPECT_EQ(std::ranges::count(f.inPauses, 0) + std::ranges::count(f.celebrations, 0), 1);  // (nobody is player 0)
}

// The computer playing Easy and Strong: every move it picks is one the model foresees, and the game stays whole.
TEST(Soak, EasyAndStrongComputersKeepTheGameWhole) {
    for (Strength s : {Strength::Easy, Strength::Strong}) {
        const Figures f = run(6000, 3, 1, s);
        EXPECT_TRUE(f.violations == 0 && f.differences == 0 && f.foreseen > 1000) << f;
        EXPECT_GT(f.seen[0] * f.seen[2] * f.seen[3] * f.seen[4] * f.seen[5], 0) << f;  // captures, carries, jumps, ...
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
    return f.violations == 0 && f.differences == 0 ? 0 : 1;
}
