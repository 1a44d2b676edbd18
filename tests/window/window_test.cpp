// The real window on Qt's offscreen platform: its shape and menus, what the
// canvas shows, clicks reaching the game, pauses that keep the window alive,
// and a new game or the window closing in the middle of an animation.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <functional>
#include <memory>

#include "board/canvas.h"
#include "board/window.h"

using namespace skarpo;

namespace {

QPoint centreOf(const View& v) { return Canvas::rectOf(v).center().toPoint(); }

// The window as a person finds it, closing without ending the test.
struct WindowTest : ::testing::Test {
    std::unique_ptr<Window> window = std::make_unique<Window>();
    int exits = 0;
    Board& board = window->board();
    Canvas& canvas = window->canvas();

    void SetUp() override {
        window->exitProgram = [this] { ++exits; };
        window->timer1().stop();  // ticks only where a test wants them
        window->show();
    }

    void clickAt(QPoint p) { QTest::mouseClick(&canvas, Qt::LeftButton, {}, p); }

    // Runs `watch` every 10 ms, also inside the game's pauses, until it
    // returns true.
    void watch(std::function<bool()> step) {
        auto* timer = new QTimer(window.get());
        QObject::connect(timer, &QTimer::timeout, timer, [timer, step] {
            if (step()) timer->stop();
        });
        timer->start(10);
    }

    QImage shot() { return canvas.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

QRgb rgb(Colour c) { return 0xFF000000u | c; }

int count(const QImage& img, QRect r, Colour c) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += img.pixel(x, y) == rgb(c);
    return n;
}

QRect pixels(const View& v) { return Canvas::rectOf(v).toAlignedRect(); }

}  // namespace

TEST_F(WindowTest, ShapeTitleAndMenus) {
    EXPECT_EQ(window->windowTitle(), "Skarpo");
    EXPECT_FALSE(window->windowIcon().isNull());
    // the desktop icon's artwork, from the smallest size to the largest
    const auto iconSizes = window->windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)) && iconSizes.contains(QSize(32, 32)) && iconSizes.contains(QSize(256, 256)));
    EXPECT_EQ(canvas.size(), QSize(543, 531));
    EXPECT_EQ(canvas.minimumSize(), canvas.maximumSize());

    const auto bar = window->menuBar()->actions();
    ASSERT_EQ(bar.size(), 3);
    EXPECT_EQ(bar[0]->text(), "New Game");
    EXPECT_EQ(bar[0]->menu(), nullptr);
    EXPECT_EQ(bar[1]->text(), "AutoPlay");
    EXPECT_EQ(bar[2]->text(), "Options");
    ASSERT_NE(bar[1]->menu(), nullptr);
    ASSERT_NE(bar[2]->menu(), nullptr);
    const auto autoItems = bar[1]->menu()->actions();
    const auto optionItems = bar[2]->menu()->actions();
    ASSERT_EQ(autoItems.size(), 1);
    ASSERT_EQ(optionItems.size(), 1);
    EXPECT_EQ(autoItems[0]->text(), "Auto");
    EXPECT_EQ(optionItems[0]->text(), "Sound");
    EXPECT_TRUE(autoItems[0]->isCheckable());
    EXPECT_TRUE(optionItems[0]->isCheckable());
    EXPECT_FALSE(autoItems[0]->isChecked());
    EXPECT_FALSE(optionItems[0]->isChecked());
}

TEST_F(WindowTest, EveryPictureHasArtworkThatLetsTheBackgroundThrough) {
    for (int i = 1; i < pictureCount; ++i) {
        const auto p = static_cast<Picture>(i);
        const QImage img = canvas.art(p).toImage();
        ASSERT_EQ(img.size(), QSize(32, 32)) << pictureName(p);
        EXPECT_TRUE(img.hasAlphaChannel()) << pictureName(p);
    }
    // the empty place is only a rim: its player's colour or a mark shows through
    const QImage blank = canvas.art(Picture::Blank).toImage();
    EXPECT_EQ(qAlpha(blank.pixel(16, 16)), 0);
    EXPECT_EQ(qAlpha(blank.pixel(3, 16)), 0);
    for (int p = 1; p <= 4; ++p) {
        const QImage counter = canvas.art(counterOf(p)).toImage();
        EXPECT_EQ(qAlpha(counter.pixel(3, 3)), 0) << p;
        EXPECT_EQ(counter.pixel(13, 13), rgb(colour::ofPlayer(p))) << p;
    }
}

// Each player's counters and direction markers carry a mark of their own, so
// that they differ in shape and not only in colour. (The markers' arrows
// point four ways; turned back to one direction they must still differ.)
TEST_F(WindowTest, PlayersPicturesDifferWithoutTheirColours) {
    auto shape = [&](Picture p, int quarterTurnsBack) {
        QImage img = canvas.art(p).toImage().convertToFormat(QImage::Format_ARGB32);
        img = img.transformed(QTransform().rotate(-90.0 * quarterTurnsBack));
        QImage ink(img.size(), QImage::Format_Grayscale8);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                ink.setPixelColor(x, y, img.pixel(x, y) == rgb(colour::black) ? Qt::white : Qt::black);
        return ink;
    };
    auto nth = [](Picture first, int p) { return static_cast<Picture>(static_cast<int>(first) + p - 1); };
    struct Kind {
        Picture first;
        int turns;  // quarter turns of player p's arrow from "up": turns + p - 1, or none
    };
    constexpr int none = -1;
    const Kind kinds[] = {{Picture::Counter1, none}, {Picture::CounterLarge1, none}, {Picture::HomeTurn1, 0}, {Picture::Entry1, 3}};
    for (const Kind& k : kinds) {
        auto turnsOf = [&](int p) { return k.turns == none ? 0 : k.turns + p - 1; };
        for (int p = 1; p <= 4; ++p)
            for (int q = p + 1; q <= 4; ++q)
                EXPECT_NE(shape(nth(k.first, p), turnsOf(p)), shape(nth(k.first, q), turnsOf(q)))
                    << pictureName(nth(k.first, p)) << " and " << pictureName(nth(k.first, q));
    }
}

TEST_F(WindowTest, MenuCommandsToggleTheirCheckMarks) {
    window->soundAction().trigger();
    EXPECT_EQ(board.sound, -1);
    EXPECT_TRUE(window->soundAction().isChecked());
    window->autoAction().trigger();
    EXPECT_TRUE(board.autoplay);
    EXPECT_TRUE(window->autoAction().isChecked());

    window->newGameAction().trigger();  // keeps both settings
    EXPECT_TRUE(window->autoAction().isChecked());
    EXPECT_TRUE(window->soundAction().isChecked());

    window->soundAction().trigger();
    window->autoAction().trigger();
    EXPECT_EQ(board.sound, 0);
    EXPECT_FALSE(board.autoplay);
    EXPECT_FALSE(window->soundAction().isChecked());
    EXPECT_FALSE(window->autoAction().isChecked());
}

TEST_F(WindowTest, CanvasShowsTheNewGame) {
    const QImage img = shot();
    ASSERT_EQ(img.size(), QSize(543, 531));  // grabbed at one pixel per logical pixel

    // the board's green around the ring
    EXPECT_EQ(img.pixel(3, 3), rgb(colour::window));
    EXPECT_EQ(img.pixel(537, 527), rgb(colour::window));
    // an empty ring square is light grey inside its rim
    EXPECT_EQ(img.pixel(centreOf(board.SQUARE(2))), rgb(colour::lightGrey));
    // start places show their player's colour, home columns too
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(img.pixel(centreOf(board.start(4 * (p - 1)))), rgb(colour::ofPlayer(p))) << p;
        EXPECT_EQ(img.pixel(centreOf(board.home(10 * (p - 1) + 2))), rgb(colour::ofPlayer(p))) << p;
    }
    // the counters stand in the final places with the darker colour around them
    for (int p = 1; p <= 4; ++p) {
        const QRect r = pixels(board.home(10 * (p - 1) + 6));
        EXPECT_GT(count(img, r, colour::finalOf(p)), 100) << p;
        EXPECT_GT(count(img, r, colour::ofPlayer(p)), 100) << p;
    }
    // the odd centre frames are red, the even ones the board's green, with a
    // black line on each frame's edge
    const View& outer = board.Label1(7);
    const QPoint edge = Canvas::rectOf(outer).topLeft().toPoint();
    EXPECT_EQ(img.pixel(edge + QPoint(2, 60)), rgb(colour::red));
    EXPECT_EQ(img.pixel(edge + QPoint(0, 60)), rgb(colour::black));
    EXPECT_EQ(img.pixel(edge + QPoint(6, 60)), rgb(colour::window));
    // the resting die is white
    EXPECT_EQ(img.pixel(centreOf(board.dicethrow(0)) + QPoint(-10, 10)), rgb(0xFFFFFF));
}

TEST_F(WindowTest, MarksShowAroundCountersAndHiddenViewsDrawNothing) {
    board.SQUARE(2).back = colour::yellow;
    board.SQUARE(2).picture = counterOf(1);
    board.dicethrow(5).picture = dieFace(6);  // hidden
    board.SQUARE(100).visible = false;
    const QImage img = shot();
    const QRect marked = pixels(board.SQUARE(2));
    EXPECT_GT(count(img, marked, colour::yellow), 100);
    EXPECT_GT(count(img, marked, colour::red), 100);
    EXPECT_EQ(count(img, pixels(board.dicethrow(5)), 0xFFFFFF), 0);
}

TEST_F(WindowTest, TooltipsComeFromTheViewUnderTheCursor) {
    auto hover = [&](QPoint p) {
        QHelpEvent help(QEvent::ToolTip, p, canvas.mapToGlobal(p));
        QApplication::sendEvent(&canvas, &help);
    };
    auto tipGoes = [] { return QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000); };

    hover(centreOf(board.dicethrow(0)));
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "Click me to roll the dice");
    hover(centreOf(board.SQUARE(57)));  // the one ring square without a tip
    EXPECT_TRUE(tipGoes());
    hover(centreOf(board.SQUARE(3)));
    EXPECT_EQ(QToolTip::text(), "Click me to move the counter");
    hover(QPoint(3, 3));
    EXPECT_TRUE(tipGoes());
}

TEST_F(WindowTest, ClicksWhereTheBoardDoesNotListenChangeNothing) {
    const auto squares = board.SQUARE;
    const auto dicethrow = board.dicethrow;
    clickAt(centreOf(board.SQUARE(2)));        // not marked
    clickAt(centreOf(board.dicethrow(5)));     // hidden, inside the frames
    clickAt(centreOf(board.home(6)));          // a final place
    clickAt(QPoint(3, 3));                     // the board itself
    QTest::mouseClick(&canvas, Qt::RightButton, {}, centreOf(board.dicethrow(0)));
    EXPECT_TRUE(board.SQUARE == squares);
    EXPECT_TRUE(board.dicethrow == dicethrow);
    EXPECT_TRUE(board.dicethrow(15).enabled);
}

// The die starts the game: the counters march out and player 1 throws, all
// inside the one click; a new game chosen from the menu then ends it.
TEST_F(WindowTest, TheDieStartsTheGameAndNewGameEndsIt) {
    bool marchingAtOnce = false, pausedAtOnce = false;
    bool thrown = false, resultShown = false;
    Picture result = Picture::None;
    int polls = 0;
    QElapsedTimer sinceNewGame;
    watch([&] {
        if (++polls == 1) {
            marchingAtOnce = !board.dicethrow(15).enabled;
            pausedAtOnce = board.paused();
        }
        if (board.whosego != 1) return false;
        thrown = true;
        resultShown = board.dicethrow(15).visible;
        result = board.dicethrow(15).picture;
        sinceNewGame.start();
        window->newGameAction().trigger();
        return true;
    });

    QElapsedTimer clock;
    clock.start();
    // near the die's corner, where the hidden roll position 12 overlaps it
    clickAt(pixels(board.dicethrow(0)).topLeft() + QPoint(3, 3));
    const qint64 took = clock.elapsed();
    const qint64 unwound = sinceNewGame.elapsed();

    EXPECT_TRUE(marchingAtOnce);
    EXPECT_TRUE(pausedAtOnce);
    ASSERT_TRUE(thrown);
    EXPECT_TRUE(resultShown);
    EXPECT_GE(static_cast<int>(result), static_cast<int>(Picture::Die1));
    EXPECT_LE(static_cast<int>(result), static_cast<int>(Picture::Die6));
    // the march and the roll take about 4.8 seconds of real time
    EXPECT_GE(took, 4500);
    EXPECT_LT(took, 9000);

    // the abandoned turn unwound at once, not at the end of its pause of
    // 0.2 seconds, and left the fresh game alone
    EXPECT_LT(unwound, 120);
    EXPECT_FALSE(board.paused());
    EXPECT_FALSE(window->platform().waiting());
    EXPECT_EQ(board.whosego, 0);
    EXPECT_TRUE(board.dicethrow(15).enabled);
    EXPECT_TRUE(board.dicethrow(0).visible);
    EXPECT_TRUE(board.dicethrow(0).enabled);
    EXPECT_FALSE(board.dicethrow(15).visible);
    EXPECT_EQ(board.home(6).picture, counterOf(1));
    EXPECT_EQ(board.start(0).picture, Picture::Blank);
    EXPECT_EQ(board.checkInvariants(), "");
}

TEST_F(WindowTest, NewGameDuringTheOpeningMarchLaysOutAFreshGame) {
    QElapsedTimer clock;
    clock.start();
    bool chosen = false;
    watch([&] {
        if (clock.elapsed() < 1000) return false;
        chosen = board.paused();
        window->newGameAction().trigger();
        return true;
    });
    clickAt(centreOf(board.dicethrow(0)));
    EXPECT_TRUE(chosen);
    // the march would have gone on for another two seconds
    EXPECT_LT(clock.elapsed(), 1800);
    EXPECT_FALSE(board.paused());
    EXPECT_TRUE(board.dicethrow(15).enabled);
    EXPECT_TRUE(board.dicethrow(0).visible);
    for (int i = 0; i <= 15; ++i) EXPECT_EQ(board.start(i).picture, Picture::Blank) << i;
    for (int p = 1; p <= 4; ++p)
        for (int k = 6; k <= 9; ++k) EXPECT_EQ(board.home(10 * (p - 1) + k).picture, counterOf(p));

    // and the fresh game starts again with the die
    watch([&] {
        window->newGameAction().trigger();
        return true;
    });
    clickAt(centreOf(board.dicethrow(0)));
    EXPECT_TRUE(board.dicethrow(15).enabled);
    EXPECT_FALSE(board.paused());
}

TEST_F(WindowTest, ClosingDuringAnAnimationEndsAtOnce) {
    QElapsedTimer clock;
    clock.start();
    watch([&] {
        if (clock.elapsed() < 300) return false;
        window->close();
        return true;
    });
    clickAt(centreOf(board.dicethrow(0)));
    EXPECT_EQ(exits, 1);
    EXPECT_LT(clock.elapsed(), 1500);
    EXPECT_TRUE(board.closed());
    EXPECT_FALSE(board.autoplay);
    EXPECT_FALSE(board.paused());
    EXPECT_FALSE(board.click(Family::dicethrow, 0));
}

TEST_F(WindowTest, TimerTicksPlayForPlayerOneWhenAutoIsOn) {
    window->autoAction().trigger();
    window->timer1().start();
    EXPECT_EQ(window->timer1().interval(), 1000);
    bool started = false;
    watch([&] {
        if (board.dicethrow(15).enabled) return false;
        // the tick clicked the die: that is enough
        started = true;
        window->autoAction().trigger();
        window->newGameAction().trigger();
        return true;
    });
    QTest::qWait(1500);
    EXPECT_TRUE(started);
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

    QElapsedTimer clock;
    clock.start();
    platform.wait(0.3f);
    EXPECT_TRUE(delivered);
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_LT(clock.elapsed(), 600);
    EXPECT_EQ(repaints, 1);

    clock.restart();
    QTimer::singleShot(100, [&] { platform.interrupt(); });
    platform.wait(5.0f);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_FALSE(platform.waiting());

    for (int i = 0; i < 1000; ++i) {
        const double r = platform.random();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
