// SPDX-License-Identifier: GPL-3.0-or-later
// What the game says aloud on request and at the menus' switches, taken as it is said (the voice itself stays off
// here; the test with the real screen reader hears it, and the whole games by keys hear every turn).
#include <gtest/gtest.h>

#include <QAction>

#include "tests/window/live.h"
#include "window/words/speech.h"

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

}  // namespace

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
    key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(said.join('|').toStdString(), standings + "|" + standings);
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
    window.soundAction().trigger();
    table.toggleAuto();  // not through the menu
    window.followBoard();
    EXPECT_EQ(checks(), std::pair(true, true));
    key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(focus() == die && !table.game().opened && checks() == std::pair(true, true));
    window.autoAction().trigger();  // the die waits for red again once automatic play is off
    EXPECT_EQ(checks(), std::pair(false, true));
    EXPECT_EQ(said.join(QLatin1Char(' ')).toStdString(),
              "Speech off. Sound is on. Automatic play is on. New game. Automatic play is off. Your turn.");
    key(Qt::Key_Q, Qt::ControlModifier);  // as closing the window
    EXPECT_TRUE(exits == 1 && table.phase() == Phase::Closed);
}
