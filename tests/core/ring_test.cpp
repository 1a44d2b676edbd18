// Counters moving along the ring: stepping, doubling squares, corner jumps,
// and player 1's click on a marked counter.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/test_platform.h"

using namespace skarpo;
using skarpo::test::Game;

namespace {

struct Ring : ::testing::Test {
    Game g;
    Board& b = g.board;
    void SetUp() override { test::openedPosition(b); }

    std::vector<Picture> ring() const {
        std::vector<Picture> v(61);
        for (int s = 1; s <= 60; ++s) v[s] = b.SQUARE(s).picture;
        return v;
    }
    // Moves counter j of player p by a throw of d as a caller does: moves
    // itself is the distance, and the progress grows by what it holds after.
    int throwAndMove(int p, int j, int d) {
        b.moves = d;
        b.movecount(p, squareOf(p, b.players(p, j)), b.moves);
        b.players(p, j) = static_cast<std::int16_t>(b.players(p, j) + b.moves);
        return b.moves;
    }
    // The counter stands alone on `at` and every other square shows its own picture.
    void expectAloneOn(int p, int at) {
        for (int s = 1; s <= 60; ++s) {
            EXPECT_EQ(b.SQUARE(s).picture, s == at ? counterOf(p) : b.ownPicture(s)) << "square " << s;
            EXPECT_EQ(b.squares(s), s == at ? p : 0) << "square " << s;
            EXPECT_EQ(b.SQUARE(s).back, colour::lightGrey) << "square " << s;
        }
        EXPECT_EQ(b.checkInvariants(), "");
    }
};

}  // namespace

TEST_F(Ring, ResultingMovesForPlayerOne) {
    struct Row {
        int from, d, moves, to;
        double seconds;
    } rows[] = {
        {2, 2, 2, 4, 0.6},       // plain square
        {14, 2, 2, 16, 0.6},     // another player's entry square
        {58, 2, 2, 60, 0.6},     // home-turn square
        {3, 2, 4, 7, 2.0},       // first-kind doubling square: bonus move of d
        {44, 6, 12, 56, 3.6},
        {1, 4, 12, 13, 4.6},     // 5, on to the second-kind 9, on to 13
        {7, 2, 4, 11, 2.0},      // second-kind doubling square
        {18, 6, 12, 30, 3.6},    // ... whose bonus move may end on a home-turn square
        {6, 3, 36, 42, 4.8},     // 9, on to corner 12, across to 42
        {36, 3, -24, 12, 4.8},   // 39, on to corner 42, back to 12
        {10, 2, 32, 42, 3.0},    // corner forward
        {53, 4, -26, 27, 3.4},   // corner back
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.from << " + " << r.d);
        b.chooseNewGame();
        SetUp();
        test::placeOnRing(b, 1, 1, r.from);
        const double t0 = g.platform.now;
        EXPECT_EQ(throwAndMove(1, 1, r.d), r.moves);
        EXPECT_EQ(b.players(1, 1), r.to);
        EXPECT_NEAR(g.platform.now - t0, r.seconds, 1e-4);
        expectAloneOn(1, r.to);
    }
}

TEST_F(Ring, ResultingMovesForComputerPlayersFollowTheirProgress) {
    struct Row {
        int p, from, d, moves, to;
    } rows[] = {
        {3, 36, 3, 36, 12},   // 39, corner 42, across to 12: forward for magenta
        {4, 21, 3, -24, 57},  // 24, corner 27, back to 57 for green
        {2, 1, 4, 12, 13},    // 5, 9, 13, past square 60 on cyan's journey
        {3, 48, 2, 4, 52},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "player " << r.p << ": " << r.from << " + " << r.d);
        b.chooseNewGame();
        SetUp();
        test::placeOnRing(b, r.p, 2, progressOf(r.p, r.from));
        EXPECT_EQ(throwAndMove(r.p, 2, r.d), r.moves);
        EXPECT_EQ(squareOf(r.p, b.players(r.p, 2)), r.to);
        expectAloneOn(r.p, r.to);
    }
}

TEST_F(Ring, CornersJumpToTheOppositeCornerForEveryPlayer) {
    // the change of progress of each jump, for players 1..4
    struct Jump {
        int corner, across, change[4];
    } jumps[] = {
        {12, 42, {30, -30, -30, 30}},
        {27, 57, {30, 30, -30, -30}},
        {42, 12, {-30, 30, 30, -30}},
        {57, 27, {-30, -30, 30, 30}},
    };
    for (const Jump& j : jumps)
        for (int p = 1; p <= 4; ++p) {
            SCOPED_TRACE(testing::Message() << "player " << p << " onto corner " << j.corner);
            b.chooseNewGame();
            SetUp();
            test::placeOnRing(b, p, 1, progressOf(p, j.corner - 1));
            EXPECT_EQ(throwAndMove(p, 1, 1), 1 + j.change[p - 1]);
            EXPECT_EQ(squareOf(p, b.players(p, 1)), j.across);
            expectAloneOn(p, j.across);
        }
}

TEST_F(Ring, SquaresPassedOverShowAgainWhatTheyShowed) {
    test::placeOnRing(b, 2, 1, progressOf(2, 3));
    test::placeOnRing(b, 3, 1, progressOf(3, 6));
    test::placeOnRing(b, 4, 1, progressOf(4, 9));
    test::placeOnRing(b, 2, 2, progressOf(2, 10));
    test::placeOnRing(b, 1, 1, 2);
    std::vector<Picture> expected = ring();
    // 2 + 3 onto the doubling square 5, on over 6 and 7 to 8
    EXPECT_EQ(throwAndMove(1, 1, 3), 6);
    expected[2] = b.ownPicture(2);
    expected[8] = Picture::Counter1;
    EXPECT_EQ(ring(), expected);
    EXPECT_EQ(b.squares(2), 0);
    EXPECT_EQ(b.squares(62), 0);
    EXPECT_EQ(b.squares(68), 1);
    EXPECT_EQ(b.checkInvariants(), "");
}

TEST_F(Ring, PlacementsPutTheCounterDownWithTheLandingEffect) {
    int none = 0;
    // on a plain square: at once, after one pause
    b.moves = 5;
    b.movecount(2, 3, none);
    EXPECT_EQ(g.platform.pauses, std::vector<float>{0.2f});
    EXPECT_EQ(b.SQUARE(3).picture, Picture::Counter2);
    EXPECT_EQ(b.squares(3), 2);
    EXPECT_EQ(b.squares(63), 2);
    EXPECT_EQ(b.moves, 5);

    // on a first-kind doubling square: carried on by the throw
    for (auto [d, result, to] : {std::tuple{2, 4, 7}, {4, 12, 13}}) {
        b.chooseNewGame();
        SetUp();
        b.moves = d;
        none = 0;
        b.movecount(3, 5, none);
        EXPECT_EQ(b.moves, result);
        EXPECT_EQ(b.squares(5), 0);
        EXPECT_EQ(b.squares(to), 3);
        EXPECT_EQ(b.SQUARE(5).picture, Picture::Two);
        EXPECT_EQ(b.SQUARE(to).picture, Picture::Counter3);
    }

    // on a second-kind doubling square nothing puts one down, but should it
    // happen the counter just stays there
    b.chooseNewGame();
    SetUp();
    b.moves = 3;
    none = 0;
    const double t0 = g.platform.now;
    b.movecount(4, 9, none);
    EXPECT_NEAR(g.platform.now - t0, 0.2, 1e-6);
    EXPECT_EQ(b.moves, 3);
    EXPECT_EQ(b.squares(9), 4);
    EXPECT_EQ(b.squares(69), 4);
    EXPECT_EQ(b.SQUARE(9).picture, Picture::Counter4);
}

// ---- player 1 clicks a marked counter ----

namespace {

struct SquareClick : Ring {
    void SetUp() override {
        Ring::SetUp();
        b.whosego = 1;
        b.dicethrow(0).visible = false;
        b.dicethrow(15).visible = true;
    }
    int throwsMade() const {
        int n = 0;
        for (float p : g.platform.pauses) n += p == 0.04f;  // the die's first step on its roll
        return n;
    }
};

}  // namespace

TEST_F(SquareClick, NotASixPassesTheTurnToTheComputerPlayers) {
    test::placeOnRing(b, 1, 1, 6);
    test::placeOnRing(b, 1, 2, 20);
    // marks on two counters, the home column and the start place
    for (View* v : {&b.SQUARE(6), &b.SQUARE(20), &b.home(2), &b.start(0)}) {
        v->back = colour::yellow;
        v->enabled = true;
    }
    std::vector<Colour> frames;
    g.platform.at(5.0, [&] { frames.push_back(b.Label1(1).back); });  // during player 2's roll
    g.platform.scriptThrows({1, 2, 3});
    b.moves = 3;
    ASSERT_TRUE(b.click(Family::SQUARE, 6));
    EXPECT_EQ(b.players(1, 1), 42);  // 9, on to corner 12, across to 42
    EXPECT_EQ(b.players(1, 2), 20);
    for (int s = 1; s <= 60; ++s) {
        EXPECT_NE(b.SQUARE(s).back, colour::yellow) << s;
        EXPECT_FALSE(b.SQUARE(s).enabled) << s;
    }
    EXPECT_EQ(b.home(2).back, colour::red);
    EXPECT_EQ(b.start(0).back, colour::red);
    EXPECT_FALSE(b.home(2).enabled || b.start(0).enabled);
    EXPECT_EQ(frames, std::vector<Colour>{colour::cyan});
    EXPECT_EQ(throwsMade(), 3);  // players 2, 3 and 4
    EXPECT_EQ(b.whosego, 4);
    EXPECT_TRUE(b.dicethrow(0).visible && b.dicethrow(0).enabled);
    EXPECT_EQ(b.checkInvariants(), "");
}

TEST_F(SquareClick, ASixEarnsAnotherThrowWhateverTheMoveBecame) {
    for (auto [from, to] : {std::pair{44, 56}, {1, 7}}) {
        b.chooseNewGame();
        SetUp();
        test::placeOnRing(b, 1, 3, from);
        b.moves = 6;
        b.SQUARE_Click(from);
        EXPECT_EQ(b.players(1, 3), to);
        EXPECT_EQ(b.whosego, 4);
        EXPECT_TRUE(b.dicethrow(0).visible && b.dicethrow(0).enabled);
        EXPECT_FALSE(b.dicethrow(15).visible);
        EXPECT_EQ(throwsMade(), 0);
        EXPECT_EQ(b.checkInvariants(), "");
    }
    EXPECT_EQ(b.moves, 6);
}
