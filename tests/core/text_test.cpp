// SPDX-License-Identifier: GPL-3.0-or-later
// The game as text: every value a seeded game passes through reads back equal; a text broken in any way gives a
// reason, never a game.
#include <gtest/gtest.h>

#include <regex>

#include "tests/support/clock.h"

using namespace skarpo;

namespace {
// Steps a table on its clock, the timer ticking whenever it rests.
void play(test::Played& g) {
    if (!g.clock.step(g.table)) g.clock.now += 1, g.table.tick();
}
}  // namespace

// (A table taking up such a value in the middle of an animation goes on as the other: tests/core/table_test.cpp.)
TEST(Text, EveryValueOfAGameReadsBack) {
    for (int seats : {1, 0, 9}) {
        Options options;
        for (int p = 1; p <= 4; ++p) options.seats[p] = (seats >> (p - 1)) & 1 ? Seat::Person : Seat::Computer;
        test::Played g(options, 11);
        g.table.toggleAuto();
        for (int step = 0; step < 20000; ++step) {
            play(g);
            const auto news = g.table.happenings().since(g.table.happenings().count() - 1 - step % 3);
            const ReadGame read = readGame(textOf(g.table.game(), news));
            ASSERT_EQ(read.error, "") << textOf(g.table.game());
            ASSERT_TRUE(read.game == g.table.game()) << textOf(g.table.game()) << "\n" << textOf(read.game);
            ASSERT_EQ(read.news, news);
        }
    }
}

TEST(Text, ABrokenTextGivesAReasonAndNoGame) {
    test::Played g({}, 11);
    g.table.toggleAuto();
    for (int n = 0; n < 300 || g.table.phase() != Phase::DieWaits; ++n) play(g);
    std::string text = textOf(g.table.game());
    for (std::size_t cut = 0; cut + 1 < text.size(); ++cut) {  // cut short anywhere: a line short, or one missing
        const ReadGame read = readGame(text.substr(0, cut));
        EXPECT_NE(read.error, "") << "cut at " << cut;
    }
    Seeded noise(3);
    for (int n = 0; n < 2000; ++n) {  // bytes changed at random: read or refused, never a broken game
        std::string t = text;
        for (int k = 0; k < 1 + n % 4; ++k) t[noise() % t.size()] = static_cast<char>(noise() % 256);
        const ReadGame read = readGame(t);
        if (read.error.empty()) {
            EXPECT_EQ(faultsOf(read.game.position, read.game.persons()), "") << t;
        }
    }
    for (const char* wrong : {"", "skarpo-game 2\n", "player 1 0 0 0 0 column home 0\n"})
        EXPECT_NE(readGame(wrong).error, "");
    EXPECT_EQ(versionOf(text), 1);
    EXPECT_EQ(versionOf("skarpo-game 12\nphase die"), 12);
    for (const char* other : {"", "skarpo-game", "skarpo-game 0", "skarpo-game -1", "skarpo-game 2x", "game 2"})
        EXPECT_EQ(versionOf(other), 0) << other;
    // a line in place of another: two counters on one square, a counter where none can stand, marks in the wrong
    // phase or not the throw's, a game that moves while it waits
    auto with = [&](const std::string& key, const std::string& line) {
        std::string t = text;
        const std::size_t at = t.find("\n" + key) + 1;
        t.replace(at, t.find('\n', at) - at, line);
        return readGame(t).error;
    };
    EXPECT_EQ(with("player 2", "player 2 0 0 0 0 column home 0"), "");
    EXPECT_EQ(with("player 2", "player 2 1 1 0 0 column home 0"), "two counters on square 16");
    EXPECT_NE(with("player 3", "player 3 70 0 0 0 column home 0"), "");
    EXPECT_NE(with("player 4", "player 4 100 0 0 0 column home 0"), "");  // in the column, but on no place of it
    EXPECT_NE(with("marks", "marks ring:5"), "");
    EXPECT_NE(with("phase", "phase moving"), "");
    EXPECT_NE(with("phase", "phase closed"), "");
    // every field out of range: a counter on square 61, five counters, player 7 to play, a throw of 9, news of a
    // kind or a player that is none
    for (const auto& [key, line] :
         std::vector<std::pair<std::string, std::string>>{{"player 1", "player 1 61 0 0 0 column home 0"},
                                                          {"player 1", "player 1 0 0 0 0 0 column home 0"},
                                                          {"player 4", "player 7 0 0 0 0 column home 0"},
                                                          {"turn", "turn 7 1 3"},
                                                          {"turn", "turn 1 7 3"},
                                                          {"turn", "turn 1 1 9"},
                                                          {"last", "last 0 9 0 0"},
                                                          {"scene", "scene waits 9 1"},
                                                          {"phase", "phase die\nnews threw 5 3"},
                                                          {"phase", "phase die\nnews landed 1 3"}})
        EXPECT_NE(with(key, line), "") << line;
    // a throw of 0 where the marks wait, and a roll that comes to 0
    while (g.table.phase() != Phase::MarksWait) play(g);
    text = textOf(g.table.game());
    EXPECT_NE(with("turn", "turn 1 1 0"), "");
    g.table.click(g.table.clickable().at(0));
    while (g.table.game().animation.stage != Stage::Roll) play(g);
    text = textOf(g.table.game());
    EXPECT_NE(readGame(std::regex_replace(text, std::regex("(person|computer) roll [1-6] "), "$1 roll 0 ")).error, "");
}
