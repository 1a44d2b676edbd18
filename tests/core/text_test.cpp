// SPDX-License-Identifier: GPL-3.0-or-later
// The game as text: every value a seeded game passes through reads back equal, and a table taken up from it shows
// the same board from then on; a text broken in any way gives a reason, never a game.
#include <gtest/gtest.h>

#include "core/turns/table.h"
#include "tools/seeded.h"

using namespace skarpo;

namespace {

// A virtual clock: a table's next step comes when asked for.
struct Clock : Platform {
    void wake(float sec) override { due = sec < 0 ? -1 : now + sec; }
    double random() override { return dice.unit(); }
    void reseed() override {}
    void beep() override {}
    double now = 0, due = -1;
    Seeded dice{11};
};

}  // namespace

TEST(Text, EveryValueOfAGameReadsBackAndTakesUpTheSameBoard) {
    for (int seats : {1, 0, 9}) {
        Clock clock;
        Options options;
        for (int p = 1; p <= 4; ++p) options.seats[p] = (seats >> (p - 1)) & 1 ? Seat::Person : Seat::Computer;
        Table table(clock, options);
        table.toggleAuto();
        Clock other;
        int taken = 0;
        for (int step = 0; step < 20000; ++step) {
            clock.due >= 0 ? (clock.now = clock.due, clock.due = -1, table.advance()) : void(table.tick());
            const Game& g = table.game();
            const ReadGame read = readGame(textOf(g));
            ASSERT_EQ(read.error, "") << textOf(g);
            ASSERT_TRUE(read.game == g) << textOf(g) << "\n" << textOf(read.game);
            if (step % 97 == 0 && g.phase == Phase::Animating) {  // taken up mid-move: the same board at every step on
                other.dice = clock.dice;                          // the same dice from here on
                Table copy(other, read.game);
                for (int n = 0; n < 30 && table.phase() == Phase::Animating; ++n) {
                    ASSERT_TRUE(copy.views().looksLike(table.views())) << "step " << n << " of\n" << textOf(g);
                    table.advance(), copy.advance();
                }
                ++taken;
            }
        }
        EXPECT_GT(taken, 50);
    }
}

TEST(Text, ABrokenTextGivesAReasonAndNoGame) {
    Clock clock;
    Table table(clock);
    table.toggleAuto();
    for (int n = 0; n < 300 || table.phase() != Phase::DieWaits; ++n)
        clock.due >= 0 ? (clock.now = clock.due, clock.due = -1, table.advance()) : void(table.tick());
    const std::string text = textOf(table.game());
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
