// The die, the order of turns, and what a person can do while the board
// animates.
#include <gtest/gtest.h>

#include "tests/support/test_platform.h"

using namespace skarpo;
using skarpo::test::Game;

TEST(Dice, FirstClickMarchesOutThenThrowsForPlayerOne) {
    Game g;
    Board& b = g.board;
    g.platform.scriptThrows({6});
    ASSERT_TRUE(b.click(Family::dicethrow, 0));

    // opening march 3.0 s, roll 1.77 s, 0.2 s before the marks
    EXPECT_NEAR(g.platform.now, 3.0 + 1.77 + 0.2, 1e-4);
    EXPECT_EQ(b.moves, 6);
    EXPECT_EQ(b.whosego, 1);
    EXPECT_FALSE(b.dicethrow(15).enabled);
    EXPECT_TRUE(b.dicethrow(15).visible);
    EXPECT_EQ(b.dicethrow(15).picture, Picture::Die6);
    for (int i = 0; i <= 14; ++i) EXPECT_FALSE(b.dicethrow(i).visible) << i;
    for (int i = 1; i <= 14; ++i) EXPECT_EQ(b.dicethrow(i).picture, Picture::None) << i;
    // the counters have marched into the start areas; no table changed
    for (int p = 1; p <= 4; ++p) {
        for (int k = 0; k <= 3; ++k) EXPECT_EQ(b.start(4 * (p - 1) + k).picture, counterOf(p));
        for (int k = 0; k <= 9; ++k) EXPECT_EQ(b.home(10 * (p - 1) + k).picture, Picture::Blank);
        for (int j = 1; j <= 5; ++j) EXPECT_EQ(b.players(p, j), 0);
    }
    // a six with every counter waiting marks the start place alone
    EXPECT_EQ(b.start(0).back, colour::yellow);
    EXPECT_TRUE(b.start(0).enabled);
    for (int n = 1; n <= 60; ++n) EXPECT_NE(b.SQUARE(n).back, colour::yellow);
    EXPECT_EQ(b.checkInvariants(), "");
}

TEST(Dice, RollShowsFourteenFacesSlowingDown) {
    Game g;
    Board& b = g.board;
    test::openedPosition(b);
    b.whosego = 4;  // player 1 throws next
    // faces 1..6 repeating during the roll, then a 2 regardless of the last face
    g.platform.script({0.0, 0.2, 0.34, 0.5, 0.67, 0.84, 0.0, 0.2, 0.34, 0.5, 0.67, 0.84, 0.0, 0.99, 0.2});
    std::vector<Picture> faces;
    double t = 0.3 + 0.02;
    for (int i = 1; i <= 14; ++i) {
        g.platform.at(t, [&b, &faces, i] {
            EXPECT_TRUE(b.dicethrow(i).visible);
            for (int k = 0; k <= 15; ++k)
                if (k != i) {
                    EXPECT_FALSE(b.dicethrow(k).visible) << "position " << k << " while " << i << " shows";
                }
            faces.push_back(b.dicethrow(i).picture);
        });
        t += 0.04 + 0.01 * i;
    }
    b.throwdice();
    EXPECT_NEAR(g.platform.now, 1.77, 1e-4);
    const std::vector<float> expected = {0.3f, 0.04f, 0.05f, 0.06f, 0.07f, 0.08f, 0.09f, 0.1f,
                                         0.11f, 0.12f, 0.13f, 0.14f, 0.15f, 0.16f, 0.17f};
    ASSERT_EQ(g.platform.pauses.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(g.platform.pauses[i], expected[i], 1e-6);
    ASSERT_EQ(faces.size(), 14u);
    EXPECT_EQ(faces[0], Picture::Die1);
    EXPECT_EQ(faces[5], Picture::Die6);
    EXPECT_EQ(faces[13], Picture::Die6);
    EXPECT_EQ(b.moves, 2);
    EXPECT_EQ(b.dicethrow(15).picture, Picture::Die2);
    EXPECT_EQ(b.whosego, 1);
}

TEST(Dice, ThrowsAreUniform) {
    Game g;
    int seen[7] = {};
    for (int i = 0; i < 6000; ++i) {
        g.board.whosego = 0;
        g.board.throwdice();
        ASSERT_GE(g.board.moves, 1);
        ASSERT_LE(g.board.moves, 6);
        ++seen[g.board.moves];
    }
    for (int f = 1; f <= 6; ++f) EXPECT_NEAR(seen[f], 1000, 150) << f;
}

TEST(Turns, PlayerOneWithNothingToMoveHandsTheDieToTheComputers) {
    Game g;
    Board& b = g.board;
    // player 1 throws 3 and cannot move; player 2 throws 6, 6, 3; 3 and 4 one throw each
    g.platform.scriptThrows({3, 6, 6, 3, 2, 4});
    bool cyanAfterPause = false;
    // the frames turn cyan 0.8 s after the marks would have come
    g.platform.at(3.0 + 1.77 + 0.2 + 0.8 + 0.1, [&] { cyanAfterPause = b.Label1(1).back == colour::cyan; });
    ASSERT_TRUE(b.click(Family::dicethrow, 0));
    EXPECT_TRUE(cyanAfterPause);
    EXPECT_EQ(g.platform.draws, 6 * 15);  // every throw was made, none more
    EXPECT_EQ(b.whosego, 4);
    for (int k : {1, 3, 5, 7}) EXPECT_EQ(b.Label1(k).back, colour::red);
    EXPECT_TRUE(b.dicethrow(0).visible);
    EXPECT_TRUE(b.dicethrow(0).enabled);
    EXPECT_FALSE(b.dicethrow(15).visible);
    EXPECT_EQ(b.checkInvariants(), "");
}

TEST(Turns, FramesShowWhoThrowsNext) {
    Game g;
    Board& b = g.board;
    test::openedPosition(b);
    // player 2 throws 2 and player 3 throws 6 then 1: after each computer
    // turn the odd frames show the next thrower
    g.platform.scriptThrows({2, 6, 1, 5});
    std::vector<Colour> frames;
    std::vector<int> throwers;
    // watch the frames at the start of every roll
    bool rolling = false;
    for (double t = 0.0; t < 40.0; t += 0.01)
        g.platform.at(t, [&] {
            if (b.dicethrow(1).visible && !rolling) {
                frames.push_back(b.Label1(1).back);
                throwers.push_back(b.whosego);
            }
            rolling = b.dicethrow(1).visible;
        });
    b.whosego = 1;
    b.dicethrow_Click(0);
    EXPECT_EQ(b.whosego, 4);
    EXPECT_EQ(b.Label1(7).back, colour::red);
    ASSERT_EQ(throwers, (std::vector<int>{1, 2, 2, 3}));  // whosego before each throw
    EXPECT_EQ(frames, (std::vector<Colour>{colour::red, colour::magenta, colour::magenta, colour::green}));
}

TEST(Events, TheBoardRefusesClicksAndTicksWhileAnimating) {
    Game g;
    Board& b = g.board;
    g.platform.scriptThrows({6});
    bool clickTaken = true, tickTaken = true, squareTaken = true;
    g.platform.at(1.0, [&] {  // during the opening march
        EXPECT_TRUE(b.paused());
        clickTaken = b.click(Family::dicethrow, 0);
        b.autoplay = true;
        tickTaken = b.tick();
        b.autoplay = false;
        b.SQUARE(5).enabled = true;
        squareTaken = b.click(Family::SQUARE, 5);
        b.SQUARE(5).enabled = false;
    });
    ASSERT_TRUE(b.click(Family::dicethrow, 0));
    EXPECT_FALSE(clickTaken);
    EXPECT_FALSE(tickTaken);
    EXPECT_FALSE(squareTaken);
    EXPECT_EQ(g.platform.draws, 15);  // one throw only
    EXPECT_FALSE(b.paused());
    // between handlers: a disabled square and the hidden die take no click
    EXPECT_FALSE(b.click(Family::SQUARE, 5));
    EXPECT_FALSE(b.click(Family::dicethrow, 0));
    EXPECT_FALSE(b.click(Family::dicethrow, 15));  // shows the throw, but is not clickable
}

TEST(Events, NewGameDuringAnAnimationDropsTheInterruptedTurn) {
    for (double when : {1.0, 3.5, 4.9}) {  // opening march, roll, pause before marks
        Game g;
        Board& b = g.board;
        g.platform.scriptThrows({6});
        g.platform.at(when, [&] { b.chooseNewGame(); });
        ASSERT_TRUE(b.click(Family::dicethrow, 0));
        EXPECT_FALSE(b.paused());
        Game fresh;
        EXPECT_EQ(test::differences(b, fresh.board), "") << "new game at " << when;
        EXPECT_EQ(b.checkInvariants(), "");
        // the new game starts as any other: the next click marches out again
        g.platform.unscript();
        g.platform.scriptThrows({6});
        const double before = g.platform.now;
        ASSERT_TRUE(b.click(Family::dicethrow, 0));
        EXPECT_NEAR(g.platform.now - before, 4.97, 1e-4);
        EXPECT_EQ(b.start(0).back, colour::yellow);
    }
}

TEST(Events, NewGameDuringComputerTurnsDropsTheWholeChain) {
    Game g;
    Board& b = g.board;
    g.platform.scriptThrows({3, 2, 5, 4});
    g.platform.at(8.0, [&] { b.chooseNewGame(); });  // inside player 2's roll
    ASSERT_TRUE(b.click(Family::dicethrow, 0));
    Game fresh;
    EXPECT_EQ(test::differences(b, fresh.board), "");
    EXPECT_LT(g.platform.draws, 3 * 15);  // player 3 never threw
}

TEST(Events, ClosingEndsTheHandlerAndTakesNoMoreEvents) {
    Game g;
    Board& b = g.board;
    b.chooseAuto();
    g.platform.scriptThrows({6});
    g.platform.at(2.0, [&] { b.close(); });
    ASSERT_TRUE(b.click(Family::dicethrow, 0));
    EXPECT_FALSE(b.autoplay);
    EXPECT_TRUE(b.closed());
    EXPECT_LT(g.platform.now, 3.0);  // the march never finished
    EXPECT_EQ(g.platform.draws, 0);
    EXPECT_FALSE(b.click(Family::dicethrow, 0));
    EXPECT_FALSE(b.tick());
}

TEST(Events, ZeroPauseReturnsAtOnce) {
    Game g;
    bool ran = false;
    g.platform.at(0.0, [&] { ran = true; });
    g.board.wait(0);
    g.board.wait(-1);
    EXPECT_FALSE(ran);
    EXPECT_TRUE(g.platform.pauses.empty());
    g.board.wait(0.01f);
    EXPECT_TRUE(ran);
}
