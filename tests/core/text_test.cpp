// SPDX-License-Identifier: GPL-3.0-or-later
// The game as text: every value a seeded game passes through reads back equal; a text broken in any way gives a
// reason, never a game.
#include <gtest/gtest.h>

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
            const ReadGame read = readGame(textOf(g.table.game()));
            ASSERT_EQ(read.error, "") << textOf(g.table.game());
            ASSERT_TRUE(read.game == g.table.game()) << textOf(g.table.game()) << "\n" << textOf(read.game);
        }
    }
}

TEST(Text, ABrokenTextGivesAReasonAndNoGame) {
    test::Played g({}, 11);
    g.table.toggleAuto();
    for (int n = 0; n < 300 || g.table.phase() != Phase::DieWaits; ++n) play(g);
    const std::string text = textOf(g.table.game());
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
}
