// Counters entering the ring from the start area and marching back into it.
#include <gtest/gtest.h>

#include "tests/support/test_platform.h"

using namespace skarpo;
using skarpo::test::Game;

namespace {

struct StartArea : ::testing::Test {
    Game g;
    Board& b = g.board;
    void SetUp() override { test::openedPosition(b); }
    // player 1 has thrown a six and start(0) is marked
    void sixThrown() {
        b.whosego = 1;
        b.moves = 6;
        b.dicethrow(0).visible = false;
        b.dicethrow(15).visible = true;
        b.marksquares();
        ASSERT_EQ(b.start(0).back, colour::yellow);
    }
};

}  // namespace

TEST_F(StartArea, PlayerOneEntersAndThrowsAgain) {
    test::placeOnRing(b, 1, 1, 20);
    test::placeOnRing(b, 1, 2, 30);  // two counters still wait
    sixThrown();
    const double t0 = g.platform.now;
    ASSERT_TRUE(b.click(Family::start, 0));
    EXPECT_NEAR(g.platform.now - t0, 0.6, 1e-6);
    EXPECT_EQ(b.players(1, 3), 1);
    EXPECT_EQ(b.players(1, 4), 0);
    EXPECT_EQ(b.squares(1), 1);
    EXPECT_EQ(b.squares(61), 1);
    EXPECT_EQ(b.SQUARE(1).picture, Picture::Counter1);
    EXPECT_EQ(b.start(0).picture, Picture::Counter1);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(b.start(k).picture, Picture::Blank) << k;
    // the marks are gone and the die is player 1's again
    EXPECT_EQ(b.start(0).back, colour::red);
    EXPECT_FALSE(b.start(0).enabled);
    for (int n = 1; n <= 60; ++n) EXPECT_NE(b.SQUARE(n).back, colour::yellow);
    EXPECT_FALSE(b.dicethrow(15).visible);
    EXPECT_TRUE(b.dicethrow(0).visible && b.dicethrow(0).enabled);
    EXPECT_EQ(b.whosego, 0);
    EXPECT_EQ(b.checkInvariants(), "");
    g.platform.scriptThrows({4});
    ASSERT_TRUE(b.click(Family::dicethrow, 0));
    EXPECT_EQ(b.whosego, 1);  // the next throw was player 1's
}

TEST_F(StartArea, EnteringSendsAnOpponentOnSquareOneHome) {
    test::placeOnRing(b, 2, 3, 46);  // cyan's counter 3 on square 1
    test::placeOnRing(b, 2, 1, 16);  // and counter 1 on square 31
    sixThrown();
    ASSERT_TRUE(b.click(Family::start, 0));
    EXPECT_EQ(b.players(2, 3), captured);
    EXPECT_EQ(b.players(2, 1), 16);
    EXPECT_EQ(b.squares(1), 1);
    EXPECT_EQ(b.squares(61), 1);
    EXPECT_EQ(b.SQUARE(1).picture, Picture::Counter1);
    // back in cyan's queue, which now holds three
    for (int k = 0; k <= 3; ++k) EXPECT_EQ(b.start(4 + k).picture, k < 3 ? Picture::Counter2 : Picture::Blank) << k;
    EXPECT_EQ(g.platform.beeps, 0);
    EXPECT_EQ(b.checkInvariants(), "");
}

TEST_F(StartArea, StartmoveClosesTheQueueWhateverItHolds) {
    for (int waiting = 1; waiting <= 4; ++waiting) {
        for (int k = 0; k <= 3; ++k) b.start(4 + k).picture = k < waiting ? Picture::Counter2 : Picture::Blank;
        const double t0 = g.platform.now;
        b.startmove(2);
        EXPECT_NEAR(g.platform.now - t0, 0.6, 1e-6);
        EXPECT_EQ(b.SQUARE(16).picture, Picture::Counter2);
        for (int k = 0; k <= 3; ++k)
            EXPECT_EQ(b.start(4 + k).picture, k < waiting - 1 ? Picture::Counter2 : Picture::Blank)
                << waiting << " waiting, place " << k;
    }
}

TEST_F(StartArea, OpeningMarchMovesEveryCounterAndNoRecord) {
    Game fresh;
    Board& f = fresh.board;
    const Players players = f.players;
    const Homerow homerow = f.homerow;
    const Squares squares = f.squares;
    f.movestart(5);
    EXPECT_NEAR(fresh.platform.now, 3.0, 1e-4);
    ASSERT_EQ(fresh.platform.pauses.size(), 41u);
    EXPECT_TRUE(f.players == players && f.homerow == homerow && f.squares == squares);
    for (int p = 1; p <= 4; ++p) {
        for (int k = 0; k <= 3; ++k) EXPECT_EQ(f.start(4 * (p - 1) + k).picture, counterOf(p));
        for (int k = 0; k <= 9; ++k) EXPECT_EQ(f.home(10 * (p - 1) + k).picture, Picture::Blank);
    }
}

TEST_F(StartArea, MarchingOnePlayerBackClearsItsRecordsOnly) {
    for (int j = 1; j <= 4; ++j) b.players(2, j) = finished;
    b.players(2, 5) = 4;
    b.homerow(2, 7) = 4;
    for (int k = 0; k <= 3; ++k) {
        b.start(4 + k).picture = Picture::Blank;
        b.home(16 + k).picture = Picture::Counter2;
    }
    test::placeOnRing(b, 3, 1, 5);
    test::placeOnRing(b, 1, 1, 40);
    const Players before = b.players;
    // mid-march the counters are always four
    for (double t = 0.01; t < 3.0; t += 0.07)
        g.platform.at(t, [&] {
            int shown = 0;
            for (int k = 0; k <= 3; ++k) shown += b.start(4 + k).picture == Picture::Counter2;
            for (int k = 0; k <= 9; ++k) shown += b.home(10 + k).picture == Picture::Counter2;
            EXPECT_EQ(shown, 4) << "at " << g.platform.now;
        });
    b.movestart(2);
    EXPECT_NEAR(g.platform.now, 3.0, 1e-4);
    EXPECT_EQ(b.players(2, 0), 16);
    for (int j = 1; j <= 5; ++j) EXPECT_EQ(b.players(2, j), 0);
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(b.homerow(2, k), 0);
    for (int k = 0; k <= 3; ++k) EXPECT_EQ(b.start(4 + k).picture, Picture::Counter2);
    for (int k = 0; k <= 9; ++k) EXPECT_EQ(b.home(10 + k).picture, Picture::Blank);
    for (int p : {1, 3, 4})
        for (int j = 0; j <= 5; ++j) EXPECT_EQ(b.players(p, j), before(p, j));
    EXPECT_EQ(b.checkInvariants(), "");
}
