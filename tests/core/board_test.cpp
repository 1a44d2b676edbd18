// The board's numbering, its fixed layout, a new game and the options.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/test_platform.h"

using namespace skarpo;
using skarpo::test::Game;

namespace {
bool edgeAdjacent(const View& a, const View& b) {
    const int dx = std::abs(a.left - b.left), dy = std::abs(a.top - b.top);
    return (dx == 480 && dy == 0) || (dx == 0 && dy == 480);
}
}  // namespace

TEST(Board, NumberingAgreesBothWaysForEveryPlayer) {
    for (int p = 1; p <= 4; ++p) {
        for (int k = 1; k <= 60; ++k) EXPECT_EQ(progressOf(p, squareOf(p, k)), k) << p << " " << k;
        EXPECT_EQ(squareOf(p, 1), entrySquare(p));
        EXPECT_TRUE(isHomeTurn(squareOf(p, 60)));
    }
    EXPECT_TRUE(progressOf(2, 1) == 46 && squareOf(4, 16) == 1);  // past square 60 for cyan and green
}

TEST(Board, LayoutClosesTheRingAndPutsEveryPlaceBesideTheRightSquare) {
    Game g;
    const Board& b = g.board;
    for (int n = 1; n <= 60; ++n) EXPECT_TRUE(edgeAdjacent(b.SQUARE(n), b.SQUARE(n % 60 + 1))) << n;
    for (auto [n, left, top] : {std::tuple{12, 240, 7320}, {27, 240, 120}, {42, 7440, 120}, {57, 7440, 7320}})
        EXPECT_TRUE(b.SQUARE(n).left == left && b.SQUARE(n).top == top) << "corner " << n;
    for (int p = 1; p <= 4; ++p) {
        const int h = 10 * (p - 1), s = 4 * (p - 1);
        for (int n = 1; n <= 60; ++n)
            EXPECT_EQ(edgeAdjacent(b.home(h), b.SQUARE(n)), n == squareOf(p, 60)) << p << " " << n;
        EXPECT_TRUE(edgeAdjacent(b.start(s), b.SQUARE(entrySquare(p)))) << p;
        for (int k = 1; k <= 5; ++k) EXPECT_TRUE(edgeAdjacent(b.home(h + k - 1), b.home(h + k)));
        for (int k = 1; k <= 3; ++k) EXPECT_TRUE(edgeAdjacent(b.start(s + k - 1), b.start(s + k)));
        EXPECT_EQ(b.home(h + 5).back, colour::ofPlayer(p));
        EXPECT_EQ(b.home(h + 6).back, colour::finalOf(p));
    }
    for (int k = 0; k <= 7; ++k) {  // the centre frames share one centre
        EXPECT_EQ(2 * b.Label1(k).left + b.Label1(k).width, 2 * 3120 + 1935);
        EXPECT_EQ(b.Label1(k).width, 1935 + 120 * k);
    }
    for (int n = 1; n <= 60; ++n) EXPECT_EQ(b.SQUARE(n).tooltip.empty(), n == 57) << n;
    EXPECT_EQ(b.dicethrow(15).tooltip, "Click me to start the game");
    EXPECT_FALSE(g.board.click(Family::SQUARE, 99));  // a picture store
}

TEST(Board, NewGameLaysOutTheBoardAndClearsAGameInProgressButNotTheOptions) {
    Game g;
    Board& b = g.board;
    for (int p = 1; p <= 4; ++p)  // the counters wait in the final places for the opening march
        for (int k = 0; k <= 9; ++k) EXPECT_EQ(b.home(10 * (p - 1) + k).picture, k < 6 ? Picture::Blank : counterOf(p));
    const std::pair<int, Picture> special[] = {
        {1, Picture::Entry1},     {16, Picture::Entry2},    {31, Picture::Entry3},    {46, Picture::Entry4},
        {15, Picture::HomeTurn2}, {30, Picture::HomeTurn3}, {45, Picture::HomeTurn4}, {60, Picture::HomeTurn1},
        {12, Picture::Corner1},   {27, Picture::Corner2},   {42, Picture::Corner3},   {57, Picture::Corner4},
        {5, Picture::Two},        {24, Picture::Two},       {50, Picture::Two},       {2, Picture::Blank},
    };
    for (auto [n, pic] : special) EXPECT_EQ(b.SQUARE(n).picture, pic) << "square " << n;
    for (int n = 1; n <= 60; ++n) EXPECT_TRUE(b.SQUARE(n).back == colour::lightGrey && !b.SQUARE(n).enabled) << n;
    for (int k = 0; k <= 7; ++k) EXPECT_EQ(b.Label1(k).back, k % 2 ? colour::red : colour::window) << k;
    EXPECT_TRUE(b.dicethrow(0).visible && b.dicethrow(0).enabled && b.dicethrow(15).enabled);
    EXPECT_EQ(b.dicethrow(0).picture, Picture::DieQuestion);
    EXPECT_EQ(b.whosego, 0);
    EXPECT_EQ(b.checkInvariants(), "");
    const Game fresh;

    test::openedPosition(b);
    test::placePlayer(b, 1, {1, 3});  // square 1 with its copy in squares(61)
    test::placePlayer(b, 2, {0, 50});
    test::placePlayer(b, 3, {}, {2});
    for (View* v : {&b.start(0), &b.home(2), &b.SQUARE(7)}) {
        v->back = colour::yellow;
        v->enabled = true;
    }
    b.whosego = 3;
    b.moves = 5;
    b.chooseAuto();
    b.chooseSound();
    EXPECT_TRUE(b.autoplay && b.autoChecked && b.soundopChecked && b.sound == -1);
    b.chooseNewGame();
    EXPECT_EQ(test::differences(b, fresh.board), "");
    EXPECT_TRUE(b.autoplay && b.autoChecked && b.soundopChecked && b.sound == -1);
    EXPECT_EQ(b.moves, 5);
    EXPECT_EQ(g.platform.reseeds, 2);
    b.chooseAuto();
    b.chooseSound();
    EXPECT_FALSE(b.autoplay || b.autoChecked || b.soundopChecked || b.sound);
}
