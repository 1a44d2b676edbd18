// SPDX-License-Identifier: GPL-3.0-or-later
// The board as laid out and as a new game shows it, against values written out here rather than taken from the code
// that lays it out; and the game as a whole on the virtual clock: a new game, the die and the order of turns, which
// events reach the game while it animates, what it tells the window about what happened, a long game by the timer.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/test_platform.h"

using namespace skarpo;
using skarpo::test::Game;
using test::Kind, test::Told;

namespace {
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
}  // namespace

// A new game chosen in the middle of a game lays out the board as at the start, the options kept: the ring closes
// square by square, edge to edge, without overlaps, its corners at the corners of the board; each player's start
// area lies against its entry square, and its home column meets the ring only at the square before; the special
// squares show their pictures and every other square is empty, all light grey; the players' places are in their
// colours, the final places darker and holding the counters.
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
    EXPECT_TRUE(b.autoplay && b.autoChecked && b.soundopChecked && b.sound == -1 && g.platform.reseeds == 2);

    for (int n = 1; n <= 60; ++n) {
        EXPECT_TRUE(b.SQUARE(n).width == 480 && edgeToEdge(b.SQUARE(n), b.SQUARE(n % 60 + 1))) << n;
        for (int m = n + 1; m <= 60; ++m) {
            const auto [x, y] = overlap(b.SQUARE(n), b.SQUARE(m));
            EXPECT_FALSE(x > 0 && y > 0) << n << " and " << m;
        }
    }
    const std::map<int, std::pair<int, int>> at = {
        {12, {240, 7320}}, {27, {240, 120}}, {42, {7440, 120}}, {57, {7440, 7320}},  // the corners
        {1, {5520, 7320}}, {16, {240, 5400}}, {31, {2160, 120}}, {46, {7440, 2040}},  // the entry squares
    };
    for (const auto& [n, where] : at) EXPECT_EQ(std::pair(b.SQUARE(n).left, b.SQUARE(n).top), where) << n;
    std::map<int, Picture> special = {
        {1, Picture::Entry1},     {16, Picture::Entry2},    {31, Picture::Entry3},    {46, Picture::Entry4},
        {60, Picture::HomeTurn1}, {15, Picture::HomeTurn2}, {30, Picture::HomeTurn3}, {45, Picture::HomeTurn4},
        {12, Picture::Corner1},   {27, Picture::Corner2},   {42, Picture::Corner3},   {57, Picture::Corner4},
    };
    for (int n : {5, 9, 20, 24, 35, 39, 50, 54}) special[n] = Picture::Two;
    for (int n = 1; n <= 60; ++n)
        EXPECT_TRUE(b.SQUARE(n).picture == (special.count(n) ? special[n] : Picture::Blank) &&
                    b.SQUARE(n).back == 0xC0C0C0u) << "square " << n << " shows " << pictureName(b.SQUARE(n).picture);
    const int before[] = {60, 15, 30, 45};  // the square before each player's entry square
    const Colour own[] = {0xFF0000, 0x00FFFF, 0xFF00FF, 0x00FF00}, finals[] = {0xC00000, 0x0000FF, 0xC000C0, 0x00C000};
    const Picture counter[] = {Picture::Counter1, Picture::Counter2, Picture::Counter3, Picture::Counter4};
    for (int p = 1; p <= 4; ++p) {
        SCOPED_TRACE(testing::Message() << "player " << p);
        const int h = 10 * (p - 1), s = 4 * (p - 1);
        for (int n = 1; n <= 60; ++n) {  // no overlap, no shared edge
            const auto [x, y] = overlap(b.home(h), b.SQUARE(n));
            EXPECT_TRUE(n == before[p - 1] ? edgeToEdge(b.home(h), b.SQUARE(n)) : x < 0 || y < 0 || (x == 0 && y == 0)) << n;
        }
        for (int k = 0; k < 4; ++k)
            EXPECT_TRUE(edgeToEdge(k ? b.start(s + k - 1) : b.SQUARE(15 * p - 14), b.start(s + k)) &&
                        b.start(s + k).back == own[p - 1] && b.start(s + k).picture == Picture::Blank) << "start " << k;
        for (int k = 0; k < 10; ++k)
            EXPECT_TRUE((k == 0 || k > 5 || edgeToEdge(b.home(h + k - 1), b.home(h + k))) &&
                        b.home(h + k).back == (k < 6 ? own : finals)[p - 1] &&
                        b.home(h + k).picture == (k < 6 ? Picture::Blank : counter[p - 1])) << "home " << k;
    }
}

// New Game during the opening march, the roll, the pause before the marks, player 2's turn: the interrupted turn
// goes no further, and the next click marches out and throws. Inside a pause no click or tick gets in; between
// handlers a disabled square, the hidden die and the thrown die take no click; after closing nothing does.
TEST(Events, NewGameCutsATurnShortAndNothingElseGetsInWhileTheBoardAnimates) {
    for (double when : {0.0, 1.0, 3.5, 4.9, 8.0}) {
        SCOPED_TRACE(testing::Message() << "new game at " << when);
        Game g;
        Board& b = g.board;
        if (when > 0) {
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
        }
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

// Player 1 throws 3 and cannot move; player 2 throws 6, 6, 3; players 3 and 4 one throw each. The frames show who
// throws next, and the turn is told in order, the lost throw in the pause before the frames turn cyan.
TEST(Turns, TheComputersFollowAndTheFramesShowWhoThrowsNext) {
    Game g;
    Board& b = g.board;
    g.platform.scriptThrows({3, 6, 6, 3, 2, 4});
    std::vector<Colour> frames;  // at the start of every roll, and in the pause after player 1's lost throw
    Told lost;
    g.platform.onPause = [&](float sec) {
        if (sec == 0.04f || sec == 0.8f) frames.push_back(b.Label1(1).back);
        if (sec == 0.8f) lost = b.happenings.since(b.happenings.count() - 1);
    };
    ASSERT_TRUE(b.click(Family::dicethrow, 0));
    using namespace colour;
    EXPECT_EQ(frames, (std::vector<Colour>{red, red, cyan, cyan, cyan, magenta, green}));
    EXPECT_EQ(b.happenings.since(0), (Told{{Kind::NewGame}, {Kind::Opening}, {Kind::Threw, 1, 3}, {Kind::NoMove, 1, 3},
                                           {Kind::Threw, 2, 6}, {Kind::Threw, 2, 6}, {Kind::Threw, 2, 3},
                                           {Kind::Threw, 3, 2}, {Kind::NoMove, 3, 2}, {Kind::Threw, 4, 4},
                                           {Kind::NoMove, 4, 4}}));
    EXPECT_EQ(lost, (Told{{Kind::NoMove, 1, 3}}));
    EXPECT_EQ(g.platform.draws, 6 * 15);  // every throw was made, none more
    EXPECT_TRUE(b.whosego == 4 && b.Label1(7).back == red && b.dicethrow(0).visible && b.dicethrow(0).enabled);
    EXPECT_EQ(test::boardFaults(b), "");
    const auto seen = b.happenings.count();
    b.chooseNewGame(), b.chooseAuto(), b.chooseSound(), b.chooseAuto(), b.chooseSound();
    EXPECT_EQ(b.happenings.since(seen),
              (Told{{Kind::NewGame}, {Kind::AutoOn}, {Kind::SoundOn}, {Kind::AutoOff}, {Kind::SoundOff}}));
}

TEST(Happenings, AReaderThatFellBehindGetsTheLatestInOrder) {
    Happenings h;
    const int n = static_cast<int>(Happenings::kept) + 5;
    for (int i = 1; i <= n; ++i) h.publish({Kind::Threw, 1, i});
    const auto all = h.since(0);
    EXPECT_TRUE(all.size() == Happenings::kept && all.front().value == 6 && all.back().value == n);
    EXPECT_EQ(h.since(h.count() - 2), (Told{{Kind::Threw, 1, n - 1}, {Kind::Threw, 1, n}}));
    EXPECT_TRUE(h.since(h.count()).empty() && h.since(h.count() + 1).empty());
}

// A long game played by the timer alone, automatic play for player 1: between any two turns the tables must hold
// together and the board must show them; every player celebrates, player 1 too.
TEST(WholeGame, TwentyThousandThrowsByTheTimerKeepBoardAndTablesTogether) {
    Game g;
    Board& b = g.board;
    long throws = 0;
    int sweeps = 0, celebrations[5] = {}, home[5] = {};  // sweeps: pauses of a celebration round the ring
    std::string fault;
    auto check = [&] {  // between turns: at the die's first position, and after each tick
        if (!fault.empty() || b.dicethrow(15).enabled) return;  // before the opening march
        for (int p = 1; p <= 4; ++p) celebrations[p] += home[p] == 3 && b.homerow(p, 7) == 0, home[p] = b.homerow(p, 7);
        if (const std::string why = test::boardFaults(b); !why.empty()) fault = "throw " + std::to_string(throws) + ": " + why;
    };
    g.platform.onPause = [&](float sec) {
        if (sec == 0.04f) check(), ++throws, g.platform.pauses.clear();  // keep the log short over a long game
        sweeps += sec == 0.01f;
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
    EXPECT_EQ(sweeps, 120 * all);  // every celebration sweeps the ring twice, sixty squares at a time
}
