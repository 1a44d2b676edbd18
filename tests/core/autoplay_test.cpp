// Automatic play for player 1: the timer throws, then clicks one of the
// marked counters by a fixed rule.
#include <gtest/gtest.h>

#include "tests/support/picture_check.h"
#include "tests/support/test_platform.h"

using namespace skarpo;

namespace {

class AutoPlay : public ::testing::Test {
protected:
    test::Game g;
    Board& b = g.board;

    void SetUp() override {
        test::openedPosition(b);
        b.chooseAuto();
    }
    // counter j of player 1 on home-column position k
    void inColumn(int j, int k) {
        b.players(1, j) = inHomeColumn;
        b.homerow(1, k) = 1;
        b.players(1, 5) = static_cast<std::int16_t>(b.players(1, 5) + 1);
        b.home(k - 1).picture = b.counterPicture(1);
        b.updstart(1);
    }
    // player 1 has thrown m: its movable counters are marked
    void thrown(int m) {
        b.whosego = 1;
        b.moves = m;
        b.dicethrow(0).visible = false;
        b.dicethrow(0).enabled = false;
        b.marksquares();
    }
    bool marked(const View& v) const { return v.back == colour::yellow && v.enabled; }
    void expectWhole() {
        EXPECT_EQ(b.checkInvariants(), "");
        EXPECT_EQ(test::pictureFaults(b), "");
    }
};

}  // namespace

TEST_F(AutoPlay, BelowSixTheCounterFarthestAlongMoves) {
    test::placeOnRing(b, 1, 1, 10);
    test::placeOnRing(b, 1, 2, 30);
    test::placeOnRing(b, 1, 3, 20);
    inColumn(4, 1);  // marked too, but only taken when no ring square is
    thrown(4);
    ASSERT_TRUE(marked(b.SQUARE(10)) && marked(b.SQUARE(30)) && marked(b.home(0)));
    g.platform.scriptThrows({1, 2, 3});  // players 2 to 4: nothing to move
    ASSERT_TRUE(b.tick());
    EXPECT_EQ(b.players(1, 2), 34);
    EXPECT_EQ(b.players(1, 1), 10);
    EXPECT_EQ(b.players(1, 3), 20);
    EXPECT_EQ(b.homerow(1, 1), 1);
    // the computer players have had their turns; the die waits again
    EXPECT_EQ(b.whosego, 4);
    EXPECT_TRUE(b.dicethrow(0).visible);
    expectWhole();
}

TEST_F(AutoPlay, SixEntersANewCounterWhenItCan) {
    test::placeOnRing(b, 1, 1, 10);
    thrown(6);
    ASSERT_TRUE(marked(b.start(0)) && marked(b.SQUARE(10)));
    ASSERT_TRUE(b.tick());
    EXPECT_EQ(b.players(1, 1), 10);
    EXPECT_EQ(b.players(1, 2), 1);
    EXPECT_EQ(b.whosego, 0);
    EXPECT_TRUE(b.dicethrow(0).visible && b.dicethrow(0).enabled);
    EXPECT_FALSE(marked(b.SQUARE(10)));
    expectWhole();
}

TEST_F(AutoPlay, SixWithoutEntryMovesTheCounterFarthestBehind) {
    test::placeOnRing(b, 1, 1, 20);
    test::placeOnRing(b, 1, 2, 1);  // own counter on square 1: no entry
    test::placeOnRing(b, 1, 3, 40);
    thrown(6);
    ASSERT_FALSE(marked(b.start(0)));
    ASSERT_TRUE(b.tick());
    EXPECT_EQ(b.players(1, 2), 7);
    EXPECT_EQ(b.players(1, 1), 20);
    EXPECT_EQ(b.players(1, 3), 40);
    EXPECT_EQ(b.whosego, 0);  // player 1 throws again, at the next tick
    EXPECT_TRUE(b.dicethrow(0).visible);
    expectWhole();

    g.platform.scriptThrows({2});
    const auto before = g.platform.pauses.size();
    ASSERT_TRUE(b.tick());
    EXPECT_EQ(b.whosego, 1);
    EXPECT_EQ(b.moves, 2);
    EXPECT_GT(g.platform.pauses.size(), before);
}

TEST_F(AutoPlay, HomeColumnMovesOnlyWhenNoRingSquareIsMarked) {
    inColumn(1, 1);
    inColumn(2, 2);
    test::placeOnRing(b, 1, 3, 58);  // 58 + 3 = home position 1: taken, not marked
    thrown(3);
    ASSERT_FALSE(marked(b.SQUARE(58)));
    ASSERT_TRUE(marked(b.home(0)) && marked(b.home(1)));
    g.platform.scriptThrows({1, 2, 3});
    ASSERT_TRUE(b.tick());
    // the home places are tried from the far end of the column
    EXPECT_EQ(b.homerow(1, 2), 0);
    EXPECT_EQ(b.homerow(1, 5), 1);
    EXPECT_EQ(b.homerow(1, 1), 1);
    EXPECT_EQ(b.players(1, 3), 58);
    expectWhole();
}

TEST_F(AutoPlay, SwitchedOffBetweenThrowAndMoveTheMarksWaitForTheUser) {
    test::placeOnRing(b, 1, 1, 10);
    b.dicethrow(0).visible = true;
    b.dicethrow(0).enabled = true;
    b.whosego = 4;
    g.platform.scriptThrows({5});
    ASSERT_TRUE(b.tick());  // throws for player 1
    EXPECT_EQ(b.whosego, 1);
    ASSERT_TRUE(marked(b.SQUARE(10)));

    b.chooseAuto();
    const Players players = b.players;
    const auto pauses = g.platform.pauses.size();
    for (int n = 0; n < 5; ++n) EXPECT_TRUE(b.tick());
    EXPECT_TRUE(b.players == players);
    EXPECT_EQ(g.platform.pauses.size(), pauses);
    EXPECT_TRUE(marked(b.SQUARE(10)));

    g.platform.scriptThrows({1, 2, 3});
    ASSERT_TRUE(b.click(Family::SQUARE, 10));
    EXPECT_EQ(b.players(1, 1), 15);
    expectWhole();
}

TEST(AutoPlayOff, TicksChangeNothing) {
    test::Game g;
    Board& b = g.board;
    for (int n = 0; n < 5; ++n) EXPECT_TRUE(b.tick());
    EXPECT_TRUE(g.platform.pauses.empty());
    EXPECT_TRUE(b.dicethrow(15).enabled);  // the game has not started
    EXPECT_EQ(b.whosego, 0);

    // switched on, the first tick starts the game and throws for player 1
    b.chooseAuto();
    EXPECT_TRUE(b.autoChecked);
    ASSERT_TRUE(b.tick());
    EXPECT_FALSE(b.dicethrow(15).enabled);
    EXPECT_NE(b.whosego, 0);
    b.chooseAuto();
    EXPECT_FALSE(b.autoplay || b.autoChecked);
}

TEST_F(AutoPlay, TicksAreRefusedWhileAMoveIsDrawn) {
    test::placeOnRing(b, 1, 1, 10);
    thrown(3);
    bool refused = false;
    g.platform.at(0.3, [&] { refused = !b.tick(); });
    g.platform.scriptThrows({1, 2, 3});
    ASSERT_TRUE(b.tick());
    EXPECT_TRUE(refused);
    EXPECT_EQ(b.players(1, 1), 13);
    EXPECT_EQ(b.whosego, 4);
    expectWhole();
}
