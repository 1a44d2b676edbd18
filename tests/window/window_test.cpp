// SPDX-License-Identifier: GPL-3.0-or-later
// The real window: its pixels, the board growing, clicks, tips, repaints, the status line, moves cut short, the
// timer, the platform's wake-up call, the sound. ctest runs `Pixels` again at QT_SCALE_FACTOR 2, `Scaled` at 1.5
// and 2.
#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPainter>
#include <QRegularExpression>
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
// (a frame's edge black, k pixels wide) under its artwork, artwork pixels k by k; a player's empty place with the
// player's shape.
std::string misdrawn(const QImage& got, const Canvas& canvas, int k, QPoint origin) {
    QImage want(got.size(), QImage::Format_RGB32);
    want.fill(QColor::fromRgb(colour::window));
    QPainter painter(&want);
    for (ViewId id : Views::all()) {
        const View& v = canvas.viewOf(id);
        if (!v.visible) continue;
        const Rect at = rectOf(id);
        const QRect r(origin + QPoint(at.left, at.top) * k / 15, QSize(at.width, at.height) * k / 15);
        painter.fillRect(r, QColor::fromRgb(id.family == Family::Frame ? 0 : v.back));
        painter.fillRect(r.adjusted(k, k, -k, -k), QColor::fromRgb(v.back));
        painter.setClipRect(r);
        Place place;
        const int owner = v.picture == Picture::Blank ? playerOf(id, place) : 0;
        const QImage art = owner ? Canvas::emptyPlace(owner) : canvas.art(v.picture).toImage();
        if (v.picture != Picture::None) painter.drawImage(r.topLeft(), art.scaled(32 * k, 32 * k));
        painter.setClipping(false);
    }
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x)
            if (got.pixel(x, y) != want.pixel(x, y)) return "pixel " + std::to_string(x) + "," + std::to_string(y);
    return "";
}

// The regions of the canvas painted, in logical pixels.
struct PaintLog : QObject {
    std::vector<QRegion> paints;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) paints.push_back(static_cast<QPaintEvent*>(e)->region());
        return false;
    }
    // What was painted since the last call, once the repaints asked for are done.
    QRegion take() {
        QCoreApplication::sendPostedEvents();
        QRegion all;
        for (const QRegion& r : std::exchange(paints, {})) all += r;
        return all;
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
        EXPECT_EQ(misdrawn(shown(), canvas, k * f, origin * f), "") << "a new game";
        marked({8}, 4);
        EXPECT_EQ(misdrawn(shown(), canvas, k * f, origin * f), "") << "square 8 marked, the throw on the board";
    }
}

// The board takes the largest size in eighths of its own that fits and lies centred, its squares on whole device
// pixels and exactly where the pointer finds them; clicks follow to the pixel, tips only where a click is taken.
TEST_F(Scaled, TheBoardGrowsCentredAndClicksAndTipsFollowIt) {
    clickAt(rect(die).topLeft());  // the die, at its corner where the hidden roll position 12 overlaps it
    EXPECT_EQ(table.phase(), Phase::Animating);
    marked({20}, 6);
    QRectF sq = rect(square(20));  // just outside it, with the other button, on a hidden view: nothing
    for (QPointF p : {QPointF(sq.left() - 1, sq.top()),
                      {sq.left(), sq.top() - 1},
                      {sq.right(), sq.bottom() - 1},
                      {sq.right() - 1, sq.bottom()},
                      rect(view(Family::Die, 5)).center()})
        clickAt(p);
    clickAt(sq.center(), Qt::RightButton);
    EXPECT_EQ(table.phase(), Phase::MarksWait);

    // a ring square's side in device pixels for each canvas size, at scale factors 1, 1.5 and 2
    const std::map<qreal, std::vector<qreal>> side = {{1.0, {32, 56, 60}}, {1.5, {48, 88, 88}}, {2.0, {64, 116, 120}}};
    const QSize sizes[] = {{700, 560}, {1000, 1000}, {1371, 1009}};
    const qreal px = 1 / factor;  // a device pixel
    auto found = [&](QPointF p, int s) { return canvas.viewAt(p) == std::optional(square(s)); };
    for (std::size_t n = 0; n < std::size(sizes); ++n) {
        SCOPED_TRACE(testing::Message() << sizes[n].width() << "x" << sizes[n].height());
        ASSERT_TRUE(canvasSize(sizes[n]));
        for (int s = 1; s <= 60; ++s) {
            const QRectF r = rect(square(s)), device(r.topLeft() * factor, r.size() * factor);
            EXPECT_TRUE(device == device.toAlignedRect() && device.width() == side.at(factor).at(n)) << s;
            EXPECT_TRUE(found(r.topLeft(), s) && found(r.bottomRight() - QPointF(px, px) / 2, s)) << s;
            EXPECT_FALSE(found(r.topLeft() - QPointF(px, 0), s) || found(r.topLeft() - QPointF(0, px), s) ||
                         found(r.bottomRight(), s))
                << s;
        }
        // the board centred: its ring half a pixel of the board right of the centre and a pixel and a half above it
        const QPointF off = rect(square(27)).united(rect(square(57))).center() - QRectF(canvas.rect()).center() -
                            QPointF(0.5, -1.5) * rect(square(1)).width() / 32;
        EXPECT_TRUE(std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1) << off.x() << ", " << off.y();
    }

    window.newGameAction().trigger();
    EXPECT_EQ(tipAt(rect(die).center()), "Click me to roll the dice");
    marked({20}, 6);  // the die hidden, the throw lying on the board, the green, a square not marked: no tip
    sq = rect(square(20));
    EXPECT_EQ(tipAt(rect(die).center()) + tipAt(rect(view(Family::Die, 15)).center()) + tipAt(QPointF(3, 3)) +
                  tipAt(rect(square(3)).center()),
              "");
    EXPECT_EQ(tipAt(sq.center()), "Square 20: to 26\nClick me to move the counter");  // where its move ends
    clickAt(sq.bottomRight() - QPointF(1, 1));
    EXPECT_EQ(table.phase(), Phase::Animating) << "the counter moves";
    EXPECT_EQ(tipAt(sq.center()), "");
}

// The window shrinks down to the board at scale factor 1, maximises, and goes full screen and back, the menu's check
// mark following whatever took it there, F11 as the menu's key.
TEST_F(WindowTest, TheWindowResizesMaximisesAndGoesFullScreen) {
    window.resize(200, 200);
    EXPECT_TRUE(QTest::qWaitFor([&] { return canvas.size() == QSize(543, 531); }, 2000)) << canvas.width();
    window.showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isMaximized() && rect(square(1)).width() > 32; }, 2000));
    QAction& full = window.fullScreenAction();
    window.setWindowState(window.windowState() | Qt::WindowFullScreen);  // as the window manager may
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isFullScreen() && full.isChecked(); }, 2000));
    QTest::keyClick(&window, Qt::Key_F11);  // back as it was: maximised
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isFullScreen(); }, 2000));
    EXPECT_TRUE(window.isMaximized() && !full.isChecked());
}

// Nothing is repainted while nothing changes, timer ticks included. Each step of the board repaints the views it
// changed, and nothing else, before the next step: through a throw, which repaints only the die's places, a move
// and the computers' turns, until the die waits again.
TEST_F(WindowTest, OnlyWhatChangedIsRepainted) {
    PaintLog log;
    canvas.installEventFilter(&log);
    QTest::qWait(30);
    log.take();
    window.timer1().start(5);
    QTest::qWait(60);
    window.timer1().stop();
    EXPECT_TRUE(log.take().isEmpty()) << "nothing changed";

    window.platform().pauseScale = 0.05;
    Game g;  // red's die waits, a red counter on square 20
    g.opened = true;
    place(g.position, 1, {20});
    take(g);
    log.take();
    QRegion dice;
    for (int i = 0; i <= 15; ++i) dice += cover(rect(view(Family::Die, i)));
    int steps = 0;
    const auto check = [&](const std::function<void()>& step) {
        const Views before = table.views();
        const bool roll = table.game().animation.stage == Stage::Roll;
        step();
        QRegion changed;
        for (ViewId v : Views::all())
            if (looks(before[v]) != looks(table.views()[v])) changed += cover(rect(v));
        const QRegion painted = log.take();
        EXPECT_EQ(painted, changed) << "step " << steps;
        EXPECT_TRUE(!roll || (painted - dice).isEmpty()) << "step " << steps;
        ++steps;
    };
    window.platform().due = [&, step = window.platform().due] { check(step); };
    for (Phase waits : {Phase::DieWaits, Phase::MarksWait}) {  // the die, then the mark
        ASSERT_EQ(table.phase(), waits);
        check([&] { canvas.activate(table.clickable().front()); });
        ASSERT_TRUE(QTest::qWaitFor([&] { return table.phase() != Phase::Animating; }, 20000));
    }
    EXPECT_EQ(table.phase(), Phase::DieWaits);
    EXPECT_GT(steps, 16);
}

// The status line: what the last step of the board told, then what waits for red; beside it every player's last
// throw until that player's next, as a screen reader hears it.
TEST_F(WindowTest, TheStatusLineSaysWhatHappenedAndWhatPlayerOneCanDo) {
    StatusLine& line = window.status();
    Position at = Position::fresh();  // red on 20, green on 25; red's throw of 5 rolls
    place(at, 1, {20});
    place(at, 4, {progressOf(4, 25)});
    Game g = rolling(at, 1, 5);
    g.lastThrows = {0, 0, 4, 2, 0};
    take(g);
    settle(window);
    EXPECT_EQ(status(), "Your throw: 5. Choose a yellow counter");
    QStringList tray;
    for (int p = 1; p <= 4; ++p) tray << line.throwLabel(p).text() + " " + line.throwLabel(p).accessibleName();
    EXPECT_EQ(tray.join(", "),
              "5 Your last throw: 5, 4 Cyan's last throw: 4, 2 Magenta's last throw: 2, "
              "\u2013 Green's last throw: none yet");
    // red captures green; each computer's turn told as it comes, in turn, until the die waits for red again
    canvas.activate(square(20));
    QStringList said{window.status().text()};
    settle(window, [&] {
        if (said.last() != window.status().text()) said << window.status().text();
    });
    const QString told = said.join('|');
    EXPECT_TRUE(QRegularExpression("^Your throw: 5\\|You captured a green counter\\|(Cyan [^|]+\\|)+(Magenta [^|]+\\|)+"
                                   "(Green [^|]+\\|)*Green [^|]+\\. Your turn: click the die$")
                    .match(told)
                    .hasMatch())
        << told.toStdString();
    at = Position::fresh();  // a six that moves nothing
    place(at, 1, {}, {5, 6}, 2);
    take(rolling(at, 1, 6));
    settle(window);
    EXPECT_EQ(status(), "No move with 6. Click the die to throw again");
    window.autoAction().trigger();
    EXPECT_EQ(status(), "Automatic play is on");
    window.autoAction().trigger();
    window.soundAction().trigger();
    EXPECT_EQ(status(), "Sound is on. Click the die to throw again");
    window.newGameAction().trigger();
    EXPECT_EQ(status() + line.throwLabel(1).text().toStdString(), "New game. Click the die to start\u2013");
}

// A counter is moving when New Game lays out a fresh game, or, with automatic play on, when the end comes (a close
// request, or the session's end by a signal): automatic play goes off and the program is ended once. Either way at
// once, and the move goes no further.
TEST_P(Ending, CutsTheMoveShort) {
    const int how = GetParam();
    SessionEnd session([this](int) { window.endProgram(); });
    if (how != newGame) window.autoAction().trigger();
    marked({20}, 6);
    clickAt(rect(square(20)).center());
    QTest::qWait(100);
    ASSERT_EQ(table.phase(), Phase::Animating);
    QElapsedTimer since;
    since.start();
    QCloseEvent request;
    if (how == newGame) window.newGameAction().trigger();
    if (how == closeRequest) QCoreApplication::sendEvent(window.windowHandle(), &request);
    if (how > 0) std::raise(how);
    EXPECT_TRUE(QTest::qWaitFor([&] { return how == newGame || exits > 0; }, 2000));
    EXPECT_LT(since.elapsed(), late);
    const Views then = table.views();
    QTest::qWait(300);  // longer than any step
    EXPECT_TRUE(table.views() == then && !window.platform().waiting() && !table.game().autoplay);
    EXPECT_EQ(exits, how == newGame ? 0 : 1);
    EXPECT_EQ(table.phase(), how == newGame ? Phase::DieWaits : Phase::Closed);
    if (how != newGame) return;
    QtPlatform platform;
    const Table fresh(platform, table.game().options);
    EXPECT_TRUE(table.views() == fresh.views() && table.game().position == fresh.game().position);
}

INSTANTIATE_TEST_SUITE_P(Each, Ending, ::testing::Values(newGame, closeRequest, SIGTERM, SIGHUP, SIGINT),
                         [](const ::testing::TestParamInfo<int>& p) {
                             return p.param == newGame        ? std::string("newGame")
                                    : p.param == closeRequest ? std::string("closeRequest")
                                                              : "SIG" + std::string(sigabbrev_np(p.param));
                         });

// Timer1 sleeps while automatic play is off, when a tick does nothing; on, it ticks on the window's whole seconds
// and plays for red.
TEST_F(WindowTest, TimerTicksPlayForPlayerOneOnceASecondWhenAutoIsOn) {
    QTest::qWait(300);  // off the window's whole seconds
    window.soundAction().trigger();
    EXPECT_FALSE(Window().timer1().isActive() || window.timer1().isActive());  // as made, and after a command
    qint64 thrown = -1;                                                        // when a tick threw the die
    QObject::connect(&window.timer1(), &QTimer::timeout, [&] {
        if (thrown < 0 && table.phase() != Phase::DieWaits) thrown = window.timer1Phase().elapsed();
    });
    const qint64 onAt = window.timer1Phase().elapsed();
    window.autoAction().trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return thrown >= 0; }, 2000));
    const qint64 tick = (onAt / 1000 + 1) * 1000;
    EXPECT_TRUE(thrown >= tick - 5 && thrown < tick + late) << thrown << " for a tick at " << tick;
    EXPECT_EQ(window.timer1().interval(), 1000);
    window.autoAction().trigger();
    EXPECT_FALSE(window.timer1().isActive());
}

// The platform calls back once, as long after the call to wake as asked whatever the caller does next; a later
// call takes the place of an earlier one, and a negative time asks for none; meanwhile it sleeps.
TEST(QtPlatformTest, WakesOnTimeOnceAndSleepsMeanwhile) {
    QtPlatform platform;
    QElapsedTimer clock;
    std::vector<qint64> calls;
    platform.due = [&] { calls.push_back(clock.elapsed()); };
    const std::clock_t cpu = std::clock();
    clock.start();
    platform.wake(1);
    platform.wake(0.3f);
    QThread::msleep(late + 50);  // as a long repaint would
    EXPECT_TRUE(platform.waiting());
    QTest::qWait(1300);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_TRUE(calls[0] >= 300 && calls[0] < 300 + late) << calls[0];
    EXPECT_FALSE(platform.waiting());
    platform.wake(0.05f);
    platform.wake(-1);
    EXPECT_FALSE(platform.waiting());
    QTest::qWait(200);
    EXPECT_EQ(calls.size(), 1u);
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
