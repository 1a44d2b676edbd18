// Captures: the victim runs back round the ring and takes the head of its
// start queue; every square it runs across shows again what it showed.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/support/test_platform.h"

using namespace skarpo;
using skarpo::test::Game;

namespace {

struct Capture : ::testing::Test {
    Game g;
    Board& b = g.board;
    void SetUp() override { test::openedPosition(b); }

    std::vector<Picture> ring() const {
        std::vector<Picture> v(61);
        for (int s = 1; s <= 60; ++s) v[s] = b.SQUARE(s).picture;
        return v;
    }
    int throwAndMove(int p, int j, int d) {
        b.moves = d;
        b.movecount(p, squareOf(p, b.players(p, j)), b.moves);
        b.players(p, j) = static_cast<std::int16_t>(b.players(p, j) + b.moves);
        return b.moves;
    }
    // Watches a return trip of player v starting at `t0`: in the middle of
    // each step, which square shows v's counter and with which picture.
    std::vector<std::pair<int, Picture>> trip;
    void watchTrip(int v, double t0, int steps) {
        for (int n = 0; n < steps; ++n)
            g.platform.at(t0 + 0.035 + 0.07 * n, [this, v] {
                for (int s = 1; s <= 60; ++s) {
                    const Picture p = b.SQUARE(s).picture;
                    if (p == counterOf(v) || p == b.boardcount(v - 1).spare) trip.emplace_back(s, p);
                }
            });
    }
    std::vector<Picture> queue(int p) const {
        std::vector<Picture> v;
        for (int k = 0; k <= 3; ++k) v.push_back(b.start(4 * (p - 1) + k).picture);
        return v;
    }
};

}  // namespace

TEST_F(Capture, HappensOnEverySquareClass) {
    struct Row {
        int from, d, victim, to;
    } rows[] = {
        {8, 2, 4, 10},   // plain
        {14, 2, 2, 16},  // the victim's own entry square
        {28, 2, 2, 30},  // a home-turn square
        {33, 2, 3, 37},  // a doubling square: captured there, then on to 37
        {37, 2, 4, 41},  // the other kind of doubling square
        {25, 2, 3, 57},  // a corner: captured there, then across to 57
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.from << " + " << r.d);
        b.chooseNewGame();
        SetUp();
        test::placeOnRing(b, r.victim, 3, progressOf(r.victim, r.from + r.d));
        test::placeOnRing(b, 1, 1, r.from);
        throwAndMove(1, 1, r.d);
        EXPECT_EQ(b.players(1, 1), r.to);
        EXPECT_EQ(b.players(r.victim, 3), captured);
        EXPECT_EQ(queue(r.victim), std::vector<Picture>(4, counterOf(r.victim)));
        EXPECT_EQ(b.SQUARE(r.to).picture, Picture::Counter1);
        EXPECT_EQ(b.checkInvariants(), "");
    }
}

TEST_F(Capture, GreenRunsBackAcrossSquareSixtyAndEverySquareIsRestored) {
    b.sound = -1;
    test::placeOnRing(b, 4, 2, progressOf(4, 10));
    test::placeOnRing(b, 2, 1, progressOf(2, 3));
    test::placeOnRing(b, 3, 1, progressOf(3, 60));
    test::placeOnRing(b, 3, 2, progressOf(3, 47));
    test::placeOnRing(b, 1, 1, 8);
    std::vector<Picture> expected = ring();
    expected[8] = Picture::Blank;
    expected[10] = Picture::Counter1;
    watchTrip(4, 0.6, 24);  // the stepping to 10 takes 0.6 s

    throwAndMove(1, 1, 2);

    std::vector<std::pair<int, Picture>> path;
    for (int s = 9; s >= 1; --s) path.emplace_back(s, s % 2 ? Picture::Counter4 : Picture::CounterLarge4);
    for (int s = 60; s >= 47; --s) path.emplace_back(s, s % 2 ? Picture::Counter4 : Picture::CounterLarge4);
    path.emplace_back(46, Picture::Counter4);
    EXPECT_EQ(trip, path);
    EXPECT_EQ(ring(), expected);
    EXPECT_EQ(b.players(4, 2), captured);
    EXPECT_EQ(queue(4), std::vector<Picture>(4, Picture::Counter4));
    EXPECT_EQ(g.platform.beeps, 2);
    // 0.6 s stepping, 23 squares and the entry square at 0.07 s, 0.6 s for the queue
    EXPECT_NEAR(g.platform.now, 0.6 + 24 * 0.07 + 0.6, 1e-4);
    EXPECT_EQ(b.checkInvariants(), "");
}

TEST_F(Capture, ShortTripsAndSilence) {
    // cyan captured on 20 runs over 19, 18 and 17 only; no sound, no beep
    test::placeOnRing(b, 2, 1, progressOf(2, 20));
    test::placeOnRing(b, 3, 1, progressOf(3, 18));
    watchTrip(2, 0.6, 4);
    throwAndMove(3, 1, 2);
    EXPECT_EQ(trip, (std::vector<std::pair<int, Picture>>{
                        {19, Picture::Counter2}, {18, Picture::CounterLarge2}, {17, Picture::Counter2}, {16, Picture::Counter2}}));
    EXPECT_EQ(g.platform.beeps, 0);
    EXPECT_EQ(b.SQUARE(16).picture, Picture::Entry2);

    // captured on its own entry square, or the square after it: no steps,
    // and the entry square shows the capturing counter again
    for (int on : {31, 32}) {
        b.chooseNewGame();
        SetUp();
        b.sound = -1;
        test::placeOnRing(b, 3, 4, progressOf(3, on));
        test::placeOnRing(b, 4, 1, progressOf(4, on - 1));
        const double t0 = g.platform.now;
        const int beeps = g.platform.beeps;
        throwAndMove(4, 1, 1);
        EXPECT_NEAR(g.platform.now - t0, 0.4 + 0.07 + 0.6, 1e-4) << on;
        EXPECT_EQ(b.SQUARE(31).picture, on == 31 ? Picture::Counter4 : Picture::Entry3) << on;
        EXPECT_EQ(b.players(3, 4), captured);
        EXPECT_EQ(g.platform.beeps - beeps, 2);
        EXPECT_EQ(b.checkInvariants(), "");
    }
}

TEST_F(Capture, AtTheEndOfACornerJump) {
    test::placeOnRing(b, 1, 2, 12);
    test::placeOnRing(b, 1, 3, 5);  // on the return path: shown again afterwards
    test::placeOnRing(b, 3, 1, progressOf(3, 40));
    EXPECT_EQ(throwAndMove(3, 1, 2), 32);  // 42 across to 12, forward for magenta
    EXPECT_EQ(b.players(1, 2), captured);
    EXPECT_EQ(b.players(1, 3), 5);
    EXPECT_EQ(b.SQUARE(12).picture, Picture::Counter3);
    EXPECT_EQ(b.SQUARE(42).picture, Picture::Corner3);
    EXPECT_EQ(b.SQUARE(5).picture, Picture::Counter1);
    EXPECT_EQ(b.SQUARE(1).picture, Picture::Entry1);
    EXPECT_EQ(b.squares(42), 0);
    EXPECT_EQ(b.squares(12), 3);
    EXPECT_EQ(queue(1), (std::vector<Picture>{Picture::Counter1, Picture::Counter1, Picture::Counter1, Picture::Blank}));
    EXPECT_EQ(b.checkInvariants(), "");
}

TEST_F(Capture, TakesTheCounterStandingOnTheSquare) {
    // cyan: one counter in the home column, one captured before, one on
    // square 31 and one on square 1, past square 60 on its journey
    b.players(2, 1) = inHomeColumn;
    b.players(2, 2) = captured;
    test::placeOnRing(b, 2, 3, 16);  // square 31
    test::placeOnRing(b, 2, 4, 46);  // square 1
    b.takeit(3, 1);
    EXPECT_EQ(b.players(2, 4), captured);
    EXPECT_EQ(b.players(2, 3), 16);
    EXPECT_EQ(b.players(2, 1), inHomeColumn);

    // magenta with progress 31 stands on square 1
    test::placeOnRing(b, 3, 2, 31);
    b.takeit(1, 1);
    EXPECT_EQ(b.players(3, 2), captured);
}
