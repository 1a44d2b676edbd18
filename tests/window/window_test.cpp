// The real window on Qt's offscreen platform, clicked through its top-level
// window as the screen's pointer events arrive; its pauses and its sound.
// ctest runs `Pixels` again at QT_SCALE_FACTOR 2, `Scaled` at 1.5 and 2.
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

#include "board/alertsound.h"
#include "board/canvas.h"
#include "board/window.h"
#include "tests/support/test_platform.h"

using namespace skarpo;

namespace {

QRectF rect(const View& v) { return Canvas::rectOf(v); }

// The canvas at k device pixels to a logical pixel: the board's green, then
// each visible view in drawing order, its background (a frame's edge black, a
// logical pixel wide) under its artwork where opaque, artwork pixels k by k.
QImage expected(const Board& b, const Canvas& canvas, int k) {
    QImage img(543 * k, 531 * k, QImage::Format_RGB32);
    img.fill(0xFF000000u | colour::window);
    std::vector<const View*> order;
    for (int i = 7; i >= 0; --i) order.push_back(&b.Label1(i));
    for (const ViewFamily* f : {&b.SQUARE, &b.start, &b.home, &b.dice, &b.boardcount, &b.homecount, &b.two, &b.corner,
                                &b.dicethrow})
        for (int i : f->indices()) order.push_back(&(*f)(i));
    for (const View* v : order) {
        if (!v->visible) continue;
        const QImage art = v->picture == Picture::None ? QImage() : canvas.art(v->picture).toImage();
        const QRect r(v->left * k / 15, v->top * k / 15, v->width * k / 15, v->height * k / 15);
        for (int y = 0; y < r.height(); ++y)
            for (int x = 0; x < r.width(); ++x) {
                const bool band = v->framed && (x < k || y < k || x >= r.width() - k || y >= r.height() - k);
                QRgb want = 0xFF000000u | (band ? colour::black : v->back);
                if (!art.isNull() && x < 32 * k && y < 32 * k && qAlpha(art.pixel(x / k, y / k)) == 255)
                    want = art.pixel(x / k, y / k);
                if (img.rect().contains(r.x() + x, r.y() + y)) img.setPixel(r.x() + x, r.y() + y, want);
            }
    }
    return img;
}

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

    // `p` is a point of the canvas, in logical pixels.
    void clickAt(QPointF p, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window.windowHandle(), button, {}, canvas.mapTo(&window, p.toPoint()));
    }

    // Runs `step` every 10 ms, also inside pauses, until it returns true;
    // then chooses "New Game", so that a paused handler unwinds at once.
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

    // Every device pixel of the canvas as drawn now against the views.
    void checkPixels(const std::string& moment) {
        const int k = qRound(factor);
        const QImage got = canvas.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage want = expected(board, canvas, k);
        ASSERT_EQ(got.size(), want.size()) << moment;
        for (int y = 0; y < got.height(); ++y)
            for (int x = 0; x < got.width(); ++x)
                if (got.pixel(x, y) != want.pixel(x, y))
                    FAIL() << moment << ": pixel " << x << "," << y << " is " << std::hex << got.pixel(x, y)
                           << ", not " << want.pixel(x, y);
    }
};

using Pixels = Live;
using Scaled = Live;
using WindowTest = Live;

std::string texts(const QList<QAction*>& actions) {
    QStringList out;
    for (const QAction* a : actions) out << a->text() + (a->isCheckable() ? "[ ]" : "") + (a->isChecked() ? "x" : "");
    return out.join(", ").toStdString();
}

}  // namespace

// At a new game, with a counter marked, and while the corner square 12
// blinks grey under the counter that a 4 takes there from square 8.
TEST_F(Pixels, TheCanvasShowsTheViewsAsTheyStand) {
    checkPixels("a new game");
    marked(8, 4);
    board.dicethrow(5).picture = dieFace(6);  // hidden, over the frames
    checkPixels("square 8 marked");
    bool blinked = false;
    const auto w = watch([&] {
        if (!board.paused() || board.SQUARE(12).back != colour::lightGrey) return false;
        blinked = true;
        checkPixels("corner 12 blinking");
        return true;
    });
    clickAt(rect(board.SQUARE(8)).center());
    EXPECT_TRUE(blinked);
}

// Clicks land on the view under the pointer, at its very corners and not a
// pixel beyond; and a screen pixel wholly inside one artwork pixel shows it
// unchanged, at fractional factors too.
TEST_F(Scaled, ClicksAndArtworkFollowTheScreensPixels) {
    const QImage shot = canvas.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), (QSizeF(543, 531) * factor).toSize());
    const View& home = board.home(6);
    const QImage art = canvas.art(home.picture).toImage();
    const QPoint at = (rect(home).topLeft() * factor).toPoint();
    for (int y = 0; y < 32 * factor; ++y)
        for (int x = 0; x < 32 * factor; ++x) {
            const int u = static_cast<int>(x / factor), v = static_cast<int>(y / factor);
            if (u != static_cast<int>((x + 0.99) / factor) || v != static_cast<int>((y + 0.99) / factor)) continue;
            const QRgb a = art.pixel(u, v), want = qAlpha(a) == 255 ? a : 0xFF000000u | home.back;
            const QRgb got = shot.pixel(at + QPoint(x, y));  // give or take a rounding
            ASSERT_LE(qAbs(qRed(got) - qRed(want)) + qAbs(qGreen(got) - qGreen(want)) + qAbs(qBlue(got) - qBlue(want)), 2)
                << x << "," << y;
        }

    marked(20, 6);
    const QRectF sq = rect(board.SQUARE(20));
    const QPointF beyond[] = {{sq.left() - 1, sq.top()}, {sq.left(), sq.top() - 1},
                              {sq.right(), sq.bottom() - 1}, {sq.right() - 1, sq.bottom()}};
    for (const QPointF& p : beyond) clickAt(p);
    EXPECT_EQ(board.players(1, 1), 20);
    const auto left = [&] { return board.SQUARE(20).picture != counterOf(1); };
    EXPECT_TRUE(clickAndSee(sq.bottomRight() - QPointF(1, 1), left));

    // the die, also at the corner where the hidden roll position 12 overlaps it
    const QRectF die = rect(board.dicethrow(0));
    const auto rolling = [&] { return board.paused() && !board.dicethrow(15).enabled; };
    EXPECT_TRUE(clickAndSee(die.topLeft(), rolling));
    EXPECT_TRUE(clickAndSee(die.bottomRight() - QPointF(1, 1), rolling));
}

TEST_F(WindowTest, TitleShapeMenusAndTheirCheckMarks) {
    EXPECT_EQ(window.windowTitle(), "Skarpo");
    EXPECT_EQ(canvas.size(), QSize(543, 531));
    EXPECT_EQ(canvas.minimumSize(), canvas.maximumSize());
    const auto bar = window.menuBar()->actions();
    ASSERT_EQ(texts(bar), "New Game, AutoPlay, Options");
    auto menus = [&] { return texts(bar[1]->menu()->actions()) + "; " + texts(bar[2]->menu()->actions()); };
    EXPECT_EQ(menus(), "Auto[ ]; Sound[ ]");
    window.soundAction().trigger();
    window.autoAction().trigger();
    window.newGameAction().trigger();  // keeps both settings
    EXPECT_TRUE(board.sound == -1 && board.autoplay);
    EXPECT_EQ(menus(), "Auto[ ]x; Sound[ ]x");
}

TEST_F(WindowTest, WhereTheBoardDoesNotListenClicksChangeNothingAndNoTipShows) {
    auto tipAt = [&](QPointF p) {
        QHelpEvent help(QEvent::ToolTip, p.toPoint(), canvas.mapToGlobal(p.toPoint()));
        QApplication::sendEvent(&canvas, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    // (no tip first: one going away fades out slowly)
    EXPECT_EQ(tipAt(rect(board.SQUARE(57)).center()), "");  // the one ring square without a tip
    EXPECT_EQ(tipAt(QPointF(3, 3)), "");
    EXPECT_EQ(tipAt(rect(board.dicethrow(0)).center()), "Click me to roll the dice");
    EXPECT_EQ(tipAt(rect(board.SQUARE(3)).center()), "Click me to move the counter");

    const auto squares = board.SQUARE;
    const auto dicethrow = board.dicethrow;
    clickAt(rect(board.SQUARE(2)).center());     // not marked
    clickAt(rect(board.dicethrow(5)).center());  // hidden, inside the frames
    clickAt(rect(board.home(6)).center());       // a final place
    clickAt(QPointF(3, 3));                      // the board itself
    clickAt(rect(board.dicethrow(0)).center(), Qt::RightButton);
    EXPECT_TRUE(board.SQUARE == squares && board.dicethrow == dicethrow);
    EXPECT_FALSE(board.paused());
}

// A counter moves in steps of 0.2 seconds: "New Game" in the middle of it
// lays out a fresh game at once, and closing the window ends it at once.
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
        EXPECT_EQ(exits, closing ? 1 : 0);
        EXPECT_EQ(board.closed(), closing);
        if (closing) break;
        test::Game fresh;
        fresh.board.chooseNewGame();
        EXPECT_EQ(test::differences(board, fresh.board), "");
    }
}

TEST_F(WindowTest, TimerTicksPlayForPlayerOneOnceASecondWhenAutoIsOn) {
    window.autoAction().trigger();
    QElapsedTimer clock;
    clock.start();
    window.timer1().start();
    qint64 clicked = -1;
    const auto w = watch([&] {
        if (board.dicethrow(15).enabled) return false;
        clicked = clock.elapsed();  // the tick clicked the die: that is enough
        return true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicked >= 0 && !board.paused(); }, 2000));
    EXPECT_GE(clicked, 950);
    EXPECT_LT(clicked, 1400);
}

TEST(QtPlatformTest, PausesKeepEventsFlowingAndCanBeCutShort) {
    QtPlatform platform;
    int repaints = 0;
    platform.beforePause = [&] { ++repaints; };
    bool delivered = false;
    QTimer::singleShot(0, [&] { delivered = true; });
    platform.wait(0);
    EXPECT_FALSE(delivered || repaints);  // no pause, no events

    const std::clock_t cpu = std::clock();
    QElapsedTimer clock;
    clock.start();
    platform.wait(0.3f);
    EXPECT_TRUE(delivered && repaints == 1);
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_LT(clock.elapsed(), 600);
    EXPECT_LT(std::clock() - cpu, CLOCKS_PER_SEC / 10);  // asleep, not spinning

    clock.restart();
    QTimer::singleShot(100, [&] { platform.interrupt(); });
    platform.wait(5.0f);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_FALSE(platform.waiting());
}

// The capture sound never holds up the window: rings made while the sound
// system is slow to answer, and then missing, each beep on the window's thread.
TEST(AlertSound, RingsNeverWaitAndFallBackToTheBeep) {
    int opens = 0, beeps = 0;
    AlertSound alert(
        [&]() -> std::unique_ptr<AlertSound::Player> {
            ++opens;
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
            return nullptr;
        },
        [&] { beeps += QThread::currentThread() == qApp->thread() ? 1 : 100; });
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 3; ++i) alert.ring();
    EXPECT_LT(clock.elapsed(), 50);
    EXPECT_TRUE(QTest::qWaitFor([&] { return beeps >= 3; }, 5000));
    EXPECT_TRUE(alert.failed());
    alert.ring();  // and from now on at once, without asking again
    EXPECT_EQ(beeps, 4);
    EXPECT_EQ(opens, 1);
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
