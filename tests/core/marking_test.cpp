// Which of player 1's counters may move with a throw: they turn yellow and
// clickable. With nothing to move the turn passes on by itself.
#include <gtest/gtest.h>

#include <set>

#include "tests/support/picture_check.h"
#include "tests/support/test_platform.h"

using namespace skarpo;

namespace {

// Player 1 with counters on ring progress `ring` and home-column positions
// `column` has thrown m; `others` are {player, square} of opponents.
struct Thrown {
    test::Game g;
    Board& b = g.board;
    Thrown(std::vector<int> ring, std::vector<int> column, int m, std::vector<std::pair<int, int>> others = {},
           int done = 0) {
        test::openedPosition(b);
        int j = 0;
        for (auto [p, s] : others) test::placeOnRing(b, p, ++j, progressOf(p, s));
        test::placePlayer(b, 1, ring, column, done);
        b.whosego = 1;
        b.moves = m;
        b.dicethrow(0).visible = false;
        b.dicethrow(15).visible = true;
        g.platform.scriptThrows({1, 1, 1});  // should the turn pass on
        b.marksquares();
    }
    // The marked views (yellow and clickable): ring squares by number, home
    // positions k as -k, the start place as 0.
    std::set<int> marked() const {
        std::set<int> out;
        auto look = [&](const View& v, int n) {
            EXPECT_EQ(v.back == colour::yellow, v.enabled) << n;
            if (v.enabled) out.insert(n);
        };
        for (int n = 1; n <= 60; ++n) look(b.SQUARE(n), n);
        for (int k = 0; k <= 5; ++k) look(b.home(k), -(k + 1));
        look(b.start(0), 0);
        return out;
    }
};

}  // namespace

TEST(Marking, AMoveIsBlockedByAnOwnCounterWhereItReallyEnds) {
    // from + m marks alone; with an own counter on any one of `blockers` it does not
    struct Row {
        int from, m;
        std::vector<int> blockers;
    } rows[] = {
        {2, 1, {3}},        // plain
        {16, 4, {28}},      // doubling square 20, on over 24 to 28
        {3, 2, {7}},        // 5, on to 7
        {7, 2, {11}},       // 9, on to 11
        {6, 3, {9, 42}},    // 9, on to corner 12, across to 42
        {21, 3, {57}},      // 24, corner 27, across to 57
        {36, 3, {12}},      // 39, corner 42, back to 12
        {24, 3, {27, 57}},  // corners: both the corner and the one across
        {39, 3, {42, 12}},
        {8, 4, {12, 42}},
        {53, 4, {57, 27}},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(Thrown({r.from}, {}, r.m).marked(), std::set<int>{r.from}) << r.from << "+" << r.m;
        for (int own : r.blockers)
            EXPECT_EQ(Thrown({r.from, own}, {}, r.m).marked().count(r.from), 0u) << r.from << "+" << r.m << " own " << own;
    }
    // opponents never block; a 4 passing its own counter on the second doubling square is no obstacle
    EXPECT_EQ(Thrown({2}, {}, 1, {{3, 3}}).marked(), std::set<int>{2});
    EXPECT_EQ(Thrown({16, 24}, {}, 4).marked().count(16), 1u);
}

TEST(Marking, IntoTheHomeColumnOnlyOntoAFreePosition) {
    for (int from = 55; from <= 60; ++from)
        for (int m = 61 - from; m <= 6; ++m) {
            EXPECT_EQ(Thrown({from}, {}, m).marked().count(from), 1u) << from << "+" << m;
            EXPECT_EQ(Thrown({from}, {from + m - 60}, m).marked().count(from), 0u) << from << "+" << m << " taken";
        }
}

TEST(Marking, HomeColumnAndStartPlace) {
    EXPECT_EQ(Thrown({}, {4, 2}, 3).marked(), (std::set<int>{-4, -2}));  // 4 finishes exactly, 2 reaches 5
    EXPECT_EQ(Thrown({}, {4, 2}, 2).marked(), std::set<int>{-4});        // 2 would land on 4
    EXPECT_EQ(Thrown({}, {}, 6).marked(), std::set<int>{0});
    EXPECT_EQ(Thrown({}, {}, 6, {{2, 1}}).marked(), std::set<int>{0});  // an opponent on square 1 does not stop it
    EXPECT_EQ(Thrown({1}, {}, 6).marked(), std::set<int>{1});           // an own counter does
}

TEST(Marking, NothingToMovePassesTheTurnOrWithASixThrowsAgain) {
    Thrown over({}, {4}, 4);  // overshooting the final places is no move
    EXPECT_TRUE(over.marked().empty());
    EXPECT_EQ(over.g.platform.draws, 3 * 15);  // the computers have played
    EXPECT_EQ(over.b.whosego, 4);
    EXPECT_EQ(test::boardFaults(over.b), "");

    Thrown six({56}, {2}, 6, {}, 2);  // 56 + 6 reaches position 2, which is taken
    EXPECT_TRUE(six.marked().empty());
    EXPECT_NEAR(six.g.platform.now, 0.4, 1e-6);
    EXPECT_EQ(six.g.platform.draws, 0);  // nobody threw
    EXPECT_EQ(six.b.whosego, 4);
    EXPECT_TRUE(six.b.dicethrow(0).visible && six.b.dicethrow(0).enabled && !six.b.dicethrow(15).visible);
    EXPECT_EQ(test::boardFaults(six.b), "");
}
