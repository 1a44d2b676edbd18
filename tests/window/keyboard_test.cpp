// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard and the screen reader in the real window: a whole game from the keys alone, the focus, Enter and
// Space, the focus ring (ctest runs `Scaled` again at 1.5 and 2), the menus' keys, the accessible board.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QKeyEvent>

#include "tests/window/live.h"
#include "window/words/accessibility.h"

using namespace skarpo;
using namespace skarpo::test;

namespace {

// How much the person to play wants a marked move: a counter into a final place first, then a capture, then the
// counter farthest along, then a new counter.
int appeal(const Board& b, Hit h) {
    const int p = b.toPlay();
    const auto opponentOn = [&](int k) {
        return k <= 60 && b.squares(squareOf(p, k)) > 0 && b.squares(squareOf(p, k)) != p;
    };
    if (h.family == Family::home) return h.index % 10 + 1 + b.moves == 7 ? 3000 : 200 + h.index % 10;
    if (h.family == Family::start) return opponentOn(1) ? 2000 : 100;
    const int k = progressOf(p, h.index);
    return h.family == Family::SQUARE ? (opponentOn(k + b.moves) ? 2000 : 0) + k : -1;
}

// With persons at `seats`, Ctrl+N, then Enter or Space on the die or on the mark Tab or Shift+Tab chose, until the
// persons have captured and brought a counter into a final place; the invariants hold between two keys and at every
// pause (no focus there); the words name the colour to play unless red plays alone.
void wholeGameByKeys(Keys& t, std::array<Seat, 5> seats) {
    Window& window = t.window;
    Board& board = t.board;
    window.platform().pauseScale = 0.002;
    std::string atPause;
    long pauses = 0;
    window.platform().beforePause = [&, show = window.platform().beforePause] {
        ++pauses;
        show();
        if (atPause.empty()) atPause = std::string(pauseFaults(board)) + (t.focus() ? "the focus left on a view" : "");
    };
    board.options.seats = seats;
    t.key(Qt::Key_N, Qt::ControlModifier);
    auto seen = board.happenings.count();
    int keys = 0, presses = 0, captured = 0, home = 0;
    std::array<int, 5> turns{};
    for (; presses < 600 && (captured == 0 || home == 0); ++presses) {
        SCOPED_TRACE(testing::Message() << "press " << presses << ", key " << keys);
        ASSERT_EQ(board.dicethrow(15).enabled ? board.checkInvariants() : boardFaults(board), "");
        ASSERT_EQ(atPause, "");
        const auto chain = t.canvas.focusChain();
        ASSERT_TRUE(t.focus() && t.canvas.canTakeClick(*t.focus()))
            << "nothing waits for a person, or not with the focus";
        const int p = board.toPlay();
        ASSERT_TRUE(board.dicethrow(15).enabled || board.person(p)) << p;
        if (board.phase() == Phase::DieWaits && !board.dicethrow(15).enabled && !board.soleRed()) {
            const std::string colour[] = {"Red", "Cyan", "Magenta", "Green"};
            EXPECT_NE(t.status().find(colour[p - 1] + ": click the die"), std::string::npos) << t.status();
        }
        Hit target = chain.front();
        for (Hit h : chain)
            if (appeal(board, h) > appeal(board, target)) target = h;
        // the die waits alone and has the focus, or Tab goes round the marks to the one chosen (Shift+Tab back)
        ASSERT_TRUE(target != die || (chain.size() == 1 && t.focus() == die)) << chain.size();
        for (std::size_t n = 0; t.focus() != target && n < chain.size(); ++n, ++keys)
            t.key(Qt::Key_Tab, presses % 3 ? Qt::NoModifier : Qt::ShiftModifier);
        ASSERT_EQ(t.focus(), target);
        t.key(presses % 2 == 0 ? Qt::Key_Return : Qt::Key_Space);
        ++keys;
        for (const Happening& h : board.happenings.since(std::exchange(seen, board.happenings.count()))) {
            captured += h.kind == Happening::Kind::Captured && board.person(h.player);
            home += h.kind == Happening::Kind::Home && board.person(h.player);
            turns[static_cast<std::size_t>(h.player)] += h.kind == Happening::Kind::Threw && board.person(h.player);
        }
    }
    EXPECT_TRUE(captured > 0 && home > 0) << presses << " presses: " << captured << " captures, " << home << " home";
    for (int p = 1; p <= 4; ++p) EXPECT_EQ(turns[static_cast<std::size_t>(p)] > 0, board.person(p)) << p;
    EXPECT_EQ(atPause + boardFaults(board), "");
    EXPECT_GT(pauses, 1000) << presses << " presses, " << keys << " keys";
}

constexpr Seat P = Seat::Person, C = Seat::Computer;

}  // namespace

TEST_F(Keys, AWholeGameFromTheKeyboardAlone) { wholeGameByKeys(*this, {C, P, C, C, C}); }
TEST_F(Keys, AWholeGameFromTheKeyboardAlonePlayingCyan) { wholeGameByKeys(*this, {C, C, P, C, C}); }
TEST_F(Keys, AWholeGameFromTheKeyboardAloneRedAndGreenPlayedByPersons) { wholeGameByKeys(*this, {C, P, C, C, P}); }

// With the computer at every seat a new game starts by itself on the next tick and plays on, the focus on no view
// and the words naming every colour, until New Game lays out another.
TEST_F(Keys, TheComputerAtEverySeatPlaysByItself) {
    window.platform().pauseScale = 0.02;
    board.options.seats = {C, C, C, C, C};
    key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(window.timer1().isActive()) << "the die waits for a computer player: the timer runs";
    long throws = 0;
    std::string fault;
    std::array<int, 5> by{};
    auto seen = board.happenings.count();
    bool done = false;
    const auto w = watch([&] {
        for (const Happening& h : board.happenings.since(std::exchange(seen, board.happenings.count())))
            if (h.kind == Happening::Kind::Threw) ++throws, ++by[static_cast<std::size_t>(h.player)];
        if (fault.empty() && board.paused() && *pauseFaults(board)) fault = pauseFaults(board);
        if (fault.empty() && board.paused() && (focus() || !canvas.focusChain().empty()))
            fault = "a view takes the focus";
        if (fault.empty() && status().find("Your") != std::string::npos) fault = "\"you\" in " + status();
        return done = throws >= 40;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 30000)) << throws;
    EXPECT_EQ(fault, "");
    for (int p = 1; p <= 4; ++p) EXPECT_GT(by[static_cast<std::size_t>(p)], 0) << p;
    board.options.seats = Options{}.seats;
}

// Player 1 has thrown a six with counters on squares 40 and 20, one on home-column position 1 and one waiting.
TEST_F(Keys, TheFocusGoesRoundTheMarksByTabAndAcrossThemByTheArrows) {
    marked({40, 20}, 6, true, {1});
    const Hit start{Family::start, 0}, column{Family::home, 0};
    EXPECT_EQ(focus(), start);  // marks appeared: the first of them
    auto visit = [&](std::initializer_list<Qt::Key> keys, Qt::KeyboardModifiers m = Qt::NoModifier) {
        std::vector<Hit> out;
        for (Qt::Key k : keys) key(k, m), out.push_back(focus().value_or(die));
        return out;
    };
    using Hits = std::vector<Hit>;
    EXPECT_EQ(visit({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab}),
              (Hits{square(20), square(40), column, start}))
        << "in the order of the journey, and round again";
    EXPECT_EQ(visit({Qt::Key_Tab}, Qt::ShiftModifier), Hits{column});
    // square 20 is on the left side, 40 on the top row, the home column below it and the start place beside that
    EXPECT_EQ(visit({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right}),
              (Hits{start, square(20), square(20), square(40), column, start, column}));

    ASSERT_TRUE(canvas.setFocusView(square(20)));
    key(Qt::Key_Return);
    EXPECT_EQ(board.players(1, 2), 26);
    EXPECT_EQ(focus(), die);  // a six gives the die back, with the focus
}

TEST_F(Keys, EnterAndSpaceClickTheFocusedViewAndAreRefusedWhereAClickIs) {
    marked({20}, 3, true);
    ASSERT_EQ(focus(), square(20));
    // while a handler is paused, on a view disabled or hidden behind the canvas's back, held down
    insideAPause([&] {
        key(Qt::Key_Space);
        key(Qt::Key_Tab);  // and no view to go to, no ring shown: the die rolling is no place for the focus
        EXPECT_TRUE(canvas.focusChain().empty() && !canvas.showsFocusRing());
    });
    board.SQUARE(20).enabled = false;
    key(Qt::Key_Return);
    EXPECT_EQ(focus(), std::nullopt);  // and the focus leaves it
    board.SQUARE(20).enabled = true;
    window.followBoard();
    ASSERT_EQ(focus(), square(20));
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&canvas, &held);
    key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(board.players(1, 1), 20);

    key(Qt::Key_Return);
    EXPECT_EQ(board.players(1, 1), 23);
}

// The ring around the die on the board's green, a yellow mark and the marked start place, as the window's backing
// store holds it: dark, light and dark bands just outside the view, nothing else; gone with the focus or the mouse.
TEST_F(Scaled, TheFocusRingShowsAroundTheFocusedViewOnEveryBackground) {
    if (!keysReachTheWindow()) GTEST_SKIP() << "the platform makes no window active, so no key reaches one";
    auto device = [&](const QRectF& r) { return QRectF(r.topLeft() * factor, r.size() * factor).toAlignedRect(); };
    auto checkRing = [&](Hit h, const QImage& without) {
        SCOPED_TRACE(testing::Message() << "ring around " << int(h.family) << " " << h.index);
        ASSERT_TRUE(focus() == h && canvas.showsFocusRing());
        const QImage with = shown();
        const QRect view = device(rect(canvas.viewOf(h))), ring = device(canvas.focusRingRect(h));
        QRegion marker;  // where a marked view's move ends, drawn inside the views there
        for (const Canvas::Marker& m : canvas.markers()) marker += device(m.rect);
        int changed = 0, astray = 0;
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x)
                if (with.pixel(x, y) != without.pixel(x, y) && !marker.contains({x, y}))
                    ++changed, astray += !ring.contains(x, y) || view.adjusted(1, 1, -1, -1).contains(x, y);
        EXPECT_EQ(astray, 0);
        EXPECT_GT(changed, 4 * view.width());
        // leftwards from the view's edge, half way down: a dark band, a light one as wide, a dark one half as wide
        const double edge = rect(canvas.viewOf(h)).left(), band = (edge - canvas.focusRingRect(h).left()) / 2.5;
        auto at = [&](double bands) { return with.pixel(int((edge - bands * band) * factor), view.center().y()); };
        EXPECT_EQ(std::tuple(at(0.5), at(1.5), at(2.25)), std::tuple(0xFF000000u, 0xFFFFFFFFu, 0xFF000000u));
    };

    marked({20}, 6, true);  // square 20 and the start place, both yellow; no key pressed yet, no ring
    const QImage marks = shown();
    key(Qt::Key_Tab);  // from the start place to square 20
    checkRing(square(20), marks);
    key(Qt::Key_Tab);
    checkRing({Family::start, 0}, marks);
    const QRect left = device(canvas.focusRingRect(square(20)));
    EXPECT_EQ(shown().copy(left), marks.copy(left));  // the ring's old place is repainted

    key(Qt::Key_N, Qt::ControlModifier);
    clickAt(QPointF(3, 3));  // the mouse: the ring goes until the next key
    const QImage fresh = shown();
    key(Qt::Key_Tab);
    checkRing(die, fresh);
}

// Ctrl+N lays out a new game and keeps automatic play and sound; the check marks follow the board whatever
// changed it; Ctrl+Q closes the window.
TEST_F(Keys, MenuKeysAndCheckMarksThatFollowTheBoard) {
    auto checks = [&] { return std::pair{window.autoAction().isChecked(), window.soundAction().isChecked()}; };
    marked({20}, 3, true);
    board.chooseAuto();  // not through the menus
    board.chooseSound();
    key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(focus() == die && board.dicethrow(15).enabled && checks() == std::pair(true, true));
    int cancel = 0;
    board.Form_Unload(cancel);  // automatic play off, not through the menu
    board.sound = 0;
    window.followBoard();
    EXPECT_EQ(checks(), std::pair(false, false));

    key(Qt::Key_Q, Qt::ControlModifier);  // as closing the window
    EXPECT_TRUE(exits == 1 && board.closed());
}

// Every view that shows something: its name, what it shows, its state, place and press action (the click).
TEST_F(Spoken, TheBoardAsAScreenReaderFindsIt) {
    auto of = [&](Hit h) { return accessibility::viewInterface(canvas, h); };
    auto said = [&](Hit h, QAccessible::Text t = QAccessible::Description) { return of(h)->text(t).toStdString(); };
    auto press = [&](Hit h) {  // as a screen reader would, then what follows
        of(h)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTest::qWait(10);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !board.paused(); }, 5000));
    };
    QAccessibleInterface* b = QAccessible::queryAccessibleInterface(&canvas);
    ASSERT_TRUE(b && b->role() == QAccessible::Pane && b->text(QAccessible::Name) == "Board");
    ASSERT_EQ(b->childCount(), 1 + 60 + 16 + 40);  // the die, the ring, the start places, the home places
    EXPECT_TRUE(b->child(116)->parent() == b && b->indexOfChild(b->child(116)) == 116);
    std::string read;  // the counters wait in their final places until the opening march
    for (Hit h : {die, square(12), square(60), Hit{Family::start, 5}, Hit{Family::home, 13}, Hit{Family::home, 39}})
        read += said(h, QAccessible::Name) + ": " + said(h) + "; ";
    EXPECT_EQ(read,
              "Die: waiting for your throw; Square 12: corner, jumps to square 42; Square 60: your way into the "
              "home column; Cyan start place 2: empty; Cyan home column 4: empty; Green final place 4: green "
              "counter; ");
    EXPECT_EQ(of({Family::home, 13})->actionInterface(), nullptr);  // never clicked: nothing to press
    press(die);
    EXPECT_FALSE(board.dicethrow(15).enabled) << "the opening march and player 1's throw";

    // player 1 has thrown a six; cyan stands on a doubling square
    board.chooseNewGame();
    placePlayer(board, 2, {progressOf(2, 35)});
    marked({22}, 6, true);
    const Hit start{Family::start, 0};
    EXPECT_EQ(said(square(22)) + "/" + said(start) + "/" + said(square(35)),
              "to square 28; your counter, can move/enters on square 1; your counter, can move/cyan counter; "
              "doubling square");
    EXPECT_TRUE(said(die).empty() && of(die)->state().invisible);  // hidden after the throw
    board.dicethrow(15).visible = true;
    board.dicethrow(15).picture = Picture::Die6;
    EXPECT_EQ(said(die), "shows 6");
    // what can take a click is focusable, the focused one focused, the rest of the buttons unavailable
    auto state = [&](Hit h) {
        const QAccessible::State s = of(h)->state();
        return std::string(of(h)->role() == QAccessible::Button ? "button" : "graphic") +
               (s.focusable ? " focusable" : "") + (s.focused ? " focused" : "") + (s.disabled ? " unavailable" : "");
    };
    EXPECT_EQ(state(start) + ", " + state(square(22)) + ", " + state(square(23)) + ", " + state({Family::home, 6}),
              "button focusable focused, button focusable, button unavailable, graphic");
    EXPECT_EQ(b->focusChild(), of(start));
    EXPECT_EQ(said(square(22), QAccessible::Help), "Click me to move the counter");
    // where each lies on the screen, and which one is under a point of it
    const QRect at22 = of(square(22))->rect();
    EXPECT_EQ(at22, QRect(canvas.mapToGlobal(rect(board.SQUARE(22)).topLeft().toPoint()), QSize(32, 32)));
    EXPECT_EQ(b->childAt(at22.center().x(), at22.center().y()), of(square(22)));

    of(square(22))->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    EXPECT_TRUE(focus() == square(22) && canvas.hasFocus());
    press(square(22));
    EXPECT_EQ(board.players(1, 1), 28);
    EXPECT_EQ(focus(), die);  // a six: the die waits again, with the focus
    QAccessibleInterface* words = QAccessible::queryAccessibleInterface(&window.status().textLabel());
    EXPECT_TRUE(words->role() == QAccessible::StatusBar && words->text(QAccessible::Name) == window.status().text());
}
