// The die, the order of turns, automatic play, and what a person can do
// while the board animates. Times are on the virtual clock.
#include <gtest/gtest.h>

#include "tests/support/picture_check.h"
#include "tests/support/test_platform.h"

using namespace skarpo;
using skarpo::test::Game;

TEST(Dice, FirstClickMarchesOutThenThrowsEvenAfterANewGameDroppedATurn) {
    // no new game; New Game during the opening march, the roll, the pause
    // before the marks, player 2's turn: the interrupted turn goes no further
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
        // opening march 3.0 s, roll 1.77 s, 0.2 s before the marks
        EXPECT_NEAR(g.platform.now - t0, 3.0 + 1.77 + 0.2, 1e-4);
        EXPECT_EQ(b.whosego, 1);
        EXPECT_TRUE(b.dicethrow(15).picture == Picture::Die6 && b.dicethrow(15).visible && !b.dicethrow(15).enabled);
        for (int i = 0; i <= 14; ++i) EXPECT_FALSE(b.dicethrow(i).visible) << i;
        // every counter has marched into its start area; a six marks the start place alone
        EXPECT_EQ(test::boardFaults(b), "");
        EXPECT_TRUE(b.start(0).back == colour::yellow && b.start(0).enabled);
        for (int n = 1; n <= 60; ++n) EXPECT_FALSE(b.SQUARE(n).enabled) << n;
    }
}

TEST(Dice, RollShowsFourteenFacesOneAtATimeSlowingDown) {
    Game g;
    Board& b = g.board;
    test::openedPosition(b);
    b.whosego = 4;
    // faces 1..6 repeating during the roll, then the throw itself
    g.platform.script({0.0, 0.2, 0.34, 0.5, 0.67, 0.84, 0.0, 0.2, 0.34, 0.5, 0.67, 0.84, 0.0, 0.99, 0.2});
    std::vector<Picture> faces;
    double t = 0.3 + 0.02;
    for (int i = 1; i <= 14; ++i) {
        g.platform.at(t, [&b, &faces, i] {
            for (int k = 0; k <= 15; ++k) EXPECT_EQ(b.dicethrow(k).visible, k == i) << k << " while " << i << " shows";
            faces.push_back(b.dicethrow(i).picture);
        });
        t += 0.04 + 0.01 * i;
    }
    b.throwdice();
    EXPECT_NEAR(g.platform.now, 1.77, 1e-4);
    ASSERT_EQ(g.platform.pauses.size(), 15u);  // 0.3 s, then 0.04 s growing by 0.01 s a face
    for (std::size_t i = 0; i < 15; ++i) EXPECT_NEAR(g.platform.pauses[i], i ? 0.03 + 0.01 * double(i) : 0.3, 1e-6);
    ASSERT_EQ(faces.size(), 14u);
    EXPECT_TRUE(faces[0] == Picture::Die1 && faces[5] == Picture::Die6 && faces[13] == Picture::Die6);
    EXPECT_EQ(b.moves, 2);
    EXPECT_EQ(b.dicethrow(15).picture, Picture::Die2);
    EXPECT_EQ(b.whosego, 1);
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
            if (b.dicethrow(1).visible && !rolling) {
                frames.push_back(b.Label1(1).back);
                throwers.push_back(b.whosego);
            }
            rolling = b.dicethrow(1).visible;
        });
    Colour before = 0, after = 0;  // the frames turn cyan 0.8 s after the marks would have come
    g.platform.at(4.97 + 0.75, [&] { before = b.Label1(1).back; });
    g.platform.at(4.97 + 0.85, [&] { after = b.Label1(1).back; });
    ASSERT_TRUE(b.click(Family::dicethrow, 0));
    EXPECT_EQ(before, colour::red);
    EXPECT_EQ(after, colour::cyan);
    EXPECT_EQ(throwers, (std::vector<int>{0, 1, 1, 1, 2, 3}));  // whosego before each throw
    EXPECT_EQ(frames, (std::vector<Colour>{colour::red, colour::cyan, colour::cyan, colour::cyan, colour::magenta,
                                           colour::green}));
    EXPECT_EQ(g.platform.draws, 6 * 15);  // every throw was made, none more
    EXPECT_EQ(b.whosego, 4);
    for (int k : {1, 3, 5, 7}) EXPECT_EQ(b.Label1(k).back, colour::red);
    EXPECT_TRUE(b.dicethrow(0).visible && b.dicethrow(0).enabled && !b.dicethrow(15).visible);
    EXPECT_EQ(test::boardFaults(b), "");
}

TEST(Events, ClicksAndTicksAreRefusedWhileTheBoardAnimates) {
    Game g;
    Board& b = g.board;
    g.platform.scriptThrows({6});
    b.SQUARE(5).enabled = true;
    g.platform.at(1.0, [&] {  // during the opening march
        EXPECT_TRUE(b.paused());
        EXPECT_FALSE(b.click(Family::dicethrow, 0) || b.click(Family::SQUARE, 5));
        b.autoplay = true;
        EXPECT_FALSE(b.tick());
        b.autoplay = false;
    });
    ASSERT_TRUE(b.click(Family::dicethrow, 0));
    EXPECT_EQ(g.platform.draws, 15);  // one throw only
    // between handlers a disabled square, the hidden die and the thrown die take no click
    EXPECT_FALSE(b.paused());
    EXPECT_FALSE(b.click(Family::SQUARE, 7) || b.click(Family::dicethrow, 0) || b.click(Family::dicethrow, 15));
}

TEST(Events, ClosingEndsTheHandlerAndTakesNoMoreEvents) {
    Game g;
    Board& b = g.board;
    b.chooseAuto();
    g.platform.at(2.0, [&] { b.close(); });
    ASSERT_TRUE(b.click(Family::dicethrow, 0));
    EXPECT_TRUE(b.closed() && !b.autoplay);
    EXPECT_LT(g.platform.now, 3.0);  // the march never finished
    EXPECT_EQ(g.platform.draws, 0);
    EXPECT_FALSE(b.click(Family::dicethrow, 0) || b.tick());
}

// Automatic play: once marked, the tick clicks by a fixed rule.
TEST(AutoPlay, ChoosesTheMarkedCounterByItsRule) {
    struct Row {
        const char* what;
        int m;
        std::vector<int> ring, column, after, columnAfter;
        int whosego;
    } rows[] = {
        {"below six the farthest along; the column waits", 4, {10, 30, 20}, {1}, {10, 34, 20, 100}, {1}, 4},
        {"a six enters a new counter", 6, {10}, {}, {10, 1, 0, 0}, {}, 0},
        {"a six with no entry: the farthest behind", 6, {20, 1, 40}, {}, {20, 7, 40, 0}, {}, 0},
        {"no ring square marked: the column from its far end", 3, {58}, {1, 2}, {58, 100, 100, 0}, {1, 5}, 4},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Game g;
        Board& b = g.board;
        test::openedPosition(b);
        test::placePlayer(b, 1, r.ring, r.column);
        b.chooseAuto();
        b.whosego = 1;
        b.moves = r.m;
        b.dicethrow(0).visible = b.dicethrow(0).enabled = false;
        b.marksquares();
        g.platform.scriptThrows({1, 2, 3});  // players 2 to 4: nothing to move
        ASSERT_TRUE(b.tick());
        EXPECT_EQ(test::countersOf(b, 1), r.after);
        EXPECT_EQ(test::columnOf(b, 1), r.columnAfter);
        EXPECT_EQ(b.whosego, r.whosego);
        EXPECT_TRUE(b.dicethrow(0).visible);
        EXPECT_EQ(test::boardFaults(b), "");
    }
}

TEST(AutoPlay, TicksActOnlyWhileItIsOn) {
    Game g;
    Board& b = g.board;
    for (int n = 0; n < 3; ++n) EXPECT_TRUE(b.tick());
    EXPECT_TRUE(g.platform.pauses.empty());
    EXPECT_TRUE(b.dicethrow(15).enabled);  // the game has not started

    b.chooseAuto();
    g.platform.scriptThrows({6});
    ASSERT_TRUE(b.tick());  // marches out and throws for player 1
    ASSERT_TRUE(!b.dicethrow(15).enabled && b.start(0).back == colour::yellow);

    b.chooseAuto();  // off before the move: the mark waits for the user
    const auto pauses = g.platform.pauses.size();
    for (int n = 0; n < 3; ++n) EXPECT_TRUE(b.tick());
    EXPECT_TRUE(g.platform.pauses.size() == pauses && b.players(1, 1) == 0);
    ASSERT_TRUE(b.click(Family::start, 0));
    EXPECT_EQ(b.players(1, 1), 1);
    EXPECT_EQ(test::boardFaults(b), "");
}
