// SPDX-License-Identifier: GPL-3.0-or-later
// The rule book against moves written out by hand (where the counter ends, whom it captures, the position after), the
// legal moves against the squares that block them, and every player's moves as red's turned a quarter round.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/support/clock.h"

using namespace skarpo;
using test::Lay, test::positionOf;

namespace {

struct Case {
    const char* what;
    int player, thrown;
    Place from;
    bool byPerson;
    std::vector<Lay> before, after;  // after: the players whose counters changed, whole
    std::vector<int> captured;       // whose counters, in order
    Place to;
    bool moves = true;
};

PersonBits moverIfPerson(const Case& c) { return c.byPerson ? 1u << (c.player - 1) : 0u; }

// clang-format off
const Case cases[] = {
    {"a 2 onto a doubling square, carried on by 2", 1, 2, Place::ring(3), true, {{1, {3}}}, {{1, {7}}}, {},
     Place::ring(7)},
    {"a 4 over two doubling squares, twelve on", 1, 4, Place::ring(1), true, {{1, {1}}}, {{1, {13}}}, {},
     Place::ring(13)},
    {"a 3 onto a doubling square, on to a corner that jumps", 1, 3, Place::ring(6), true, {{1, {6}}}, {{1, {42}}}, {},
     Place::ring(42)},
    {"a corner jumps back and captures cyan on the far corner", 1, 2, Place::ring(40), true, {{1, {40}}, {2, {57}}},
     {{1, {12}}, {2, {-5}}}, {2}, Place::ring(12)},
    {"cyan's corner jumps forward", 2, 2, Place::ring(25), false, {{2, {10}}}, {{2, {42}}}, {}, Place::ring(57)},
    {"green's corner jumps back", 4, 2, Place::ring(40), false, {{4, {55}}}, {{4, {27}}}, {}, Place::ring(12)},
    {"a computer's carry captures its own counter", 2, 2, Place::ring(18), false, {{2, {3, 7}}}, {{2, {7, -5}}}, {2},
     Place::ring(22)},
    {"a capture on cyan's entry square", 1, 2, Place::ring(14), true, {{1, {14}}, {2, {1}}}, {{1, {16}}, {2, {-5}}},
     {2}, Place::ring(16)},
    {"red enters and captures on square 1", 1, 6, Place::start(), true, {{1, {0, 30}}, {2, {46}}},
     {{1, {1, 30}}, {2, {-5}}}, {2}, Place::ring(1)},
    {"a computer enters and captures on its entry square", 3, 6, Place::start(), false, {{1, {31}}},
     {{1, {-5}}, {3, {1}}}, {1}, Place::ring(31)},
    {"into the home column past square 60, which keeps its counter", 1, 5, Place::ring(57), true,
     {{1, {57}}, {3, {30}}}, {{1, {}, {2}}}, {}, Place::column(2)},
    {"up the home column", 4, 3, Place::column(1), false, {{4, {}, {1}}}, {{4, {}, {4}}}, {}, Place::column(4)},
    {"red's exact finish", 1, 3, Place::column(4), true, {{1, {}, {4}}}, {{1, {}, {}, 1}}, {}, Place::final(1)},
    {"a computer's exact finish", 2, 4, Place::column(3), false, {{2, {}, {3}, 1}}, {{2, {}, {}, 2}}, {},
     Place::final(2)},
    {"the fourth counter home: back to the start area", 1, 2, Place::column(5), true, {{1, {}, {5}, 3}}, {{1, {}}}, {},
     Place::final(4)},
    {"a computer's fourth counter home", 3, 1, Place::column(6), false, {{3, {}, {6}, 3}}, {{3, {}}}, {},
     Place::final(4)},
    {"a computer walks past square 60 and captures beyond it", 2, 5, Place::ring(58), false,
     {{1, {60}}, {2, {43}}, {4, {18}}}, {{2, {48}}, {4, {-5}}}, {4}, Place::ring(3)},
    {"a computer off square 60 onto a doubling square", 2, 5, Place::ring(60), false, {{2, {45}}}, {{2, {55}}}, {},
     Place::ring(10)},
    {"a computer's entry into a taken column position", 3, 4, Place::ring(28), false, {{3, {58}, {2}}}, {}, {},
     Place::ring(28), false},
    {"red's entry into a taken column position", 1, 5, Place::ring(57), true, {{1, {57}, {2}}}, {}, {},
     Place::ring(57), false},
    {"no counter of the mover's on the square", 1, 3, Place::ring(20), true, {{1, {5}}, {2, {5}}}, {}, {},
     Place::ring(20), false},
};
// clang-format on

}  // namespace

TEST(Rulebook, EachMoveEndsAsWrittenOut) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<Lay> after = c.before;
        for (const Lay& l : c.after) {
            auto same = std::ranges::find(after, l.player, &Lay::player);
            same == after.end() ? after.push_back(l) : void(*same = l);
        }
        const Position before = positionOf(c.before, moverIfPerson(c));
        const Outcome o = outcome(before, c.player, c.from, c.thrown, c.byPerson);
        EXPECT_EQ(o.moves, c.moves);
        EXPECT_EQ(o.to, c.to);
        EXPECT_TRUE(o.after == positionOf(after, moverIfPerson(c)));
        std::vector<int> captured;
        for (const Motion& m : o)
            if (m.kind == Motion::Kind::Capture) captured.push_back(m.whom);
        EXPECT_EQ(captured, c.captured);
        EXPECT_EQ(o.has(Motion::Kind::AllHome), c.to == Place::final(4));
        EXPECT_EQ(faultsOf(o.after, moverIfPerson(c)), "");
    }
}

// Every corner sends a counter to the opposite one, half a lap on or back as the player goes round.
TEST(Rulebook, EveryCornerJumpsForEveryPlayer) {
    const int corners[] = {12, 27, 42, 57},
              change[4][4] = {{30, -30, -30, 30}, {30, 30, -30, -30}, {-30, 30, 30, -30}, {-30, -30, 30, 30}};
    for (int c = 0; c < 4; ++c)
        for (int p = 1; p <= 4; ++p) {
            const int k = progressOf(p, corners[c] - 1);
            const Outcome o = outcome(positionOf({{p, {k}}}, 0u), p, Place::ring(corners[c] - 1), 1, false);
            EXPECT_EQ(o.to, Place::ring(oppositeCorner(corners[c]))) << corners[c] << " for " << p;
            EXPECT_EQ(o.after.players(p, 1), k + 1 + change[c][p - 1]) << corners[c] << " for " << p;
        }
}

// A ring counter is marked unless one of its player's own counters stands where the move really ends (a doubling
// square and a corner counting where they carry it); opponents never block. A column counter needs a free position
// or the exact throw home; a six enters a counter unless an own one stands on the entry square.
TEST(Rulebook, LegalMovesAreBlockedOnlyWhereTheMoveReallyEnds) {
    const struct {
        int from, thrown;
        std::vector<int> blockers;
    } rows[] = {
        {2, 1, {3}},       {16, 4, {28}},    {3, 2, {7}},       {7, 2, {11}},       // plain; 20 over 24; 5; 9
        {6, 3, {9, 42}},   {21, 3, {57}},    {36, 3, {12}},     {24, 3, {27, 57}},  // on to a corner; corners
        {39, 3, {42, 12}}, {8, 4, {12, 42}}, {53, 4, {57, 27}},
    };
    for (const auto& r : rows) {
        EXPECT_TRUE(legalMoves(positionOf({{1, {r.from}}}), 1, r.thrown).contains(Place::ring(r.from)))
            << r.from << "+" << r.thrown;
        for (int own : r.blockers)
            EXPECT_FALSE(legalMoves(positionOf({{1, {r.from, own}}}), 1, r.thrown).contains(Place::ring(r.from)))
                << r.from << "+" << r.thrown << " own " << own;
    }
    auto marks = [](const std::vector<Lay>& lays, int thrown) {
        const LegalMoves l = legalMoves(positionOf(lays), 1, thrown);
        return std::vector<Place>(l.begin(), l.end());
    };
    using V = std::vector<Place>;
    EXPECT_EQ(marks({{1, {2}}, {3, {33}}}, 1), V{Place::ring(2)});                    // magenta on square 3
    EXPECT_EQ(marks({{1, {16, 24}}}, 4), (V{Place::ring(16), Place::ring(24)}));      // 16 passes its own on 24
    EXPECT_EQ(marks({{1, {}, {4, 2}}}, 3), (V{Place::column(2), Place::column(4)}));  // 4 home, 2 up to 5
    EXPECT_EQ(marks({{1, {}, {4, 2}}}, 2), V{Place::column(4)});                      // 2 would land on 4
    EXPECT_EQ(marks({{1, {57}, {2}}}, 5), V{Place::column(2)});  // 57's position in the column is taken
    EXPECT_EQ(marks({{1, {1}}}, 6), V{Place::ring(1)});          // its own counter on the entry square
    EXPECT_EQ(marks({{1, {30}}, {2, {46}}}, 6), (V{Place::ring(30), Place::start()}));  // cyan's there: taken
}

namespace {

// Square s, the player q and a counter's places a quarter round on for each quarter.
int turned(int s, int quarters) { return (s - 1 + 15 * quarters) % 60 + 1; }
int turnedPlayer(int q, int quarters) { return (q - 1 + quarters) % 4 + 1; }
Place turned(Place p, int quarters) { return p.kind == Place::Kind::Ring ? Place::ring(turned(p.index, quarters)) : p; }

Position turned(const Position& at, int quarters) {
    Position out = Position::fresh();
    for (int q = 1; q <= 4; ++q) {
        const int t = turnedPlayer(q, quarters);
        for (int j = 1; j <= 5; ++j) out.players(t, j) = at.players(q, j);
        for (int k = 1; k <= 7; ++k) out.homerow(t, k) = at.homerow(q, k);
    }
    for (int s = 1; s <= 60; ++s) {
        const int q = at.squares(s), u = turned(s, quarters);
        out.squares(u) = static_cast<std::int16_t>(q ? turnedPlayer(q, quarters) : 0);
        if (u <= 9) out.squares(u + 60) = out.squares(u);
    }
    return out;
}

}  // namespace

// In random positions, every player's legal moves and outcomes are red's in the position turned a quarter round (round
// past square 60, into the home column, onto doubling squares and corners, capturing), and keep the invariants.
TEST(Rulebook, EveryPlayerMovesAsRedTurnedAQuarterRound) {
    Seeded random(3);
    int moves = 0, captures = 0;
    for (int n = 0; n < 400; ++n) {
        const Position red = test::randomPosition(random);
        for (int thrown = 1; thrown <= 6; ++thrown)
            for (int quarters = 1; quarters <= 3; ++quarters) {
                const Position at = turned(red, quarters);
                const int p = turnedPlayer(1, quarters);
                LegalMoves want = legalMoves(red, 1, thrown);
                for (Place& m : want.at) m = turned(m, quarters);
                ASSERT_EQ(legalMoves(at, p, thrown), want) << n << "/" << thrown << "/" << quarters;
                for (const Place& from : legalMoves(red, 1, thrown))
                    for (bool person : {true, false}) {
                        const Outcome mine = outcome(at, p, turned(from, quarters), thrown, person),
                                      reds = outcome(red, 1, from, thrown, person);
                        ASSERT_TRUE(mine.moves && mine.to == turned(reds.to, quarters) &&
                                    mine.after == turned(reds.after, quarters))
                            << n << "/" << thrown << "/" << quarters;
                        ASSERT_EQ(person ? "" : faultsOf(mine.after, 0), "");
                        moves += quarters == 1, captures += quarters == 1 && mine.captures() > 0;
                    }
            }
    }
    EXPECT_GT(moves, 2000);
    EXPECT_GT(captures, 100);
}
