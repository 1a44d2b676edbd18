// The real window on Qt's offscreen platform: its shape and menus, tooltips
// and clicks reaching the game, pauses that keep the window alive, and a new
// game or the window closing in the middle of an animation.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolTip>
#include <ctime>

#include "tests/window/window_support.h"

using namespace skarpo;
using namespace skarpo::test;

namespace {

using WindowTest = LiveWindow;

std::string texts(const QList<QAction*>& actions) {
    QStringList out;
    for (const QAction* a : actions) out << a->text() + (a->isCheckable() ? "[ ]" : "") + (a->isChecked() ? "x" : "");
    return out.join(", ").toStdString();
}

}  // namespace

TEST_F(WindowTest, ShapeTitleMenusAndTheirCheckMarks) {
    EXPECT_EQ(window->windowTitle(), "Skarpo");
    // the desktop icon's artwork, from the smallest size to the largest
    const auto iconSizes = window->windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)) && iconSizes.contains(QSize(32, 32)) &&
                iconSizes.contains(QSize(256, 256)));
    EXPECT_EQ(canvas.size(), QSize(543, 531));
    EXPECT_EQ(canvas.minimumSize(), canvas.maximumSize());

    const auto bar = window->menuBar()->actions();
    ASSERT_EQ(texts(bar), "New Game, AutoPlay, Options");
    auto menus = [&] { return texts(bar[1]->menu()->actions()) + "; " + texts(bar[2]->menu()->actions()); };
    EXPECT_EQ(menus(), "Auto[ ]; Sound[ ]");

    window->soundAction().trigger();
    window->autoAction().trigger();
    EXPECT_EQ(board.sound, -1);
    EXPECT_TRUE(board.autoplay);
    window->newGameAction().trigger();  // keeps both settings
    EXPECT_EQ(menus(), "Auto[ ]x; Sound[ ]x");
    window->soundAction().trigger();
    window->autoAction().trigger();
    EXPECT_EQ(board.sound, 0);
    EXPECT_FALSE(board.autoplay);
    EXPECT_EQ(menus(), "Auto[ ]; Sound[ ]");
}

TEST_F(WindowTest, TooltipsComeFromTheViewUnderTheCursor) {
    auto tipAt = [&](QPointF p) {
        QHelpEvent help(QEvent::ToolTip, p.toPoint(), canvas.mapToGlobal(p.toPoint()));
        QApplication::sendEvent(&canvas, &help);
        // a tip going away fades out first
        return QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 1000) ? QString() : QToolTip::text();
    };
    EXPECT_EQ(tipAt(centre(board.dicethrow(0))), "Click me to roll the dice");
    EXPECT_EQ(tipAt(centre(board.SQUARE(57))), "");  // the one ring square without a tip
    EXPECT_EQ(tipAt(centre(board.SQUARE(3))), "Click me to move the counter");
    EXPECT_EQ(tipAt(QPointF(3, 3)), "");
}

TEST_F(WindowTest, ClicksWhereTheBoardDoesNotListenChangeNothing) {
    const auto squares = board.SQUARE;
    const auto dicethrow = board.dicethrow;
    clickAt(centre(board.SQUARE(2)));     // not marked
    clickAt(centre(board.dicethrow(5)));  // hidden, inside the frames
    clickAt(centre(board.home(6)));       // a final place
    clickAt(QPointF(3, 3));               // the board itself
    clickAt(centre(board.dicethrow(0)), Qt::RightButton);
    EXPECT_TRUE(board.SQUARE == squares);
    EXPECT_TRUE(board.dicethrow == dicethrow);
    EXPECT_FALSE(board.paused());
}

// The die starts the game: the counters march out and player 1 throws, all
// inside the one click. "New Game", during the march or while the throw is
// shown, lays out a fresh game at once.
TEST_F(WindowTest, TheDieStartsTheGameAndNewGameEndsItAtOnce) {
    auto freshGame = [&] {
        EXPECT_FALSE(board.paused());
        EXPECT_FALSE(window->platform().waiting());
        EXPECT_EQ(board.whosego, 0);
        EXPECT_TRUE(board.dicethrow(0).visible && board.dicethrow(0).enabled && board.dicethrow(15).enabled);
        for (int i = 0; i <= 15; ++i) EXPECT_EQ(board.start(i).picture, Picture::Blank) << i;
        for (int p = 1; p <= 4; ++p)
            for (int k = 6; k <= 9; ++k) EXPECT_EQ(board.home(10 * (p - 1) + k).picture, counterOf(p));
        EXPECT_EQ(board.checkInvariants(), "");
    };
    QElapsedTimer clock, sinceNewGame;
    clock.start();
    bool marching = false;
    {
        const auto w = watch([&] {
            if (clock.elapsed() < 1000) return false;
            marching = board.paused() && !board.dicethrow(15).enabled;
            window->newGameAction().trigger();
            return true;
        });
        clickAt(centre(board.dicethrow(0)));
    }
    EXPECT_TRUE(marching);
    EXPECT_LT(clock.elapsed(), 1800);  // the march would have gone on for another two seconds
    freshGame();

    const auto w = watch([&] {
        if (board.whosego != 1) return false;  // player 1 has thrown
        sinceNewGame.start();
        window->newGameAction().trigger();
        return true;
    });
    clock.restart();
    // near the die's corner, where the hidden roll position 12 overlaps it
    clickAt(rect(board.dicethrow(0)).topLeft() + QPointF(3, 3));
    const qint64 took = clock.elapsed();
    ASSERT_TRUE(sinceNewGame.isValid());
    const qint64 unwound = sinceNewGame.elapsed();
    // the march and the roll take about 4.8 seconds of real time
    EXPECT_GE(took, 4500);
    EXPECT_LT(took, 9000);
    // the abandoned turn unwound at once, not at the end of its pause of 0.2 s
    EXPECT_LT(unwound, 120);
    freshGame();
}

// A counter moves in steps of 0.2 seconds; closing the window ends it at once.
TEST_F(WindowTest, ClosingDuringAnAnimationEndsAtOnce) {
    sixWithACounterOnTheRing();
    QElapsedTimer sinceClose;
    const auto w = watch([&] {
        if (!board.paused()) return false;
        sinceClose.start();
        window->close();
        return true;
    });
    clickAt(centre(board.SQUARE(20)));
    ASSERT_TRUE(sinceClose.isValid());
    EXPECT_LT(sinceClose.elapsed(), 120);
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(board.closed());
    EXPECT_FALSE(board.paused());
}

TEST_F(WindowTest, TimerTicksPlayForPlayerOneOnceASecondWhenAutoIsOn) {
    window->autoAction().trigger();
    QElapsedTimer clock;
    clock.start();
    window->timer1().start();
    qint64 clicked = -1;
    const auto w = watch([&] {
        if (board.dicethrow(15).enabled) return false;
        clicked = clock.elapsed();  // the tick clicked the die: that is enough
        window->autoAction().trigger();
        window->newGameAction().trigger();
        return true;
    });
    QTest::qWait(1500);
    EXPECT_GE(clicked, 950);
    EXPECT_LT(clicked, 1400);
    EXPECT_FALSE(board.autoplay);
    EXPECT_FALSE(board.paused());
}

TEST(QtPlatformTest, PausesKeepEventsFlowingAndCanBeCutShort) {
    QtPlatform platform;
    int repaints = 0;
    platform.beforePause = [&] { ++repaints; };

    bool delivered = false;
    QTimer::singleShot(0, [&] { delivered = true; });
    platform.wait(0);
    platform.wait(-1);
    EXPECT_FALSE(delivered);  // no pause, no events
    EXPECT_EQ(repaints, 0);

    const std::clock_t cpu = std::clock();
    QElapsedTimer clock;
    clock.start();
    platform.wait(0.3f);
    EXPECT_TRUE(delivered);
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_LT(clock.elapsed(), 600);
    EXPECT_LT(std::clock() - cpu, CLOCKS_PER_SEC / 10);  // asleep, not spinning
    EXPECT_EQ(repaints, 1);

    clock.restart();
    QTimer::singleShot(100, [&] { platform.interrupt(); });
    platform.wait(5.0f);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_FALSE(platform.waiting());

    for (int i = 0; i < 1000; ++i) {
        const double r = platform.random();
        ASSERT_TRUE(r >= 0.0 && r < 1.0) << r;
    }
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
