// SPDX-License-Identifier: GPL-3.0-or-later
// The live window played from the keyboard: keys through the window as the screen delivers them, the pauses
// shortened and the dice seeded, so that whole turns run in a blink and always alike.
#pragma once

#include <QAccessible>
#include <QToolTip>
#include <ostream>

#include "tests/support/picture_check.h"
#include "tests/window/live.h"
#include "window/status.h"

namespace skarpo {
inline void PrintTo(const Canvas::Hit& h, std::ostream* out) {
    *out << (h.family == Family::SQUARE ? "SQUARE" : h.family == Family::start ? "start"
             : h.family == Family::home ? "home" : "dicethrow")
         << "(" << h.index << ")";
}
}  // namespace skarpo

namespace skarpo::test {

using Hit = Canvas::Hit;
inline const Hit die{Family::dicethrow, 0};
inline Hit square(int s) { return {Family::SQUARE, s}; }

struct Keys : Live {
    static constexpr double pauseScale = 0.02;
    void SetUp() override {
        Live::SetUp();
        if (!keysReachTheWindow()) GTEST_SKIP() << noKeys;
        window.platform().pauseScale = pauseScale;
        window.platform().seed = 7;
        window.platform().reseed();  // as if the game had been laid out with it
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(window.windowHandle(), k, m); }
    std::optional<Hit> focus() const { return canvas.focusView(); }
    // Player 1 has thrown `moves` with counter 1 on ring progress `at`; the die is hidden, as after a throw.
    void thrown(int at, int moves) {
        marked(at, moves);
        board.dicethrow(0).visible = false;
        window.followBoard();
    }
    std::string status() { return window.status().text().toStdString(); }
    // The tip shown for a point of the canvas, after any earlier tip has gone.
    QString tipAt(QPointF p) {
        QToolTip::hideText();
        EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 3000));
        QHelpEvent help(QEvent::ToolTip, p.toPoint(), canvas.mapToGlobal(p.toPoint()));
        QApplication::sendEvent(&canvas, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
    // Runs `during` inside a pause of the board, as if a handler were paused in an animation.
    void insideAPause(const std::function<void()>& during) {
        bool done = false;
        QTimer::singleShot(0, [&] {
            QTimer::singleShot(10, during);
            board.wait(float(0.1 / pauseScale));
            done = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 3000));
    }
};

}  // namespace skarpo::test
