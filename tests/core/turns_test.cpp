// SPDX-License-Identifier: GPL-3.0-or-later
// The die, the order of turns and automatic play, on the virtual clock.
#include <gtest/gtest.h>

#include "tests/support/picture_check.h"
#include "tests/support/test_platform.h"

using namespace skarpo;
using skarpo::test::Game;

TEST(Dice, FirstClickMarchesOutAndThrowsEvenAfterANewGameDroppedATurn) {
    // New Game during the opening march, the roll, the pause before the
    // marks, player 2's turn: the interrupted turn goes no further
    for (double when : {0.0, 1.0, 3.5, 4.9, 8.0}) {
        SCOPED_TRACE(testing::Message() << "new game at " << when);
        Game g;
        Board& b = g.board;
        if (when > 0) {
            g.platform.scriptThrows({3, 2, 5, 4});
            g.platform.at(when, [&] { b.chooseNewGame(); });
            ASSERT_TRUE(b.click(Family::dicethrow, 0));
            EXPECT_FALSE(b.paused());
            EXPECT_EQ(test::differences(b, Game().board), "");
            g.platform.unscript();
        }
        g.platform.scriptThrows({6});
        const double t0 = g.platform.now;
        ASSERT_TRUE(b.click(Family::dicethrow, 0));
        EXPECT_NEAR(g.platform.now - t0, 3.0 + 1.77 + 0.2, 1e-4);  // march, roll, pause before the marks
        EXPECT_TRUE(b.whosego == 1 && b.dicethrow(15).picture == Picture::Die6 && b.dicethrow(15).visible);
        EXPECT_EQ(test::boardFaults(b), "");
        EXPECT_TRUE(b.start(0).back == colour::yellow && b.start(0).enabled);  // a six marks the start place
    }
}

TEST(Turns, TheComputersFollowAndTheFramesShowWhoThrowsNext) {
    Game g;
    Board& b = g.board;
    // player 1 throws 3 and cannot move; player 2 throws 6, 6, 3; players 3 and 4 one throw each
    g.platform.scriptThrows({3, 6, 6, 3, 2, 4});
    std::vector<Colour> frames;
    std::vector<int> throwers;
    bool rolling = false;
    for (double t = 0.0; t < 40.0; t += 0.01)  // look at the start of every roll
        g.platform.at(t, [&] {
            if (b.dicethrow(1).visible && !rolling) frames.push_back(b.Label1(1).back), throwers.push_back(b.whosego);
            rolling = b.dicethrow(1).visible;
        });
    Colour before = 0, after = 0;  // the frames turn cyan 0.8 s after the marks would have come
    g.platform.at(4.97 + 0.75, [&] { before = b.Label1(1).back; });
    g.platform.at(4.97 + 0.85, [&] { after = b.Label1(1).back; });
    ASSERT_TRUE(b.click(Family::dicethrow, 0));
    EXPECT_TRUE(before == colour::red && after == colour::cyan);
    EXPECT_EQ(throwers, (std::vector<int>{0, 1, 1, 1, 2, 3}));  // whosego before each throw
    using namespace colour;
    EXPECT_EQ(frames, (std::vector<Colour>{red, cyan, cyan, cyan, magenta, green}));
    EXPECT_EQ(g.platform.draws, 6 * 15);  // every throw was made, none more
    EXPECT_TRUE(b.whosego == 4 && b.Label1(7).back == red && b.dicethrow(0).visible && b.dicethrow(0).enabled);
    EXPECT_EQ(test::boardFaults(b), "");
}

TEST(AutoPlay, TheTickClicksTheMarkedCounterByItsRule) {
    struct Row {
        int m;
        std::vector<int> ring, column, after, columnAfter;
    } rows[] = {
        {4, {10, 30, 20}, {1}, {10, 34, 20, 100}, {1}},  // below six the farthest along; the column waits
        {6, {10}, {}, {10, 1, 0, 0}, {}},                // a six enters a new counter
        {6, {20, 1, 40}, {}, {20, 7, 40, 0}, {}},        // a six with no entry: the farthest behind
        {3, {58}, {1, 2}, {58, 100, 100, 0}, {1, 5}},    // no ring square marked: the column from its far end
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.m);
        Game g;
        Board& b = g.board;
        test::openedPosition(b);
        test::placePlayer(b, 1, r.ring, r.column);
        b.whosego = 1;
        b.moves = r.m;
        b.dicethrow(0).visible = b.dicethrow(0).enabled = false;
        b.marksquares();
        g.platform.scriptThrows({1, 2, 3});  // players 2 to 4: nothing to move
        EXPECT_TRUE(b.tick() && g.platform.pauses.empty());  // not while automatic play is off
        b.chooseAuto();
        ASSERT_TRUE(b.tick());
        EXPECT_EQ(test::countersOf(b, 1), r.after);
        EXPECT_EQ(test::columnOf(b, 1), r.columnAfter);
        EXPECT_EQ(b.whosego, r.m == 6 ? 0 : 4);
        EXPECT_TRUE(b.dicethrow(0).visible);
        EXPECT_EQ(test::boardFaults(b), "");
    }
}
