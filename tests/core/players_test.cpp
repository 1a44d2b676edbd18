// SPDX-License-Identifier: GPL-3.0-or-later
// The players' choices: the Normal computer's rules for every computer colour and its turn, automatic play for a
// person, Easy and Strong keeping to the legal moves, and Strong taking what is plainly best.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/clock.h"

using namespace skarpo;
using test::Lay, test::positionOf;

namespace {

// The moves of a turn and whether it loses its throw, without its pauses.
std::vector<TurnStep> movesOf(const Turn& t) {
    std::vector<TurnStep> out;
    for (const TurnStep& s : t)
        if (s.kind == TurnStep::Kind::Move || s.kind == TurnStep::Kind::Lost) out.push_back({s.kind, s.from});
    return out;
}

const TurnStep lost{TurnStep::Kind::Lost, {}};
TurnStep moveFrom(Place p) { return {TurnStep::Kind::Move, p}; }

}  // namespace

// The ring counter the Normal computer moves, by its progress, for each computer colour; another colour's counter
// stands on the mover's progress 41 (unless the mover's own is there).
TEST(Players, NormalChoosesByItsRulesForEveryComputerColour) {
    const struct {
        int thrown;
        std::vector<int> progress, column;
        int chosen;  // the progress of the counter moved; 0 for none
    } rows[] = {
        // clang-format off
        {3, {0, 0}, {}, 0},                                              // nothing on the ring
        {4, {58, 59}, {}, 58},         {4, {58, 59}, {2}, 59},           // into a free column position at once
        {6, {58, 59}, {}, 59},                                           // ... but not with a six: farthest along
        {1, {20, 40, 30}, {}, 40},     {1, {20, 40, 30, 41}, {}, 30},    // farthest along, unless blocked
        {4, {16, 30}, {}, 16},         {4, {16, 30, 24}, {}, 16},        // a 4 over two doubling squares
        {4, {16, 30, 24, 28}, {}, 30}, {4, {16, 20}, {}, 20},            // ... blocked at the end or on 20
        {2, {33, 2}, {}, 33},          {5, {45, 55, 60, 10}, {5}, 10},   // a doubling square, on by the throw
        {5, {34, 2}, {}, 34},          {6, {48, 60, 6, 42}, {}, 6},      // the other kind
        {2, {10, 45, 57}, {}, 10},     {2, {10, 45, 57, 42}, {}, 57},    // corner 12 jumps forward
        {3, {21, 45, 42}, {}, 21},     {3, {21, 45, 42, 57}, {}, 57},    // 3 to corner 27 over 24
        {2, {40, 2}, {}, 2},           {3, {51, 3}, {}, 3},              // a corner jumping back: another counter
        {2, {40}, {}, 40},             {3, {51}, {}, 51},                // ... alone: the fallback
        {5, {31, 1, 40}, {}, 1},       {5, {31, 1, 40, 6}, {}, 40},      // off the entry square first
        {3, {39, 54}, {}, 54},         {3, {39, 54, 51, 36}, {}, 54},    // fallback: highest-numbered
        {4, {13, 2, 17}, {}, 17},                                        // across square 60 onto its own counter
        // clang-format on
    };
    for (int p = 2; p <= 4; ++p)
        for (const auto& r : rows) {
            const int q = p % 4 + 1;
            Position at = positionOf({{q, {progressOf(q, squareOf(p, 41))}}, {p, r.progress}}, 0);
            for (int k : r.column) at.homerow(p, k) = 1;
            EXPECT_EQ(normalMove(at, p, r.thrown), r.chosen ? Place::ring(squareOf(p, r.chosen)) : Place{})
                << "player " << p << ", row " << &r - rows;
        }
}

// The Normal computer's turn: an exact finish first; a column counter when no ring counter can move, never onto a
// taken position; a six brings a new counter in, unless its own stands on the entry square; a counter whose place
// in the home column is taken loses the throw.
TEST(Players, NormalTurnsFinishFirstThenTheRingThenTheColumn) {
    const struct {
        int player, thrown;
        Lay lay;
        std::vector<TurnStep> moves;
    } rows[] = {
        {3, 3, {3, {10}, {4}}, {moveFrom(Place::column(4))}},
        {3, 6, {3, {}, {1}, 1}, {moveFrom(Place::column(1))}},  // a six from position 1 brings no counter in
        {4, 2, {4, {}, {1, 4}}, {moveFrom(Place::column(1))}},
        {4, 2, {4, {}, {1, 3}}, {moveFrom(Place::column(3))}},
        {3, 3, {3, {}, {5}}, {lost}},
        {2, 6, {2, {20}}, {moveFrom(Place::start())}},
        {3, 6, {3, {1}}, {moveFrom(Place::ring(31))}},
        {4, 3, {4, {58}, {1}}, {lost}},
        {2, 5, {2, {43}}, {moveFrom(Place::ring(58))}},  // round past square 60
    };
    test::Clock dice;
    for (const auto& r : rows)
        EXPECT_EQ(movesOf(computerPlayer(Strength::Normal).turn(positionOf({r.lay}, 0), r.player, r.thrown, dice)),
                  r.moves)
            << "row " << &r - rows;
}

// Automatic play for a person: below six the counter farthest along, with a six a new counter if it may enter, else
// the one farthest behind; the home column only when no ring counter may move, nearest home first.
TEST(Players, AutomaticPlayMovesForAPerson) {
    const struct {
        int thrown;
        Lay lay;
        Place from;
    } rows[] = {
        {4, {1, {10, 30, 20}, {1}}, Place::ring(30)},
        {6, {1, {10}}, Place::start()},
        {6, {1, {20, 1, 40}}, Place::ring(1)},
        {3, {1, {58}, {1, 2}}, Place::column(2)},
    };
    test::Clock dice;
    for (const auto& r : rows) {
        const Turn t = personPlayer().turn(positionOf({r.lay}), 1, r.thrown, dice);
        EXPECT_EQ(movesOf(t), std::vector{moveFrom(r.from)}) << "row " << &r - rows;
    }
    EXPECT_TRUE(personPlayer().clicks() && !computerPlayer(Strength::Easy).clicks());
}

// Easy and Strong move only what the legal moves name, once a turn, and lose the throw only when there is none;
// Easy's choice varies, Strong's is strongMove's.
TEST(Players, EasyAndStrongPlayLegalMovesOnly) {
    Seeded random(11);
    test::Clock dice;
    int easyOthers = 0;
    for (int n = 0; n < 600; ++n) {
        const Position at = test::randomPosition(random);
        for (int p = 2; p <= 4; ++p)
            for (int thrown = 1; thrown <= 6; ++thrown) {
                const LegalMoves legal = legalMoves(at, p, thrown);
                for (Strength s : {Strength::Easy, Strength::Strong}) {
                    if (s == Strength::Strong && n % 10) continue;  // Strong looks far ahead: fewer positions
                    const auto moves = movesOf(computerPlayer(s).turn(at, p, thrown, dice));
                    ASSERT_EQ(moves.size(), 1u);
                    const Place from = moves[0].from;
                    ASSERT_TRUE(legal.count == 0 ? moves[0] == lost : legal.contains(from)) << n << "/" << p;
                    if (s == Strength::Strong) {
                        EXPECT_EQ(from, legal.count ? strongMove(at, p, thrown) : Place{});
                    }
                    easyOthers += s == Strength::Easy && legal.count > 1 && !(from == legal.at[0]);
                }
            }
    }
    EXPECT_GT(easyOthers, 200);
}

// Strong takes a corner that jumps thirty squares on over a plain step, finishes rather than steps, and steps off
// the square where Normal magenta's next six would enter and capture, where Normal moves the counter farther along.
TEST(Players, StrongTakesWhatIsPlainlyBest) {
    EXPECT_EQ(strongMove(positionOf({{2, {9, 30}}}, 0), 2, 3), Place::ring(24));  // 24 + 3 reaches the corner on 27
    const Position finishing = positionOf({{3, {40}, {4}, 2}}, 0);
    EXPECT_EQ(legalMoves(finishing, 3, 3).count, 2);
    EXPECT_EQ(strongMove(finishing, 3, 3), Place::column(4));
    EXPECT_EQ(strongMove(finishing, 4, 3), Place{});        // nothing to move
    const Position entry = positionOf({{2, {16, 30}}}, 0);  // on squares 31 (magenta's entry) and 45
    EXPECT_EQ(normalMove(entry, 2, 2), Place::ring(45));
    EXPECT_EQ(strongMove(entry, 2, 2), Place::ring(31));
}
