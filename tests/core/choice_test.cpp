// Which ring counter a computer player moves, on tables alone. The cases are
// written in progress, which is the same journey for every player; each runs
// for players 2, 3 and 4, whose squares (and corners) differ.
#include <gtest/gtest.h>

#include <vector>

#include "rules/choice.h"

using namespace skarpo;

namespace {

struct Case {
    const char* what;
    int m;
    std::vector<int> progress;  // counters 1.. on the ring; 0 waits
    std::vector<int> column;    // occupied home-column positions
    int c, b;
    bool decided;
};

const Case cases[] = {
    {"nothing on the ring", 3, {0, 0}, {}, 0, 0, false},
    {"into a free home position at once", 4, {58, 59}, {}, 1, 58, true},
    {"home position taken: the next one", 4, {58, 59}, {2}, 2, 59, true},
    {"a six into the home column is not taken at once", 6, {58, 59}, {}, 2, 59, false},
    {"farthest along", 1, {20, 40, 30}, {}, 2, 40, false},
    {"own landing square, corner jumping back: passed over", 1, {20, 40, 30, 41}, {}, 3, 30, false},
    {"4 over two doubling squares", 4, {16, 30}, {}, 1, 16, true},
    {"4: the second doubling square does not count", 4, {16, 30, 24}, {}, 1, 16, true},
    {"4: own counter twelve ahead", 4, {16, 30, 24, 28}, {}, 2, 30, false},
    {"own counter on the doubling square", 4, {16, 20}, {}, 2, 20, false},
    {"doubling square, on by the throw", 2, {33, 2}, {}, 1, 33, false},
    {"doubling square, own counter at the end", 5, {45, 55, 60, 10}, {5}, 4, 10, false},
    {"second doubling square, on by the throw", 5, {34, 2}, {}, 1, 34, false},
    {"second doubling square, own counter at the end", 6, {48, 60, 6, 42}, {}, 3, 6, false},
    {"corner 12 jumps forward", 2, {10, 45, 57}, {}, 1, 10, true},
    {"corner 12: own counter where it jumps to", 2, {10, 45, 57, 42}, {}, 3, 57, false},
    {"3 over a doubling square to corner 12", 3, {6, 45, 57}, {}, 1, 6, true},
    {"3 to corner 12: own counter where it jumps to", 3, {6, 45, 57, 42}, {}, 3, 57, false},
    {"corner 27 jumps forward", 2, {25, 45, 42}, {}, 1, 25, true},
    {"corner 27: own counter where it jumps to", 2, {25, 45, 42, 57}, {}, 4, 57, false},
    {"3 over a doubling square to corner 27", 3, {21, 45, 42}, {}, 1, 21, true},
    {"3 to corner 27: own counter where it jumps to", 3, {21, 45, 42, 57}, {}, 4, 57, false},
    {"corner jumping back: another counter", 2, {40, 2}, {}, 2, 2, false},
    {"3 to a corner jumping back: another counter", 3, {51, 3}, {}, 2, 3, false},
    {"corner jumping back, alone: the fallback", 2, {40}, {}, 1, 40, false},
    {"3 to a corner jumping back, alone: the fallback", 3, {51}, {}, 1, 51, false},
    {"off the entry square before one farther along", 5, {31, 1, 40}, {}, 2, 1, true},
    {"entry square: own counter five ahead", 5, {31, 1, 40, 6}, {}, 3, 40, false},
    {"fallback: highest-numbered", 3, {39, 54}, {}, 2, 54, false},
    {"fallback: never onto an own counter", 3, {39, 54, 51, 36}, {}, 2, 54, false},
    {"across square 60 onto its own counter", 4, {13, 2, 17}, {}, 3, 17, false},
};

class MoveChoiceCases : public ::testing::TestWithParam<int> {};
INSTANTIATE_TEST_SUITE_P(Players, MoveChoiceCases, ::testing::Values(2, 3, 4));

}  // namespace

TEST_P(MoveChoiceCases, EachRuleOfBothPasses) {
    const int p = GetParam();
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        Players players{"players"};
        Homerow homerow{"homerow"};
        Squares squares{"squares"};
        for (int q = 1; q <= 4; ++q) players(q, 0) = static_cast<std::int16_t>(entrySquare(q));
        // another player's counter, where "farthest along" lands: no obstacle
        squares(squareOf(p, 41)) = static_cast<std::int16_t>(p % 4 + 1);
        int j = 0;
        for (int P : k.progress) {
            players(p, ++j) = static_cast<std::int16_t>(P);
            if (P < 1) continue;
            const int s = squareOf(p, P);
            squares(s) = static_cast<std::int16_t>(p);
            if (s <= 9) squares(s + 60) = static_cast<std::int16_t>(p);
        }
        for (int pos : k.column) homerow(p, pos) = 1;

        const MoveChoice got = choosemove(p, k.m, players, homerow, squares);
        EXPECT_EQ(got.c, k.c);
        EXPECT_EQ(got.b, k.b);
        EXPECT_EQ(got.decided, k.decided);
    }
}
