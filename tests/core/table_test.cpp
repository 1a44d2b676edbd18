// SPDX-License-Identifier: GPL-3.0-or-later
// The table on the virtual clock: the order of turns and whom the game waits for, what it refuses while the board
// moves, a new game and closing amid an animation, the computer's speeds, a table of computers playing on, and a game
// taken up from its value going on exactly as the one it was taken from.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "tests/support/clock.h"

using namespace skarpo;
using Kind = Happening::Kind;
using Told = std::vector<Happening>;

namespace {
constexpr Seat P = Seat::Person, C = Seat::Computer;
constexpr ViewId die{Family::Die, 0};

// The next tick of the timer, once the table rests.
void nextTick(test::Clock& clock, Table& table) {
    clock.now = std::floor(clock.now) + 1;
    table.tick();
}
bool rollBegins(const Table& t) { return t.game().animation.stage == Stage::Roll && t.game().animation.step == 1; }
}  // namespace

// Red throws 3 and cannot move; cyan throws 6, 6, 3 (in on 16, on to 22 and 25); magenta and green cannot move; then
// the die waits for red. The frames show whose roll it is.
TEST(Table, ASixThrowsAgainALostThrowPassesAndTheComputersFollow) {
    test::Played g;
    g.clock.scriptThrows({3, 6, 6, 3, 2, 4});
    std::vector<Colour> frames;
    g.clock.onPause = [&](float) {
        if (rollBegins(g.table)) frames.push_back(g.table.views()[ViewId{Family::Frame, 1}].back);
    };
    ASSERT_TRUE(g.table.click(die));
    g.rest();
    EXPECT_EQ(g.table.happenings().since(0), (Told{{Kind::NewGame},
                                                   {Kind::Opening},
                                                   {Kind::Threw, 1, 3},
                                                   {Kind::NoMove, 1, 3},
                                                   {Kind::Threw, 2, 6},
                                                   {Kind::Entered, 2, 16},
                                                   {Kind::Threw, 2, 6},
                                                   {Kind::Moved, 2, 22},
                                                   {Kind::Threw, 2, 3},
                                                   {Kind::Moved, 2, 25},
                                                   {Kind::Threw, 3, 2},
                                                   {Kind::NoMove, 3, 2},
                                                   {Kind::Threw, 4, 4},
                                                   {Kind::NoMove, 4, 4}}));
    using namespace colour;
    EXPECT_EQ(frames,
              (std::vector<Colour>{ofPlayer(1), ofPlayer(2), ofPlayer(2), ofPlayer(2), ofPlayer(3), ofPlayer(4)}));
    EXPECT_EQ(g.clock.draws, 6 * 15);  // every throw made, none more
    EXPECT_TRUE(g.table.phase() == Phase::DieWaits && g.table.toPlay() == 1);
    EXPECT_EQ((g.table.views()[ViewId{Family::Frame, 7}].back), ofPlayer(1));
}

// Cyan and magenta played by people: the die and the marks wait for the one whose turn it is, in the order of its own
// journey, and take no click meant for the other. Seats chosen amid a game wait for the next one.
TEST(Table, SeveralPeopleAreToldApart) {
    Options two;
    two.seats = {C, C, P, P, C};
    test::Played g(test::dieWaits(test::positionOf({{2, {5}}, {3, {5}}}, 0b0110), 2, two));  // on squares 20 and 35
    Table& t = g.table;
    EXPECT_TRUE(t.toPlay() == 2 && !t.ticksMatter() && !t.soleRed());
    auto throws = [&](int thrown) {
        g.clock.scriptThrows({thrown});
        EXPECT_TRUE(t.click(die));
        g.rest();
    };
    throws(6);
    EXPECT_EQ(t.clickable(), (std::vector{viewOf(2, Place::start()), viewOf(2, Place::ring(20))}));
    EXPECT_FALSE(t.takesClick(viewOf(3, Place::start())) || t.takesClick(viewOf(3, Place::ring(35))));
    EXPECT_TRUE(t.click(viewOf(2, Place::start())));
    g.rest();
    EXPECT_TRUE(t.phase() == Phase::DieWaits && t.toPlay() == 2);  // a six: cyan again
    throws(1);
    EXPECT_EQ(t.clickable(), (std::vector{viewOf(2, Place::ring(16)), viewOf(2, Place::ring(20))}));
    EXPECT_TRUE(t.click(viewOf(2, Place::ring(20))));
    g.rest();
    EXPECT_TRUE(t.phase() == Phase::DieWaits && t.toPlay() == 3);
    throws(2);
    EXPECT_TRUE(t.toPlay() == 3 && t.clickable() == std::vector{viewOf(3, Place::ring(35))});
    EXPECT_FALSE(t.click(viewOf(2, Place::ring(21))));

    t.chooseSeats({C, C, C, C, C});
    EXPECT_TRUE(t.game().person(2));
    t.newGame();
    EXPECT_TRUE(!t.game().person(2) && t.toPlay() == 1 && t.ticksMatter() && t.clickable() == std::vector{die});
    t.close();
    EXPECT_TRUE(t.phase() == Phase::Closed && t.toPlay() == 0 && t.clickable().empty());
}

// While the board moves no click and no tick gets in, and nothing changes for trying.
TEST(Table, NothingGetsInWhileTheBoardMoves) {
    test::Played g({}, 3);
    g.table.toggleAuto();
    int tried = 0;
    for (int at = 1; at < 300; ++at) g.clock.at(at, [&] { g.table.tick(); });  // the timer
    for (double at = 0.05; at < 300; at += 0.13)
        g.clock.at(at, [&] {
            if (g.table.phase() != Phase::Animating) return;
            const Game before = g.table.game();
            const Views shown = g.table.views();
            bool taken = g.table.tick();
            for (ViewId v : Views::all()) taken = taken || g.table.click(v);
            EXPECT_TRUE(!taken && g.table.game() == before && g.table.views() == shown);
            ++tried;
        });
    while (g.clock.step(g.table)) {}
    EXPECT_GT(tried, 1500);
}

// A new game chosen during the opening march, the roll, the pause before the marks and the computers' turns: the turn
// goes no further, the game is a fresh one with the options, automatic play and sound kept, and the next click on the
// die marches out and throws as in any new game.
TEST(Table, ANewGameAmidAnAnimationLeavesAFreshGame) {
    for (double when : {1.0, 3.5, 4.9, 8.0}) {
        SCOPED_TRACE(testing::Message() << "new game at " << when);
        test::Played g;
        Table& t = g.table;
        t.toggleAuto(), t.toggleSound();
        g.clock.scriptThrows({3, 2, 5, 4});
        g.clock.at(when, [&] { t.newGame(); });
        ASSERT_TRUE(t.click(die));
        g.rest();
        g.clock.unscript();
        Game fresh = test::Played().table.game();
        fresh.thrown = t.game().thrown, fresh.autoplay = fresh.sound = true;
        EXPECT_EQ(t.game(), fresh);
        Views drawn;
        render(drawn, fresh);
        EXPECT_TRUE(t.views() == drawn && g.clock.due < 0 && g.clock.reseeds == 2);
        g.clock.scriptThrows({6});
        const double t0 = g.clock.now;
        ASSERT_TRUE(t.click(die));
        g.rest();
        EXPECT_NEAR(g.clock.now - t0, 3.0 + 1.77 + 0.2, 1e-4);  // march, roll, the pause before the marks
        EXPECT_TRUE(t.phase() == Phase::MarksWait && t.clickable() == std::vector{viewOf(1, Place::start())});
    }
}

// Closing amid an animation ends it: no step is due, automatic play is off, and nothing is taken any more.
TEST(Table, AClosedTableTakesNothing) {
    test::Played g;
    Table& t = g.table;
    t.toggleAuto();
    g.clock.at(5, [&] { t.close(); });
    t.tick();
    g.rest();
    EXPECT_TRUE(t.phase() == Phase::Closed && !t.game().autoplay && !t.ticksMatter() && !g.clock.step(t));
    const Game before = t.game();
    const Views shown = t.views();
    const auto told = t.happenings().count();
    t.newGame(), t.toggleAuto(), t.toggleSound();
    EXPECT_FALSE(t.tick() || t.click(die) || t.click(viewOf(1, Place::start())));
    EXPECT_TRUE(t.game() == before && t.views() == shown && t.happenings().count() == told);
}

namespace {
// The rounds of computer turns between two throws of red, played by automatic play: each one's length from the
// first pause of the first computer turn to the die waiting for red again, and its computer throws; and the time of
// red's own throws and moves.
struct Rounds {
    std::vector<double> lengths;
    std::vector<int> throws;
    double red = 0;
};
Rounds rounds(Speed speed) {
    Options o;
    o.speed = speed;
    test::Played g(o, 5);
    g.table.toggleAuto();
    Rounds r;
    double from = -1;
    std::uint64_t seen = 0;
    g.clock.onPause = [&](float sec) {
        const Animation& a = g.table.game().animation;
        if (a.computer && from < 0) from = g.clock.now;
        if (from < 0 && a.stage != Stage::Opening) r.red += sec;
    };
    while (r.lengths.size() < 200) {
        if (from < 0) seen = g.table.happenings().count();
        nextTick(g.clock, g.table);
        g.rest();
        if (from < 0 || g.table.phase() != Phase::DieWaits) continue;
        r.lengths.push_back(g.clock.now - from);
        int n = 0;
        for (const Happening& h : g.table.happenings().since(seen)) n += h.kind == Kind::Threw && h.player != 1;
        r.throws.push_back(n);
        from = -1;
    }
    return r;
}
}  // namespace

// Fast makes every pause of a computer's turn a quarter as long; Fastest shows each computer throw for 0.1 s and its
// outcome for 0.1 s and nothing else; red's own throws and moves keep their time at every speed.
TEST(Table, TheComputersPausesAreAQuarterOrOnlyGlances) {
    const Rounds normal = rounds(Speed::Normal), fast = rounds(Speed::Fast), fastest = rounds(Speed::Fastest);
    ASSERT_EQ(normal.throws, fast.throws);
    ASSERT_EQ(normal.throws, fastest.throws);
    for (std::size_t i = 0; i < normal.lengths.size(); ++i) {
        EXPECT_NEAR(fast.lengths[i], normal.lengths[i] / 4, 1e-4) << i;
        EXPECT_NEAR(fastest.lengths[i], 0.2 * normal.throws[i], 1e-4) << i;
    }
    EXPECT_NEAR(fast.red, normal.red, 1e-3);
    EXPECT_NEAR(fastest.red, normal.red, 1e-3);
}

// With the computer at every seat the first tick starts a game that plays on without the die ever waiting, at the
// game's pace and at the fastest, the stack as deep at the last pause as at the first and the position whole; every
// colour brings its counters home.
TEST(Table, TheComputerAtEverySeatPlaysOnWithoutDeepening) {
    Options all;
    all.seats = {C, C, C, C, C};
    test::Played g(all, 7);
    Table& t = g.table;
    EXPECT_TRUE(t.toPlay() == 1 && t.ticksMatter());
    long throws = 0;
    std::uintptr_t low = UINTPTR_MAX, high = 0;
    std::string faults;
    std::array<int, 5> celebrations{};
    std::uint64_t seen = 0;
    g.clock.onPause = [&](float) {
        const int here = 0;
        low = std::min(low, reinterpret_cast<std::uintptr_t>(&here));
        high = std::max(high, reinterpret_cast<std::uintptr_t>(&here));
        for (const Happening& h : t.happenings().since(seen)) {
            celebrations[h.player] += h.kind == Kind::AllHome;
            if (h.kind == Kind::Threw && ++throws % 100 == 0) faults += faultsOf(t.game().position, 0);
        }
        seen = t.happenings().count();
        if (throws == 10000) t.setSpeed(Speed::Fastest);
    };
    EXPECT_TRUE(t.tick());
    while (throws < 20000 && g.clock.step(t)) ASSERT_EQ(t.phase(), Phase::Animating);
    EXPECT_EQ(throws, 20000);
    EXPECT_EQ(faults, "");
    EXPECT_LT(high - low, 16u * 1024) << "the stack grew with the turns";
    for (int p = 1; p <= 4; ++p) EXPECT_GT(celebrations[p], 0) << p;
}

// A game taken up from the value of another at any step of an animation shows, step by step, what the other shows.
TEST(Table, AGameTakenUpFromItsValueGoesOnAsTheOther) {
    test::Played a({}, 9);
    a.table.toggleAuto();
    Seeded pick(4);
    std::array<int, 8> byStage{};
    int celebrations = 0;
    for (long steps = 0; steps < 200000; ++steps) {
        if (steps == 100000) a.table.setSpeed(Speed::Fastest);
        if (!a.clock.step(a.table)) nextTick(a.clock, a.table);
        if (a.table.phase() != Phase::Animating || !pick.chance(0.05)) continue;
        const Game& game = a.table.game();
        ++byStage[static_cast<int>(game.animation.stage)];
        const auto told = a.table.happenings().count();
        celebrations += a.table.happenings().since(told - 1).at(0).kind == Kind::AllHome;
        a.clock.pauses.clear();
        test::Clock clock = a.clock;
        Table b(clock, game);
        for (int n = 0; n < 30; ++n) {
            const bool stepped = a.clock.step(a.table);
            ASSERT_EQ(clock.step(b), stepped);
            if (!stepped) nextTick(a.clock, a.table), nextTick(clock, b);
            ASSERT_TRUE(test::seen(a.table.views()) == test::seen(b.views()) && a.table.game() == b.game())
                << steps << " + " << n;
        }
        ASSERT_EQ(a.table.happenings().since(told), b.happenings().since(0));
        ASSERT_EQ(a.clock.pauses, clock.pauses);
    }
    for (Stage s :
         {Stage::Opening, Stage::Roll, Stage::Marking, Stage::LostThrow, Stage::Glance, Stage::Move, Stage::Pause})
        EXPECT_GT(byStage[static_cast<int>(s)], 0) << static_cast<int>(s);
    EXPECT_GT(celebrations, 0);
}
