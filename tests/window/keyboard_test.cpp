// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard and the screen reader in the real window: whole games from the keys alone, as they are seen and
// heard, the focus, Enter and Space, the focus ring (ctest runs `Scaled` again at 1.5 and 2), the accessible board.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QKeyEvent>
#include <QRegularExpression>

#include "core/animation/animator.h"
#include "tests/window/live.h"
#include "window/words/accessibility.h"
#include "window/words/speech.h"

using namespace skarpo;
using namespace skarpo::test;

namespace {

// How much the person to play wants a marked move: a counter into a final place, then a capture; among the rest, the
// last in the order of the journey, the counter farthest along.
int appeal(const Table& t, ViewId h) {
    const auto o = t.foresee(h);
    return o && o->to.kind == Place::Kind::Final ? 2 : o && o->captures() > 0 ? 1 : 0;
}

// With persons at `seats`, Ctrl+N, then Enter or Space on the die or on the mark Tab or Shift+Tab chose, until the
// persons have captured and brought a counter into a final place; once, Space while the board moves. At every step
// the position holds together and no view has the focus; at rest the board shows the game as it stands. The status
// line names the colour to play unless red plays alone. Every throw and capture is said, a computer's turn in one
// sentence with where it moved, each time the die waits for a person "Your turn." (or "Green: click the die."), and
// the key while the board moved is answered once.
void wholeGameByKeys(Keys& t, std::array<Seat, 5> seats) {
    Table& table = t.table;
    QStringList said;
    t.window.speech().said = [&](const QString& s) { said << s; };
    t.window.speech().silent = true;
    t.canvas.handOverGuard = 0;  // keys at once, as no person could
    table.chooseSeats(seats);
    const QString names[] = {"", "Red", "Cyan", "Magenta", "Green"};
    std::string fault;
    long steps = 0;
    int keys = 0, presses = 0, captured = 0, home = 0, waits = 0, captures = 0, computerThrows = 0;
    std::array<int, 5> turns{};
    auto seen = table.happenings().count();
    const auto step = [&] {
        if (++steps == 400 && table.phase() != Phase::Animating) --steps;  // the key goes in while the board moves
        if (steps == 400) t.key(Qt::Key_Space);
        if (fault.empty()) fault = faultsOf(table.game().position, table.game().persons());
        if (fault.empty() && table.phase() == Phase::Animating && t.focus()) fault = "the focus left on a view";
        for (const Happening& h : table.happenings().since(std::exchange(seen, table.happenings().count()))) {
            const bool person = h.player >= 1 && h.player <= 4 && table.game().person(h.player);
            captured += h.kind == Happening::Kind::Captured && person;
            captures += h.kind == Happening::Kind::Captured;
            home += h.kind == Happening::Kind::Home && person;
            turns[static_cast<std::size_t>(h.player)] += h.kind == Happening::Kind::Threw && person;
            computerThrows += h.kind == Happening::Kind::Threw && !person;
        }
    };
    t.key(Qt::Key_N, Qt::ControlModifier);
    for (settle(t.window, step); presses < 600 && (captured == 0 || home == 0); ++presses) {
        SCOPED_TRACE(testing::Message() << "press " << presses << ", key " << keys);
        ASSERT_EQ(fault, "");
        Views atRest;
        render(atRest, table.game());
        for (ViewId v : Views::all())
            ASSERT_EQ(looks(atRest[v]), looks(table.views()[v])) << int(v.family) << " " << int(v.index);
        const auto chain = t.canvas.focusChain();
        ASSERT_TRUE(t.focus() && t.canvas.canTakeClick(*t.focus())) << "nothing waits, or not with the focus";
        const int p = table.toPlay();
        ASSERT_TRUE(table.game().person(p)) << p;
        const bool named = table.phase() == Phase::DieWaits && table.game().opened && !table.soleRed();
        EXPECT_TRUE(!named || t.window.status().text().contains(names[p] + ": click the die")) << t.status();
        ViewId target = chain.front();
        for (ViewId h : chain)
            if (appeal(table, h) >= appeal(table, target)) target = h;
        // the die waits alone and has the focus, or Tab goes round the marks to the one chosen (Shift+Tab back)
        ASSERT_TRUE(target != die || (chain.size() == 1 && t.focus() == die)) << chain.size();
        waits += target == die;
        for (std::size_t n = 0; t.focus() != target && n < chain.size(); ++n, ++keys)
            t.key(Qt::Key_Tab, presses % 3 ? Qt::NoModifier : Qt::ShiftModifier);
        ASSERT_EQ(t.focus(), target);
        t.key(presses % 2 == 0 ? Qt::Key_Return : Qt::Key_Space);
        ++keys;
        settle(t.window, step);
    }
    EXPECT_TRUE(captured > 0 && home > 0) << presses << " presses: " << captured << " captures, " << home << " home";
    for (int p = 1; p <= 4; ++p) EXPECT_EQ(turns[static_cast<std::size_t>(p)] > 0, table.game().person(p)) << p;
    EXPECT_EQ(fault, "");
    EXPECT_GT(steps, 1000) << presses << " presses, " << keys << " keys";

    const auto count = [&](const QString& pattern) { return said.filter(QRegularExpression(pattern)).size(); };
    EXPECT_EQ(count("^Wait, the board is moving\\.$"), 1);
    EXPECT_EQ(count(table.soleRed() ? "^Your turn\\.$" : "^(Red|Cyan|Magenta|Green): click the die( to start)?\\.$"),
              waits + (t.focus() == die));
    EXPECT_EQ(count("^You threw \\d"), table.soleRed() ? turns[1] : 0);
    EXPECT_TRUE(table.soleRed() || count("You|you") == 0) << said.join('|').toStdString();
    // a computer's turn is said as it happens, a part at a time: its throws, where its counter went, what it took
    QStringList computers;
    for (int p = 1; p <= 4; ++p)
        if (!table.game().person(p)) computers << names[p];
    const QString thrown = "^((" + computers.join('|') + ") \\d|threw \\d)";
    const QRegularExpression part(thrown +
                                  "(: (to \\d+|start to \\d+|home column \\d|a final place|no move))?\\.$|"
                                  "^(" +
                                  computers.join('|') +
                                  " )?(entered on \\d+|to \\d+|home column \\d|"
                                  "captured [a-z ]+|reached a final place|has all four counters home|no move)\\.$");
    const QStringList parts = said.filter(part);
    EXPECT_EQ(parts.filter(QRegularExpression(thrown)).size(), computerThrows) << said.join('|').toStdString();
    EXPECT_EQ(said.join(' ').count("captured"), captures);
    EXPECT_GT(parts.filter(QRegularExpression(": to \\d+\\.$")).size(), 0);
}

constexpr Seat P = Seat::Person, C = Seat::Computer;

}  // namespace

TEST_F(Keys, AWholeGameFromTheKeyboardAlone) { wholeGameByKeys(*this, {C, P, C, C, C}); }
TEST_F(Keys, AWholeGameFromTheKeyboardAlonePlayingCyan) { wholeGameByKeys(*this, {C, C, P, C, C}); }
TEST_F(Keys, AWholeGameFromTheKeyboardAloneRedAndGreenPlayedByPersons) { wholeGameByKeys(*this, {C, P, C, C, P}); }

// Red has thrown a six with counters on squares 40 and 20, one on home-column position 1 and one waiting: the focus
// goes round the marks by Tab and across them by the arrows, and Enter or Space clicks the one it is on.
TEST_F(Keys, TheFocusGoesRoundTheMarksAndEnterClicksTheOneItIsOn) {
    marked({40, 20}, 6, {1});
    const ViewId start{Family::Start, 0}, column{Family::Home, 0};
    EXPECT_EQ(focus(), start);  // marks appeared: the first of them
    auto visit = [&](std::initializer_list<Qt::Key> keys, Qt::KeyboardModifiers m = Qt::NoModifier) {
        std::vector<ViewId> out;
        for (Qt::Key k : keys) key(k, m), out.push_back(focus().value_or(die));
        return out;
    };
    using Order = std::vector<ViewId>;
    EXPECT_EQ(visit({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab}),
              (Order{square(20), square(40), column, start}))
        << "in the order of the journey, and round again";
    EXPECT_EQ(visit({Qt::Key_Tab}, Qt::ShiftModifier), Order{column});
    // square 20 is on the left side, 40 on the top row, the home column below it and the start place beside that
    EXPECT_EQ(visit({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right}),
              (Order{start, square(20), square(20), square(40), column, start, column}));

    // held down or with Ctrl, Enter is no click; while the board moves, no view takes one, nor the focus or a ring
    ASSERT_TRUE(canvas.setFocusView(square(20)));
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&canvas, &held);
    key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(table.phase(), Phase::MarksWait);
    key(Qt::Key_Return);
    ASSERT_EQ(table.phase(), Phase::Animating);
    key(Qt::Key_Space);
    key(Qt::Key_Tab);
    EXPECT_TRUE(canvas.focusChain().empty() && !focus() && !canvas.showsFocusRing());
    settle(window);
    const auto& at = table.game().position;
    EXPECT_TRUE(at.squares(20) == 0 && at.squares(26) == 1 && at.squares(32) == 0) << "one move of one counter";
    EXPECT_EQ(focus(), die);  // a six gives the die back, with the focus
}

// The ring around the die on the board's green, a yellow mark and the marked start place, as the window's backing
// store holds it: dark, light and dark bands just outside the view, nothing else; gone with the focus or the mouse.
TEST_F(Scaled, TheFocusRingShowsAroundTheFocusedViewOnEveryBackground) {
    if (!keysReachTheWindow()) GTEST_SKIP() << "the platform makes no window active, so no key reaches one";
    auto checkRing = [&](ViewId h, const QImage& without) {
        SCOPED_TRACE(testing::Message() << "ring around " << int(h.family) << " " << int(h.index));
        ASSERT_TRUE(focus() == h && canvas.showsFocusRing());
        const QImage with = shown();
        const QRect inside = device(rect(h));
        QRegion allowed = QRegion(device(canvas.focusRingRect(h))) - inside.adjusted(1, 1, -1, -1);
        for (const Canvas::Marker& m : canvas.markers()) allowed += device(m.rect);  // where a mark's move ends
        const auto [changed, astray] = changes(with, without, allowed);
        EXPECT_TRUE(astray == 0 && changed > 4 * inside.width()) << changed << " changed, " << astray << " astray";
        // leftwards from the view's edge, half way down: a dark band, a light one as wide, a dark one half as wide
        const double edge = rect(h).left(), band = (edge - canvas.focusRingRect(h).left()) / 2.5;
        auto at = [&](double bands) { return with.pixel(int((edge - bands * band) * factor), inside.center().y()); };
        EXPECT_EQ(std::tuple(at(0.5), at(1.5), at(2.25)), std::tuple(0xFF000000u, 0xFFFFFFFFu, 0xFF000000u));
    };

    marked({20}, 6);  // square 20 and the start place, both yellow; no key pressed yet, no ring
    const QImage marks = shown();
    key(Qt::Key_Tab);  // from the start place to square 20
    checkRing(square(20), marks);
    key(Qt::Key_Tab);
    checkRing({Family::Start, 0}, marks);
    const QRect left = device(canvas.focusRingRect(square(20)));
    EXPECT_EQ(shown().copy(left), marks.copy(left));  // the ring's old place is repainted

    key(Qt::Key_N, Qt::ControlModifier);
    clickAt(QPointF(3, 3));  // the mouse: the ring goes until the next key
    const QImage fresh = shown();
    key(Qt::Key_Tab);
    checkRing(die, fresh);
}

// The board as a screen reader finds it once red has thrown a six (a new game's, read and pressed, is the desktop's
// test): every view's place among the board's children, what each marked view says, its state, place and actions.
TEST_F(Spoken, TheBoardAsAScreenReaderFindsIt) {
    auto of = [&](ViewId h) { return accessibility::viewInterface(canvas, h); };
    auto said = [&](ViewId h, QAccessible::Text t = QAccessible::Description) { return of(h)->text(t).toStdString(); };
    QAccessibleInterface* b = QAccessible::queryAccessibleInterface(&canvas);
    ASSERT_TRUE(b && b->role() == QAccessible::Pane && b->text(QAccessible::Name) == "Board");
    ASSERT_EQ(b->childCount(), 1 + 60 + 16 + 40);  // the die, the ring, the start places, the home places
    EXPECT_TRUE(b->child(116)->parent() == b && b->indexOfChild(b->child(116)) == 116);
    Position at = Position::fresh();  // cyan stands on a doubling square
    place(at, 1, {22});
    place(at, 2, {progressOf(2, 35)});
    take(thrownOn(at, 1, 6));
    const ViewId start{Family::Start, 0};
    EXPECT_EQ(said(square(22)) + "/" + said(start) + "/" + said(square(35)) + "/" + said(die),
              "your counter, can move/your counter, can move/cyan counter, doubling square/shows 6");
    EXPECT_EQ(said(square(22), QAccessible::Name) + "/" + said(start, QAccessible::Name),
              "to square 28, from Square 22/enters on square 1, from Your start place 1");
    // what can take a click is focusable, the focused one focused, the rest of the buttons unavailable
    auto state = [&](ViewId h) {
        const QAccessible::State s = of(h)->state();
        return std::string(of(h)->role() == QAccessible::Button ? "button" : "graphic") +
               (s.focusable ? " focusable" : "") + (s.focused ? " focused" : "") + (s.disabled ? " unavailable" : "");
    };
    EXPECT_EQ(state(start) + ", " + state(square(22)) + ", " + state(square(23)) + ", " + state(view(Family::Home, 6)),
              "button focusable focused, button focusable, button unavailable, graphic");
    EXPECT_EQ(b->focusChild(), of(start));
    EXPECT_EQ(said(square(22), QAccessible::Help), "Click me to move the counter");
    EXPECT_EQ(of(view(Family::Home, 6))->actionInterface(), nullptr);  // never clicked: nothing to press
    // where each lies on the screen, and which one is under a point of it
    const QRect at22 = of(square(22))->rect();
    EXPECT_EQ(at22, QRect(canvas.mapToGlobal(rect(square(22)).topLeft().toPoint()), QSize(32, 32)));
    EXPECT_EQ(b->childAt(at22.center().x(), at22.center().y()), of(square(22)));

    of(square(22))->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    EXPECT_TRUE(focus() == square(22) && canvas.hasFocus());
    of(square(22))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([&] { return table.phase() != Phase::MarksWait; }, 2000));  // the reader answered first
    settle(window);
    EXPECT_EQ(table.game().position.squares(28), 1);
    EXPECT_EQ(focus(), die);  // a six: the die waits again, with the focus
    QAccessibleInterface* words = QAccessible::queryAccessibleInterface(&window.status().textLabel());
    EXPECT_TRUE(words->role() == QAccessible::StatusBar && words->text(QAccessible::Name) == window.status().text());
}
