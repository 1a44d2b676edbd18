// SPDX-License-Identifier: GPL-3.0-or-later
// The board as laid out and as a new game shows it, against values written out here rather than taken from the
// code that lays it out: where the ring and the home columns lie, which squares carry which picture, the colours
// of the players' places, and what a captured counter shows as it runs home.
#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "tests/support/test_platform.h"

using namespace skarpo;

namespace {

struct Box {
    int left, top, right, bottom;
};
Box box(const View& v) { return {v.left, v.top, v.left + v.width, v.top + v.height}; }

// Two views share a whole edge: side by side or one above the other, with no gap and no overlap.
bool edgeToEdge(const View& a, const View& b) {
    const Box p = box(a), q = box(b);
    const bool sideBySide = p.top == q.top && p.bottom == q.bottom && (p.right == q.left || q.right == p.left);
    const bool stacked = p.left == q.left && p.right == q.right && (p.bottom == q.top || q.bottom == p.top);
    return sideBySide || stacked;
}

bool overlap(const View& a, const View& b) {
    const Box p = box(a), q = box(b);
    return p.left < q.right && q.left < p.right && p.top < q.bottom && q.top < p.bottom;
}

// Two views overlap or share a stretch of edge (a shared corner is no stretch).
bool meet(const View& a, const View& b) {
    const Box p = box(a), q = box(b);
    const bool across = p.left < q.right && q.left < p.right, along = p.top < q.bottom && q.top < p.bottom;
    return (across && p.top <= q.bottom && q.top <= p.bottom) || (along && p.left <= q.right && q.left <= p.right);
}

}  // namespace

// The ring closes square by square, edge to edge, without overlaps, with its corners at the corners of the
// board and each player's start area and home column joined to it where they belong.
TEST(Layout, TheRingAndWhatJoinsIt) {
    const test::Game g;
    const Board& b = g.board;
    for (int n = 1; n <= 60; ++n) {
        const int next = n % 60 + 1;
        EXPECT_TRUE(b.SQUARE(n).width == 480 && b.SQUARE(n).height == 480) << n;
        EXPECT_TRUE(edgeToEdge(b.SQUARE(n), b.SQUARE(next))) << n << " and " << next;
        for (int m = n + 1; m <= 60; ++m) EXPECT_FALSE(overlap(b.SQUARE(n), b.SQUARE(m))) << n << " and " << m;
    }
    const std::map<int, std::pair<int, int>> at = {
        {12, {240, 7320}}, {27, {240, 120}}, {42, {7440, 120}}, {57, {7440, 7320}},  // the corners
        {1, {5520, 7320}}, {16, {240, 5400}}, {31, {2160, 120}}, {46, {7440, 2040}},  // the entry squares
    };
    for (const auto& [n, where] : at) EXPECT_EQ(std::make_pair(b.SQUARE(n).left, b.SQUARE(n).top), where) << n;

    const int before[] = {60, 15, 30, 45};  // the square before each player's entry square
    for (int p = 1; p <= 4; ++p) {
        SCOPED_TRACE(testing::Message() << "player " << p);
        const View& first = b.home(10 * (p - 1));
        for (int n = 1; n <= 60; ++n) {
            if (n == before[p - 1]) EXPECT_TRUE(edgeToEdge(first, b.SQUARE(n)));
            else EXPECT_FALSE(meet(first, b.SQUARE(n))) << "the first home place meets square " << n;
        }
        for (int k = 1; k <= 5; ++k)  // the column runs on inwards
            EXPECT_TRUE(edgeToEdge(b.home(10 * (p - 1) + k - 1), b.home(10 * (p - 1) + k))) << k;
        // the head of the start area lies against the entry square, the others behind it in a line
        EXPECT_TRUE(edgeToEdge(b.start(4 * (p - 1)), b.SQUARE(15 * (p - 1) + 1)));
        for (int k = 1; k <= 3; ++k) EXPECT_TRUE(edgeToEdge(b.start(4 * (p - 1) + k - 1), b.start(4 * (p - 1) + k)));
    }
}

// A new game: the special squares with their pictures and every other square empty, all light grey; the players'
// places in their colours, the final places darker, holding the counters.
TEST(Layout, ANewGameShowsTheSpecialSquaresAndThePlayersColours) {
    test::Game g;
    g.board.SQUARE(10).picture = Picture::Two;  // left over from a game before
    g.board.chooseNewGame();
    const Board& b = g.board;
    std::map<int, Picture> special = {
        {1, Picture::Entry1},     {16, Picture::Entry2},    {31, Picture::Entry3},    {46, Picture::Entry4},
        {60, Picture::HomeTurn1}, {15, Picture::HomeTurn2}, {30, Picture::HomeTurn3}, {45, Picture::HomeTurn4},
        {12, Picture::Corner1},   {27, Picture::Corner2},   {42, Picture::Corner3},   {57, Picture::Corner4},
    };
    for (int n : {5, 9, 20, 24, 35, 39, 50, 54}) special[n] = Picture::Two;
    for (int n = 1; n <= 60; ++n) {
        const Picture want = special.count(n) ? special[n] : Picture::Blank;
        EXPECT_EQ(b.SQUARE(n).picture, want) << "square " << n << " shows " << pictureName(b.SQUARE(n).picture);
        EXPECT_EQ(b.SQUARE(n).back, 0xC0C0C0u) << n;
    }

    const Colour own[] = {0xFF0000, 0x00FFFF, 0xFF00FF, 0x00FF00};
    const Colour finals[] = {0xC00000, 0x0000FF, 0xC000C0, 0x00C000};
    const Picture counter[] = {Picture::Counter1, Picture::Counter2, Picture::Counter3, Picture::Counter4};
    for (int p = 1; p <= 4; ++p) {
        SCOPED_TRACE(testing::Message() << "player " << p);
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(b.start(4 * (p - 1) + k).back, own[p - 1]) << "start place " << k;
            EXPECT_EQ(b.start(4 * (p - 1) + k).picture, Picture::Blank) << "start place " << k;
        }
        for (int k = 0; k < 10; ++k) {
            const View& v = b.home(10 * (p - 1) + k);
            EXPECT_EQ(v.back, k < 6 ? own[p - 1] : finals[p - 1]) << "home place " << k;
            EXPECT_EQ(v.picture, k < 6 ? Picture::Blank : counter[p - 1]) << "home place " << k;
        }
    }
}

// A captured counter runs back against the direction of travel to its entry square, one square a step, showing
// its own counter on odd squares and its larger-diamond counter on even ones, and every square it passes shows
// again what it showed.
TEST(Layout, ACapturedCounterRunsHomeShowingItsOwnCounters) {
    struct Run {
        int victim, on;
        std::vector<int> trail;  // the squares it steps over, then its entry square
    };
    std::vector<int> greenFrom10;
    for (int s = 9; s >= 1; --s) greenFrom10.push_back(s);
    for (int s = 60; s >= 46; --s) greenFrom10.push_back(s);
    const Run runs[] = {{4, 10, greenFrom10}, {2, 20, {19, 18, 17, 16}}, {3, 31, {31}}, {1, 4, {3, 2, 1}}};
    const Picture small[] = {Picture::Counter1, Picture::Counter2, Picture::Counter3, Picture::Counter4};
    const Picture large[] = {Picture::CounterLarge1, Picture::CounterLarge2, Picture::CounterLarge3,
                             Picture::CounterLarge4};
    for (const Run& r : runs) {
        SCOPED_TRACE(testing::Message() << "player " << r.victim << " captured on " << r.on);
        test::Game g;
        Board& b = g.board;
        test::openedPosition(b);
        const int capturer = r.victim % 4 + 1;
        test::placeOnRing(b, r.victim, 1, progressOf(r.victim, r.on));
        test::placeOnRing(b, capturer, 1, progressOf(capturer, r.on == 10 ? 50 : 2));  // on some trails
        b.SQUARE(r.on).picture = small[capturer - 1];                                   // the capture's mover
        std::vector<Picture> before;
        for (int s = 1; s <= 60; ++s) before.push_back(b.SQUARE(s).picture);

        // what the runner shows in the middle of every pause of its trail
        std::vector<std::pair<int, Picture>> seen;
        for (std::size_t k = 0; k < r.trail.size(); ++k)
            g.platform.at(0.07 * static_cast<double>(k) + 0.035, [&] {
                for (int s = 1; s <= 60; ++s)
                    if (b.SQUARE(s).picture == small[r.victim - 1] || b.SQUARE(s).picture == large[r.victim - 1])
                        seen.emplace_back(s, b.SQUARE(s).picture);
            });
        b.takeit(capturer, r.on);

        std::vector<std::pair<int, Picture>> want;
        for (int s : r.trail) {
            const bool odd = s % 2 == 1, entry = s == r.trail.back();
            want.emplace_back(s, odd || entry ? small[r.victim - 1] : large[r.victim - 1]);
        }
        EXPECT_EQ(seen, want);
        for (int s = 1; s <= 60; ++s) EXPECT_EQ(b.SQUARE(s).picture, before[std::size_t(s - 1)]) << "square " << s;
        EXPECT_EQ(b.start(4 * (r.victim - 1)).picture, small[r.victim - 1]);
        EXPECT_EQ(b.players(r.victim, 1), -5);
    }
}
