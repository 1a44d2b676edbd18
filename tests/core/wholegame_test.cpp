// Long games played by the timer alone: automatic play for player 1 and the
// computer players for the others, on the virtual clock. Between any two
// turns the tables must hold together and the board must show them.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "tests/support/picture_check.h"
#include "tests/support/test_platform.h"

using namespace skarpo;

namespace {

// A test platform that looks in at the start of every roll of the die: the
// turn before it is over by then, and the roll itself touches nothing else.
struct WatchedPlatform : test::TestPlatform {
    std::function<void()> atThrow;
    int sweeps = 0;  // pauses of the celebration's sweeps round the ring
    void wait(float sec) override {
        if (sec == 0.04f && atThrow) atThrow();  // the die's first position
        sweeps += sec == 0.01f;
        TestPlatform::wait(sec);
    }
};

struct Tally {
    long throws = 0;
    long ticks = 0;
    std::array<int, 5> celebrations{};  // by player
    int sweeps = 0;
    std::string fault;
};

// Plays one game by ticks until `turns` throws have been made, checking the
// state after every tick and at the start of every throw.
Tally playByTimer(unsigned seed, long turns) {
    WatchedPlatform platform;
    platform.seed = seed;
    Board board{platform};
    board.Form_Load();
    Tally t;
    std::array<int, 5> home{};

    auto check = [&](const char* when) {
        if (!t.fault.empty()) return;
        if (!board.dicethrow(15).enabled) {  // once the counters have marched out
            for (int p = 1; p <= 4; ++p) {
                if (home[p] == 3 && board.homerow(p, 7) == 0) ++t.celebrations[p];
                home[p] = board.homerow(p, 7);
            }
            std::string why = board.checkInvariants() + test::pictureFaults(board);
            if (!why.empty()) {
                std::ostringstream out;
                out << when << " at throw " << t.throws << " (whosego " << board.whosego << ", moves "
                    << board.moves << "): " << why;
                t.fault = out.str();
            }
        }
    };
    platform.atThrow = [&] {
        check("before a throw");
        ++t.throws;
        platform.pauses.clear();  // keep the log short over a long game
    };

    board.chooseAuto();
    while (t.throws < turns && t.fault.empty()) {
        platform.now = std::floor(platform.now) + 1;  // the timer's next tick
        try {
            if (!board.tick()) {
                t.fault = "a tick was refused between handlers";
                break;
            }
        } catch (const std::exception& e) {
            t.fault = std::string("exception at throw ") + std::to_string(t.throws) + ": " + e.what();
            break;
        }
        platform.pauses.clear();
        ++t.ticks;
        check("after a tick");
        if (t.ticks > 40 * turns) {
            t.fault = "the game stopped making throws";
            break;
        }
    }
    t.sweeps = platform.sweeps;
    return t;
}

}  // namespace

TEST(WholeGame, TwentyThousandTurnsByTheTimerKeepBoardAndTablesTogether) {
    const Tally t = playByTimer(7, 20000);
    EXPECT_EQ(t.fault, "");
    EXPECT_GE(t.throws, 20000);
    int all = 0;
    for (int p = 1; p <= 4; ++p) all += t.celebrations[p];
    EXPECT_GE(t.celebrations[1], 1);
    EXPECT_GE(t.celebrations[2] + t.celebrations[3] + t.celebrations[4], 1);
    // every celebration sweeps the ring twice, sixty squares at a time
    EXPECT_EQ(t.sweeps, 120 * all);
    std::cout << "[ figures  ] " << t.throws << " throws in " << t.ticks << " ticks; celebrations by player 1..4: "
              << t.celebrations[1] << ", " << t.celebrations[2] << ", " << t.celebrations[3] << ", "
              << t.celebrations[4] << "\n";
}
