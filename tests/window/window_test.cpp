// SPDX-License-Identifier: GPL-3.0-or-later
// The real window: its pixels, the board growing, clicks, tips, repaints, the status line, moves cut short, the
// timer, the pauses, the sound. ctest runs `Pixels` again at QT_SCALE_FACTOR 2, `Scaled` at 1.5 and 2.
#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPainter>
#include <QThread>
#include <csignal>
#include <ctime>
#include <map>

#include "tests/window/live.h"
#include "window/platform/alertsound.h"
#include "window/platform/sessionend.h"

using namespace skarpo;
using namespace skarpo::test;

namespace {

// The first pixel of `got` unlike the canvas drawn by hand in device pixels: the board's green, then each visible
// view in drawing order, the board's top left at `origin`, k device pixels to a pixel of the board: its background
// (a frame's edge black, k pixels wide) under its artwork, artwork pixels k by k.
std::string misdrawn(const QImage& got, const Board& b, const Canvas& canvas, int k, QPoint origin) {
    QImage want(got.size(), QImage::Format_RGB32);
    want.fill(0xFF000000u | colour::window);
    QPainter painter(&want);
    auto paint = [&](const View& v) {
        if (!v.visible) return;
        const QRect r(origin.x() + v.left * k / 15, origin.y() + v.top * k / 15, v.width * k / 15, v.height * k / 15);
        painter.fillRect(r, QColor::fromRgb(v.framed ? colour::black : v.back));
        painter.fillRect(r.adjusted(k, k, -k, -k), QColor::fromRgb(v.back));
        painter.setClipRect(r);
        if (v.picture != Picture::None)
            painter.drawImage(r.topLeft(), canvas.art(v.picture).toImage().scaled(32 * k, 32 * k));
        painter.setClipping(false);
    };
    for (int i = 7; i >= 0; --i) paint(b.Label1(i));
    for (const FamilyOfViews& family : viewFamilies)
        if (family.views != &Board::Label1)
            for (int i : (b.*family.views).indices()) paint((b.*family.views)(i));
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
}

// The regions of the canvas painted, in logical pixels; take() hands them over once the queued repaints are done.
struct PaintLog : QObject {
    std::vector<QRegion> paints;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) paints.push_back(static_cast<QPaintEvent*>(e)->region());
        return false;
    }
    std::vector<QRegion> take() {
        QTest::qWait(30);
        return std::exchange(paints, {});
    }
};

QRegion cover(const QRectF& r) { return QRegion(r.toAlignedRect()); }

struct Ending : Live, ::testing::WithParamInterface<int> {};
constexpr int newGame = -1, closeRequest = 0;

}  // namespace

// Every device pixel of the canvas against the views, at the window's first size and at one that is no whole
// multiple of the board: at a new game, and repainted piece by piece once a counter is marked.
TEST_F(Pixels, TheCanvasShowsTheViewsAsTheyStand) {
    const int f = qRound(factor);
    for (auto [size, k, origin] : {std::tuple(QSize(543, 531), 1, QPoint()), {QSize(1200, 1090), 2, QPoint(57, 14)}}) {
        SCOPED_TRACE(k);
        ASSERT_TRUE(canvasSize(size));
        window.newGameAction().trigger();
        ASSERT_EQ(shown().size(), size * f);
        EXPECT_EQ(misdrawn(shown(), board, canvas, k * f, origin * f), "") << "a new game";
        marked({8}, 4);
        board.dicethrow(5).picture = dieFace(6);  // hidden, over the frames
        EXPECT_EQ(misdrawn(shown(), board, canvas, k * f, origin * f), "") << "square 8 marked";
    }
}

// The board takes the largest size in eighths of its own that fits and lies centred, its squares on whole device
// pixels and exactly where the pointer finds them; clicks follow to the pixel, tips only where a click is taken.
TEST_F(Scaled, TheBoardGrowsCentredAndClicksAndTipsFollowIt) {
    // the die, at its corner where the hidden roll position 12 overlaps it
    EXPECT_TRUE(clickAndSee(rect(board.dicethrow(0)).topLeft(), [&] { return board.paused(); }));
    marked({20}, 6, true);
    QRectF sq = rect(board.SQUARE(20));  // just outside it, with the other button, on a hidden view: nothing
    for (QPointF p : {QPointF(sq.left() - 1, sq.top()),
                      {sq.left(), sq.top() - 1},
                      {sq.right(), sq.bottom() - 1},
                      {sq.right() - 1, sq.bottom()},
                      rect(board.dicethrow(5)).center()})
        clickAt(p);
    clickAt(sq.center(), Qt::RightButton);
    EXPECT_TRUE(board.players(1, 1) == 20 && !board.paused());

    // a ring square's side in device pixels for each canvas size, at scale factors 1, 1.5 and 2
    const std::map<qreal, std::vector<qreal>> side = {{1.0, {32, 56, 60}}, {1.5, {48, 88, 88}}, {2.0, {64, 116, 120}}};
    const QSize sizes[] = {{700, 560}, {1000, 1000}, {1371, 1009}};
    const qreal px = 1 / factor;  // a device pixel
    auto found = [&](QPointF p, int s) { return canvas.viewAt(p) == std::optional(square(s)); };
    for (std::size_t n = 0; n < std::size(sizes); ++n) {
        SCOPED_TRACE(testing::Message() << sizes[n].width() << "x" << sizes[n].height());
        ASSERT_TRUE(canvasSize(sizes[n]));
        for (int s = 1; s <= 60; ++s) {
            const QRectF r = rect(board.SQUARE(s)), device(r.topLeft() * factor, r.size() * factor);
            EXPECT_TRUE(device == device.toAlignedRect() && device.width() == side.at(factor).at(n)) << s;
            EXPECT_TRUE(found(r.topLeft(), s) && found(r.bottomRight() - QPointF(px, px) / 2, s)) << s;
            EXPECT_FALSE(found(r.topLeft() - QPointF(px, 0), s) || found(r.topLeft() - QPointF(0, px), s) ||
                         found(r.bottomRight(), s))
                << s;
        }
        // the board centred: its ring half a pixel of the board right of the centre and a pixel and a half above it
        const QPointF off = rect(board.SQUARE(27)).united(rect(board.SQUARE(57))).center() -
                            QRectF(canvas.rect()).center() - QPointF(0.5, -1.5) * rect(board.SQUARE(1)).width() / 32;
        EXPECT_TRUE(std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1) << off.x() << ", " << off.y();
    }

    board.chooseNewGame();
    const QPointF dieAt = rect(board.dicethrow(0)).center();
    EXPECT_EQ(tipAt(dieAt), "Click me to roll the dice");
    board.dicethrow(0).enabled = false;  // the die disabled, the green, a square not marked
    EXPECT_EQ(tipAt(dieAt) + tipAt(QPointF(3, 3)) + tipAt(rect(board.SQUARE(3)).center()), "");
    marked({20}, 6, true);
    sq = rect(board.SQUARE(20));
    EXPECT_EQ(tipAt(sq.center()), "Square 20: to 26\nClick me to move the counter");  // where its move ends
    insideAPause([&] { EXPECT_EQ(tipAt(sq.center()), ""); });
    board.dicethrow(15).visible = true;  // the throw lying on the board: "Click me to start the game" no more
    EXPECT_EQ(tipAt(rect(board.dicethrow(15)).center()), "");
    EXPECT_TRUE(clickAndSee(sq.bottomRight() - QPointF(1, 1), [&] { return board.paused(); }));  // the counter moves
}

// The window shrinks down to the board at scale factor 1, maximises, and goes full screen and back, the menu's check
// mark following whatever took it there, F11 as the menu's key.
TEST_F(WindowTest, TheWindowResizesMaximisesAndGoesFullScreen) {
    window.resize(200, 200);
    EXPECT_TRUE(QTest::qWaitFor([&] { return canvas.size() == QSize(543, 531); }, 2000)) << canvas.width();
    window.showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isMaximized() && rect(board.SQUARE(1)).width() > 32; }, 2000));
    QAction& full = window.fullScreenAction();
    window.setWindowState(window.windowState() | Qt::WindowFullScreen);  // as the window manager may
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isFullScreen() && full.isChecked(); }, 2000));
    QTest::keyClick(&window, Qt::Key_F11);  // back as it was: maximised
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isFullScreen(); }, 2000));
    EXPECT_TRUE(window.isMaximized() && !full.isChecked());
}

// Nothing is repainted while nothing changes, timer ticks included; a change repaints the views it touched, their
// old and new places, inside the pause that follows; a whole throw repaints only the die's positions.
TEST_F(WindowTest, OnlyWhatChangedIsRepainted) {
    PaintLog log;
    canvas.installEventFilter(&log);
    log.take();
    window.timer1().start(5);
    QTest::qWait(60);
    window.timer1().stop();
    EXPECT_EQ(log.take().size(), 0u) << "nothing changed";

    board.SQUARE(7).picture = counterOf(2);
    board.dicethrow(5).picture = dieFace(3);  // hidden
    board.dicethrow(3).visible = true;
    canvas.refresh();
    EXPECT_EQ(log.take(), std::vector{cover(rect(board.SQUARE(7))) + cover(rect(board.dicethrow(3)))});
    board.dicethrow(3).visible = false;  // the die moves on
    board.dicethrow(4).visible = true;
    board.wait(0.05f);
    EXPECT_EQ(log.paints, std::vector{cover(rect(board.dicethrow(3))) + cover(rect(board.dicethrow(4)))});

    board.dicethrow(4).visible = false;
    openedPosition(board);
    canvas.refresh();
    log.take();
    QRegion die;
    for (int i = 0; i <= 15; ++i) die += cover(rect(board.dicethrow(i)));
    std::vector<QRegion> paints;
    EXPECT_TRUE(clickAndSee(rect(board.dicethrow(0)).center(), [&] {
        paints = log.paints;  // up to the throw's result, before the New Game that follows
        return board.dicethrow(15).visible;
    }));
    EXPECT_GE(paints.size(), 14u);
    for (const QRegion& r : paints)
        EXPECT_TRUE((r - die).isEmpty()) << r.boundingRect().x() << "," << r.boundingRect().y();
}

TEST_F(WindowTest, TheStatusLineSaysWhatHappenedAndWhatPlayerOneCanDo) {
    StatusLine& line = window.status();
    using K = Happening::Kind;
    auto say = [&](std::initializer_list<Happening> happened) {
        for (const Happening& h : happened) board.happenings.publish(h);
        window.followBoard();
        return status();
    };
    marked({20}, 5, true);
    EXPECT_EQ(say({{K::Threw, 1, 5}}), "Your throw: 5. Choose a yellow counter");
    board.clearmarks();  // player 1 has moved: nothing waits for player 1 now
    EXPECT_EQ(say({{K::Captured, 1, 4},
                   {K::Threw, 2, 4},
                   {K::Captured, 2, 1},
                   {K::Threw, 3, 2},
                   {K::NoMove, 3, 2},
                   {K::Home, 4, 4},
                   {K::AllHome, 4}}),
              "You captured a green counter. Cyan threw 4. Cyan captured your counter. Magenta threw 2. Magenta cannot "
              "move with 2. A green counter reached a final place. Green has all four counters home");
    QStringList tray;  // every player's last throw until that player's next, and as a screen reader hears it
    for (int p = 1; p <= 4; ++p) tray << line.throwLabel(p).text() + " " + line.throwLabel(p).accessibleName();
    EXPECT_EQ(tray.join(", "),
              "5 Your last throw: 5, 4 Cyan's last throw: 4, 2 Magenta's last throw: 2, "
              "\u2013 Green's last throw: none yet");

    board.dicethrow(0).visible = board.dicethrow(0).enabled = true;  // the die waits for player 1
    EXPECT_EQ(say({{K::Threw, 4, 1}}), "Green threw 1. Your turn: click the die");
    EXPECT_EQ(say({{K::Threw, 1, 6}, {K::NoMove, 1, 6}}), "Your throw: 6. No move with 6. Click the die to throw again")
        << "and the prompt after player 1's own throw";
    board.autoplay = true;
    EXPECT_EQ(say({{K::AutoOn}}), "Automatic play is on");
    board.autoplay = false;
    EXPECT_EQ(say({{K::AutoOff}, {K::SoundOn}}), "Automatic play is off. Sound is on. Click the die to throw again");
    board.chooseNewGame();
    EXPECT_EQ(say({}), "New game. Click the die to start");
    EXPECT_EQ(line.throwLabel(1).text(), "\u2013");
}

// A counter is moving in steps of 0.2 s when New Game lays out a fresh game, or, with automatic play on, when the
// end comes: automatic play goes off and the program is ended once. Either way the paused move unwinds at once.
TEST_P(Ending, CutsThePausedMoveShort) {
    const int how = GetParam();
    SessionEnd session([this](int) { window.endProgram(); });
    if (how != newGame) window.autoAction().trigger();
    marked({20}, 6);
    QElapsedTimer since;
    const auto w = watch([&] {
        if (!board.paused() || since.isValid()) return false;
        since.start();
        QCloseEvent request;
        if (how == closeRequest) QCoreApplication::sendEvent(window.windowHandle(), &request);
        if (how > 0) std::raise(how);
        return how == newGame;
    });
    clickAt(rect(board.SQUARE(20)).center());
    ASSERT_TRUE(since.isValid());
    EXPECT_LT(since.elapsed(), late);
    EXPECT_FALSE(board.paused() || window.platform().waiting());
    EXPECT_TRUE(exits == (how != newGame) && board.closed() == (how != newGame) && !board.autoplay);
    Game fresh;
    fresh.board.chooseNewGame();
    EXPECT_EQ(how == newGame ? differences(board, fresh.board) : "", "");
}

INSTANTIATE_TEST_SUITE_P(Each, Ending, ::testing::Values(newGame, closeRequest, SIGTERM, SIGHUP, SIGINT),
                         [](const ::testing::TestParamInfo<int>& p) {
                             return p.param == newGame        ? std::string("newGame")
                                    : p.param == closeRequest ? std::string("closeRequest")
                                                              : "SIG" + std::string(sigabbrev_np(p.param));
                         });

// Timer1 sleeps while automatic play is off, when a tick does nothing; on, it ticks on the window's whole seconds
// and plays for player 1.
TEST_F(WindowTest, TimerTicksPlayForPlayerOneOnceASecondWhenAutoIsOn) {
    QTest::qWait(300);  // off the window's whole seconds
    window.soundAction().trigger();
    EXPECT_FALSE(Window().timer1().isActive() || window.timer1().isActive());  // as made, and after a command
    const qint64 onAt = window.timer1Phase().elapsed();
    window.autoAction().trigger();
    qint64 clicked = -1;  // when a tick clicked the die: that is enough
    const auto w = watch([&] {
        if (board.dicethrow(15).enabled) return false;
        clicked = window.timer1Phase().elapsed();
        return true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicked >= 0 && !board.paused(); }, 2000));
    const qint64 tick = (onAt / 1000 + 1) * 1000;
    EXPECT_TRUE(clicked >= tick - 5 && clicked < tick + late) << clicked << " for a tick at " << tick;
    EXPECT_EQ(window.timer1().interval(), 1000);
    window.autoAction().trigger();
    EXPECT_FALSE(window.timer1().isActive());
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
    platform.beforePause = [] { QThread::msleep(late + 50); };  // a pause that waited for this would be too late
    const std::clock_t cpu = std::clock();
    clock.start();
    platform.wait(0.3f);
    EXPECT_TRUE(inner >= 50 && inner < 50 + late) << inner;
    EXPECT_TRUE(clock.elapsed() >= 300 && clock.elapsed() < 300 + late) << clock.elapsed();
    EXPECT_LT(std::clock() - cpu, CLOCKS_PER_SEC / 10);  // asleep, not spinning
}

// The capture sound never holds up the window: rings made while the sound system is slow to answer, and then
// missing, each beep on the window's thread; and from then on at once, without asking it again.
TEST(AlertSound, RingsNeverWaitAndFallBackToTheBeep) {
    int opens = 0, beeps = 0;
    AlertSound alert([&] { return ++opens, QThread::msleep(late + 50), std::unique_ptr<AlertSound::Player>(); },
                     [&] { beeps += QThread::currentThread() == qApp->thread() ? 1 : 100; });
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 3; ++i) alert.ring();
    EXPECT_LT(clock.elapsed(), late);
    EXPECT_TRUE(QTest::qWaitFor([&] { return beeps >= 3; }, 5000));
    alert.ring();
    EXPECT_TRUE(alert.failed() && beeps == 4 && opens == 1) << beeps << " " << opens;
}
