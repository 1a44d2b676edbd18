// The real window for the window tests, as a person finds it at whatever
// scale factor the test runs under, clicked through its top-level window as
// the screen's own pointer events arrive.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "board/canvas.h"
#include "board/window.h"
#include "tests/support/test_platform.h"

namespace skarpo::test {

inline QRectF rect(const View& v) { return Canvas::rectOf(v); }
inline QPointF centre(const View& v) { return Canvas::rectOf(v).center(); }

struct LiveWindow : ::testing::Test {
    std::unique_ptr<Window> window = std::make_unique<Window>();
    Board& board = window->board();
    Canvas& canvas = window->canvas();
    int exits = 0;

    void SetUp() override {
        window->exitProgram = [this] { ++exits; };  // closing does not end the test
        window->timer1().stop();                    // ticks only where a test wants them
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // `p` is a point of the canvas, in logical pixels.
    void clickAt(QPointF p, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window->windowHandle(), button, {}, canvas.mapTo(window.get(), p.toPoint()));
    }

    // Runs `step` every 10 ms, also inside the game's pauses, until it
    // returns true or the timer returned is dropped.
    [[nodiscard]] static std::unique_ptr<QTimer> watch(std::function<bool()> step) {
        auto timer = std::make_unique<QTimer>();
        QObject::connect(timer.get(), &QTimer::timeout, timer.get(), [t = timer.get(), step] {
            if (step()) t->stop();
        });
        timer->start(10);
        return timer;
    }

    // Clicks at `p` and waits, inside the handler's pauses, up to 3 seconds
    // for `seen`; then chooses "New Game" so that the handler unwinds at
    // once. Returns whether `seen` came true, there or once the click is over.
    bool clickAndSee(QPointF p, const std::function<bool()>& seen) {
        bool saw = false;
        int polls = 0;
        const auto w = watch([&] {
            if (!(saw = seen()) && ++polls < 300) return false;
            window->newGameAction().trigger();
            return true;
        });
        clickAt(p);
        return saw || seen();
    }

    // Player 1 has thrown a 6 with counter 1 on square 20: square 20 and the
    // head of the start area are marked.
    void sixWithACounterOnTheRing() {
        openedPosition(board);
        placeOnRing(board, 1, 1, 20);
        board.whosego = 1;
        board.moves = 6;
        board.marksquares();
        ASSERT_TRUE(board.SQUARE(20).enabled && board.start(0).enabled);
        canvas.update();
    }
};

}  // namespace skarpo::test
