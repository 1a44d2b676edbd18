// SPDX-License-Identifier: GPL-3.0-or-later
// The game on the virtual clock, against values written out here rather than taken from the code: the board as a
// new game lays it out; which events reach the game while it animates; the die, the order of turns and what the
// board tells the window; marking and moving counters, corner jumps, captures and the run back, the start area, the
// home column and the celebration; the computer players' choice and turn; and a long game by the timer alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <tuple>

#include "rules/choice.h"
#include "tests/support/test_platform.h"

using namespace skarpo;
using test::Game, test::Kind, test::Told;

namespace {
// Each player's counter, and the larger one a captured counter shows on even squares as it runs back.
const Picture small[] = {Picture::Counter1, Picture::Counter2, Picture::Counter3, Picture::Counter4},
              large[] = {Picture::CounterLarge1, Picture::CounterLarge2, Picture::CounterLarge3,
                         Picture::CounterLarge4};
// How far two views overlap across and down: 0 where they touch, below 0 across a gap.
std::pair<int, int> overlap(const View& a, const View& b) {
    return {std::min(a.left + a.width, b.left + b.width) - std::max(a.left, b.left),
            std::min(a.top + a.height, b.top + b.height) - std::max(a.top, b.top)};
}
// Side by side or one above the other, sharing a whole edge.
bool edgeToEdge(const View& a, const View& b) {
    const auto [x, y] = overlap(a, b);
    return (x == 0 && y == a.height && y == b.height) || (y == 0 && x == a.width && x == b.width);
}
// Player 1 has thrown m with counters at `ring` progress, `column` positions, `done` home; `others` {player, square}.
struct Thrown : test::Game {
    Board& b = board;
    explicit Thrown(int m, std::vector<int> ring = {}, std::vector<int> column = {}, int done = 0,
                    std::vector<std::pair<int, int>> others = {}) {
        test::thrown(b, 1, m);
        for (int j = 0; auto [q, s] : others) test::placeOnRing(b, q, ++j, progressOf(q, s));
        test::placePlayer(b, 1, ring, column, done);
    }
    // The marked views, after marking them first: ring squares by number, home positions k as -k, the start place 0.
    std::set<int> marked(bool mark = true) {
        if (mark) platform.scriptThrows({1, 1, 1}), b.marksquares();  // the computers throw should the turn pass on
        std::set<int> out;
        for (int n = -6; n <= 60; ++n) {
            const View& v = n > 0 ? b.SQUARE(n) : n < 0 ? b.home(-n - 1) : b.start(0);
            EXPECT_EQ(v.back == colour::yellow, v.enabled) << n;
            if (v.enabled) out.insert(n);
        }
        return out;
    }
    bool dieWaits() const { return b.dicethrow(0).visible && b.dicethrow(0).enabled && !b.dicethrow(15).visible; }
};
}  // namespace

// A new game chosen amid a game lays out the board as at the start, the options kept: the ring closed edge to edge
// without overlaps, its corners at the board's corners, each start area against its entry square and each home column
// meeting the ring at the square before only; the special squares' pictures, the players' colours and counters.
TEST(Board, ANewGameLaysOutTheBoardAfreshAndKeepsTheOptions) {
    Game g;
    Board& b = g.board;
    test::thrown(b, 3, 4);
    test::placePlayer(b, 1, {1, 3});  // square 1 with its copy in squares(61)
    test::placePlayer(b, 2, {0, 50});
    test::placePlayer(b, 3, {}, {2});
    for (View* v : {&b.start(0), &b.home(2), &b.SQUARE(7)}) v->back = colour::yellow, v->enabled = true;
    b.Label1(6).back = colour::red, b.SQUARE(10).picture = Picture::Two;  // left by a celebration
    b.chooseAuto(), b.chooseSound(), b.chooseNewGame();
    EXPECT_EQ(test::differences(b, Game().board), "");
    EXPECT_TRUE(b.autoplay && b.sound == -1 && g.platform.reseeds == 2);

    for (int n = 1; n <= 60; ++n) {
        EXPECT_TRUE(b.SQUARE(n).width == 480 && edgeToEdge(b.SQUARE(n), b.SQUARE(n % 60 + 1))) << n;
        for (int m = n + 1; m <= 60; ++m) {
            const auto [x, y] = overlap(b.SQUARE(n), b.SQUARE(m));
            EXPECT_FALSE(x > 0 && y > 0) << n << " and " << m;
        }
    }
    // the corners and two entry squares: fifteen squares edge to edge from corner to corner put all in their places
    for (auto [n, where] : std::map<int, std::pair<int, int>>{{12, {240, 7320}},
                                                              {27, {240, 120}},
                                                              {42, {7440, 120}},
                                                              {57, {7440, 7320}},
                                                              {1, {5520, 7320}},
                                                              {31, {2160, 120}}})
        EXPECT_EQ(std::pair(b.SQUARE(n).left, b.SQUARE(n).top), where) << n;
    std::map<int, Picture> special = {
        {1, Picture::Entry1},     {16, Picture::Entry2},    {31, Picture::Entry3},    {46, Picture::Entry4},
        {60, Picture::HomeTurn1}, {15, Picture::HomeTurn2}, {30, Picture::HomeTurn3}, {45, Picture::HomeTurn4},
        {12, Picture::Corner1},   {27, Picture::Corner2},   {42, Picture::Corner3},   {57, Picture::Corner4},
    };
    for (int n : {5, 9, 20, 24, 35, 39, 50, 54}) special[n] = Picture::Two;
    for (int n = 1; n <= 60; ++n)
        EXPECT_TRUE(b.SQUARE(n).picture == (special.count(n) ? special[n] : Picture::Blank) &&
                    b.SQUARE(n).back == 0xC0C0C0u)
            << "square " << n << " shows " << pictureName(b.SQUARE(n).picture);
    const int before[] = {60, 15, 30, 45};  // the square before each player's entry square
    const Colour own[] = {0xFF0000, 0x00FFFF, 0xFF00FF, 0x00FF00}, finals[] = {0xC00000, 0x0000FF, 0xC000C0, 0x00C000};
    for (int p = 1; p <= 4; ++p) {
        SCOPED_TRACE(testing::Message() << "player " << p);
        const int h = 10 * (p - 1), s = 4 * (p - 1);
        for (int n = 1; n <= 60; ++n) {  // no overlap, no shared edge
            const auto [x, y] = overlap(b.home(h), b.SQUARE(n));
            EXPECT_TRUE(n == before[p - 1] ? edgeToEdge(b.home(h), b.SQUARE(n)) : x < 0 || y < 0 || x + y == 0) << n;
        }
        for (int k = 0; k < 4; ++k)
            EXPECT_TRUE(edgeToEdge(k ? b.start(s + k - 1) : b.SQUARE(15 * p - 14), b.start(s + k)) &&
                        b.start(s + k).back == own[p - 1] && b.start(s + k).picture == Picture::Blank)
                << "start " << k;
        for (int k = 0; k < 10; ++k)
            EXPECT_TRUE((k == 0 || k > 5 || edgeToEdge(b.home(h + k - 1), b.home(h + k))) &&
                        b.home(h + k).back == (k < 6 ? own : finals)[p - 1] &&
                        b.home(h + k).picture == (k < 6 ? Picture::Blank : small[p - 1]))
                << "home " << k;
    }
}

// New Game during the opening march, the roll, the pause before the marks, player 2's turn: the interrupted turn
// goes no further, and the next click marches out and throws. Inside a pause no click or tick gets in; between
// handlers a disabled square, the hidden die and the thrown die take no click; after closing nothing does.
TEST(Dice, ANewGameCutsTheTurnShortAndNothingElseGetsInWhileTheBoardAnimates) {
    for (double when : {1.0, 3.5, 4.9, 8.0}) {
        SCOPED_TRACE(testing::Message() << "new game at " << when);
        Game g;
        Board& b = g.board;
        g.platform.scriptThrows({3, 2, 5, 4});
        g.platform.at(when - 0.01, [&] {
            b.SQUARE(5).enabled = b.autoplay = true;
            EXPECT_TRUE(b.paused() && !b.click(Family::SQUARE, 5) && !b.tick() && !b.click(Family::dicethrow, 0));
            b.SQUARE(5).enabled = b.autoplay = false;
        });
        g.platform.at(when, [&] { b.chooseNewGame(); });
        ASSERT_TRUE(b.click(Family::dicethrow, 0));
        EXPECT_EQ(test::differences(b, Game().board), "");
        g.platform.unscript();
        g.platform.scriptThrows({6});
        const double t0 = g.platform.now;
        ASSERT_TRUE(b.click(Family::dicethrow, 0));
        EXPECT_NEAR(g.platform.now - t0, 3.0 + 1.77 + 0.2, 1e-4);  // march, roll, pause before the marks
        EXPECT_TRUE(b.whosego == 1 && b.dicethrow(15).picture == Picture::Die6 && b.dicethrow(15).visible);
        EXPECT_TRUE(b.start(0).back == colour::yellow && b.start(0).enabled);  // a six marks the start place
        EXPECT_FALSE(b.paused() || b.click(Family::SQUARE, 7) || b.click(Family::dicethrow, 0) ||
                     b.click(Family::dicethrow, 15));
        EXPECT_EQ(test::boardFaults(b), "");
    }
    Game c;  // closing ends the handler: the march never finishes
    c.board.chooseAuto();
    c.platform.at(2.0, [&] { c.board.close(); });
    ASSERT_TRUE(c.board.click(Family::dicethrow, 0));
    EXPECT_TRUE(c.board.closed() && !c.board.autoplay && c.platform.now < 3.0 && c.platform.draws == 0);
    EXPECT_FALSE(c.board.click(Family::dicethrow, 0) || c.board.tick());
}

// Player 1 throws 3 and cannot move, player 2 throws 6, 6, 3 (in on 16, on to 22 and 25), players 3 and 4 once each:
// the frames show who throws next; all is told in order, the lost throw before the frames turn cyan, and a reader who
// fell behind gets the latest.
TEST(Turns, TheComputersFollowAndTheFramesShowWhoThrowsNext) {
    Game g;
    Board& b = g.board;
    g.platform.scriptThrows({3, 6, 6, 3, 2, 4});
    std::vector<Colour> frames;  // at the start of every roll, and in the pause after player 1's lost throw
    g.platform.onPause = [&](float sec) {
        if (test::rollBegins(b) || sec == 0.8f) frames.push_back(b.Label1(1).back);
        EXPECT_TRUE(sec != 0.8f || b.happenings.since(b.happenings.count() - 1) == (Told{{Kind::NoMove, 1, 3}}));
    };
    ASSERT_TRUE(b.click(Family::dicethrow, 0));
    using namespace colour;
    EXPECT_EQ(frames, (std::vector<Colour>{red, red, cyan, cyan, cyan, magenta, green}));
    EXPECT_EQ(b.happenings.since(0), (Told{{Kind::NewGame},
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
    EXPECT_EQ(g.platform.draws, 6 * 15);  // every throw was made, none more
    EXPECT_TRUE(b.whosego == 4 && b.Label1(7).back == red && b.dicethrow(0).visible && b.dicethrow(0).enabled);
    EXPECT_EQ(test::boardFaults(b), "");
    const auto seen = b.happenings.count();
    b.chooseNewGame(), b.chooseAuto(), b.chooseSound(), b.chooseAuto(), b.chooseSound();
    EXPECT_EQ(b.happenings.since(seen),
              (Told{{Kind::NewGame}, {Kind::AutoOn}, {Kind::SoundOn}, {Kind::AutoOff}, {Kind::SoundOff}}));
    for (int i = 1; i <= 40; ++i) b.happenings.publish({Kind::Threw, 1, i});  // more than a reader can fall behind
    const Told behind = b.happenings.since(0), latest = b.happenings.since(b.happenings.count() - 2);
    EXPECT_TRUE(behind.size() == Happenings::kept && behind.front().value == 9 && behind.back().value == 40);
    EXPECT_EQ(latest, (Told{{Kind::Threw, 1, 39}, {Kind::Threw, 1, 40}}));
    for (int ahead : {0, 1}) EXPECT_TRUE(b.happenings.since(b.happenings.count() + ahead).empty());
}

TEST(Marking, AMoveIsBlockedByAnOwnCounterWhereItReallyEnds) {
    const struct {
        int from, m;
        std::vector<int> blockers;
    } rows[] = {
        // from + m marks, unless an own counter is on one
        {2, 1, {3}},       {16, 4, {28}},    {3, 2, {7}},       {7, 2, {11}},       // plain; 20 over 24; 5; 9
        {6, 3, {9, 42}},   {21, 3, {57}},    {36, 3, {12}},     {24, 3, {27, 57}},  // on to a corner; corners
        {39, 3, {42, 12}}, {8, 4, {12, 42}}, {53, 4, {57, 27}},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(Thrown(r.m, {r.from}).marked(), std::set<int>{r.from}) << r.from << "+" << r.m;
        for (int own : r.blockers)
            EXPECT_EQ(Thrown(r.m, {r.from, own}).marked().count(r.from), 0u) << r.from << "+" << r.m << " own " << own;
    }
    // opponents never block; a 4 passing its own counter on the second doubling square is no obstacle
    EXPECT_EQ(Thrown(1, {2}, {}, 0, {{3, 3}}).marked(), std::set<int>{2});
    EXPECT_EQ(Thrown(4, {16, 24}).marked().count(16), 1u);
    EXPECT_EQ(Thrown(3, {}, {4, 2}).marked(), (std::set<int>{-4, -2}));  // 4 finishes exactly, 2 reaches 5
    EXPECT_EQ(Thrown(2, {}, {4, 2}).marked(), std::set<int>{-4});        // 2 would land on 4
    EXPECT_EQ(Thrown(6, {1}).marked(), std::set<int>{1});                // an own counter on 1 stops a six
    Thrown over(4, {}, {4});                                             // nothing to move: the computers play
    EXPECT_TRUE(over.marked().empty() && over.platform.draws == 3 * 15 && over.b.whosego == 4);
    Thrown six(6, {56}, {2}, 2);  // nothing to move with a six (position 2 is taken): player 1 throws again
    EXPECT_TRUE(six.marked().empty() && six.platform.draws == 0 && six.b.whosego == 4 && six.dieWaits() &&
                std::abs(six.platform.now - 0.4) < 1e-6);
    EXPECT_EQ(test::boardFaults(over.b) + test::boardFaults(six.b), "");
}

TEST(Ring, ResultingMovesCornerJumpsAndCapturesForEveryPlayer) {
    // Player p moves from `from` by d as the callers do. A victim on `on` runs back to its entry square, showing its
    // counter on odd squares and its larger one on even ones; else another's counter after `from` is passed over.
    auto expectMove = [&](int p, int from, int d, int victim, int on, int moves, int to, double seconds) {
        SCOPED_TRACE(testing::Message() << "player " << p << ": " << from << " + " << d);
        Thrown g(d);
        Board& b = g.b;
        b.sound = -1;
        const int q = victim ? victim : p % 4 + 1, k = progressOf(q, victim ? on : from + 1), e = entrySquare(q);
        if (victim) test::placeOnRing(b, victim == 1 ? 4 : 1, 2, victim == 1 ? 20 : 5);  // on square 5: passed on runs
        if (victim || d > 1) test::placeOnRing(b, q, 3, k);
        test::placeOnRing(b, p, 1, progressOf(p, from));
        std::vector<std::pair<int, Picture>> seen, run;  // the runner at every step, and as expected
        g.platform.onPause = [&](float sec) {
            for (int s = 1; s <= 60 && sec == 0.07f; ++s)
                if (b.SQUARE(s).picture == small[q - 1] || b.SQUARE(s).picture == large[q - 1])
                    seen.emplace_back(s, b.SQUARE(s).picture);
        };
        for (int s = on; victim && (s != e || run.empty());) {
            if (s != e) s = s == 1 ? 60 : s - 1;
            run.emplace_back(s, s % 2 == 1 || s == e ? small[q - 1] : large[q - 1]);
        }
        b.movecount(p, from, b.moves);
        b.players(p, 1) = static_cast<std::int16_t>(b.players(p, 1) + b.moves);
        EXPECT_EQ(b.happenings.since(1), (victim ? Told{{Kind::Captured, p, victim}} : Told{}));  // since the new game
        EXPECT_TRUE(squareOf(p, b.players(p, 1)) == to && (victim || b.moves == moves)) << b.players(p, 1) << b.moves;
        EXPECT_TRUE(!(victim || d > 1) || b.players(q, 3) == (victim ? captured : k));
        EXPECT_EQ(seen, run);
        EXPECT_TRUE(g.platform.beeps == (victim ? 2 : 0) && std::abs(g.platform.now - seconds) < 1e-4)  // sound on
            << g.platform.now;
        EXPECT_EQ(test::boardFaults(b), "");
    };
    const struct {
        int p, from, d, victim, on, moves, to;
        double seconds;
    } rows[] = {
        {1, 2, 2, 0, 0, 2, 4, 0.6},
        {1, 14, 2, 0, 0, 2, 16, 0.6},
        {1, 58, 2, 0, 0, 2, 60, 0.6},  // entry, home turn
        {1, 3, 2, 0, 0, 4, 7, 2.0},
        {1, 44, 6, 0, 0, 12, 56, 3.6},
        {1, 7, 2, 0, 0, 4, 11, 2.0},  // doubling squares
        {1, 1, 4, 0, 0, 12, 13, 4.6},
        {1, 18, 6, 0, 0, 12, 30, 3.6},
        {2, 1, 4, 0, 0, 12, 13, 4.6},  // 5 on to 9; 30; 60
        {1, 6, 3, 0, 0, 36, 42, 4.8},
        {1, 36, 3, 0, 0, -24, 12, 4.8},  // a doubling square on to a corner, across
        {3, 36, 3, 0, 0, 36, 12, 4.8},
        {4, 21, 3, 0, 0, -24, 57, 4.8},  // forward for magenta, back for green
        {1, 10, 2, 0, 0, 32, 42, 3.0},
        {1, 53, 4, 0, 0, -26, 27, 3.4},  // corners forward and back
        // captures: stepping, the victim's run at 0.07 s a square, 0.6 s into the queue, flashes
        {1, 8, 2, 4, 10, 0, 10, 0.6 + 24 * 0.07 + 0.6},               // plain; green runs back across square 60
        {1, 14, 2, 2, 16, 0, 16, 0.6 + 0.07 + 0.6},                   // the victim's own entry square
        {1, 15, 2, 2, 17, 0, 17, 0.6 + 0.07 + 0.6},                   // the square after it
        {1, 28, 2, 2, 30, 0, 30, 0.6 + 14 * 0.07 + 0.6},              // a home-turn square
        {1, 33, 2, 3, 35, 0, 37, 0.6 + 4 * 0.07 + 0.6 + 0.8 + 0.6},   // a doubling square, then on
        {1, 37, 2, 4, 39, 0, 41, 0.6 + 53 * 0.07 + 0.6 + 0.8 + 0.6},  // the other kind
        {1, 25, 2, 3, 27, 0, 57, 0.6 + 56 * 0.07 + 0.6 + 2.4},        // a corner, then across
        {3, 40, 2, 1, 12, 0, 12, 0.6 + 2.4 + 11 * 0.07 + 0.6},        // where a corner jump ends
        {2, 2, 2, 1, 4, 0, 4, 0.6 + 3 * 0.07 + 0.6},                  // red runs back to square 1
    };
    for (const auto& r : rows) expectMove(r.p, r.from, r.d, r.victim, r.on, r.moves, r.to, r.seconds);
    // every corner jumps to the opposite one, half a lap forward or back: the change for players 1..4
    using A = std::array<int, 4>;
    for (auto [corner, across, change] : {std::tuple{12, 42, A{30, -30, -30, 30}},
                                          {27, 57, A{30, 30, -30, -30}},
                                          {42, 12, A{-30, 30, 30, -30}},
                                          {57, 27, A{-30, -30, 30, 30}}})
        for (int p = 1; p <= 4; ++p) expectMove(p, corner - 1, 1, 0, 0, 1 + change[p - 1], across, 0.4 + 2.4);
}

// Player 1 has thrown m: a click on a marked counter, or with automatic play the timer's tick, moves it and clears
// every mark; a six earns another throw whatever the move became, otherwise players 2, 3 and 4 throw under cyan
// frames. Entering from the start area captures on square 1.
TEST(PlayerOne, AClickOrTheTimerMovesAMarkedCounterThenASixEarnsAnotherThrow) {
    constexpr int timer = 99;
    const struct {
        int m;
        std::vector<int> ring, column;
        int click;
        std::vector<int> after, columnAfter;
    } rows[] = {
        // the throw, player 1's counters; a click on a square, the start place (0), home position k (-k), or the timer
        {3, {20, 6}, {}, 6, {20, 42, 0, 0}, {}},                // over a doubling square on to a corner, and across
        {6, {20, 44}, {}, 44, {20, 56, 0, 0}, {}},              // a six, doubled
        {6, {20}, {}, 0, {20, 1, 0, 0}, {}},                    // capturing cyan's counter on square 1
        {2, {}, {4, 3}, -3, {100, 100, 0, 0}, {4, 5}},          // along the column, passing a counter
        {4, {10, 30, 20}, {1}, timer, {10, 34, 20, 100}, {1}},  // the timer: below six the farthest along
        {6, {10}, {}, timer, {10, 1, 0, 0}, {}},                // a six enters a new counter
        {6, {20, 1, 40}, {}, timer, {20, 7, 40, 0}, {}},        // a six with no entry: the farthest behind
        {3, {58}, {1, 2}, timer, {58, 100, 100, 0}, {1, 5}},    // no ring square marked: the column from its far end
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &r - rows);
        Thrown g(r.m, r.ring, r.column);
        Board& b = g.b;
        if (!r.click) test::placePlayer(b, 2, {16, 0, 46});  // cyan's counter 3 on square 1
        b.marksquares();
        for (View* v : {&b.home(5), &b.start(0)})  // marks a click must clear; the timer would follow them
            if (r.click != timer) v->back = colour::yellow, v->enabled = true;
        Colour frame = 0;
        g.platform.onPause = [&](float) { frame = frame || !test::rollBegins(b) ? frame : b.Label1(1).back; };
        g.platform.scriptThrows({1, 2, 3});                                        // players 2 to 4: nothing to move
        EXPECT_TRUE(r.click != timer || (b.tick() && g.platform.pauses.empty()));  // not while automatic play is off
        if (r.click == timer) b.chooseAuto();
        const auto seen = b.happenings.count();
        ASSERT_TRUE(r.click == timer ? b.tick()
                    : r.click > 0    ? b.click(Family::SQUARE, r.click)
                    : r.click < 0    ? b.click(Family::home, -r.click - 1)
                                     : b.click(Family::start, 0));
        EXPECT_TRUE(test::countersOf(b, 1) == r.after && test::columnOf(b, 1) == r.columnAfter);
        EXPECT_TRUE(g.marked(false).empty() && b.home(5).back == colour::red && b.start(0).back == colour::red);
        EXPECT_TRUE(g.platform.draws == (r.m == 6 ? 0 : 3 * 15) && frame == (r.m == 6 ? Colour{0} : colour::cyan));
        EXPECT_TRUE(g.dieWaits() && b.whosego == (r.m != 6 || (r.click > 0 && r.click != timer) ? 4 : 0));
        EXPECT_TRUE(r.click || (b.players(2, 3) == captured && std::abs(g.platform.now - (1.2 + 45 * 0.07)) < 1e-4 &&
                                b.happenings.since(seen).at(0) == Happening{Kind::Captured, 1, 2}))
            << "cyan runs back";
        EXPECT_EQ(test::boardFaults(b), "");
    }
}

// From every ring square that can reach it, with every throw; onto a free position only. What stands on square 60
// is passed over, not captured, and shown again; so is a counter on position 1.
TEST(HomeColumn, EnteringFromEveryDistance) {
    for (int index = 55; index <= 60; ++index)
        for (int d = 61 - index; d <= 6; ++d) {
            SCOPED_TRACE(testing::Message() << index << " + " << d);
            const int position = index + d - 60;
            Thrown g(d, index < 60 && d != 6 ? std::vector{index, 60} : std::vector{index},
                     position > 1 && position % 2 == 0 ? std::vector{1} : std::vector<int>{});
            Board& b = g.b;
            b.sound = -1;
            EXPECT_EQ(Thrown(d, {index}, {position}).marked().count(index), 0u);
            if (index < 60 && d == 6) test::placeOnRing(b, 3, 1, 30);
            b.marksquares();
            double moving = 0;  // till the computers roll: stepping to 60, 0.4 s onto position 1, 0.2 s a place on
            g.platform.onPause = [&](float sec) { moving = moving || sec != 0.3f ? moving : g.platform.now; };
            if (d != 6) g.platform.scriptThrows({1, 1, 1});  // the computer players, with nothing to move
            ASSERT_TRUE(b.click(Family::SQUARE, index));
            EXPECT_TRUE(b.players(1, 1) == inHomeColumn && b.homerow(1, position) == 1 && g.platform.beeps == 0);
            EXPECT_NEAR(d == 6 ? g.platform.now : moving,
                        (index < 60 ? 0.2 * (61 - index) : 0) + 0.4 + 0.2 * std::max(0, position - 2), 1e-4);
            EXPECT_EQ(test::boardFaults(b), "");
        }
}

// The fourth counter home with an exact six: the frames swap colours, the ring celebrates with player 1's counters
// and is put back, the counters march to the start area, and player 1 throws again.
TEST(HomeColumn, TheFourthCounterHomeCelebratesAndStartsAgainEveryTime) {
    Thrown g(6, {}, {}, 0, {{2, 35}, {3, 12}, {3, 60}, {4, 46}});  // on special squares, put back afterwards
    Board& b = g.b;
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        test::placePlayer(b, 1, {}, {1}, 3);
        b.whosego = 1, b.moves = 6;
        b.colourframes(colour::red);  // as the computers' turns leave them for player 1
        const double t0 = g.platform.now;
        const auto seen = b.happenings.count();
        std::vector<Colour> frames;  // swapping colours 2 x (4 + 1) times into the final place, then blinking red
        for (int n = 0; n < 11; ++n) g.platform.at(t0 + 1.5 + 0.2 * n, [&] { frames.push_back(b.Label1(1).back); });
        std::vector<Picture> beat;  // the first beat: every other square shows red's counter
        g.platform.at(t0 + 3.5, [&] {
            for (int s = 1; s <= 4; ++s) beat.push_back(b.SQUARE(s).picture);
        });
        ASSERT_EQ(g.marked(), (std::set<int>{-1}));
        ASSERT_TRUE(b.click(Family::home, 0));
        EXPECT_EQ(b.happenings.since(seen), (Told{{Kind::Home, 1, 4}, {Kind::AllHome, 1}}));
        const Colour R = colour::red, W = colour::window;
        EXPECT_EQ(frames, (std::vector<Colour>{W, R, W, R, W, R, W, R, W, R, W}));
        EXPECT_EQ(beat, (std::vector<Picture>{Picture::Blank, Picture::Counter1, Picture::Blank, Picture::Counter1}));
        // 1.4 s into the final place, 10 x 0.2 s of frames, 5.2 s of celebration, 3.0 s of march
        EXPECT_NEAR(g.platform.now - t0, 1.4 + 2.0 + 5.2 + 3.0, 1e-3);
        EXPECT_TRUE(test::countersOf(b, 1) == std::vector<int>(4, 0) && b.players(1, 5) == 0);
        EXPECT_TRUE(b.Label1(0).back == W && b.Label1(7).back == W && b.whosego == 4 && g.dieWaits());
        EXPECT_EQ(test::boardFaults(b), "");
    }
}

TEST(ComputerChoice, EachRuleOfBothPassesForEveryComputerPlayer) {
    // The throw; counters 1.. on ring progress (0 waits), the same for players 2, 3 and 4, whose squares and corners
    // differ; the column positions taken; the counter chosen and its progress. Another player stands on progress 41.
    const struct {
        int m;
        std::vector<int> progress, column;
        int c, b;
        bool decided;
    } choices[] = {
        {3, {0, 0}, {}, 0, 0, false},  // nothing on the ring
        {4, {58, 59}, {}, 1, 58, true},
        {4, {58, 59}, {2}, 2, 59, true},  // into a free column position at once
        {6, {58, 59}, {}, 2, 59, false},  // ... but not with a six
        {1, {20, 40, 30}, {}, 2, 40, false},
        {1, {20, 40, 30, 41}, {}, 3, 30, false},  // farthest along, unless blocked
        {4, {16, 30}, {}, 1, 16, true},
        {4, {16, 30, 24}, {}, 1, 16, true},  // a 4 over two doubling squares
        {4, {16, 30, 24, 28}, {}, 2, 30, false},
        {4, {16, 20}, {}, 2, 20, false},  // ... blocked at the end or on 20
        {2, {33, 2}, {}, 1, 33, false},
        {5, {45, 55, 60, 10}, {5}, 4, 10, false},  // doubling square, on by the throw
        {5, {34, 2}, {}, 1, 34, false},
        {6, {48, 60, 6, 42}, {}, 3, 6, false},  // the other kind
        {2, {10, 45, 57}, {}, 1, 10, true},
        {2, {10, 45, 57, 42}, {}, 3, 57, false},  // corner 12 jumps forward
        {3, {21, 45, 42}, {}, 1, 21, true},
        {3, {21, 45, 42, 57}, {}, 4, 57, false},  // 3 to corner 27 over 24
        {2, {40, 2}, {}, 2, 2, false},
        {3, {51, 3}, {}, 2, 3, false},  // a corner jumping back: another counter
        {2, {40}, {}, 1, 40, false},
        {3, {51}, {}, 1, 51, false},  // ... alone: the fallback
        {5, {31, 1, 40}, {}, 2, 1, true},
        {5, {31, 1, 40, 6}, {}, 3, 40, false},  // off the entry square first
        {3, {39, 54}, {}, 2, 54, false},
        {3, {39, 54, 51, 36}, {}, 2, 54, false},  // fallback: highest-numbered
        {4, {13, 2, 17}, {}, 3, 17, false},       // across square 60 onto its own counter
    };
    for (int p = 2; p <= 4; ++p)
        for (const auto& k : choices) {
            Game g;
            test::placePlayer(g.board, p % 4 + 1, {progressOf(p % 4 + 1, squareOf(p, 41))});
            test::placePlayer(g.board, p, k.progress);
            for (int pos : k.column) g.board.homerow(p, pos) = 1;
            const MoveChoice got = choosemove(p, k.m, g.board.players, g.board.homerow, g.board.squares);
            EXPECT_TRUE(got.c == k.c && got.b == k.b && got.decided == k.decided)
                << "player " << p << ", case " << &k - choices << ": got counter " << got.c << " at " << got.b;
        }
}

TEST(ComputerTurn, EachStepOfTheTurn) {
    const struct {
        int p, m;
        std::vector<int> ring, column;
        int done;                                               // the mover, its throw, its counters
        std::vector<std::pair<int, int>> others, squaresAfter;  // {player, square} of other counters; {square, owner}
        std::vector<int> after, columnAfter = {};               // players(p, 1..4) and the column afterwards
        Told told = {};                                         // what it tells, where the move ends too
    } rows[] = {
        // an exact finish comes first, with the whole throw; a six from position 1 brings no counter in
        {3, 3, {10}, {4}, 0, {}, {}, {10, finished, 0, 0}, {}, {{Kind::Home, 3, 1}}},
        {3, 6, {}, {1}, 1, {}, {{31, 0}}, {finished, finished, 0, 0}, {}, {{Kind::Home, 3, 2}}},
        // a column counter moves when no ring counter can, never onto a taken position; nothing to move
        {4, 2, {}, {1, 4}, 0, {}, {}, {100, 100, 0, 0}, {3, 4}, {{Kind::Moved, 4, 103}}},
        {4, 2, {}, {1, 3}, 0, {}, {}, {100, 100, 0, 0}, {1, 5}, {{Kind::Moved, 4, 105}}},
        {4, 1, {10}, {3, 4}, 0, {}, {}, {11, 100, 100, 0}, {3, 4}, {{Kind::Moved, 4, 56}}},
        {3, 3, {}, {5}, 0, {}, {}, {100, 0, 0, 0}, {5}, {{Kind::NoMove, 3, 3}}},
        {3, 6, {}, {5}, 3, {}, {}, {100, 101, 101, 101}, {5}, {{Kind::NoMove, 3, 6}}},
        // into the column: position taken; past a counter on the home turn; a 2 over it; from it
        {4, 3, {58}, {1}, 0, {}, {}, {58, 100, 0, 0}, {1}, {{Kind::NoMove, 4, 3}}},
        {2, 4, {58}, {1}, 0, {{3, 15}}, {{13, 0}, {15, 3}}, {100, 100, 0, 0}, {1, 2}, {{Kind::Moved, 2, 102}}},
        {2, 2, {59}, {}, 0, {}, {{15, 0}}, {100, 0, 0, 0}, {1}, {{Kind::Moved, 2, 101}}},
        {4, 1, {60}, {}, 0, {}, {{45, 0}}, {100, 0, 0, 0}, {1}, {{Kind::Moved, 4, 101}}},
        // past square 60: over 1 down on 2; one past it, capturing; a six there brings no new counter
        {4, 4, {13}, {}, 0, {{1, 60}, {2, 1}}, {{2, 4}, {60, 1}, {1, 2}}, {17, 0, 0, 0}, {}, {{Kind::Moved, 4, 2}}},
        {3,
         2,
         {29},
         {},
         0,
         {{1, 60}, {2, 1}},
         {{1, 3}, {60, 1}},
         {31, 0, 0, 0},
         {},
         {{Kind::Captured, 3, 2}, {Kind::Moved, 3, 1}}},
        {2, 6, {41}, {}, 0, {}, {{2, 2}, {16, 0}}, {47, 0, 0, 0}, {}, {{Kind::Moved, 2, 2}}},
        {3, 6, {29}, {}, 0, {}, {{11, 3}, {5, 0}}, {41, 0, 0, 0}, {}, {{Kind::Moved, 3, 11}}},  // down on 5, on to 11
        // off square 60: over 2; a 1 straight onto 1; onto 5, on to 10; a six brings no new counter
        {3, 3, {30}, {}, 0, {{4, 2}}, {{3, 3}, {60, 0}, {2, 4}}, {33, 0, 0, 0}, {}, {{Kind::Moved, 3, 3}}},
        {2, 1, {45}, {}, 0, {}, {}, {46, 0, 0, 0}, {}, {{Kind::Moved, 2, 1}}},
        {4, 5, {15}, {}, 0, {}, {{10, 4}}, {25, 0, 0, 0}, {}, {{Kind::Moved, 4, 10}}},
        {2, 6, {45}, {}, 0, {}, {}, {51, 0, 0, 0}, {}, {{Kind::Moved, 2, 6}}},
        // a six: the first waiting counter in, capturing; with an own counter on the entry square that one moves
        {2,
         6,
         {20, captured},
         {},
         0,
         {{3, 16}},
         {{16, 2}},
         {20, 1, 0, 0},
         {},
         {{Kind::Captured, 2, 3}, {Kind::Entered, 2, 16}}},
        {3, 6, {1}, {}, 0, {}, {{31, 0}}, {7, 0, 0, 0}, {}, {{Kind::Moved, 3, 37}}},
        // a 4 over two doubling squares sends its own counter back; a corner jumps back
        {2,
         4,
         {16, 24},
         {},
         0,
         {},
         {{39, 0}},
         {28, captured, 0, 0},
         {},
         {{Kind::Captured, 2, 2}, {Kind::Moved, 2, 43}}},
        {2, 2, {40}, {}, 0, {}, {{27, 2}}, {12, 0, 0, 0}, {}, {{Kind::Moved, 2, 27}}},
        // the fourth counter home: celebration, then the start area
        {2, 2, {}, {5}, 3, {{4, 60}}, {{60, 4}}, {0, 0, 0, 0}, {}, {{Kind::Home, 2, 4}, {Kind::AllHome, 2}}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &r - rows);
        test::Game g;
        Board& b = g.board;
        test::thrown(b, r.p, r.m);
        for (int j = 0; auto [q, s] : r.others) test::placeOnRing(b, q, ++j, progressOf(q, s));
        test::placePlayer(b, r.p, r.ring, r.column, r.done);
        b.checkmoves();
        EXPECT_EQ(b.happenings.since(1), r.told);  // since the new game
        EXPECT_TRUE(test::countersOf(b, r.p) == r.after && test::columnOf(b, r.p) == r.columnAfter);
        EXPECT_EQ(b.homerow(r.p, 7), std::ranges::count(r.after, finished));
        for (auto [s, q] : r.squaresAfter) EXPECT_EQ(b.squares(s), q) << "square " << s;
        EXPECT_EQ(b.whosego, r.m == 6 ? (r.p + 2) % 4 + 1 : r.p);  // a six: the same player throws again
        EXPECT_EQ(test::boardFaults(b), "");
    }
}

// A long game played by the timer alone, automatic play for player 1: between any two turns the tables must hold
// together and the board must show them; every player celebrates, player 1 too.
TEST(WholeGame, TwentyThousandThrowsByTheTimerKeepBoardAndTablesTogether) {
    Game g;
    Board& b = g.board;
    long throws = 0;
    int celebrations[5] = {}, home[5] = {}, told = 0;  // told: the celebrations the board told of
    std::uint64_t seen = 0;
    std::string fault;
    auto check = [&] {  // between turns: at the die's first position, and after each tick
        if (!fault.empty() || b.dicethrow(15).enabled) return;  // before the opening march
        for (int p = 1; p <= 4; ++p) celebrations[p] += home[p] == 3 && b.homerow(p, 7) == 0, home[p] = b.homerow(p, 7);
        if (const std::string why = test::boardFaults(b); !why.empty()) fault = std::to_string(throws) + ": " + why;
    };
    g.platform.onPause = [&](float) {
        if (test::rollBegins(b)) check(), ++throws, g.platform.pauses.clear();  // keep the log short over a long game
        for (const Happening& h : b.happenings.since(seen)) told += h.kind == Kind::AllHome;
        seen = b.happenings.count();
    };
    g.platform.seed = 7;
    b.chooseNewGame(), b.chooseAuto();
    for (long ticks = 0; throws < 20000 && fault.empty() && ticks < 40 * 20000; ++ticks) {
        g.platform.now = std::floor(g.platform.now) + 1;  // the timer's next tick
        if (!b.tick()) fault = "a tick was refused between handlers";
        check();
    }
    const int all = celebrations[1] + celebrations[2] + celebrations[3] + celebrations[4];
    EXPECT_TRUE(fault.empty() && throws >= 20000 && celebrations[1] >= 1 && all > celebrations[1]) << fault;
    EXPECT_EQ(told, all);  // the board told of every celebration its records went through, and of no other
}
