// SPDX-License-Identifier: GPL-3.0-or-later
// The board as a screen reader finds it through Qt's accessibility interfaces: the views under the board with
// their names, descriptions, states, places and press actions, and the status line's words.
#include <gtest/gtest.h>

#include "tests/window/keys.h"
#include "window/accessibility.h"

using namespace skarpo;
using namespace skarpo::test;

namespace {

struct Spoken : Keys {
    QAccessibleInterface* boardInterface() { return QAccessible::queryAccessibleInterface(&canvas); }
    QAccessibleInterface* of(Hit h) { return accessibility::viewInterface(canvas, h); }
    std::string said(Hit h, QAccessible::Text t = QAccessible::Description) { return of(h)->text(t).toStdString(); }
    // Presses a view through its action, as a screen reader would, and waits for what follows.
    void press(Hit h) {
        of(h)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTest::qWait(10);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !board.paused(); }, 5000));
    }
};

}  // namespace

TEST_F(Spoken, EveryViewThatShowsSomethingHasANameAndSaysWhatItShows) {
    QAccessibleInterface* b = boardInterface();
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(b->role() == QAccessible::Pane && b->text(QAccessible::Name) == "Board");
    ASSERT_EQ(b->childCount(), 1 + 60 + 16 + 40);  // the die, the ring, the start places, the home places
    for (int i = 0; i < b->childCount(); ++i) {
        QAccessibleInterface* c = b->child(i);
        ASSERT_TRUE(c && c->parent() == b && b->indexOfChild(c) == i && c == b->child(i)) << i;
    }
    const Hit start{Family::start, 0};
    struct Row {
        Hit h;
        const char *name, *description;
    } const fresh[] = {
        {die, "Die", "waiting for your throw"},
        {square(3), "Square 3", "empty"},
        {square(5), "Square 5", "doubling square"},
        {square(12), "Square 12", "corner, jumps to square 42"},
        {square(16), "Square 16", "cyan entry square"},
        {square(60), "Square 60", "your way into the home column"},
        {start, "Your start place 1", "empty"},  // the counters stand in their final places until the march
        {{Family::start, 5}, "Cyan start place 2", "empty"},
        {{Family::home, 13}, "Cyan home column 4", "empty"},
        {{Family::home, 6}, "Your final place 1", "your counter"},
        {{Family::home, 39}, "Green final place 4", "green counter"},
    };
    for (const Row& r : fresh)
        EXPECT_EQ(said(r.h, QAccessible::Name) + ": " + said(r.h), std::string(r.name) + ": " + r.description);

    // player 1 has thrown a six; cyan stands on a doubling square, magenta on a corner
    placePlayer(board, 2, {progressOf(2, 35)});
    placePlayer(board, 3, {progressOf(3, 12)});
    thrown(22, 6);
    EXPECT_EQ(said(square(22)), "your counter, can move");
    EXPECT_EQ(said(start), "your counter, can move");
    EXPECT_EQ(said(square(35)), "cyan counter; doubling square");
    EXPECT_EQ(said(square(12)), "magenta counter; corner, jumps to square 42");
    EXPECT_EQ(said({Family::start, 4}), "cyan counter");
    EXPECT_TRUE(said(die).empty() && of(die)->state().invisible);  // hidden after the throw
    board.dicethrow(15).visible = true;
    board.dicethrow(15).picture = Picture::Die6;
    EXPECT_EQ(said(die), "shows 6");
    EXPECT_EQ(of(die)->rect().topLeft(), canvas.mapToGlobal(rect(board.dicethrow(15)).topLeft().toPoint()));

    // states: what can take a click is focusable, the focused one focused, the rest of the buttons unavailable
    auto state = [&](Hit h) {
        const QAccessible::State s = of(h)->state();
        return std::string(of(h)->role() == QAccessible::Button ? "button" : "graphic") + (s.focusable ? " focusable" : "") +
               (s.focused ? " focused" : "") + (s.disabled ? " unavailable" : "");
    };
    EXPECT_EQ(state(start), "button focusable focused");  // the first mark has the focus
    EXPECT_EQ(state(square(22)), "button focusable");
    EXPECT_EQ(state(square(23)), "button unavailable");
    EXPECT_EQ(state({Family::home, 6}), "graphic");
    EXPECT_EQ(b->focusChild(), of(start));
    EXPECT_EQ(said(square(22), QAccessible::Help), "Click me to move the counter");
    EXPECT_EQ(said(square(23), QAccessible::Help), "");

    // where each lies on the screen, and which one is under a point of it
    const QRect at22 = of(square(22))->rect();
    EXPECT_EQ(at22, QRect(canvas.mapToGlobal(rect(board.SQUARE(22)).topLeft().toPoint()), QSize(32, 32)));
    EXPECT_EQ(b->childAt(at22.center().x(), at22.center().y()), of(square(22)));
    const QRect onDie = of(die)->rect();
    EXPECT_EQ(b->childAt(onDie.center().x(), onDie.center().y()), of(die));

    // the status line's words are a status text
    QAccessibleInterface* words = QAccessible::queryAccessibleInterface(&window.status().textLabel());
    EXPECT_TRUE(words->role() == QAccessible::StatusBar && words->text(QAccessible::Name) == window.status().text());
}

TEST_F(Spoken, ThePressActionIsTheClickAndSetFocusMovesTheKeyboardFocus) {
    EXPECT_EQ(of({Family::home, 13})->actionInterface(), nullptr);  // never clicked: nothing to press
    press(die);  // the opening march and player 1's throw
    EXPECT_FALSE(board.dicethrow(15).enabled);
    EXPECT_TRUE(window.status().lastThrow(1) >= 1 && window.status().lastThrow(1) <= 6);
    EXPECT_EQ(window.status().throwLabel(1).accessibleName(),
              QString("Your last throw: %1").arg(window.status().lastThrow(1)));

    board.chooseNewGame();
    thrown(20, 6);
    const auto before = board.players;
    press(square(21));  // unavailable: nothing happens, as with a click
    EXPECT_TRUE(board.players == before);
    of(square(20))->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    EXPECT_TRUE(focus() == square(20) && canvas.hasFocus());
    press(square(20));
    EXPECT_EQ(board.players(1, 1), 26);
    EXPECT_EQ(focus(), die);  // a six: the die waits again
    EXPECT_EQ(boardFaults(board), "");
}
