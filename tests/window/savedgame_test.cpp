// SPDX-License-Identifier: GPL-3.0-or-later
// The game kept in its file: on disk before the board shows anything of a decision, taken up again after the move it
// was closed in, its throws and celebrations counted once across closes and starts; broken files of every kind
// giving a new game, one line and a notice, a newer version's put aside; a second window keeping nothing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "tests/window/live.h"
#include "window/words/speech.h"

using namespace skarpo;

namespace {

std::string stderrOf(const std::function<void()>& f) {
    testing::internal::CaptureStderr();
    f();
    return testing::internal::GetCapturedStderr();
}

struct SavedGame : ::testing::Test {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("state/skarpo/game.txt"));
    QString settings = dir.filePath(QStringLiteral("config/Skarpo.conf"));
    std::unique_ptr<Window> open() {
        auto w = std::make_unique<Window>(nullptr, settings, path);
        w->exitProgram = [] {};
        w->timer1().stop();
        return w;
    }
    std::string file() const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
    }
    void put(const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    // The board's next step as its pause ends, or the timer's tick once it rests: no event is handled in between.
    static void step(Window& w) {
        if (w.platform().waiting()) return w.platform().wake(-1), w.platform().due();
        w.table().tick();
        w.followBoard();
    }
};

// People and the computer play (automatic play for the people): whenever a step decided something or told news, the
// file holds the game as it is now, before the window has handled any event and so before it has painted a thing.
TEST_F(SavedGame, WhatIsDecidedIsOnDiskBeforeTheBoardShowsIt) {
    auto w = open();
    w->table().chooseSeats({Seat::Person, Seat::Person, Seat::Computer, Seat::Person, Seat::Computer});
    w->newGameAction().trigger();
    w->autoAction().trigger();
    int written = 0;
    auto seen = std::pair(w->table().decided(), w->status().news());
    while (written < 300) {
        step(*w);
        if (std::pair(w->table().decided(), w->status().news()) == seen) continue;
        seen = std::pair(w->table().decided(), w->status().news());
        ASSERT_EQ(file(), textOf(w->table().game(), w->status().news()));
        ++written;
    }
    EXPECT_EQ(w->gameFile()->writes(), written + 2);  // and the seats with the new game, and "Automatic play is on"
}

// A game closed while red's move captures is taken up after that move, red's throw beside the status line,
// automatic play and the sound off, and the news and whose turn it is told; the throw rolling when it closes again is
// counted once.
TEST_F(SavedGame, AGameClosedAmidAMoveResumesAfterIt) {
    Position at = Position::fresh();
    test::place(at, 1, {10});
    test::place(at, 2, {58});  // cyan's counter on square 13
    Game g = test::thrownOn(at, 1, 3);
    Outcome move;
    {
        auto w = open();
        w->table().takeUp(g);
        w->autoAction().trigger();
        w->soundAction().trigger();
        move = *w->table().foresee(test::square(10));
        w->table().click(test::square(10));
        for (int n = 0; n < 3; ++n) step(*w);
        w->endProgram();
    }
    auto w = open();
    const Game& now = w->table().game();
    EXPECT_TRUE(now.position == move.after && now.lastThrows[1] == 3 && !now.autoplay && !now.sound);
    EXPECT_NE(w->status().text().indexOf(QStringLiteral("You captured a cyan counter. Game resumed: cyan's turn")), -1)
        << w->status().text().toStdString();
    EXPECT_TRUE(w->speech().last().endsWith(QStringLiteral("Game resumed: cyan's turn.")))
        << w->speech().last().toStdString();
    // closed and started again while cyan's die rolls: its throw is counted once
    const int roll = now.animation.roll;
    w->endProgram();
    for (int n = 0; n < 2; ++n) {
        w.reset();  // the program has ended
        w = open();
        EXPECT_EQ(w->tally().faces[static_cast<std::size_t>(roll)], 1u);
        EXPECT_EQ(w->table().game().lastThrows[2], roll);
        w->endProgram();
    }
}

// A celebration is counted once, also when the program is killed after its count was written.
TEST_F(SavedGame, ACelebrationIsCountedOnce) {
    Position at = Position::fresh();
    test::place(at, 1, {}, {5}, 3);
    {
        auto w = open();
        w->table().takeUp(test::thrownOn(at, 1, 2));
        w->table().click({Family::Home, 4});
        while (w->tally().allHome[1] == 0) step(*w);
        step(*w);
        w->saveSettings();  // as its timer does a moment later; then the program is killed
    }
    for (int n = 0; n < 2; ++n) {
        auto w = open();
        EXPECT_EQ(w->tally().allHome[1], 1u);
        w->endProgram();
    }
}

// Every kind of file the game cannot use: a new game, exactly one line on the standard error naming the file, and a
// notice in the status line; the next decision writes a good file where it can. A newer version's file is put aside
// whole, never written over.
TEST_F(SavedGame, BrokenFilesGiveANewGameOneLineAndANotice) {
    Position at = Position::fresh();
    test::place(at, 1, {10});
    const QByteArray good = QByteArray::fromStdString(textOf(test::thrownOn(at, 1, 3)));
    auto replaced = [&](const char* from, const char* to) {
        return QString::fromLatin1(good).replace(QRegularExpression(QLatin1String(from)), QLatin1String(to)).toLatin1();
    };
    QByteArray noise(900, '\0');
    for (int i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 7919 + 13) % 251);
    const std::vector<std::pair<const char*, std::function<void()>>> kinds = {
        {"empty", [&] { put(""); }},
        {"cut short", [&] { put(good.left(good.indexOf("player 3") + 12)); }},
        {"random bytes", [&] { put(noise); }},
        {"another version", [&] { put(replaced("skarpo-game 1", "skarpo-game 0")); }},
        {"a newer version", [&] { put(replaced("skarpo-game 1", "skarpo-game 2")); }},
        {"a counter on square 61", [&] { put(replaced("player 1 -?\\d+", "player 1 61")); }},
        {"player 7 to play", [&] { put(replaced("turn \\d", "turn 7")); }},
        {"a throw of 9", [&] { put(replaced("last \\d", "last 9")); }},
        {"far too large", [&] { put(good + QByteArray(100 * 1024, '\n')); }},
        {"a folder in its place", [&] { QDir().mkpath(path); }},
        {"a link to itself", [&] { QDir().mkpath(QFileInfo(path).path()), QFile::link(path, path); }},
    };
    int k = 0;
    for (const auto& [name, make] : kinds) {
        SCOPED_TRACE(name);
        path = dir.filePath(QStringLiteral("%1/skarpo/game.txt").arg(++k));
        make();
        std::unique_ptr<Window> w;
        const std::string said = stderrOf([&] { w = open(); });
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find(path.toStdString()), std::string::npos) << said;
        EXPECT_TRUE(w->table().game() == Game{} && w->status().text().startsWith(QStringLiteral("The saved game")));
        stderrOf([&] { w->newGameAction().trigger(); });
        if (QFileInfo(path).isFile()) {
            EXPECT_EQ(readGame(file()).error, "");
        }
    }
    EXPECT_EQ(QFile(dir.filePath(QStringLiteral("5/skarpo/game.txt.version-2"))).size(), good.size());
}

// A second window while the first runs: it says so once, and never writes the first one's game.
TEST_F(SavedGame, ASecondWindowKeepsNothing) {
    auto first = open();
    first->newGameAction().trigger();
    const std::string kept = file();
    std::unique_ptr<Window> second;
    const std::string said = stderrOf([&] {
        second = open();
        EXPECT_TRUE(second->status().text().startsWith(QStringLiteral("Another window")));
        second->table().click(test::die);
        second->newGameAction().trigger();
        second->endProgram();
    });
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(file(), kept);
    first->table().setStrength(Strength::Strong);
    first->followBoard();
    EXPECT_NE(file(), kept);
}

}  // namespace
