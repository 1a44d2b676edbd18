// A long game played by the timer alone, automatic play for player 1: between
// any two turns the tables must hold together and the board must show them.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>

#include "tests/support/picture_check.h"
#include "tests/support/test_platform.h"

using namespace skarpo;

namespace {

// Looks in at the start of every roll, when the turn before it is over.
struct WatchedPlatform : test::TestPlatform {
    std::function<void()> atThrow;
    int sweeps = 0;  // pauses of the celebration's sweeps round the ring
    void wait(float sec) override {
        if (sec == 0.04f && atThrow) atThrow();  // the die's first position
        sweeps += sec == 0.01f;
        TestPlatform::wait(sec);
    }
};

}  // namespace

TEST(WholeGame, TwentyThousandThrowsByTheTimerKeepBoardAndTablesTogether) {
    WatchedPlatform platform;
    platform.seed = 7;
    Board board{platform};
    board.Form_Load();
    long throws = 0, ticks = 0;
    std::array<int, 5> celebrations{}, home{};
    std::string fault;
    auto check = [&](const char* when) {
        if (!fault.empty() || board.dicethrow(15).enabled) return;  // before the opening march
        for (int p = 1; p <= 4; ++p) {
            if (home[p] == 3 && board.homerow(p, 7) == 0) ++celebrations[p];
            home[p] = board.homerow(p, 7);
        }
        const std::string why = test::boardFaults(board);
        if (!why.empty()) fault = std::string(when) + " at throw " + std::to_string(throws) + ": " + why;
    };
    platform.atThrow = [&] {
        check("before a throw");
        ++throws;
        platform.pauses.clear();  // keep the log short over a long game
    };

    board.chooseAuto();
    while (throws < 20000 && fault.empty() && ticks < 40 * 20000) {
        platform.now = std::floor(platform.now) + 1;  // the timer's next tick
        try {
            if (!board.tick()) fault = "a tick was refused between handlers";
        } catch (const std::exception& e) {
            fault = std::string("exception at throw ") + std::to_string(throws) + ": " + e.what();
        }
        ++ticks;
        check("after a tick");
    }
    EXPECT_EQ(fault, "");
    EXPECT_GE(throws, 20000);
    EXPECT_GE(celebrations[1], 1);
    EXPECT_GE(celebrations[2] + celebrations[3] + celebrations[4], 1);
    // every celebration sweeps the ring twice, sixty squares at a time
    EXPECT_EQ(platform.sweeps, 120 * (celebrations[1] + celebrations[2] + celebrations[3] + celebrations[4]));
}
