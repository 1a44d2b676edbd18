// SPDX-License-Identifier: GPL-3.0-or-later
// The game ends at once in the middle of a move however the desktop ends it: its close request as the window
// system delivers it, or the session's signals.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <csignal>
#include <memory>

#include "tests/window/live.h"
#include "window/sessionend.h"

using namespace skarpo;
using namespace skarpo::test;

namespace {

struct Ending : Live, ::testing::WithParamInterface<int> {};

// 0 stands for the desktop's close request
std::string nameOf(const ::testing::TestParamInfo<int>& info) {
    switch (info.param) {
        case SIGTERM: return "SIGTERM";
        case SIGHUP: return "SIGHUP";
        case SIGINT: return "SIGINT";
    }
    return "closeRequest";
}

}  // namespace

// A counter is moving in steps of 0.2 s when the end comes: automatic play goes off, the program is ended once,
// and the paused move unwinds at once.
TEST_P(Ending, EndsThePausedMoveAtOnce) {
    const int how = GetParam();
    SessionEnd session([this](int) { window.endProgram(); });
    window.autoAction().trigger();
    marked(20, 6);
    QElapsedTimer since;
    const auto w = watch([&] {
        if (!board.paused() || since.isValid()) return false;
        since.start();
        if (how == 0) {
            QCloseEvent request;
            QCoreApplication::sendEvent(window.windowHandle(), &request);
        } else {
            std::raise(how);
        }
        return false;
    });
    clickAt(rect(board.SQUARE(20)).center());
    ASSERT_TRUE(since.isValid());
    EXPECT_LT(since.elapsed(), 120);
    EXPECT_FALSE(board.paused() || window.platform().waiting());
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(board.closed());
    EXPECT_FALSE(board.autoplay);
}

INSTANTIATE_TEST_SUITE_P(Each, Ending, ::testing::Values(0, SIGTERM, SIGHUP, SIGINT), nameOf);

// Once the game has let go of the signals, they do again what they did before.
TEST(SessionEndTest, GivesTheSignalsBackWhenItEnds) {
    int ended = 0;
    auto session = std::make_unique<SessionEnd>([&](int) { ++ended; });
    struct sigaction during {};
    sigaction(SIGHUP, nullptr, &during);
    session.reset();
    struct sigaction after {};
    sigaction(SIGHUP, nullptr, &after);
    EXPECT_NE(during.sa_handler, SIG_DFL);
    EXPECT_EQ(after.sa_handler, SIG_DFL);
    EXPECT_EQ(ended, 0);
}
