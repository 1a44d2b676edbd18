// SPDX-License-Identifier: GPL-3.0-or-later
// The board as laid out and as a new game shows it, against values written out here rather than taken from the
// code that lays it out: where the ring and the home columns lie, which squares carry which picture, the colours
// of the players' places.
#include <gtest/gtest.h>

#include <map>

#include "tests/support/test_platform.h"

using namespace skarpo;

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

// The ring closes square by square, edge to edge, without overlaps, its corners at the corners of the board; each
// player's start area lies against its entry square and its home column meets the ring only at the square before.
TEST(Layout, TheRingAndWhatJoinsIt) {
    const test::Game g;
    const Board& b = g.board;
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
    const int before[] = {60, 15, 30, 45};  // the square before each player's entry square
    for (int p = 1; p <= 4; ++p) {
        const int h = 10 * (p - 1), s = 4 * (p - 1);
        for (int n = 1; n <= 60; ++n) {  // the first home place meets that square alone: no overlap, no shared edge
            const auto [x, y] = overlap(b.home(h), b.SQUARE(n));
            EXPECT_TRUE(n == before[p - 1] ? edgeToEdge(b.home(h), b.SQUARE(n)) : x < 0 || y < 0 || (x == 0 && y == 0))
                << "player " << p << ", square " << n;
        }
        for (int k = 1; k <= 5; ++k) EXPECT_TRUE(edgeToEdge(b.home(h + k - 1), b.home(h + k))) << p << ": " << k;
        EXPECT_TRUE(edgeToEdge(b.start(s), b.SQUARE(15 * (p - 1) + 1))) << p;
        for (int k = 1; k <= 3; ++k) EXPECT_TRUE(edgeToEdge(b.start(s + k - 1), b.start(s + k))) << p << ": " << k;
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
    for (int n = 1; n <= 60; ++n)
        EXPECT_TRUE(b.SQUARE(n).picture == (special.count(n) ? special[n] : Picture::Blank) && b.SQUARE(n).back == 0xC0C0C0u)
            << "square " << n << " shows " << pictureName(b.SQUARE(n).picture);
    const Colour own[] = {0xFF0000, 0x00FFFF, 0xFF00FF, 0x00FF00}, finals[] = {0xC00000, 0x0000FF, 0xC000C0, 0x00C000};
    const Picture counter[] = {Picture::Counter1, Picture::Counter2, Picture::Counter3, Picture::Counter4};
    for (int p = 1; p <= 4; ++p) {
        for (int k = 0; k < 4; ++k)
            EXPECT_TRUE(b.start(4 * p - 4 + k).back == own[p - 1] && b.start(4 * p - 4 + k).picture == Picture::Blank)
                << "player " << p << ", start " << k;
        for (int k = 0; k < 10; ++k) {
            const View& v = b.home(10 * (p - 1) + k);
            EXPECT_TRUE(v.back == (k < 6 ? own : finals)[p - 1] && v.picture == (k < 6 ? Picture::Blank : counter[p - 1]))
                << "player " << p << ", home " << k;
        }
    }
}
