// SPDX-License-Identifier: GPL-3.0-or-later
// The real window on Qt's offscreen platform, shown and clicked through its top-level window as the screen's
// pointer events arrive: the fixture the window tests share.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QBackingStore>
#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "tests/support/test_platform.h"
#include "window/canvas.h"
#include "window/window.h"

namespace skarpo::test {

// The canvas drawn by hand, in `device` pixels: the board's green, then each visible view in drawing order, the
// board's top left at `origin` and k device pixels to a pixel of the board: its background (a frame's edge black,
// k pixels wide) under its artwork where opaque, artwork pixels k by k.
inline QImage expected(const Board& b, const Canvas& canvas, QSize device, int k, QPoint origin) {
    QImage img(device, QImage::Format_RGB32);
    img.fill(0xFF000000u | colour::window);
    auto paint = [&](const View& v) {
        if (!v.visible) return;
        const QImage art = v.picture == Picture::None ? QImage() : canvas.art(v.picture).toImage();
        const QRect r(origin.x() + v.left * k / 15, origin.y() + v.top * k / 15, v.width * k / 15, v.height * k / 15);
        for (int y = std::max(0, -r.y()); y < r.height() && r.y() + y < img.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(r.y() + y)) + r.x();
            for (int x = std::max(0, -r.x()); x < r.width() && r.x() + x < img.width(); ++x) {
                const bool band = v.framed && (x < k || y < k || x >= r.width() - k || y >= r.height() - k);
                QRgb want = 0xFF000000u | (band ? colour::black : v.back);
                if (!art.isNull() && x < 32 * k && y < 32 * k && qAlpha(art.pixel(x / k, y / k)) == 255)
                    want = art.pixel(x / k, y / k);
                line[x] = want;
            }
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
    // Keys go to the active window, and some platforms (a headless compositor) make no window active: once a
    // window has not become active, the rest of the tests do not wait for it again.
    bool keysReachTheWindow() {
        static bool platformActivates = true;
        window.activateWindow();
        if (platformActivates)
            platformActivates = QTest::qWaitFor([this] { return window.isActiveWindow(); }, 5000);
        return platformActivates && window.isActiveWindow();
    }
    static constexpr const char* noKeys = "the platform makes no window active, so no key reaches one";
    // A view's rectangle on the canvas, in logical pixels.
    QRectF rect(const View& v) const { return canvas.rectOf(v); }
    // Resizes the window so that its canvas gets `size` logical pixels.
    bool canvasSize(QSize size) {
        window.resize(window.size() + size - canvas.size());
        return QTest::qWaitFor([&] { return canvas.size() == size; }, 2000);
    }
    void SetUp() override {
        window.exitProgram = [this] { ++exits; };  // closing does not end the test
        window.timer1().stop();                    // ticks only where a test wants them
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_DOUBLE_EQ(canvas.devicePixelRatioF(), factor);
    }
    // The canvas in device pixels once the repaints asked for are done, as the window's backing store holds it:
    // painted piece by piece as the views changed, as the screen is given it. Drawn whole where the platform
    // keeps no image of the window.
    QImage shown() {
        QCoreApplication::sendPostedEvents();
        QPaintDevice* store = window.backingStore() ? window.backingStore()->paintDevice() : nullptr;
        if (!store || store->devType() != QInternal::Image)
            return canvas.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRectF at(QPointF(canvas.mapTo(&window, QPoint(0, 0))) * factor, QSizeF(canvas.size()) * factor);
        return static_cast<QImage*>(store)->copy(at.toAlignedRect()).convertToFormat(QImage::Format_RGB32);
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
        canvas.refresh();
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
