// SPDX-License-Identifier: GPL-3.0-or-later
// The game in words, as written out here. A move known before it is made: Tab over every marked view of a few
// positions set up by hand, and the status line and the accessible description say where each move ends; the marker
// drawn over the board (ctest runs `Scaled` again at 1.5 and 2), gone when the focus, the mouse or the move leaves
// the mark. What is said aloud on request and at the menus' switches (the voice itself stays off here; the test with
// the real screen reader hears it, and the whole games by keys hear every turn).
#include <gtest/gtest.h>

#include <QAccessible>
#include <QDialog>
#include <QTextBrowser>

#include "tests/window/live.h"
#include "window/words/accessibility.h"
#include "window/words/language.h"
#include "window/words/outcomewords.h"
#include "window/words/speech.h"
#include "window/words/words.h"

using namespace skarpo;
using namespace skarpo::test;

namespace {

struct Heard : Keys {
    QStringList said;
    void SetUp() override {
        Keys::SetUp();
        window.speech().said = [this](const QString& s) { said << s; };
        window.speech().silent = true;
    }
};

struct Opponent {
    int player, square;
};

// In a new game, red has thrown `thrown` with counters on the ring squares `ring` and the column positions
// `column`, the others waiting; each opponent has one counter on its square.
void position(Live& t, int thrown, std::vector<int> ring, std::vector<int> column, std::vector<Opponent> others) {
    t.window.newGameAction().trigger();
    Position at = Position::fresh();
    place(at, 1, std::move(ring), std::move(column));
    for (const Opponent& o : others) place(at, o.player, {progressOf(o.player, o.square)});
    t.take(thrownOn(at, 1, thrown));
}

// Every marked view in the order of the journey, one a line: its name, the status line (after the news of the new
// game) and its description while Tab has put the focus on it.
std::string tabbedOver(Live& t) {
    std::string all;
    t.key(Qt::Key_Tab, Qt::ShiftModifier);  // from the first mark, which the focus went to, round to it by Tab
    for (std::size_t n = t.canvas.focusChain().size(); n > 0; --n) {
        t.key(Qt::Key_Tab);
        if (!t.focus()) return "no focus";
        QAccessibleInterface* view = accessibility::viewInterface(t.canvas, *t.focus());
        std::string status = t.status();
        if (status.starts_with("New game. ")) status.erase(0, 10);
        all += view->text(QAccessible::Name).toStdString() + " | " + status + " | " +
               view->text(QAccessible::Description).toStdString() + "\n";
    }
    return all;
}

}  // namespace

TEST_F(Keys, TheStatusLineAndTheDescriptionSayWhereEachMarkedMoveEnds) {
    // a 4 from 16 lands on the doubling square 20, which carries it on to 24, another one, on to 28
    position(*this, 4, {16, 33, 40}, {}, {{4, 44}});
    EXPECT_EQ(status(), "New game. Choose a yellow counter") << "no key pressed yet: the focus is not shown";
    EXPECT_EQ(tabbedOver(*this),
              "to square 28 by doubling, from Square 16 | Square 16: to 20, doubling on to 24, doubling on to 28 | "
              "your counter, cyan entry square, can move\n"
              "to square 37, from Square 33 | Square 33: to 37 | your counter, can move\n"
              "to square 44, captures green, from Square 40 | Square 40: to 44, captures green | your counter, can "
              "move\n");

    // a 3 from 6 onto the doubling square 9, on to the corner 12 and across; from 54 onto the corner 57 and back
    // across onto cyan on 27; up the column from 4 to a final place
    position(*this, 3, {6, 54}, {4}, {{2, 27}});
    EXPECT_EQ(tabbedOver(*this),
              "to square 42 by doubling and the corner, from Square 6 | Square 6: to 9, doubling on to the corner 12, "
              "across to 42 | your counter, can move\n"
              "to square 27 by the corner, captures cyan, from Square 54 | Square 54: to the corner 57, across to 27, "
              "captures cyan | your counter, doubling square, can move\n"
              "into a final place, from Your home column 4 | Home column 4: into a final place | your counter, can "
              "move\n");

    // a six: a new counter onto magenta on the entry square, or 58 off the ring into the home column
    position(*this, 6, {58}, {}, {{3, 1}});
    EXPECT_EQ(tabbedOver(*this),
              "enters on square 1, captures magenta, from Your start place 1 | Your start place: enters on square 1, "
              "captures magenta | your counter, can move\n"
              "into your home column, place 4, from Square 58 | Square 58: into your home column, place 4 | your "
              "counter, can move\n");
}

// The marker as the window's backing store holds it: a target where the counter ends, a circle on the corner that
// jumps and dots on the squares before it, a cross on the counter it captures; drawn inside those views only, and gone
// with the focus, with the mouse and when the move starts.
TEST_F(Scaled, TheMarkerShowsWhereAMoveEndsAndGoesWithTheFocus) {
    if (!keysReachTheWindow()) GTEST_SKIP() << "the platform makes no window active, so no key reaches one";
    position(*this, 3, {6, 54}, {4}, {{2, 27}});
    const QImage plain = shown();
    auto markers = [&] {
        std::string out;
        for (const Canvas::Marker& m : canvas.markers()) {
            std::string where = "?";
            for (int s = 1; s <= 60; ++s)
                if (rect(square(s)) == m.rect) where = std::to_string(s);
            for (int h : {3, 6})
                if (rect(view(Family::Home, h)) == m.rect) where = "home " + std::to_string(h);
            const char* kind[] = {"end ", "carried ", "passed ", "captured "};
            out += kind[int(m.kind)] + where + "; ";
        }
        return out;
    };
    EXPECT_EQ(markers(), "") << "the focus on square 6, not shown";

    key(Qt::Key_Tab);  // onto 54: to the corner 57, across onto cyan on 27
    ASSERT_EQ(focus(), square(54));
    EXPECT_EQ(markers(), "passed 55; passed 56; carried 57; captured 27; end 27; ");
    const QImage marked = shown();
    QRegion allowed(device(canvas.focusRingRect(square(54))));
    for (const Canvas::Marker& m : canvas.markers()) allowed += device(m.rect);
    EXPECT_EQ(changes(marked, plain, allowed).second, 0);
    // black and white both inside the target on 27, the circle on 57 and the dot on 56, whatever the square's colour
    for (int s : {27, 56, 57}) {
        const QImage in = marked.copy(device(rect(square(s))));
        int black = 0, white = 0;
        for (int y = 0; y < in.height(); ++y)
            for (int x = 0; x < in.width(); ++x)
                black += in.pixel(x, y) == 0xFF000000u, white += in.pixel(x, y) == 0xFFFFFFFFu;
        EXPECT_TRUE(black > 4 * factor * factor && white > 4 * factor * factor) << s << ": " << black << ", " << white;
    }

    key(Qt::Key_Tab);  // onto home column 4: into final place 1
    EXPECT_EQ(markers(), "end home 6; ");
    const QRect at27 = device(rect(square(27)));
    EXPECT_EQ(shown().copy(at27), plain.copy(at27)) << "the marker's old place is repainted";

    // the mouse resting on a mark shows its move, the keyboard's comes back when it leaves
    QTest::mouseMove(window.windowHandle(), canvas.mapTo(&window, rect(square(6)).center().toPoint()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return canvas.foreseenHit() == square(6); }, 2000));
    EXPECT_EQ(markers(), "passed 7; passed 8; passed 10; passed 11; carried 9; carried 12; end 42; ");
    EXPECT_EQ(status(), "New game. Square 6: to 9, doubling on to the corner 12, across to 42");
    QTest::mouseMove(window.windowHandle(), canvas.mapTo(&window, rect(square(33)).center().toPoint()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return canvas.foreseenHit() == view(Family::Home, 3); }, 2000));
    EXPECT_EQ(status(), "New game. Home column 4: into a final place");

    key(Qt::Key_Return);  // the move starts: the marker is gone
    EXPECT_EQ(markers() + (canvas.foreseenHit() ? "foreseen" : ""), "");
    settle(window);
    EXPECT_EQ(table.game().position.homerow(1, 7), 1) << "the counter from column 4 went home";
}

// Where every counter stands, written out by hand for a position; Ctrl+B says it and Ctrl+R says it again.
TEST_F(Heard, WhereTheCountersStandAndAgain) {
    Game g;
    g.opened = true;
    place(g.position, 1, {12, -5, 0}, {3});
    place(g.position, 2, {1, 16}, {}, 1);
    place(g.position, 3, {}, {2, 6}, 2);
    place(g.position, 4, {30});
    take(g);
    const std::string standings =
        "You: 2 at the start, square 12, home column 3. Cyan: 1 at the start, square 16, square 31, 1 home. "
        "Magenta: home column 2, home column 6, 2 home. Green: 3 at the start, square 15.";
    EXPECT_EQ(Speech::standings(table).toStdString(), standings);
    key(Qt::Key_B, Qt::ControlModifier);
    // without speech the same words are shown, one player a line; Escape closes them, and Ctrl+R shows them again
    auto* note = window.findChild<QDialog*>("note");
    ASSERT_TRUE(note && note->isVisible());
    const auto shown = [&] { return note->findChild<QTextBrowser*>()->toPlainText().replace('\n', ' ').toStdString(); };
    EXPECT_EQ(shown(), standings);
    QTest::keyClick(note, Qt::Key_Escape);
    ASSERT_FALSE(note->isVisible());
    // Ctrl+R: the last round in full, here whose turn it is
    window.repeatAction().trigger();  // the board's window may not be active yet again
    EXPECT_TRUE(note->isVisible() && shown() == "Your turn.") << shown();
    EXPECT_EQ(said.join('|').toStdString(), standings + "|Your turn.");
}

// The status line keeps room for two lines of words: the longest it can say in every language fits them at the
// smallest window, so that the board never moves for the words.
TEST(StatusWords, TheLongestFitTwoLinesAtTheSmallestWindow) {
    const QStringList languages = Language::shipped() << "en";
    for (const QString& lang : languages) {
        const Language language{QLocale(lang)};
        Window window;
        window.exitProgram = [] {};
        window.resize(1, 1);  // the smallest it can be
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QLabel& label = window.status().textLabel();
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.canvas().size() == QSize(543, 531); }, 2000));
        // green, played by a person, foresees 51 to 54, doubling on to the corner 57 (taking cyan), across to 27
        // (taking magenta); a computer's turn told with where it went, a capture and the prompt after a six
        Table& table = window.table();
        table.chooseSeats({Seat::Person, Seat::Person, Seat::Computer, Seat::Computer, Seat::Person});
        table.newGame();
        Position at = Position::fresh();
        place(at, 4, {6});
        place(at, 2, {42});
        place(at, 3, {57});
        const Outcome move = outcome(at, 4, Place::ring(51), 3, true);
        ASSERT_EQ(move.captures(), 2);
        const QString longest[] = {
            words::joined(words::sentence({Happening::Kind::Threw, 4, 3}, false), words::outcomeLine(move)),
            words::joined(words::listed(words::sentence({Happening::Kind::Threw, 3, 6}, false),
                                        words::computerMove(table, {Happening::Kind::Moved, 3, 106})),
                          words::prompt(table, 0)),
            words::joined(words::sentence({Happening::Kind::Captured, 4, 3}, false),
                          QCoreApplication::translate("Seats", "Green: click the die to throw again")),
        };
        for (const QString& text : longest) {
            label.setText(text);
            // wrapped into the room it keeps, or else on one line as wide as the label
            const bool whole = label.wordWrap() ? label.heightForWidth(label.width()) <= label.height()
                                                : label.fontMetrics().horizontalAdvance(text) <= label.width();
            EXPECT_TRUE(whole) << lang.toStdString() << ": " << text.toStdString() << " in " << label.width() << " by "
                               << label.height();
        }
    }
}

// With red and green played by people, a key pressed just after the die passed from green to red is green's, not
// red's throw, however long green goes on pressing; red's key after a pause throws. The status line names whose
// the die is, and the boxes of the last throws are framed for the people's colours.
TEST_F(Keys, AKeyJustAfterTheHandOverIsNotTheNextPersonsThrow) {
    table.chooseSeats({Seat::Person, Seat::Person, Seat::Computer, Seat::Computer, Seat::Person});
    key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(status(), "New game. Red: click the die to start");
    Position at = Position::fresh();
    place(at, 4, {20});
    take(thrownOn(at, 4, 3));
    settle(window);
    canvas.activate(square(5));  // green moves (as a click: red's new game handed the board to green just now)
    settle(window);
    ASSERT_TRUE(table.phase() == Phase::DieWaits && table.toPlay() == 1 && focus() == die)
        << int(table.phase()) << " " << table.toPlay() << " " << status();
    EXPECT_TRUE(window.status().text().endsWith("Red: click the die")) << status();
    ASSERT_TRUE(canvas.handingOver());
    // a burst, a key every 0.4 s (a machine too busy to keep the pace ends it: the next key is then no longer in it)
    for (int n = 0; n < 4 && canvas.handingOver(); ++n) {
        key(Qt::Key_Space);
        EXPECT_EQ(table.phase(), Phase::DieWaits) << n;
        QTest::qWait(Canvas::handOverMs / 2);
    }
    QTest::qWait(Canvas::handOverMs);
    key(Qt::Key_Space);
    EXPECT_EQ(table.phase(), Phase::Animating) << "red's own key throws";
    QStringList framed;
    for (int p = 1; p <= 4; ++p)
        framed << (window.status().throwLabel(p).styleSheet().contains("solid") ? "framed" : "plain");
    EXPECT_EQ(framed.join(' '), "framed plain plain framed");
}

// The menu's switch says so, and the game then speaks (or not) whatever the desktop says of a screen reader. The
// game's own switches and New Game (Ctrl+N, keeping them) are said too, and their check marks follow the game
// whatever changed it; Ctrl+Q closes the window.
TEST_F(Heard, TheSwitchesAreConfirmedAndTheirCheckMarksFollowTheGame) {
    Speech& speech = window.speech();
    speech.setScreenReader(true);
    window.followBoard();
    ASSERT_TRUE(speech.speaks() && window.speakAction().isChecked());
    window.speakAction().trigger();  // checked: it was on, so this switches it off
    window.followBoard();
    EXPECT_TRUE(!speech.speaks() && !window.speakAction().isChecked());
    const auto checks = [&] { return std::pair{window.autoAction().isChecked(), window.soundAction().isChecked()}; };
    table.toggleSound();  // not through the menus
    table.toggleAuto();
    window.followBoard();
    EXPECT_EQ(checks(), std::pair(true, true));
    key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(focus() == die && !table.game().opened && checks() == std::pair(true, true));
    window.autoAction().trigger();  // the die waits for red again once automatic play is off
    table.toggleSound();
    window.followBoard();
    EXPECT_EQ(checks(), std::pair(false, false));
    EXPECT_EQ(
        said.join(' ').toStdString(),
        "Speech off. Sound is on. Automatic play is on. New game. Automatic play is off. Your turn. Sound is off.");
    key(Qt::Key_Q, Qt::ControlModifier);  // as closing the window
    EXPECT_TRUE(exits == 1 && table.phase() == Phase::Closed);
}
