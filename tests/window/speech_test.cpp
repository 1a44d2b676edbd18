// SPDX-License-Identifier: GPL-3.0-or-later
// What the game says aloud, taken as it is said (the voice itself stays off here; the test with the real screen
// reader hears it): a seeded game from the keys, told throw by throw and turn by turn; where every counter stands;
// a key while the board moves; the menu's switch.
#include <gtest/gtest.h>

#include <QAction>
#include <QRegularExpression>

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
    int count(const QString& pattern) const {
        return static_cast<int>(said.filter(QRegularExpression(pattern)).size());
    }
};

const char* const names[] = {"You", "Cyan", "Magenta", "Green"};

}  // namespace

// Every throw, move and capture the board tells is said, the computers' in one sentence a turn, and "Your turn."
// each time the die waits for player 1 again, never while the board moves; a key meanwhile is answered, not taken.
TEST_F(Heard, EveryTurnIsToldAndYourTurnEachTimeTheDieWaits) {
    std::vector<Happening> told;
    auto seen = board.happenings.count();
    int waits = 0, busy = 0;
    window.platform().beforePause = [&, show = window.platform().beforePause] {
        show();
        if (busy++ == 40) {
            const bool takes = board.takesClick(Family::dicethrow, 0);
            key(Qt::Key_Space);  // in the middle of a roll or a move
            EXPECT_FALSE(takes);
        }
    };
    for (int turn = 0; turn < 12; ++turn) {
        ASSERT_TRUE(focus()) << "turn " << turn;
        const bool dieWaits = focus() == die;
        waits += dieWaits;
        key(Qt::Key_Return);
        for (const Happening& h : board.happenings.since(std::exchange(seen, board.happenings.count())))
            told.push_back(h);
    }
    EXPECT_EQ(count(QStringLiteral("^Wait, the board is moving\\.$")), 1);
    // "Your turn." each time the die waits again (the first was said before the test listened)
    EXPECT_EQ(count(QStringLiteral("^Your turn\\.$")), waits - 1 + (focus() == die));
    int own = 0, computer = 0, captures = 0;
    for (const Happening& h : told) {
        own += h.kind == Happening::Kind::Threw && h.player == 1;
        computer += h.kind == Happening::Kind::Threw && h.player > 1;
        captures += h.kind == Happening::Kind::Captured;
    }
    ASSERT_GT(computer, 6);
    EXPECT_EQ(count(QStringLiteral("^You threw \\d")), own);
    const QStringList turns = said.filter(QRegularExpression(QStringLiteral("^(Cyan|Magenta|Green) threw")));
    EXPECT_EQ(turns.join(QLatin1Char(' ')).count(QRegularExpression(QStringLiteral("threw \\d"))), computer);
    EXPECT_EQ(said.join(QLatin1Char(' ')).count(QStringLiteral("captured")), captures);
    // each computer sentence tells where its moves ended, as the board tells it
    for (const QString& t : turns)
        EXPECT_TRUE(
            QRegularExpression(QStringLiteral("^\\w+ threw \\d(, (threw \\d|no move|entered on \\d+|moved to \\d+|"
                                              "moved into the home column, place \\d|captured [a-z ]+|"
                                              "reached a final place|has all four counters home))*\\.$"))
                .match(t)
                .hasMatch())
            << t.toStdString();
}

// Where every counter stands, written out by hand for a position; Ctrl+B says it and Ctrl+R says it again.
TEST_F(Heard, WhereTheCountersStandAndAgain) {
    thrown(board, 2, 3);
    placePlayer(board, 1, {12, -5, 0}, {3});
    placePlayer(board, 2, {1, 16}, {}, 1);
    placePlayer(board, 3, {}, {2, 6}, 2);
    placePlayer(board, 4, {30}, {});
    EXPECT_EQ(Speech::standings(board).toStdString(),
              "You: 2 at the start, square 12, home column 3. Cyan: 1 at the start, square 16, square 31, 1 home. "
              "Magenta: home column 2, home column 6, 2 home. Green: 3 at the start, square 15.");
    key(Qt::Key_B, Qt::ControlModifier);
    key(Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(said.size(), 2);
    EXPECT_EQ(said[0], said[1]);
    EXPECT_EQ(said[0].toStdString(), Speech::standings(board).toStdString());
    for (const char* name : names) EXPECT_TRUE(said[0].contains(QLatin1String(name) + QLatin1Char(':')));
}

// The menu's switch says so, and the game then speaks (or not) whatever the desktop says of a screen reader.
TEST_F(Heard, TheSwitchIsConfirmedAndWins) {
    Speech& speech = window.speech();
    speech.setScreenReader(true);
    EXPECT_TRUE(speech.speaks());
    window.followBoard();
    ASSERT_TRUE(window.speakAction().isChecked());
    window.speakAction().trigger();  // checked: it was on, so this switches it off
    EXPECT_FALSE(speech.speaks());
    EXPECT_EQ(said.last(), QStringLiteral("Speech off."));
    window.followBoard();
    EXPECT_FALSE(window.speakAction().isChecked());
    // the game's own switches and a new game are confirmed too
    window.soundAction().trigger();
    window.autoAction().trigger();
    window.autoAction().trigger();
    window.newGameAction().trigger();
    // the die waits for player 1 again once automatic play is off
    EXPECT_EQ(said.mid(1).join(QLatin1Char(' ')).toStdString(),
              "Sound is on. Automatic play is on. Automatic play is off. Your turn. New game. Your turn.");
}

// Two people at the table (red and green): each is told by colour, never as "you", and the die waiting for one of
// them is said with that colour; the computers' turns are told as before.
TEST_F(Heard, SeveralPeopleAreToldByColour) {
    window.platform().pauseScale = 0.002;
    board.options.seats = {Seat::Person, Seat::Person, Seat::Computer, Seat::Computer, Seat::Person};
    key(Qt::Key_N, Qt::ControlModifier);
    said.clear();
    int greenTurns = 0;
    for (int press = 0; press < 80 && greenTurns < 2; ++press) {
        ASSERT_TRUE(focus()) << "press " << press;
        greenTurns += focus() == die && board.nextThrower() == 4;
        key(Qt::Key_Return);
    }
    ASSERT_EQ(greenTurns, 2) << said.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(count(QStringLiteral("^You|Your turn|your counter")), 0) << said.join(QLatin1Char('|')).toStdString();
    EXPECT_GE(count(QStringLiteral("^Red: click the die\\.$")), 1) << said.join(QLatin1Char('|')).toStdString();
    EXPECT_GE(count(QStringLiteral("^Green: click the die\\.$")), 1) << said.join(QLatin1Char('|')).toStdString();
    EXPECT_GE(count(QStringLiteral("^Red (threw \\d|cannot move with \\d)")), 1)
        << said.join(QLatin1Char('|')).toStdString();
    EXPECT_GE(count(QStringLiteral("^Cyan threw \\d")), 1);
}
