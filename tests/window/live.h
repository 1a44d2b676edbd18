// SPDX-License-Identifier: GPL-3.0-or-later
// The real window, shown on Qt's offscreen platform (or the one the environment names), clicked and pressed
// through its top-level window as the screen's events arrive; positions set up as game values: the fixtures the
// window tests share.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QBackingStore>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <functional>
#include <tuple>
#include <vector>

#include "core/rules/rulebook.h"
#include "window/board/canvas.h"
#include "window/window.h"
#include "window/words/status.h"

namespace skarpo::test {

// How late, in ms, a wake-up call, a tick or a reply may come: a few ms on an idle machine, up to about 70 beside two
// busy processes on two cores; every fault looked for (a pause counted from after what its start does, a tick a
// second off, a sound that holds the window up) makes it later still.
constexpr qint64 late = 200;

inline constexpr ViewId die{Family::Die, 0};
inline ViewId view(Family f, int i) { return {f, static_cast<std::int8_t>(i)}; }
inline ViewId square(int s) { return view(Family::Ring, s); }

// How a view looks: a hidden one looks like any other hidden one.
inline std::tuple<bool, Picture, Colour> looks(const View& v) {
    return v.visible ? std::tuple(true, v.picture, v.back) : std::tuple(false, Picture::None, Colour{});
}

// Player p's counters: on ring progress `ring` (below 1: waiting), at home-column positions `column`, and `home` of
// them in final places (where red's, a person's, stay at 100).
inline void place(Position& at, int p, std::vector<int> ring, std::vector<int> column = {}, int home = 0) {
    int j = 0;
    for (int k : ring) {
        at.players(p, ++j) = static_cast<std::int16_t>(k);
        for (int s = squareOf(p, k); k > 0 && s <= 69; s += 60) at.squares(s) = static_cast<std::int16_t>(p);
    }
    for (int k : column) at.players(p, ++j) = inHomeColumn, at.homerow(p, k) = 1;
    for (int n = 0; n < home; ++n) at.players(p, ++j) = p == 1 ? inHomeColumn : finished;
    at.homerow(p, 7) = home;
    at.players(p, 5) = static_cast<std::int16_t>(static_cast<int>(column.size()) + home);
}

// An opened game in which `player` has just thrown `thrown`: the throw lies on the board and the marks wait.
inline Game thrownOn(const Position& at, int player, int thrown) {
    Game g;
    g.position = at;
    g.opened = true;
    g.thrower = g.next = player;
    g.thrown = g.lastThrows[static_cast<std::size_t>(player)] = thrown;
    g.marks = legalMoves(at, player, thrown);
    g.phase = Phase::MarksWait;
    g.scene = {Scene::Die::Hidden, static_cast<std::int8_t>(thrown), static_cast<std::int8_t>(player)};
    return g;
}

// The same game a moment earlier: the die has just begun to roll for `player`, to come to rest on `thrown`.
inline Game rolling(const Position& at, int player, int thrown) {
    Game g = thrownOn(at, player, 0);
    g.phase = Phase::Animating;
    g.marks = {};
    g.scene.die = Scene::Die::Waits;
    g.animation.stage = Stage::Roll;
    g.animation.faces.fill(3);
    g.animation.roll = static_cast<std::int8_t>(thrown);
    return g;
}

// The board's steps one after another, each as soon as the one before is shown, as if its pause were over (the
// window's own handling of the platform's call), until nothing moves and the die or a mark waits for a person; a die
// waiting for the computer is thrown by the window's timer. `eachStep` runs after every step.
inline void settle(Window& w, const std::function<void()>& eachStep = {}) {
    QtPlatform& clock = w.platform();
    for (int n = 0; n < 200000; ++n) {
        if (clock.waiting()) {
            clock.wake(-1);
            clock.due();
            if (eachStep) eachStep();
        } else if (w.table().phase() != Phase::DieWaits || !w.table().ticksMatter() ||
                   !QTest::qWaitFor([&] { return w.table().phase() != Phase::DieWaits; }, 3000)) {
            return;
        }
    }
}

// Points are in logical pixels of the canvas.
struct Live : ::testing::Test {
    Window window;
    Table& table = window.table();
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
    std::optional<ViewId> focus() const { return canvas.focusView(); }
    std::string status() { return window.status().text().toStdString(); }
    QRectF rect(ViewId v) const { return canvas.rectOf(v); }
    void clickAt(QPointF p, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window.windowHandle(), button, {}, canvas.mapTo(&window, p.toPoint()));
    }
    bool canvasSize(QSize size) {
        window.resize(window.size() + size - canvas.size());
        return QTest::qWaitFor([&] { return canvas.size() == size; }, 2000);
    }
    // The game taken up where `g` stands, at the options in force, the window following it.
    void take(Game g) {
        g.options = table.game().options;
        table.takeUp(g);
        window.followBoard();
        canvas.refresh();
    }
    // Red has thrown `thrown` with counters on ring squares `ring` and home-column positions `column`, the others
    // waiting: the marks wait.
    void marked(std::vector<int> ring, int thrown, std::vector<int> column = {}) {
        Position at = Position::fresh();
        place(at, 1, std::move(ring), std::move(column));
        take(thrownOn(at, 1, thrown));
    }
    // The canvas in device pixels as the window's backing store holds it, painted piece by piece as views changed.
    QImage shown() {
        QCoreApplication::sendPostedEvents();  // the repaints asked for
        const QRectF at(QPointF(canvas.mapTo(&window, QPoint(0, 0))) * factor, QSizeF(canvas.size()) * factor);
        const auto* store = static_cast<QImage*>(window.backingStore()->paintDevice());
        return store->copy(at.toAlignedRect()).convertToFormat(QImage::Format_RGB32);
    }
    // A rectangle in logical pixels as the device pixels it covers.
    QRect device(const QRectF& r) const { return QRectF(r.topLeft() * factor, r.size() * factor).toAlignedRect(); }
    // How many device pixels differ between two pictures of the canvas, and how many of them lie outside `allowed`.
    static std::pair<int, int> changes(const QImage& a, const QImage& b, const QRegion& allowed) {
        int changed = 0, astray = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y)) ++changed, astray += !allowed.contains(QPoint(x, y));
        return {changed, astray};
    }
    // The tip shown for a point, once any earlier tip has gone (it fades out slowly).
    QString tipAt(QPointF p) {
        QToolTip::hideText();
        EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 3000));
        QHelpEvent help(QEvent::ToolTip, p.toPoint(), canvas.mapToGlobal(p.toPoint()));
        QApplication::sendEvent(&canvas, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
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
