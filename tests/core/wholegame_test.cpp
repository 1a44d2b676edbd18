// SPDX-License-Identifier: GPL-3.0-or-later
// A long game played by the timer alone, automatic play for player 1: between
// any two turns the tables must hold together and the board must show them.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/support/picture_check.h"
#include "tests/support/test_platform.h"

using namespace skarpo;

namespace {
struct WatchedPlatform : test::TestPlatform {
    Board* board = nullptr;
    long throws = 0;
    int sweeps = 0, celebrations[5] = {}, home[5] = {};  // sweeps: pauses of a celebration round the ring
    std::string fault;
    void check() {  // between turns: at the die's first position, and after each tick
        if (!fault.empty() || board->dicethrow(15).enabled) return;  // before the opening march
        for (int p = 1; p <= 4; ++p) {
            celebrations[p] += home[p] == 3 && board->homerow(p, 7) == 0;
            home[p] = board->homerow(p, 7);
        }
        if (const std::string why = test::boardFaults(*board); !why.empty())
            fault = "at throw " + std::to_string(throws) + ": " + why;
    }
    void wait(float sec) override {
        if (sec == 0.04f) check(), ++throws, pauses.clear();  // keep the log short over a long game
        sweeps += sec == 0.01f;
        TestPlatform::wait(sec);
    }
};
}  // namespace

TEST(WholeGame, TwentyThousandThrowsByTheTimerKeepBoardAndTablesTogether) {
    WatchedPlatform w;
    w.seed = 7;
    Board board{w};
    w.board = &board;
    board.Form_Load();
    board.chooseAuto();
    for (long ticks = 0; w.throws < 20000 && w.fault.empty() && ticks < 40 * 20000; ++ticks) {
        w.now = std::floor(w.now) + 1;  // the timer's next tick
        if (!board.tick()) w.fault = "a tick was refused between handlers";
        w.check();
    }
    EXPECT_EQ(w.fault, "");
    EXPECT_GE(w.throws, 20000);
    const int all = w.celebrations[1] + w.celebrations[2] + w.celebrations[3] + w.celebrations[4];
    EXPECT_TRUE(w.celebrations[1] >= 1 && all > w.celebrations[1]);
    EXPECT_EQ(w.sweeps, 120 * all);  // every celebration sweeps the ring twice, sixty squares at a time
}
