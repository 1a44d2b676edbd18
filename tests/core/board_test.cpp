// SPDX-License-Identifier: GPL-3.0-or-later
// A new game, the options, and which events reach the game while it animates.
#include <gtest/gtest.h>

#include "tests/support/test_platform.h"

using namespace skarpo;
using skarpo::test::Game;

TEST(Board, NewGameClearsAGameInProgressButKeepsTheOptions) {
    Game g;
    Board& b = g.board;
    const Game fresh;
    test::openedPosition(b);
    test::placePlayer(b, 1, {1, 3});  // square 1 with its copy in squares(61)
    test::placePlayer(b, 2, {0, 50});
    test::placePlayer(b, 3, {}, {2});
    for (View* v : {&b.start(0), &b.home(2), &b.SQUARE(7)}) v->back = colour::yellow, v->enabled = true;
    b.Label1(6).back = colour::red;  // lit by a celebration
    b.whosego = 3;
    b.chooseAuto();
    b.chooseSound();
    b.chooseNewGame();
    EXPECT_EQ(test::differences(b, fresh.board), "");
    EXPECT_TRUE(b.autoplay && b.sound == -1);
    EXPECT_EQ(g.platform.reseeds, 2);
}

TEST(Events, ClicksAndTicksAreRefusedWhileTheBoardAnimatesAndAfterClosing) {
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
    EXPECT_FALSE(b.paused() || b.click(Family::SQUARE, 7) || b.click(Family::dicethrow, 0) ||
                 b.click(Family::dicethrow, 15));

    Game c;  // closing ends the handler: the march never finishes
    c.board.chooseAuto();
    c.platform.at(2.0, [&] { c.board.close(); });
    ASSERT_TRUE(c.board.click(Family::dicethrow, 0));
    EXPECT_TRUE(c.board.closed() && !c.board.autoplay && c.platform.now < 3.0 && c.platform.draws == 0);
    EXPECT_FALSE(c.board.click(Family::dicethrow, 0) || c.board.tick());
}
