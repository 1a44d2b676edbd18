// SPDX-License-Identifier: GPL-3.0-or-later
// The real window, shown on Qt's offscreen platform (or the one the environment names), clicked and pressed
// through its top-level window as the screen's events arrive: the fixtures the window tests share.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QBackingStore>
#include <QHelpEvent>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include "tests/support/picture_check.h"
#include "tests/support/test_platform.h"
#include "window/board/canvas.h"
#include "window/window.h"
#include "window/words/status.h"

namespace skarpo::test {

// The one allowance of the window tests' timing checks, in ms: how late a pause, a timer or a reply may come beyond
// its time. On an idle machine they are a few milliseconds late; beside two busy processes on two cores up to about
// 70. Every fault these checks look for makes them later still (a pause counted from after what its start does, a
// tick a second off, a sound that holds the window up while the sound system is slow to answer).
constexpr qint64 late = 200;

using Hit = Canvas::Hit;
inline const Hit die{Family::dicethrow, 0};
inline Hit square(int s) { return {Family::SQUARE, s}; }

// Points are in logical pixels of the canvas.
struct Live : ::testing::Test {
    Window window;
    Board& board = window.board();
    Canvas& canvas = window.canvas();
    const qreal factor = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    int exits = 0;
    void SetUp() override {
        window.exitProgram = [this] { ++exits; };  // closing does not end the test
        window.timer1().stop();                    // ticks only where a test wants them
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_DOUBLE_EQ(canvas.devicePixelRatioF(), factor);
    }
    // Keys go to the active window; once one has not become active (a headless compositor), no test waits again.
    bool keysReachTheWindow() {
        static bool activates = true;
        window.activateWindow();
        if (activates) activates = QTest::qWaitFor([this] { return window.isActiveWindow(); }, 5000);
        return activates && window.isActiveWindow();
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(window.windowHandle(), k, m); }
    std::optional<Hit> focus() const { return canvas.focusView(); }
    std::string status() { return window.status().text().toStdString(); }
    QRectF rect(const View& v) const { return canvas.rectOf(v); }
    void clickAt(QPointF p, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window.windowHandle(), button, {}, canvas.mapTo(&window, p.toPoint()));
    }
    bool canvasSize(QSize size) {
        window.resize(window.size() + size - canvas.size());
        return QTest::qWaitFor([&] { return canvas.size() == size; }, 2000);
    }
    // The canvas in device pixels as the window's backing store holds it, painted piece by piece as views changed.
    QImage shown() {
        QCoreApplication::sendPostedEvents();  // the repaints asked for
        const QRectF at(QPointF(canvas.mapTo(&window, QPoint(0, 0))) * factor, QSizeF(canvas.size()) * factor);
        const auto* store = static_cast<QImage*>(window.backingStore()->paintDevice());
        return store->copy(at.toAlignedRect()).convertToFormat(QImage::Format_RGB32);
    }
    // Runs `step` every 10 ms, also inside pauses, until it returns true; then chooses "New Game", so that a
    // paused handler unwinds at once.
    [[nodiscard]] std::unique_ptr<QTimer> watch(std::function<bool()> step) {
        auto timer = std::make_unique<QTimer>();
        QObject::connect(timer.get(), &QTimer::timeout, timer.get(), [this, t = timer.get(), step] {
            if (!step()) return;
            t->stop();
            window.newGameAction().trigger();
        });
        timer->start(10);
        return timer;
    }
    // Whether `seen` comes true while the click at `p` is handled.
    bool clickAndSee(QPointF p, const std::function<bool()>& seen) {
        bool saw = false;
        const auto w = watch([&] { return saw = seen(); });
        clickAt(p);
        return saw;
    }
    // Player 1 has thrown `moves` with counters on ring progress `ring` and column positions `column`, the rest
    // waiting; `thrown`: the die hidden, as after a throw.
    void marked(std::vector<int> ring, int moves, bool thrown = false, std::vector<int> column = {}) {
        openedPosition(board);
        placePlayer(board, 1, ring, column);
        board.whosego = 1;
        board.moves = moves;
        board.marksquares();
        if (thrown) board.dicethrow(0).visible = false;
        window.followBoard();
        canvas.refresh();
    }
    // The tip shown for a point, once any earlier tip has gone (it fades out slowly).
    QString tipAt(QPointF p) {
        QToolTip::hideText();
        EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 3000));
        QHelpEvent help(QEvent::ToolTip, p.toPoint(), canvas.mapToGlobal(p.toPoint()));
        QApplication::sendEvent(&canvas, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
    // Runs `during` inside a pause of the board, as if a handler were paused in an animation.
    void insideAPause(const std::function<void()>& during) {
        QTimer::singleShot(10, during);
        board.wait(float(0.1 / window.platform().pauseScale));
    }
};

// Keys pressed with the pauses shortened and the dice seeded, so that whole turns run in a blink and always alike.
struct Keys : Live {
    void SetUp() override {
        Live::SetUp();
        if (!keysReachTheWindow()) GTEST_SKIP() << "the platform makes no window active, so no key reaches one";
        window.platform().pauseScale = 0.02;
        window.platform().seed = 7;
        window.platform().reseed();  // as if the game had been laid out with it
    }
};

using Pixels = Live;
using Scaled = Live;
using WindowTest = Live;
using Spoken = Keys;

}  // namespace skarpo::test
