// A computer player's turn, played straight from the tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/support/picture_check.h"
#include "tests/support/test_platform.h"

using namespace skarpo;

namespace {

class ComputerTurn : public ::testing::Test {
protected:
    test::Game g;
    Board& b = g.board;

    void SetUp() override { test::openedPosition(b); }

    // counter j of player p on home-column position k
    void inColumn(int p, int j, int k) {
        b.players(p, j) = inHomeColumn;
        b.homerow(p, k) = 1;
        b.players(p, 5) = static_cast<std::int16_t>(b.players(p, 5) + 1);
        b.home(10 * (p - 1) + k - 1).picture = b.counterPicture(p);
        b.updstart(p);
    }
    // counter j of player p in the next final place
    void finish(int p, int j) {
        b.players(p, j) = finished;
        b.home(10 * (p - 1) + 6 + b.homerow(p, 7)).picture = b.counterPicture(p);
        b.homerow(p, 7) += 1;
        b.players(p, 5) = static_cast<std::int16_t>(b.players(p, 5) + 1);
        b.updstart(p);
    }
    void play(int p, int m) {
        b.whosego = static_cast<std::int16_t>(p);
        b.moves = m;
        g.platform.pauses.clear();
        b.checkmoves();
    }
    void expectWhole() {
        EXPECT_EQ(b.checkInvariants(), "");
        EXPECT_EQ(test::pictureFaults(b), "");
    }
    int count(float pause) const {
        int n = 0;
        for (float p : g.platform.pauses) n += p == pause;
        return n;
    }
};

using Pauses = std::vector<float>;

}  // namespace

TEST_F(ComputerTurn, ExactFinishComesFirstAndUsesTheWholeThrow) {
    inColumn(3, 1, 4);
    test::placeOnRing(b, 3, 2, 10);
    play(3, 3);
    EXPECT_EQ(b.players(3, 1), finished);
    EXPECT_EQ(b.homerow(3, 4), 0);
    EXPECT_EQ(b.homerow(3, 7), 1);
    EXPECT_EQ(b.players(3, 2), 10);
    EXPECT_EQ(b.whosego, 3);
    expectWhole();

    // from position 1 with a six: the waiting counters stay, the player throws again
    inColumn(3, 2, 1);
    b.SQUARE(squareOf(3, 10)).picture = b.ownPicture(squareOf(3, 10));
    b.squares(squareOf(3, 10)) = 0;
    play(3, 6);
    EXPECT_EQ(b.players(3, 2), finished);
    EXPECT_EQ(b.homerow(3, 7), 2);
    EXPECT_EQ(b.players(3, 3), 0);
    EXPECT_EQ(b.squares(31), 0);
    EXPECT_EQ(b.whosego, 2);
    expectWhole();
}

TEST_F(ComputerTurn, FourthCounterHomeCelebratesThenStartsAgain) {
    for (int j = 1; j <= 3; ++j) finish(2, j);
    inColumn(2, 4, 5);
    test::placeOnRing(b, 4, 1, 30);
    play(2, 2);
    for (int j = 1; j <= 5; ++j) EXPECT_EQ(b.players(2, j), 0) << j;
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(b.homerow(2, k), 0) << k;
    EXPECT_EQ(b.players(4, 1), 30);
    // the celebration's sweeps, then the march back into the start area
    EXPECT_EQ(count(0.01f), 120);
    const auto& pauses = g.platform.pauses;
    const auto lastSweep = std::find(pauses.rbegin(), pauses.rend(), 0.01f);
    const auto firstMarch = std::find(pauses.begin(), pauses.end(), 0.07f);
    EXPECT_LT(pauses.rend() - lastSweep - 1, firstMarch - pauses.begin());
    expectWhole();
}

TEST_F(ComputerTurn, TakenHomePositionKeepsTheCounterOnTheRing) {
    test::placeOnRing(b, 4, 1, 58);
    inColumn(4, 2, 1);  // could move on by 3, but a ring counter has been chosen
    const Players players = b.players;
    const Homerow homerow = b.homerow;
    const Squares squares = b.squares;
    play(4, 3);
    EXPECT_EQ(g.platform.pauses, Pauses{0.4f});
    EXPECT_TRUE(b.players == players && b.homerow == homerow && b.squares == squares);
    expectWhole();
}

TEST_F(ComputerTurn, IntoTheHomeColumnPastWhatStandsOnTheHomeTurnSquare) {
    test::placeOnRing(b, 2, 1, 58);  // square 13
    inColumn(2, 2, 1);
    test::placeOnRing(b, 3, 1, 45);  // magenta on square 15, cyan's home-turn square
    play(2, 4);
    EXPECT_EQ(b.players(2, 1), inHomeColumn);
    EXPECT_EQ(b.homerow(2, 2), 1);
    EXPECT_EQ(b.homerow(2, 1), 1);
    EXPECT_EQ(b.players(2, 5), 2);
    EXPECT_EQ(b.squares(13), 0);
    EXPECT_EQ(b.squares(15), 3);
    expectWhole();

    // standing on the home-turn square itself: the square is left empty
    test::placeOnRing(b, 4, 1, 60);  // square 45
    play(4, 1);
    EXPECT_EQ(b.homerow(4, 1), 1);
    EXPECT_EQ(b.squares(45), 0);
    EXPECT_EQ(b.SQUARE(45).picture, b.homecount(3).picture);
    expectWhole();
}

TEST_F(ComputerTurn, PastSquareSixtyEverySquarePassedIsPutBack) {
    test::placeOnRing(b, 4, 1, 13);  // square 58
    test::placeOnRing(b, 1, 1, 60);  // red on square 60
    test::placeOnRing(b, 2, 1, 46);  // cyan on square 1
    Picture onSquare1 = Picture::None;
    g.platform.at(0.7, [&] { onSquare1 = b.SQUARE(1).picture; });
    play(4, 4);
    EXPECT_EQ(onSquare1, Picture::Counter4);
    // walked to 60, over 1 by hand, put down on 2; then nothing more moves
    EXPECT_EQ(g.platform.pauses, (Pauses{0.2f, 0.2f, 0.2f, 0.2f, 0.2f, 0.3f}));
    EXPECT_EQ(b.players(4, 1), 17);
    EXPECT_EQ(b.squares(2), 4);
    EXPECT_EQ(b.squares(60), 1);
    EXPECT_EQ(b.squares(1), 2);
    EXPECT_EQ(b.players(2, 1), 46);
    expectWhole();

    // one square past 60 it is put straight down, capturing what stands there
    test::placeOnRing(b, 3, 1, 29);  // square 59
    play(3, 2);
    EXPECT_EQ(b.players(3, 1), 31);
    EXPECT_EQ(b.squares(1), 3);
    EXPECT_EQ(b.players(2, 1), captured);
    EXPECT_EQ(b.squares(60), 1);
    expectWhole();
}

TEST_F(ComputerTurn, SixPastSquareSixtyBringsNoNewCounter) {
    test::placeOnRing(b, 2, 1, 41);  // square 56, six onto square 2
    play(2, 6);
    EXPECT_EQ(b.players(2, 1), 47);
    for (int j = 2; j <= 4; ++j) EXPECT_EQ(b.players(2, j), 0);
    EXPECT_EQ(b.squares(16), 0);
    EXPECT_EQ(b.whosego, 1);
    expectWhole();

    // put down on doubling square 5 it carries on to 11: the progress counts it
    test::placeOnRing(b, 3, 1, 29);  // square 59
    play(3, 6);
    EXPECT_EQ(b.players(3, 1), 41);
    EXPECT_EQ(b.squares(11), 3);
    EXPECT_EQ(b.squares(5), 0);
    EXPECT_EQ(b.squares(65), 0);
    EXPECT_EQ(b.players(3, 2), 0);
    EXPECT_EQ(b.whosego, 2);
    expectWhole();
}

TEST_F(ComputerTurn, LeavingSquareSixtyShowsTheRedHomeTurnAgain) {
    test::placeOnRing(b, 3, 1, 30);  // square 60
    test::placeOnRing(b, 4, 1, 17);  // green on square 2, passed over
    play(3, 3);
    EXPECT_EQ(g.platform.pauses, (Pauses{0.2f, 0.2f, 0.2f, 0.3f}));
    EXPECT_EQ(b.players(3, 1), 33);
    EXPECT_EQ(b.squares(3), 3);
    EXPECT_EQ(b.squares(63), 3);
    EXPECT_EQ(b.squares(60), 0);
    EXPECT_EQ(b.SQUARE(60).picture, Picture::HomeTurn1);
    EXPECT_EQ(b.squares(2), 4);
    expectWhole();

    // a 1 is put straight down on square 1
    test::placeOnRing(b, 2, 1, 45);
    play(2, 1);
    EXPECT_EQ(g.platform.pauses, (Pauses{0.2f, 0.3f}));
    EXPECT_EQ(b.players(2, 1), 46);
    expectWhole();
}

TEST_F(ComputerTurn, LeavingSquareSixtyOntoADoublingSquareOrWithASix) {
    test::placeOnRing(b, 4, 1, 15);  // square 60, a 5 onto doubling square 5 and on to 10
    play(4, 5);
    EXPECT_EQ(b.players(4, 1), 25);
    EXPECT_EQ(b.squares(10), 4);
    EXPECT_EQ(b.squares(5), 0);
    expectWhole();

    test::placeOnRing(b, 2, 1, 45);  // square 60 with a six: no new counter
    play(2, 6);
    EXPECT_EQ(b.players(2, 1), 51);
    EXPECT_EQ(b.players(2, 2), 0);
    EXPECT_EQ(b.whosego, 1);
    expectWhole();
}

TEST_F(ComputerTurn, SixBringsTheFirstWaitingCounterInAndTheChosenOneStays) {
    test::placeOnRing(b, 2, 1, 20);
    b.players(2, 2) = captured;      // waits like the others
    test::placeOnRing(b, 3, 1, 46);  // magenta on cyan's entry square 16
    play(2, 6);
    EXPECT_EQ(b.players(2, 1), 20);
    EXPECT_EQ(b.players(2, 2), 1);
    EXPECT_EQ(b.players(2, 3), 0);
    EXPECT_EQ(b.squares(16), 2);
    EXPECT_EQ(b.players(3, 1), captured);
    EXPECT_EQ(b.whosego, 1);
    EXPECT_EQ(g.platform.pauses.back(), 0.2f);
    expectWhole();
}

TEST_F(ComputerTurn, SixWithOwnCounterOnTheEntrySquareMovesTheChosenCounter) {
    test::placeOnRing(b, 3, 1, 1);
    play(3, 6);
    EXPECT_EQ(b.players(3, 1), 7);
    for (int j = 2; j <= 4; ++j) EXPECT_EQ(b.players(3, j), 0);
    EXPECT_EQ(b.squares(31), 0);
    EXPECT_EQ(b.whosego, 2);
    expectWhole();
}

TEST_F(ComputerTurn, WithoutARingCounterAHomeColumnCounterMoves) {
    inColumn(4, 1, 1);
    inColumn(4, 2, 4);
    play(4, 2);  // 1 -> 3 (4 -> 6 would come second)
    EXPECT_EQ(b.homerow(4, 1), 0);
    EXPECT_EQ(b.homerow(4, 3), 1);
    EXPECT_EQ(b.homerow(4, 4), 1);
    EXPECT_EQ(g.platform.pauses.back(), 0.3f);
    EXPECT_EQ(count(0.6f), 0);
    expectWhole();

    // with a ring counter to move, the home column waits
    test::placeOnRing(b, 4, 3, 10);
    play(4, 1);
    EXPECT_EQ(b.players(4, 3), 11);
    EXPECT_EQ(b.homerow(4, 3), 1);
    expectWhole();
}

TEST_F(ComputerTurn, NothingToMoveWaitsAndChangesNothing) {
    inColumn(3, 1, 5);
    const Players players = b.players;
    const Homerow homerow = b.homerow;
    const Squares squares = b.squares;
    play(3, 3);
    EXPECT_EQ(g.platform.pauses, (Pauses{0.6f, 0.3f}));
    EXPECT_TRUE(b.players == players && b.homerow == homerow && b.squares == squares);
    EXPECT_EQ(b.whosego, 3);

    // all four out of the start area and no move for a six: throw again
    for (int j = 2; j <= 4; ++j) finish(3, j);
    play(3, 6);
    EXPECT_EQ(g.platform.pauses, (Pauses{0.6f, 0.3f}));
    EXPECT_EQ(b.whosego, 2);
    expectWhole();
}

TEST_F(ComputerTurn, AMoveCanSendItsOwnCounterBack) {
    // a 4 is judged by where it ends; the second doubling square on the way
    // holds a counter of the same player, which is captured like any other
    test::placeOnRing(b, 2, 1, 16);
    test::placeOnRing(b, 2, 2, 24);
    play(2, 4);
    EXPECT_EQ(b.players(2, 1), 28);
    EXPECT_EQ(b.players(2, 2), captured);
    EXPECT_EQ(b.squares(39), 0);
    expectWhole();
}

TEST_F(ComputerTurn, JumpingBackFromACornerPausesBriefly) {
    test::placeOnRing(b, 2, 1, 40);  // square 55; 57 jumps back to 27
    play(2, 2);
    EXPECT_EQ(b.players(2, 1), 12);
    EXPECT_EQ(b.squares(27), 2);
    EXPECT_EQ(g.platform.pauses.back(), 0.1f);
    expectWhole();
}
