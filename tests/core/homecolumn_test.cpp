// The home column: entering it from the ring, moving along it, and coming
// home into the final places.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/support/test_platform.h"

using namespace skarpo;
using skarpo::test::Game;

namespace {

struct HomeColumn : ::testing::Test {
    Game g;
    Board& b = g.board;
    void SetUp() override {
        test::openedPosition(b);
        b.whosego = 1;
        b.dicethrow(0).visible = false;
        b.dicethrow(15).visible = true;
    }
    // Player 1's counters on these home-column positions, and `done` more
    // in the final places, recorded and drawn.
    void homeCounters(std::vector<int> positions, int done = 0) {
        int j = 1;
        for (int k : positions) {
            b.homerow(1, k) = 1;
            b.home(k - 1).picture = Picture::Counter1;
            b.players(1, j++) = inHomeColumn;
        }
        for (int n = 0; n < done; ++n) {
            b.home(6 + n).picture = Picture::Counter1;
            b.players(1, j++) = inHomeColumn;
        }
        b.homerow(1, 7) = done;
        b.players(1, 5) = static_cast<std::int16_t>(j - 1);
        b.updstart(1);
    }
    std::vector<Picture> places(int p) const {
        std::vector<Picture> v;
        for (int k = 0; k <= 9; ++k) v.push_back(b.home(10 * (p - 1) + k).picture);
        return v;
    }
    // Pictures with player p's counter on the given places and blank elsewhere.
    static std::vector<Picture> shown(int p, std::vector<int> at) {
        std::vector<Picture> v(10, Picture::Blank);
        for (int k : at) v[k] = counterOf(p);
        return v;
    }
    // The time of the pauses from `first` on, up to the first roll of the die.
    double movingTime(std::size_t first) const {
        double t = 0;
        for (std::size_t i = first; i < g.platform.pauses.size() && g.platform.pauses[i] != 0.3f; ++i)
            t += g.platform.pauses[i];
        return t;
    }
};

}  // namespace

TEST_F(HomeColumn, EnteringFromEveryDistance) {
    for (int index = 55; index <= 60; ++index)
        for (int d = 61 - index; d <= 6; ++d) {
            SCOPED_TRACE(testing::Message() << index << " + " << d);
            b.chooseNewGame();
            SetUp();
            test::placeOnRing(b, 1, 1, index);
            // another counter on square 60 is passed over and shown again
            if (index < 60) test::placeOnRing(b, 1, 2, 60);
            b.SQUARE(index).back = colour::yellow;
            b.SQUARE(index).enabled = true;
            if (d != 6) g.platform.scriptThrows({1, 1, 1});  // the computer players, with nothing to move
            const std::size_t first = g.platform.pauses.size();
            b.moves = d;
            ASSERT_TRUE(b.click(Family::SQUARE, index));

            const int position = index + d - 60;
            EXPECT_EQ(places(1), shown(1, {position - 1}));
            EXPECT_EQ(b.homerow(1, position), 1);
            EXPECT_EQ(b.players(1, 1), inHomeColumn);
            EXPECT_EQ(b.players(1, 5), 1);
            if (index < 60) {
                EXPECT_EQ(b.squares(index), 0);
                EXPECT_EQ(b.SQUARE(index).picture, b.ownPicture(index));
                EXPECT_EQ(b.squares(60), 1);
                EXPECT_EQ(b.SQUARE(60).picture, Picture::Counter1);
            } else {
                EXPECT_EQ(b.squares(60), 0);
                EXPECT_EQ(b.SQUARE(60).picture, Picture::HomeTurn1);
            }
            // stepping to 60, then 0.4 s onto position 1 and 0.2 s for each place after it
            const double ring = index < 60 ? 0.2 * (61 - index) : 0;
            EXPECT_NEAR(movingTime(first), ring + 0.4 + 0.2 * std::max(0, position - 2), 1e-4);
            EXPECT_EQ(b.whosego, 4);
            EXPECT_TRUE(b.dicethrow(0).visible && b.dicethrow(0).enabled);
            EXPECT_EQ(b.checkInvariants(), "");
        }
}

TEST_F(HomeColumn, AnOpponentOnSquareSixtyIsPassedNotCaptured) {
    b.sound = -1;
    test::placeOnRing(b, 3, 1, progressOf(3, 60));
    test::placeOnRing(b, 1, 1, 56);
    b.moves = 6;
    b.SQUARE_Click(56);
    EXPECT_EQ(b.players(3, 1), progressOf(3, 60));
    EXPECT_EQ(b.squares(60), 3);
    EXPECT_EQ(b.SQUARE(60).picture, Picture::Counter3);
    EXPECT_EQ(b.homerow(1, 2), 1);
    EXPECT_EQ(g.platform.beeps, 0);
    EXPECT_EQ(b.checkInvariants(), "");
}

TEST_F(HomeColumn, EnteringPastACounterWaitingOnPositionOne) {
    homeCounters({1});
    test::placeOnRing(b, 1, 2, 58);
    b.moves = 6;
    b.SQUARE_Click(58);
    EXPECT_EQ(places(1), shown(1, {0, 3}));
    EXPECT_EQ(b.players(1, 5), 2);
    EXPECT_EQ(b.checkInvariants(), "");

    // a magenta counter from the ring with three places to go past position 1
    b.home(20).picture = Picture::Counter3;
    b.homerow(3, 1) = 1;
    int pos = 1;
    b.movehome(3, pos, 3);
    EXPECT_EQ(pos, 0);
    EXPECT_EQ(places(3), shown(3, {0, 3}));

    // with no places left it is only shown on position 1
    const double t0 = g.platform.now;
    pos = 1;
    b.movehome(4, pos, 0);
    EXPECT_NEAR(g.platform.now - t0, 0.4, 1e-6);
    EXPECT_EQ(places(4), shown(4, {0}));
}

TEST_F(HomeColumn, ClickMovesAlongTheColumnAndPassesTheTurnOn) {
    homeCounters({3, 4});
    b.home(2).back = colour::yellow;
    b.home(2).enabled = true;
    std::vector<Colour> frames;
    g.platform.at(1.0, [&] { frames.push_back(b.Label1(1).back); });  // during player 2's roll
    g.platform.scriptThrows({1, 1, 1});
    b.moves = 2;
    ASSERT_TRUE(b.click(Family::home, 2));
    EXPECT_EQ(places(1), shown(1, {3, 4}));  // position 4 passed over, still shown
    EXPECT_EQ(b.homerow(1, 3), 0);
    EXPECT_EQ(b.homerow(1, 5), 1);
    EXPECT_EQ(b.home(2).back, colour::red);
    EXPECT_FALSE(b.home(2).enabled);
    EXPECT_NEAR(movingTime(0), 0.6, 1e-6);
    EXPECT_EQ(frames, std::vector<Colour>{colour::cyan});
    EXPECT_EQ(b.whosego, 4);
    EXPECT_EQ(b.checkInvariants(), "");
}

TEST_F(HomeColumn, ExactThrowIntoTheNextFinalPlace) {
    homeCounters({1, 2}, 1);
    // a six with the start place marked as well
    for (View* v : {&b.home(0), &b.start(0)}) {
        v->back = colour::yellow;
        v->enabled = true;
    }
    // the frames swap colours on every one of 2 x (3 + 1) repetitions
    std::vector<Colour> odd, even;
    for (int n = 0; n < 8; ++n)
        g.platform.at(1.4 + 0.1 + 0.2 * n, [&] {
            odd.push_back(b.Label1(1).back);
            even.push_back(b.Label1(0).back);
        });
    b.moves = 6;
    b.home_Click(0);
    EXPECT_EQ(places(1), shown(1, {1, 6, 7}));
    EXPECT_EQ(b.homerow(1, 1), 0);
    EXPECT_EQ(b.homerow(1, 7), 2);
    EXPECT_NEAR(g.platform.now, 0.2 * 7 + 0.4 * 4, 1e-4);
    for (int n = 0; n < 8; ++n) {
        EXPECT_EQ(odd[n], n % 2 ? colour::red : colour::window) << n;
        EXPECT_EQ(even[n], n % 2 ? colour::window : colour::red) << n;
    }
    for (int k = 0; k <= 7; ++k) EXPECT_EQ(b.Label1(k).back, k % 2 ? colour::red : colour::window) << k;
    EXPECT_EQ(b.start(0).back, colour::red);
    EXPECT_FALSE(b.start(0).enabled);
    EXPECT_EQ(b.whosego, 4);
    EXPECT_TRUE(b.dicethrow(0).visible && b.dicethrow(0).enabled);
    EXPECT_FALSE(b.dicethrow(15).visible);
    EXPECT_EQ(b.checkInvariants(), "");

    // the third counter home goes to the third final place
    b.moves = 5;
    g.platform.scriptThrows({1, 1, 1});
    b.home_Click(1);
    EXPECT_EQ(places(1), shown(1, {6, 7, 8}));
    EXPECT_EQ(b.checkInvariants(), "");
}

TEST_F(HomeColumn, TheFourthCounterHomeCelebratesAndStartsAgain) {
    test::placeOnRing(b, 2, 1, 20);  // on the doubling square 35
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        homeCounters({1}, 3);
        const std::size_t first = g.platform.pauses.size();
        b.moves = 6;
        b.home_Click(0);
        for (int j = 1; j <= 5; ++j) EXPECT_EQ(b.players(1, j), 0) << j;
        for (int k = 1; k <= 7; ++k) EXPECT_EQ(b.homerow(1, k), 0) << k;
        EXPECT_EQ(places(1), shown(1, {}));
        for (int k = 0; k <= 3; ++k) EXPECT_EQ(b.start(k).picture, Picture::Counter1) << k;
        EXPECT_EQ(b.SQUARE(35).picture, Picture::Counter2);
        for (int k = 0; k <= 7; ++k) EXPECT_EQ(b.Label1(k).back, colour::window) << k;
        // 1.4 s into the final place, 10 x 0.2 s of frames, the celebration, the march
        EXPECT_NEAR(movingTime(first), 1.4 + 2.0 + 5.2 + 3.0, 1e-3);
        EXPECT_EQ(b.whosego, 4);
        EXPECT_TRUE(b.dicethrow(0).visible && b.dicethrow(0).enabled);
        EXPECT_EQ(b.checkInvariants(), "");
    }
}
