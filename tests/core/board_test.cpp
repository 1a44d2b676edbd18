// The board's numbering, its fixed layout and a new game.
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

TEST(Numbering, SquaresAndProgressAgreeBothWays) {
    for (int p = 1; p <= 4; ++p)
        for (int k = 1; k <= 60; ++k) {
            const int s = squareOf(p, k);
            ASSERT_GE(s, 1);
            ASSERT_LE(s, 60);
            EXPECT_EQ(progressOf(p, s), k) << "player " << p << " progress " << k;
        }
    EXPECT_EQ(progressOf(2, 1), 46);  // a cyan counter on square 1
    EXPECT_EQ(squareOf(2, 60), 15);   // its last ring square
    EXPECT_EQ(squareOf(4, 16), 1);    // a green counter on square 1
    for (int s = 1; s <= 60; ++s) EXPECT_EQ(progressOf(1, s), s);
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(squareOf(p, 1), entrySquare(p));
        EXPECT_TRUE(isHomeTurn(squareOf(p, 60)));
    }
}

TEST(Layout, RingClosesWithCornersAtTheGridCorners) {
    Game g;
    const Board& b = g.board;
    for (int n = 1; n <= 60; ++n)
        EXPECT_TRUE(edgeAdjacent(b.SQUARE(n), b.SQUARE(n % 60 + 1))) << "squares " << n << " and " << n % 60 + 1;
    EXPECT_EQ(b.SQUARE(12).left, 240);
    EXPECT_EQ(b.SQUARE(12).top, 7320);
    EXPECT_EQ(b.SQUARE(27).left, 240);
    EXPECT_EQ(b.SQUARE(27).top, 120);
    EXPECT_EQ(b.SQUARE(42).left, 7440);
    EXPECT_EQ(b.SQUARE(42).top, 120);
    EXPECT_EQ(b.SQUARE(57).left, 7440);
    EXPECT_EQ(b.SQUARE(57).top, 7320);
    // no two views a counter can stand on overlap, and all lie inside the window
    std::vector<const View*> places;
    for (int n = 1; n <= 60; ++n) places.push_back(&b.SQUARE(n));
    for (int i = 0; i <= 15; ++i) places.push_back(&b.start(i));
    for (int i = 0; i <= 39; ++i) places.push_back(&b.home(i));
    for (std::size_t i = 0; i < places.size(); ++i) {
        EXPECT_LE(places[i]->left + 480, 8145);
        EXPECT_LE(places[i]->top + 480, 7965);
        for (std::size_t j = i + 1; j < places.size(); ++j)
            EXPECT_FALSE(places[i]->left == places[j]->left && places[i]->top == places[j]->top) << i << " " << j;
    }
}

TEST(Layout, HomeColumnsAndStartAreasLeaveTheRingWhereTheyShould) {
    Game g;
    const Board& b = g.board;
    for (int p = 1; p <= 4; ++p) {
        const View& first = b.home(10 * (p - 1));
        const int before = squareOf(p, 60);
        for (int n = 1; n <= 60; ++n)
            EXPECT_EQ(edgeAdjacent(first, b.SQUARE(n)), n == before) << "player " << p << " square " << n;
        for (int k = 1; k <= 5; ++k)
            EXPECT_TRUE(edgeAdjacent(b.home(10 * (p - 1) + k - 1), b.home(10 * (p - 1) + k)));
        EXPECT_TRUE(edgeAdjacent(b.start(4 * (p - 1)), b.SQUARE(entrySquare(p)))) << "player " << p;
        for (int k = 1; k <= 3; ++k)
            EXPECT_TRUE(edgeAdjacent(b.start(4 * (p - 1) + k - 1), b.start(4 * (p - 1) + k)));
        EXPECT_EQ(b.start(4 * (p - 1)).back, colour::ofPlayer(p));
        EXPECT_EQ(b.home(10 * (p - 1) + 5).back, colour::ofPlayer(p));
        EXPECT_EQ(b.home(10 * (p - 1) + 6).back, colour::finalOf(p));
    }
    // the centre frames share one centre, each 120 twips larger than the last
    for (int k = 0; k <= 7; ++k) {
        const View& f = b.Label1(k);
        EXPECT_EQ(2 * f.left + f.width, 2 * 3120 + 1935);
        EXPECT_EQ(2 * f.top + f.height, 2 * 3000 + 1935);
        EXPECT_EQ(f.width, 1935 + 120 * k);
    }
}

TEST(Layout, TooltipsAndStores) {
    Game g;
    const Board& b = g.board;
    for (int n = 1; n <= 60; ++n)
        EXPECT_EQ(b.SQUARE(n).tooltip, n == 57 ? "" : "Click me to move the counter") << n;
    EXPECT_EQ(b.start(0).tooltip, "Click me to move the counter");
    EXPECT_EQ(b.start(1).tooltip, "");
    EXPECT_EQ(b.home(5).tooltip, "Click me to move the counter");
    EXPECT_EQ(b.home(6).tooltip, "");
    EXPECT_EQ(b.home(10).tooltip, "");
    EXPECT_EQ(b.dicethrow(0).tooltip, "Click me to roll the dice");
    EXPECT_EQ(b.dicethrow(15).tooltip, "Click me to start the game");
    for (int i : {99, 100}) {
        EXPECT_FALSE(b.SQUARE(i).visible);
        EXPECT_FALSE(g.board.click(Family::SQUARE, i));
    }
    EXPECT_THROW((void)b.SQUARE(61), std::out_of_range);
    EXPECT_THROW((void)b.squares(71), std::out_of_range);
    EXPECT_THROW((void)b.players(5, 0), std::out_of_range);
    EXPECT_THROW((void)b.homerow(1, 0), std::out_of_range);
}

TEST(NewGame, LaysOutTheBoard) {
    Game g;
    const Board& b = g.board;
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(b.players(p, 0), entrySquare(p));
        for (int j = 1; j <= 5; ++j) EXPECT_EQ(b.players(p, j), 0);
        for (int k = 1; k <= 7; ++k) EXPECT_EQ(b.homerow(p, k), 0);
        for (int k = 0; k <= 3; ++k) EXPECT_EQ(b.start(4 * (p - 1) + k).picture, Picture::Blank);
        for (int k = 0; k <= 5; ++k) EXPECT_EQ(b.home(10 * (p - 1) + k).picture, Picture::Blank);
        for (int k = 6; k <= 9; ++k) EXPECT_EQ(b.home(10 * (p - 1) + k).picture, counterOf(p));
    }
    for (int n = 1; n <= 60; ++n) {
        EXPECT_EQ(b.SQUARE(n).back, colour::lightGrey);
        EXPECT_FALSE(b.SQUARE(n).enabled);
    }
    const std::pair<int, Picture> special[] = {
        {1, Picture::Entry1},     {16, Picture::Entry2},    {31, Picture::Entry3},    {46, Picture::Entry4},
        {15, Picture::HomeTurn2}, {30, Picture::HomeTurn3}, {45, Picture::HomeTurn4}, {60, Picture::HomeTurn1},
        {12, Picture::Corner1},   {27, Picture::Corner2},   {42, Picture::Corner3},   {57, Picture::Corner4},
        {5, Picture::Two},        {9, Picture::Two},        {20, Picture::Two},       {24, Picture::Two},
        {35, Picture::Two},       {39, Picture::Two},       {50, Picture::Two},       {54, Picture::Two},
        {2, Picture::Blank},      {13, Picture::Blank},     {59, Picture::Blank},
    };
    for (auto [n, pic] : special) EXPECT_EQ(b.SQUARE(n).picture, pic) << "square " << n;
    for (int i = 1; i <= 70; ++i) EXPECT_EQ(b.squares(i), 0);
    EXPECT_EQ(b.whosego, 0);
    for (int k = 0; k <= 7; ++k) EXPECT_EQ(b.Label1(k).back, k % 2 ? colour::red : colour::window);
    EXPECT_TRUE(b.dicethrow(0).visible);
    EXPECT_TRUE(b.dicethrow(0).enabled);
    EXPECT_EQ(b.dicethrow(0).picture, Picture::DieQuestion);
    EXPECT_TRUE(b.dicethrow(15).enabled);
    for (int i = 1; i <= 15; ++i) EXPECT_FALSE(b.dicethrow(i).visible);
    EXPECT_EQ(b.checkInvariants(), "");
    EXPECT_EQ(g.platform.reseeds, 1);
}

TEST(NewGame, ClearsAGameInProgressButKeepsTheOptions) {
    Game g;
    Board& b = g.board;
    test::openedPosition(b);
    test::placeOnRing(b, 1, 1, 3);
    test::placeOnRing(b, 2, 2, 50);  // square 5 with its copy in squares(65)
    b.players(3, 1) = 100;
    b.players(3, 5) = 1;
    b.homerow(3, 2) = 1;
    b.start(0).back = colour::yellow;
    b.start(0).enabled = true;
    b.home(2).back = colour::yellow;
    b.home(2).enabled = true;
    b.SQUARE(7).back = colour::yellow;
    b.whosego = 3;
    b.moves = 5;
    b.chooseAuto();
    b.chooseSound();
    b.chooseNewGame();

    Game fresh;
    EXPECT_EQ(test::differences(b, fresh.board), "");
    EXPECT_TRUE(b.autoplay);
    EXPECT_TRUE(b.autoChecked);
    EXPECT_EQ(b.sound, -1);
    EXPECT_EQ(b.moves, 5);
    EXPECT_EQ(g.platform.reseeds, 2);
}

TEST(Options, SoundAndAutoToggleWithTheirCheckMarks) {
    Game g;
    Board& b = g.board;
    EXPECT_EQ(b.sound, 0);
    EXPECT_FALSE(b.soundopChecked);
    b.chooseSound();
    EXPECT_EQ(b.sound, -1);
    EXPECT_TRUE(b.soundopChecked);
    b.chooseSound();
    EXPECT_EQ(b.sound, 0);
    EXPECT_FALSE(b.soundopChecked);
    b.chooseAuto();
    EXPECT_TRUE(b.autoplay && b.autoChecked);
    b.chooseAuto();
    EXPECT_FALSE(b.autoplay || b.autoChecked);
}
