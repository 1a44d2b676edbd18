// SPDX-License-Identifier: GPL-3.0-or-later
// The board that grows with its window: its size and place at window sizes that are no multiple of it, clicks
// and tips that follow it, maximising and full screen; and the repaints, which cover only what changed. ctest runs
// `Scaled` again at QT_SCALE_FACTOR 1.5 and 2.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QTest>
#include <QToolTip>
#include <map>
#include <vector>

#include "tests/window/live.h"

using namespace skarpo;
using namespace skarpo::test;

namespace {

// The regions of the canvas painted, in logical pixels, as the paint events arrive.
struct PaintLog : QObject {
    explicit PaintLog(QWidget& w) { w.installEventFilter(this); }
    std::vector<QRegion> paints;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) paints.push_back(static_cast<QPaintEvent*>(e)->region());
        return false;
    }
    // Lets the queued repaints happen, then hands them over.
    std::vector<QRegion> take() {
        QTest::qWait(30);
        return std::exchange(paints, {});
    }
};

QRegion cover(const QRectF& r) { return QRegion(r.toAlignedRect()); }

}  // namespace

// At window sizes that are no whole multiple of the board, the board takes the largest size in eighths of its
// own that fits (never less than at scale factor 1) and lies centred; every square is exactly where the pointer
// finds it, on whole device pixels; a click and a tip follow.
TEST_F(Scaled, TheBoardFillsTheCanvasCentredAndThePointerFindsItsViews) {
    // a ring square's side in device pixels for each canvas size, at scale factors 1, 1.5 and 2
    const std::map<qreal, std::vector<qreal>> side = {{1.0, {32, 32, 56, 60}}, {1.5, {48, 48, 88, 88}},
                                                      {2.0, {64, 64, 116, 120}}};
    ASSERT_TRUE(side.count(factor));
    const QSize sizes[] = {{543, 531}, {700, 560}, {1000, 1000}, {1371, 1009}};
    const qreal px = 1 / factor;  // a device pixel
    for (std::size_t n = 0; n < std::size(sizes); ++n) {
        ASSERT_TRUE(canvasSize(sizes[n]));
        SCOPED_TRACE(testing::Message() << sizes[n].width() << "x" << sizes[n].height());
        for (int s = 1; s <= 60; ++s) {
            const QRectF r = rect(board.SQUARE(s)), device(r.topLeft() * factor, r.size() * factor);
            EXPECT_TRUE(device == device.toAlignedRect() && device.width() == side.at(factor)[n]) << s;
            // found at its very corners, and not a device pixel beyond them
            for (QPointF p : {r.topLeft(), r.bottomRight() - QPointF(px, px) / 2}) {
                const auto hit = canvas.viewAt(p);
                EXPECT_TRUE(hit && hit->family == Family::SQUARE && hit->index == s) << s;
            }
            for (QPointF p : {r.topLeft() - QPointF(px, 0), r.topLeft() - QPointF(0, px), r.bottomRight()}) {
                const auto hit = canvas.viewAt(p);
                EXPECT_FALSE(hit && hit->family == Family::SQUARE && hit->index == s) << s;
            }
        }
        // the ring centred within a pixel (it lies half a pixel of the board right of the board's centre and a
        // pixel and a half above it)
        const QRectF ring = rect(board.SQUARE(27)).united(rect(board.SQUARE(57)));
        const qreal boardPixel = rect(board.SQUARE(1)).width() / 32;
        EXPECT_NEAR(ring.center().x(), canvas.width() / 2.0 + 0.5 * boardPixel, 1.0);
        EXPECT_NEAR(ring.center().y(), canvas.height() / 2.0 - 1.5 * boardPixel, 1.0);
    }
    marked(20, 6);
    const auto moving = [&] { return board.paused() && board.SQUARE(20).picture != counterOf(1); };
    EXPECT_TRUE(clickAndSee(rect(board.SQUARE(20)).center(), moving));
    const QPointF die = rect(board.dicethrow(0)).center();
    QHelpEvent help(QEvent::ToolTip, die.toPoint(), canvas.mapToGlobal(die.toPoint()));
    QApplication::sendEvent(&canvas, &help);
    EXPECT_EQ(QToolTip::text(), "Click me to roll the dice");
}

// The window grows and shrinks down to the board at scale factor 1, maximises, and goes full screen and back by
// F11 or the menu, the check mark following.
TEST_F(WindowTest, TheWindowResizesMaximisesAndGoesFullScreen) {
    window.resize(200, 200);
    EXPECT_TRUE(QTest::qWaitFor([&] { return canvas.size() == QSize(543, 531); }, 2000)) << canvas.width();
    const qreal squareAtOne = rect(board.SQUARE(1)).width();

    window.showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isMaximized() && canvas.width() > 543; }, 2000));
    EXPECT_GT(rect(board.SQUARE(1)).width(), squareAtOne);

    QAction& full = window.fullScreenAction();
    EXPECT_TRUE(full.isCheckable() && !full.isChecked());
    EXPECT_TRUE(full.shortcuts().contains(QKeySequence(Qt::Key_F11)));
    QTest::keyClick(&window, Qt::Key_F11);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isFullScreen(); }, 2000));
    EXPECT_TRUE(full.isChecked());
    full.trigger();  // back as it was: maximised
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isFullScreen(); }, 2000));
    EXPECT_TRUE(window.isMaximized() && !full.isChecked());
}

// Nothing is repainted while nothing changes, timer ticks included; a change repaints the views it touched, their
// old and new places; a whole throw repaints only the die's positions; the repaint runs inside the pause.
TEST_F(WindowTest, OnlyWhatChangedIsRepainted) {
    PaintLog log(canvas);
    log.take();
    canvas.refresh();
    window.timer1().setInterval(5);
    window.timer1().start();
    QTest::qWait(60);
    window.timer1().stop();
    EXPECT_EQ(log.take().size(), 0u) << "nothing changed";

    board.SQUARE(7).picture = counterOf(2);
    board.dicethrow(5).picture = dieFace(3);  // hidden
    canvas.refresh();
    auto paints = log.take();
    ASSERT_EQ(paints.size(), 1u);
    EXPECT_EQ(paints[0], cover(rect(board.SQUARE(7))));

    board.dicethrow(3).visible = true;
    canvas.refresh();
    log.take();
    board.dicethrow(3).visible = false;  // the die moves on
    board.dicethrow(4).visible = true;
    canvas.refresh();
    paints = log.take();
    ASSERT_EQ(paints.size(), 1u);
    EXPECT_EQ(paints[0], cover(rect(board.dicethrow(3))) + cover(rect(board.dicethrow(4))));

    // inside the pause, which is counted from its call
    board.SQUARE(8).picture = counterOf(3);
    QElapsedTimer clock;
    clock.start();
    board.wait(0.05f);
    EXPECT_TRUE(clock.elapsed() >= 50 && clock.elapsed() < 100) << clock.elapsed();
    EXPECT_EQ(log.paints.size(), 1u);

    // a throw of player 1
    board.dicethrow(4).visible = false;
    test::openedPosition(board);
    canvas.refresh();
    log.take();
    QRegion die;
    for (int i = 0; i <= 15; ++i) die += cover(rect(board.dicethrow(i)));
    EXPECT_TRUE(clickAndSee(rect(board.dicethrow(0)).center(), [&] {
        if (!board.dicethrow(15).visible) return false;
        paints = std::exchange(log.paints, {});  // the New Game that follows is not the throw's
        return true;
    }));
    EXPECT_GE(paints.size(), 14u);
    for (const QRegion& r : paints) EXPECT_EQ(r - die, QRegion()) << r.boundingRect().x() << "," << r.boundingRect().y();
}
