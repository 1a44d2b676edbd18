// SPDX-License-Identifier: GPL-3.0-or-later
// The computer players: which ring counter the move choice names, and the whole turn checkmoves plays.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "rules/choice.h"
#include "tests/support/picture_check.h"
#include "tests/support/test_platform.h"

using namespace skarpo;

TEST(ComputerChoice, EachRuleOfBothPassesForEveryComputerPlayer) {
    // In progress, the same journey for every player; each case runs for players 2, 3 and 4, whose squares (and
    // corners) differ. Another player's counter stands on progress 41, where "farthest along" lands.
    const struct { int m; std::vector<int> progress, column; int c, b; bool decided; } choices[] = {
        // throw; counters 1.. on the ring (0 waits); occupied column positions; the counter chosen, its progress
        {3, {0, 0}, {}, 0, 0, false},  // nothing on the ring
        {4, {58, 59}, {}, 1, 58, true},  {4, {58, 59}, {2}, 2, 59, true},  // into a free column position at once
        {6, {58, 59}, {}, 2, 59, false},                                    // ... but not with a six
        {1, {20, 40, 30}, {}, 2, 40, false}, {1, {20, 40, 30, 41}, {}, 3, 30, false},  // farthest along, unless blocked
        {4, {16, 30}, {}, 1, 16, true}, {4, {16, 30, 24}, {}, 1, 16, true},  // a 4 over two doubling squares
        {4, {16, 30, 24, 28}, {}, 2, 30, false}, {4, {16, 20}, {}, 2, 20, false},  // ... blocked at the end or on 20
        {2, {33, 2}, {}, 1, 33, false}, {5, {45, 55, 60, 10}, {5}, 4, 10, false},  // doubling square, on by the throw
        {5, {34, 2}, {}, 1, 34, false}, {6, {48, 60, 6, 42}, {}, 3, 6, false},     // the other kind
        {2, {10, 45, 57}, {}, 1, 10, true}, {2, {10, 45, 57, 42}, {}, 3, 57, false},  // corner 12 jumps forward
        {3, {21, 45, 42}, {}, 1, 21, true}, {3, {21, 45, 42, 57}, {}, 4, 57, false},  // 3 to corner 27 over 24
        {2, {40, 2}, {}, 2, 2, false}, {3, {51, 3}, {}, 2, 3, false},  // a corner jumping back: another counter
        {2, {40}, {}, 1, 40, false},   {3, {51}, {}, 1, 51, false},    // ... alone: the fallback
        {5, {31, 1, 40}, {}, 2, 1, true}, {5, {31, 1, 40, 6}, {}, 3, 40, false},  // off the entry square first
        {3, {39, 54}, {}, 2, 54, false}, {3, {39, 54, 51, 36}, {}, 2, 54, false},  // fallback: highest-numbered
        {4, {13, 2, 17}, {}, 3, 17, false},  // across square 60 onto its own counter
    };
    for (int p = 2; p <= 4; ++p)
        for (const auto& k : choices) {
            test::Game g;
            Board& b = g.board;
            const int q = p % 4 + 1;
            test::placePlayer(b, q, {progressOf(q, squareOf(p, 41))});
            test::placePlayer(b, p, k.progress);
            for (int pos : k.column) b.homerow(p, pos) = 1;
            const MoveChoice got = choosemove(p, k.m, b.players, b.homerow, b.squares);
            EXPECT_TRUE(got.c == k.c && got.b == k.b && got.decided == k.decided)
                << "player " << p << ", case " << &k - choices << ": got counter " << got.c << " at " << got.b;
        }
}

TEST(ComputerTurn, EachStepOfTheTurn) {
    const struct {
        int p, m; std::vector<int> ring, column; int done;  // the mover, its throw, its counters
        std::vector<std::pair<int, int>> others, squaresAfter;  // {player, square} of other counters; {square, owner}
        std::vector<int> after, columnAfter = {};                // players(p, 1..4) and the column afterwards
        std::vector<float> pauses = {};                          // the turn's last pauses, when given
    } rows[] = {
        // an exact finish comes first, with the whole throw; a six from position 1 brings no counter in
        {3, 3, {10}, {4}, 0, {}, {}, {10, finished, 0, 0}}, {3, 6, {}, {1}, 1, {}, {{31, 0}}, {finished, finished, 0, 0}},
        // a column counter moves when no ring counter can, never onto a taken position
        {4, 2, {}, {1, 4}, 0, {}, {}, {100, 100, 0, 0}, {3, 4}, {0.2f, 0.2f, 0.2f, 0.3f}},
        {4, 2, {}, {1, 3}, 0, {}, {}, {100, 100, 0, 0}, {1, 5}}, {4, 1, {10}, {3, 4}, 0, {}, {}, {11, 100, 100, 0}, {3, 4}},
        {3, 3, {}, {5}, 0, {}, {}, {100, 0, 0, 0}, {5}, {0.6f, 0.3f}},  // nothing to move, without and with a six
        {3, 6, {}, {5}, 3, {}, {}, {100, 101, 101, 101}, {5}, {0.6f, 0.3f}},
        // into the column: position taken; past a counter on the home turn; a 2 over it; from it
        {4, 3, {58}, {1}, 0, {}, {}, {58, 100, 0, 0}, {1}, {0.4f}},
        {2, 4, {58}, {1}, 0, {{3, 15}}, {{13, 0}, {15, 3}}, {100, 100, 0, 0}, {1, 2}},
        {2, 2, {59}, {}, 0, {}, {{15, 0}}, {100, 0, 0, 0}, {1}}, {4, 1, {60}, {}, 0, {}, {{45, 0}}, {100, 0, 0, 0}, {1}},
        // past square 60: over 1 down on 2; one past it, capturing; a six there brings no new counter
        {4, 4, {13}, {}, 0, {{1, 60}, {2, 1}}, {{2, 4}, {60, 1}, {1, 2}}, {17, 0, 0, 0}, {},
         {0.2f, 0.2f, 0.2f, 0.2f, 0.2f, 0.3f}},
        {3, 2, {29}, {}, 0, {{1, 60}, {2, 1}}, {{1, 3}, {60, 1}}, {31, 0, 0, 0}},
        {2, 6, {41}, {}, 0, {}, {{2, 2}, {16, 0}}, {47, 0, 0, 0}},
        {3, 6, {29}, {}, 0, {}, {{11, 3}, {5, 0}}, {41, 0, 0, 0}},  // down on 5, on to 11
        // off square 60: over 2; a 1 straight onto 1; onto 5, on to 10; a six brings no new counter
        {3, 3, {30}, {}, 0, {{4, 2}}, {{3, 3}, {60, 0}, {2, 4}}, {33, 0, 0, 0}, {}, {0.2f, 0.2f, 0.2f, 0.3f}},
        {2, 1, {45}, {}, 0, {}, {}, {46, 0, 0, 0}, {}, {0.2f, 0.3f}}, {4, 5, {15}, {}, 0, {}, {{10, 4}}, {25, 0, 0, 0}},
        {2, 6, {45}, {}, 0, {}, {}, {51, 0, 0, 0}},
        // a six: the first waiting counter in, capturing; with an own counter on the entry square that one moves
        {2, 6, {20, captured}, {}, 0, {{3, 16}}, {{16, 2}}, {20, 1, 0, 0}}, {3, 6, {1}, {}, 0, {}, {{31, 0}}, {7, 0, 0, 0}},
        // a 4 over two doubling squares sends its own counter back; jumping back from a corner pauses briefly
        {2, 4, {16, 24}, {}, 0, {}, {{39, 0}}, {28, captured, 0, 0}},
        {2, 2, {40}, {}, 0, {}, {{27, 2}}, {12, 0, 0, 0}, {}, {0.2f, 0.1f}},
        // the fourth counter home: celebration, then the start area
        {2, 2, {}, {5}, 3, {{4, 60}}, {{60, 4}}, {0, 0, 0, 0}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &r - rows);
        test::Game g;
        Board& b = g.board;
        test::thrown(b, r.p, r.m);
        for (int j = 0; auto [q, s] : r.others) test::placeOnRing(b, q, ++j, progressOf(q, s));
        test::placePlayer(b, r.p, r.ring, r.column, r.done);
        b.checkmoves();
        EXPECT_TRUE(test::countersOf(b, r.p) == r.after && test::columnOf(b, r.p) == r.columnAfter);
        EXPECT_EQ(b.homerow(r.p, 7), std::ranges::count(r.after, finished));
        for (auto [s, q] : r.squaresAfter) EXPECT_EQ(b.squares(s), q) << "square " << s;
        const auto& all = g.platform.pauses;
        EXPECT_EQ(std::vector(all.end() - std::ptrdiff_t(std::min(all.size(), r.pauses.size())), all.end()), r.pauses);
        EXPECT_EQ(b.whosego, r.m == 6 ? (r.p + 2) % 4 + 1 : r.p);  // a six: the same player throws again
        EXPECT_EQ(test::boardFaults(b), "");
    }
}
