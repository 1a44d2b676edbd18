// SPDX-License-Identifier: GPL-3.0-or-later
// The move model against outcomes written out by hand: the doubling squares and the corners, captures (one of the
// mover's own colour too), entering, the home column, the finishes and a fourth counter home, a computer counter
// walked past square 60 or off it, and a blocked entry into the home column.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "rules/outcome.h"
#include "tests/support/test_platform.h"

using namespace skarpo;
using K = MoveEvent::Kind;

namespace skarpo {
void PrintTo(const MoveEvent& e, std::ostream* o) { *o << int(e.kind) << "@" << int(e.square) << "/" << int(e.whom); }
void PrintTo(const Place& p, std::ostream* o) { *o << int(p.kind) << ":" << int(p.index); }
}  // namespace skarpo

namespace {
// A player's counters as placePlayer lays them out: 1.. on these ring progresses (0 waiting, -5 captured), the next
// ones on these column positions, `done` more in the final places, the rest waiting.
struct Lay {
    int p;
    std::vector<int> ring, column = {};
    int done = 0;
};
Position layout(const std::vector<Lay>& lays) {
    test::Game g;
    test::openedPosition(g.board);
    for (const Lay& s : lays) test::placePlayer(g.board, s.p, s.ring, s.column, s.done);
    return Position::of(g.board);
}

struct Case {
    const char* what;
    int p, thrown;
    Place from;
    std::vector<Lay> before, after;  // after: the players whose counters changed, whole
    std::vector<MoveEvent> events;
    std::vector<int> passed;
    Place to;
    bool moves = true;
};

// one case a line or two, as the cases are read
// clang-format off
const Case cases[] = {
    {"a 2 onto a doubling square, carried on by 2", 1, 2, Place::ring(3), {{1, {3}}}, {{1, {7}}},
     {{K::Lands, 5}, {K::Doubles, 7}}, {4, 5, 6, 7}, Place::ring(7)},
    {"a 4 over two doubling squares, twelve on", 1, 4, Place::ring(1), {{1, {1}}}, {{1, {13}}},
     {{K::Lands, 5}, {K::Doubles, 9}, {K::Doubles, 13}}, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}, Place::ring(13)},
    {"a 3 onto a doubling square, on to a corner that jumps", 1, 3, Place::ring(6), {{1, {6}}}, {{1, {42}}},
     {{K::Lands, 9}, {K::Doubles, 12}, {K::Jumps, 42}}, {7, 8, 9, 10, 11, 12, 42}, Place::ring(42)},
    {"a corner jumps back and captures cyan on the far corner", 1, 2, Place::ring(40), {{1, {40}}, {2, {57}}},
     {{1, {12}}, {2, {-5}}}, {{K::Lands, 42}, {K::Jumps, 12}, {K::Captures, 12, 2}}, {41, 42, 12}, Place::ring(12)},
    {"a computer's carry captures its own counter", 2, 2, Place::ring(18), {{2, {3, 7}}}, {{2, {7, -5}}},
     {{K::Lands, 20}, {K::Doubles, 22}, {K::Captures, 22, 2}}, {19, 20, 21, 22}, Place::ring(22)},
    {"player 1 enters and captures on square 1", 1, 6, Place::startPlace(), {{1, {0, 30}}, {2, {46}}},
     {{1, {1, 30}}, {2, {-5}}}, {{K::Enters, 1}, {K::Captures, 1, 2}}, {1}, Place::ring(1)},
    {"a computer enters and captures on its entry square", 3, 6, Place::startPlace(), {{1, {31}}}, {{1, {-5}}, {3, {1}}},
     {{K::Enters, 31}, {K::Captures, 31, 1}}, {31}, Place::ring(31)},
    {"into the home column past square 60, which keeps its counter", 1, 5, Place::ring(57), {{1, {57}}, {3, {30}}},
     {{1, {}, {2}}, {3, {30}}}, {{K::IntoColumn, 2}}, {58, 59, 60}, Place::column(2)},
    {"up the home column", 4, 3, Place::column(1), {{4, {}, {1}}}, {{4, {}, {4}}}, {{K::InColumn, 4}}, {},
     Place::column(4)},
    {"player 1's exact finish", 1, 3, Place::column(4), {{1, {}, {4}}}, {{1, {}, {}, 1}}, {{K::Finishes, 1}}, {},
     Place::final(1)},
    {"a computer's exact finish", 2, 4, Place::column(3), {{2, {}, {3}, 1}}, {{2, {}, {}, 2}}, {{K::Finishes, 2}}, {},
     Place::final(2)},
    {"the fourth counter home: back to the start area", 1, 2, Place::column(5), {{1, {}, {5}, 3}}, {{1, {}}},
     {{K::Finishes, 4}, {K::AllHome, 0}}, {}, Place::final(4)},
    {"a computer walks past square 60 and captures beyond it", 2, 5, Place::ring(58),
     {{1, {60}}, {2, {43}}, {4, {18}}}, {{1, {60}}, {2, {48}}, {4, {-5}}}, {{K::Lands, 3}, {K::Captures, 3, 4}},
     {59, 60, 1, 2, 3}, Place::ring(3)},
    {"a computer off square 60 onto a doubling square", 2, 5, Place::ring(60), {{2, {45}}}, {{2, {55}}},
     {{K::Lands, 5}, {K::Doubles, 10}}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, Place::ring(10)},
    {"a computer's entry into a taken column position", 3, 4, Place::ring(28), {{3, {58}, {2}}}, {{3, {58}, {2}}}, {},
     {}, Place::ring(28), false},
    {"player 1's entry into a taken column position", 1, 5, Place::ring(57), {{1, {57}, {2}}}, {{1, {57}, {2}}}, {}, {},
     Place::ring(57), false},
    {"no counter of the mover's on the square", 1, 3, Place::ring(20), {{1, {5}}, {2, {5}}}, {}, {}, {}, Place::ring(20),
     false},
};
// clang-format on
}  // namespace

TEST(MoveModel, ForeseesEachMoveAsWrittenOut) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<Lay> after = c.before;
        for (const Lay& s : c.after)
            for (Lay& t : after)
                if (t.p == s.p) t = s;
        for (const Lay& s : c.after)
            if (std::ranges::none_of(c.before, [&](const Lay& t) { return t.p == s.p; })) after.push_back(s);

        const Outcome o = foresee(layout(c.before), c.p, c.from, c.thrown);
        EXPECT_EQ(o.moves, c.moves);
        EXPECT_EQ(std::vector<MoveEvent>(o.begin(), o.end()), c.events);
        EXPECT_EQ(std::vector<int>(o.passed.begin(), o.passed.begin() + o.passedCount), c.passed);
        EXPECT_EQ(o.to, c.to);
        EXPECT_EQ(o.anotherThrow, c.thrown == 6);
        EXPECT_TRUE(o.after == layout(after));
        EXPECT_EQ(o.captures(), std::ranges::count(c.events, K::Captures, &MoveEvent::kind));
    }
}

// The model plays what the board plays: player 1's click and a computer's turn, checked against the board itself.
TEST(MoveModel, TheBoardTellsEveryMoveItMakes) {
    test::Game g;
    Board& b = g.board;
    test::thrown(b, 1, 3);
    test::placePlayer(b, 1, {6});
    test::placePlayer(b, 2, {57});
    test::placePlayer(b, 3, {10});
    test::placePlayer(b, 4, {10});
    std::vector<Outcome> foreseen;
    int ends = 0;
    b.moveStarts = [&](int p, Place from, int m) { foreseen.push_back(foresee(Position::of(b), p, from, m)); };
    b.moveEnds = [&] {
        EXPECT_TRUE(Position::of(b) == foreseen.back().after) << foreseen.size();
        ++ends;
    };
    g.platform.scriptThrows({6, 1, 1, 1});  // the computers' throws after player 1's move
    b.marksquares();
    ASSERT_TRUE(b.click(Family::SQUARE, 6));
    ASSERT_EQ(foreseen.size(), 5u);  // player 1; cyan enters with its 6 and moves its 1; then the others
    EXPECT_EQ(ends, 5);
    EXPECT_EQ(foreseen[0].to, Place::ring(42));  // by the doubling square and the corner, capturing cyan there
    EXPECT_EQ(foreseen[0].captures(), 1);
    EXPECT_EQ(foreseen[1].from, Place::startPlace());
    EXPECT_EQ(foreseen[2].from, Place::ring(16));
    EXPECT_EQ(foreseen[4].to, Place::ring(56));
}
