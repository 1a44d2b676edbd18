// SPDX-License-Identifier: GPL-3.0-or-later
// The real window: its canvas pixel by pixel, clicks, tips, refused clicks and menus, New Game and closing amid
// an animation, the timer, its pauses and its sound. ctest runs `Pixels` again at QT_SCALE_FACTOR 2, `Scaled` at
// 1.5 and 2.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QThread>
#include <QToolTip>
#include <ctime>
#include <functional>
#include <memory>
#include <thread>

#include "tests/window/live.h"
#include "window/alertsound.h"

using namespace skarpo;
using namespace skarpo::test;

// Every device pixel of the canvas against the views, at the window's first size and at one that is no whole
// multiple of the board: at a new game, with a counter marked after the opening march, and while the corner it
// then lands on blinks.
TEST_F(Pixels, TheCanvasShowsTheViewsAsTheyStand) {
    EXPECT_EQ(window.windowTitle(), "Skarpo");
    EXPECT_EQ(canvas.size(), QSize(543, 531));
    const int f = qRound(factor);
    struct Size {
        QSize canvas;
        int scale;  // device pixels to a pixel of the board, at factor 1
        QPoint origin;
    } sizes[] = {{{543, 531}, 1, {0, 0}}, {{1200, 1090}, 2, {57, 14}}};
    for (const Size& s : sizes) {
        ASSERT_TRUE(canvasSize(s.canvas));
        window.newGameAction().trigger();
        auto wrongPixel = [&]() -> std::string {
            const QImage got = shown();
            const QImage want = expected(board, canvas, s.canvas * f, s.scale * f, s.origin * f);
            if (got.size() != want.size()) return "the canvas has the wrong size";
            for (int y = 0; y < got.height(); ++y)
                for (int x = 0; x < got.width(); ++x)
                    if (got.pixel(x, y) != want.pixel(x, y))
                        return QString("pixel %1,%2 is %3, not %4")
                            .arg(x)
                            .arg(y)
                            .arg(got.pixel(x, y), 0, 16)
                            .arg(want.pixel(x, y), 0, 16)
                            .toStdString();
            return "";
        };
        SCOPED_TRACE(s.scale);
        EXPECT_EQ(wrongPixel(), "") << "a new game";
        marked(8, 4);
        board.dicethrow(5).picture = dieFace(6);  // hidden, over the frames
        EXPECT_EQ(wrongPixel(), "") << "square 8 marked";
        std::string blinking = "never seen";
        EXPECT_TRUE(clickAndSee(rect(board.SQUARE(8)).center(), [&] {
            if (board.SQUARE(12).back != colour::yellow) return false;
            blinking = wrongPixel();
            return true;
        }));
        EXPECT_EQ(blinking, "") << "corner 12 blinking";
    }
}

// Clicks land on the view under the pointer, at its very corners and not a pixel beyond.
TEST_F(Scaled, ClicksFollowTheScreensPixels) {
    marked(20, 6);
    const QRectF sq = rect(board.SQUARE(20));
    for (QPointF p : {QPointF(sq.left() - 1, sq.top()), {sq.left(), sq.top() - 1}, {sq.right(), sq.bottom() - 1},
                      {sq.right() - 1, sq.bottom()}})
        clickAt(p);
    EXPECT_EQ(board.players(1, 1), 20);
    EXPECT_TRUE(clickAndSee(sq.bottomRight() - QPointF(1, 1), [&] { return board.SQUARE(20).picture != counterOf(1); }));
    // the die, also at the corner where the hidden roll position 12 overlaps it
    const QRectF die = rect(board.dicethrow(0));
    const auto rolling = [&] { return board.paused() && !board.dicethrow(15).enabled; };
    EXPECT_TRUE(clickAndSee(die.topLeft(), rolling));
    EXPECT_TRUE(clickAndSee(die.bottomRight() - QPointF(1, 1), rolling));
}

// Tips show where the board has them; clicks where it does not listen change nothing; the menus and their marks.
TEST_F(WindowTest, TipsRefusedClicksAndMenus) {
    auto tipAt = [&](QPointF p) {
        QHelpEvent help(QEvent::ToolTip, p.toPoint(), canvas.mapToGlobal(p.toPoint()));
        QApplication::sendEvent(&canvas, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    // (no tip first: one going away fades out slowly)
    EXPECT_EQ(tipAt(rect(board.SQUARE(57)).center()), "");  // the one ring square without a tip
    EXPECT_EQ(tipAt(QPointF(3, 3)), "");
    EXPECT_EQ(tipAt(rect(board.dicethrow(0)).center()), "Click me to roll the dice");

    const auto squares = board.SQUARE, dicethrow = board.dicethrow;
    for (const View* v : {&board.SQUARE(2), &board.dicethrow(5), &board.home(6)}) clickAt(rect(*v).center());
    clickAt(QPointF(3, 3));  // not marked, hidden inside the frames, a final place, the board itself
    clickAt(rect(board.dicethrow(0)).center(), Qt::RightButton);
    EXPECT_TRUE(board.SQUARE == squares && board.dicethrow == dicethrow && !board.paused());

    const auto bar = window.menuBar()->actions();
    ASSERT_EQ(texts(bar), "&New Game, &AutoPlay, &Options, &Help");
    auto menus = [&] { return texts(bar[1]->menu()->actions()) + "; " + texts(bar[2]->menu()->actions()); };
    EXPECT_EQ(menus(), "&Auto[ ]; &Sound[ ], &Full Screen[ ]");
    window.soundAction().trigger();
    window.autoAction().trigger();
    window.newGameAction().trigger();  // keeps both settings
    EXPECT_TRUE(board.sound == -1 && board.autoplay);
    EXPECT_EQ(menus(), "&Auto[ ]x; &Sound[ ]x, &Full Screen[ ]");
}

// A counter moves in steps of 0.2 s: "New Game" amid it lays out a fresh game at once, closing ends it at once.
TEST_F(WindowTest, NewGameOrClosingCutsAnAnimationShort) {
    for (bool closing : {false, true}) {
        marked(20, 6);
        QElapsedTimer since;
        const auto w = watch([&] {
            if (!board.paused() || since.isValid()) return false;
            since.start();
            if (closing) window.close();
            return !closing;  // New Game, or nothing more
        });
        clickAt(rect(board.SQUARE(20)).center());
        ASSERT_TRUE(since.isValid()) << closing;
        EXPECT_LT(since.elapsed(), 120) << closing;
        EXPECT_FALSE(board.paused() || window.platform().waiting());
        EXPECT_TRUE(exits == int(closing) && board.closed() == closing);
        test::Game fresh;
        fresh.board.chooseNewGame();
        EXPECT_EQ(closing ? "" : test::differences(board, fresh.board), "");
    }
}

// Timer1 ticks once a second from the window's making; it sleeps while automatic play is off, when a tick does
// nothing, and wakes in step with the ticks it slept through.
TEST_F(WindowTest, TimerTicksPlayForPlayerOneOnceASecondWhenAutoIsOn) {
    {
        Window other;
        other.exitProgram = [] {};
        EXPECT_FALSE(other.timer1().isActive());
        QTest::qWait(300);
        other.autoAction().trigger();
        const int toWholeSecond = int(1000 - other.timer1Phase().elapsed() % 1000);
        EXPECT_TRUE(other.timer1().isActive());
        EXPECT_NEAR(other.timer1().remainingTime(), toWholeSecond, 20);
        other.autoAction().trigger();
        EXPECT_FALSE(other.timer1().isActive());
    }
    const qint64 onAt = window.timer1Phase().elapsed();
    window.autoAction().trigger();
    qint64 clicked = -1;  // when a tick clicked the die: that is enough
    const auto w = watch([&] {
        if (board.dicethrow(15).enabled) return false;
        clicked = window.timer1Phase().elapsed();
        return true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicked >= 0 && !board.paused(); }, 2000));
    // on the first whole second of the window's life after automatic play came on, and then once a second
    const qint64 tick = (onAt / 1000 + 1) * 1000;
    EXPECT_TRUE(clicked >= tick - 5 && clicked < tick + 100) << clicked << " for a tick at " << tick;
    EXPECT_EQ(window.timer1().interval(), 1000);
}

// A pause lasts as long as asked from its call, whatever is done at its start, sleeping rather than spinning, and
// lets events through, even one that pauses in turn.
TEST(QtPlatformTest, PausesSleepAndKeepEventsFlowing) {
    QtPlatform platform;
    QElapsedTimer clock;
    qint64 inner = -1;
    QTimer::singleShot(100, [&] {
        platform.beforePause = nullptr;
        const qint64 from = clock.elapsed();
        platform.wait(0.05f);
        inner = clock.elapsed() - from;
    });
    platform.beforePause = [] { std::this_thread::sleep_for(std::chrono::milliseconds(60)); };
    const std::clock_t cpu = std::clock();
    clock.start();
    platform.wait(0.3f);
    EXPECT_TRUE(inner >= 50 && inner < 100) << inner;
    EXPECT_TRUE(clock.elapsed() >= 300 && clock.elapsed() < 350) << clock.elapsed();
    EXPECT_LT(std::clock() - cpu, CLOCKS_PER_SEC / 10);  // asleep, not spinning
}

// The capture sound never holds up the window: rings made while the sound system is slow to answer, and then
// missing, each beep on the window's thread.
TEST(AlertSound, RingsNeverWaitAndFallBackToTheBeep) {
    int opens = 0, beeps = 0;
    AlertSound alert(
        [&] {
            ++opens;
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
            return std::unique_ptr<AlertSound::Player>();
        },
        [&] { beeps += QThread::currentThread() == qApp->thread() ? 1 : 100; });
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 3; ++i) alert.ring();
    EXPECT_LT(clock.elapsed(), 50);
    EXPECT_TRUE(QTest::qWaitFor([&] { return beeps >= 3; }, 5000));
    alert.ring();  // and from now on at once, without asking again
    EXPECT_TRUE(alert.failed() && beeps == 4 && opens == 1) << beeps << " " << opens;
}

