// Which of player 1's counters may move with a throw.
#include <gtest/gtest.h>

#include <set>

#include "tests/support/test_platform.h"

using namespace skarpo;
using skarpo::test::Game;

namespace {

struct Marking : ::testing::Test {
    Game g;
    Board& b = g.board;
    void SetUp() override {
        test::openedPosition(b);
        b.whosego = 1;
        b.dicethrow(0).visible = false;
    }
    // player 1's counter 1 on square `from`, own counters on `own`, throw m
    std::set<int> markedSquares(int from, int m, std::set<int> own = {}) {
        test::placeOnRing(b, 1, 1, from);
        int j = 2;
        for (int s : own) test::placeOnRing(b, 1, j++, s);
        b.moves = m;
        g.platform.scriptThrows({1, 1, 1, 1});  // should the turn pass on
        b.marksquares();
        std::set<int> out;
        for (int n = 1; n <= 60; ++n) {
            EXPECT_EQ(b.SQUARE(n).back == colour::yellow, b.SQUARE(n).enabled) << n;
            if (b.SQUARE(n).back == colour::yellow) out.insert(n);
        }
        return out;
    }
    bool marks(int from, int m, std::set<int> own = {}) { return markedSquares(from, m, own).count(from) > 0; }
};

}  // namespace

TEST_F(Marking, OrdinaryMoveNeedsTheTargetFreeOfOwnCounters) {
    EXPECT_TRUE(marks(2, 1));
    b.chooseNewGame();
    SetUp();
    EXPECT_FALSE(marks(2, 1, {3}));
    b.chooseNewGame();
    SetUp();
    test::placeOnRing(b, 3, 1, progressOf(3, 3));  // an opponent does not block
    EXPECT_TRUE(marks(2, 1));
}

TEST_F(Marking, DoublingSquaresLookAtTheSquareAfterTheBonusMove) {
    struct Case {
        int from, m, blocker;
    } cases[] = {
        {16, 4, 28},  // 20, on over 24 to 28
        {3, 2, 7},    // 5, on to 7
        {7, 2, 11},   // 9, on to 11
        {6, 3, 42},   // 9, on to corner 12, across to 42
        {6, 3, 9},    // ... or the doubling square itself
        {21, 3, 57},  // 24, corner 27, across to 57
        {36, 3, 12},  // 39, corner 42, back to 12
    };
    for (auto c : cases) {
        EXPECT_TRUE(marks(c.from, c.m)) << c.from << "+" << c.m;
        b.chooseNewGame();
        SetUp();
        EXPECT_FALSE(marks(c.from, c.m, {c.blocker})) << c.from << "+" << c.m << " own " << c.blocker;
        b.chooseNewGame();
        SetUp();
    }
}

TEST_F(Marking, CornersLookAtBothCorners) {
    for (auto [from, corner, across] : {std::tuple{24, 27, 57}, {39, 42, 12}, {8, 12, 42}, {53, 57, 27}}) {
        const int m = corner - from;
        EXPECT_TRUE(marks(from, m));
        for (int blocker : {corner, across}) {
            b.chooseNewGame();
            SetUp();
            EXPECT_FALSE(marks(from, m, {blocker})) << from << "+" << m << " own " << blocker;
        }
        b.chooseNewGame();
        SetUp();
    }
}

TEST_F(Marking, IntoTheHomeColumnOnlyOntoAFreePosition) {
    for (int from = 55; from <= 60; ++from)
        for (int m = 61 - from; m <= 6; ++m) {
            EXPECT_TRUE(marks(from, m)) << from << "+" << m;
            b.chooseNewGame();
            SetUp();
            b.homerow(1, from + m - 60) = 1;
            b.players(1, 4) = 100;
            b.players(1, 5) = 1;
            EXPECT_FALSE(marks(from, m)) << from << "+" << m << " position taken";
            EXPECT_EQ(b.SQUARE(from).back, colour::lightGrey);
            b.chooseNewGame();
            SetUp();
        }
}

TEST_F(Marking, HomeColumnCountersMoveUpOrFinishExactly) {
    b.players(1, 1) = 100;
    b.players(1, 2) = 100;
    b.players(1, 5) = 2;
    b.homerow(1, 4) = 1;
    b.homerow(1, 2) = 1;
    b.moves = 3;  // 4 finishes exactly; 2 reaches 5
    b.marksquares();
    EXPECT_EQ(b.home(3).back, colour::yellow);
    EXPECT_EQ(b.home(1).back, colour::yellow);
    EXPECT_TRUE(b.home(3).enabled && b.home(1).enabled);

    b.chooseNewGame();
    SetUp();
    b.players(1, 1) = 100;
    b.players(1, 2) = 100;
    b.players(1, 5) = 2;
    b.homerow(1, 4) = 1;
    b.homerow(1, 2) = 1;
    b.moves = 2;  // position 2 is blocked by 4; 4 moves on to 6
    b.marksquares();
    EXPECT_NE(b.home(1).back, colour::yellow);
    EXPECT_EQ(b.home(3).back, colour::yellow);
}

TEST_F(Marking, OvershootingTheFinalPlaceIsNoMove) {
    b.players(1, 1) = 100;
    b.players(1, 5) = 1;
    b.homerow(1, 4) = 1;
    b.moves = 4;
    g.platform.scriptThrows({2, 2, 2});
    b.marksquares();  // nothing to move: the computers play
    EXPECT_NE(b.home(3).back, colour::yellow);
    EXPECT_EQ(b.whosego, 4);
    EXPECT_EQ(b.homerow(1, 4), 1);
}

TEST_F(Marking, ASixMarksTheStartPlaceUnlessOwnCounterOnSquareOne) {
    b.moves = 6;
    b.marksquares();
    EXPECT_EQ(b.start(0).back, colour::yellow);
    EXPECT_TRUE(b.start(0).enabled);
    for (int k = 1; k <= 3; ++k) EXPECT_NE(b.start(k).back, colour::yellow);

    b.chooseNewGame();
    SetUp();
    test::placeOnRing(b, 2, 1, 46);  // cyan on square 1 does not stop it
    b.moves = 6;
    b.marksquares();
    EXPECT_EQ(b.start(0).back, colour::yellow);

    b.chooseNewGame();
    SetUp();
    EXPECT_TRUE(marks(1, 6, {}));  // own counter on 1 moves; none enters
    EXPECT_NE(b.start(0).back, colour::yellow);
}

TEST_F(Marking, NothingToMoveWithASixGivesPlayerOneAnotherThrow) {
    test::placeOnRing(b, 1, 1, 56);  // 56 + 6 reaches position 2, which is taken
    for (int j = 2; j <= 4; ++j) b.players(1, j) = 100;
    b.players(1, 5) = 3;
    b.homerow(1, 2) = 1;
    b.homerow(1, 7) = 2;  // two counters home
    ASSERT_EQ(b.checkInvariants(), "");
    b.dicethrow(15).visible = true;
    b.moves = 6;
    const double t0 = g.platform.now;
    b.marksquares();
    EXPECT_NEAR(g.platform.now - t0, 0.4, 1e-6);
    EXPECT_EQ(b.whosego, 4);
    EXPECT_TRUE(b.dicethrow(0).visible);
    EXPECT_TRUE(b.dicethrow(0).enabled);
    EXPECT_FALSE(b.dicethrow(15).visible);
    for (int n = 1; n <= 60; ++n) EXPECT_FALSE(b.SQUARE(n).enabled);
    EXPECT_EQ(g.platform.draws, 0);  // nobody threw
}
