// SPDX-License-Identifier: GPL-3.0-or-later
// The real window on Qt's offscreen platform, shown and clicked through its top-level window as the screen's
// pointer events arrive: the fixture the window tests share.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "tests/support/test_platform.h"
#include "window/canvas.h"
#include "window/window.h"

namespace skarpo::test {

// The canvas at k device pixels to a logical pixel: the board's green, then each visible view in drawing order,
// its background (a frame's edge black, a logical pixel wide) under its artwork where opaque, artwork pixels k by k.
inline QImage expected(const Board& b, const Canvas& canvas, int k) {
    QImage img(543 * k, 531 * k, QImage::Format_RGB32);
    img.fill(0xFF000000u | colour::window);
    auto paint = [&](const View& v) {
        const QImage art = v.picture == Picture::None ? QImage() : canvas.art(v.picture).toImage();
        const QRect r(v.left * k / 15, v.top * k / 15, v.width * k / 15, v.height * k / 15);
        for (int y = 0; y < r.height() && v.visible; ++y)
            for (int x = 0; x < r.width(); ++x) {
                const bool band = v.framed && (x < k || y < k || x >= r.width() - k || y >= r.height() - k);
                QRgb want = 0xFF000000u | (band ? colour::black : v.back);
                if (!art.isNull() && x < 32 * k && y < 32 * k && qAlpha(art.pixel(x / k, y / k)) == 255)
                    want = art.pixel(x / k, y / k);
                if (img.rect().contains(r.x() + x, r.y() + y)) img.setPixel(r.x() + x, r.y() + y, want);
            }
    };
    for (int i = 7; i >= 0; --i) paint(b.Label1(i));
    for (const ViewFamily* f : {&b.SQUARE, &b.start, &b.home, &b.dice, &b.boardcount, &b.homecount, &b.two, &b.corner,
                                &b.dicethrow})
        for (int i : f->indices()) paint((*f)(i));
    return img;
}

struct Live : ::testing::Test {
    Window window;
    Board& board = window.board();
    Canvas& canvas = window.canvas();
    const qreal factor = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    int exits = 0;
    // Keys go to the active window, and some platforms (a headless compositor) make no window active.
    bool keysReachTheWindow() {
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window) && window.isActiveWindow();
    }
    static constexpr const char* noKeys = "the platform makes no window active, so no key reaches one";
    // A view's rectangle on the canvas, in logical pixels.
    QRectF rect(const View& v) const { return canvas.rectOf(v); }
    void SetUp() override {
        window.exitProgram = [this] { ++exits; };  // closing does not end the test
        window.timer1().stop();                    // ticks only where a test wants them
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_DOUBLE_EQ(canvas.devicePixelRatioF(), factor);
    }
    // `p` is a point of the canvas, in logical pixels.
    void clickAt(QPointF p, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window.windowHandle(), button, {}, canvas.mapTo(&window, p.toPoint()));
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
    // Player 1 has thrown `moves` with counter 1 on ring progress `at`.
    void marked(int at, int moves) {
        test::openedPosition(board);
        test::placeOnRing(board, 1, 1, at);
        board.whosego = 1;
        board.moves = moves;
        board.marksquares();
        ASSERT_EQ(board.SQUARE(at).back, colour::yellow);
        canvas.update();
    }
};

using Pixels = Live;
using Scaled = Live;
using WindowTest = Live;

inline std::string texts(const QList<QAction*>& actions) {
    QStringList out;
    for (const QAction* a : actions) out << a->text() + (a->isCheckable() ? "[ ]" : "") + (a->isChecked() ? "x" : "");
    return out.join(", ").toStdString();
}

}  // namespace skarpo::test
