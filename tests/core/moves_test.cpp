// Moving counters: along the ring with doubling squares and corner jumps,
// captures and the return trip, entering from the start area, the home
// column, and the celebration when the fourth counter comes home.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/picture_check.h"
#include "tests/support/test_platform.h"

using namespace skarpo;
using skarpo::test::Game;

namespace {

// Moves counter j of player p by a throw of d as the callers do: `moves` is
// the distance, and the progress grows by what it holds afterwards.
int moveBy(Board& b, int p, int j, int d) {
    b.moves = d;
    b.movecount(p, squareOf(p, b.players(p, j)), b.moves);
    b.players(p, j) = static_cast<std::int16_t>(b.players(p, j) + b.moves);
    return b.moves;
}

struct Opened : Game {
    Opened() { test::openedPosition(board); }
};

// Player 1 has thrown and its counters may be clicked.
struct PlayerOne : Opened {
    PlayerOne() {
        board.whosego = 1;
        board.dicethrow(0).visible = false;
        board.dicethrow(15).visible = true;
    }
    void markView(View& v) {
        v.back = colour::yellow;
        v.enabled = true;
    }
    // The time of the pauses up to the first roll of the die.
    double movingTime() const {
        double t = 0;
        for (std::size_t i = 0; i < platform.pauses.size() && platform.pauses[i] != 0.3f; ++i) t += platform.pauses[i];
        return t;
    }
};

}  // namespace

TEST(Ring, ResultingMovesAndCornerJumpsForEveryPlayer) {
    // player p moves from square `from` by d, past another player's counter on
    // the square after it (shown again afterwards) unless it stops there
    auto expectMove = [](int p, int from, int d, int moves, int to, double seconds) {
        SCOPED_TRACE(testing::Message() << "player " << p << ": " << from << " + " << d);
        Opened g;
        const int q = p % 4 + 1;
        if (d > 1) test::placeOnRing(g.board, q, 1, progressOf(q, from + 1));
        test::placeOnRing(g.board, p, 1, progressOf(p, from));
        EXPECT_EQ(moveBy(g.board, p, 1, d), moves);
        EXPECT_EQ(squareOf(p, g.board.players(p, 1)), to);
        EXPECT_NEAR(g.platform.now, seconds, 1e-4);
        EXPECT_EQ(test::boardFaults(g.board), "");
    };
    struct Row {
        int p, from, d, moves, to;
        double seconds;
    } rows[] = {
        {1, 2, 2, 2, 4, 0.6},       // plain square
        {1, 14, 2, 2, 16, 0.6},     // another player's entry square
        {1, 58, 2, 2, 60, 0.6},     // home-turn square
        {1, 3, 2, 4, 7, 2.0},       // doubling square: on by the throw again
        {1, 44, 6, 12, 56, 3.6},
        {1, 1, 4, 12, 13, 4.6},     // 5, on to the other doubling square 9, on to 13
        {1, 7, 2, 4, 11, 2.0},      // the other kind of doubling square
        {1, 18, 6, 12, 30, 3.6},    // ... whose bonus move may end on a home-turn square
        {1, 6, 3, 36, 42, 4.8},     // 9, on to corner 12, across to 42
        {1, 36, 3, -24, 12, 4.8},   // 39, on to corner 42, back to 12
        {1, 10, 2, 32, 42, 3.0},    // corner forward
        {1, 53, 4, -26, 27, 3.4},   // corner back
        {3, 36, 3, 36, 12, 4.8},    // 39, corner 42, across to 12: forward for magenta
        {4, 21, 3, -24, 57, 4.8},   // 24, corner 27, back to 57 for green
        {2, 1, 4, 12, 13, 4.6},     // past square 60 on cyan's journey
    };
    for (const Row& r : rows) expectMove(r.p, r.from, r.d, r.moves, r.to, r.seconds);
    // every corner jumps to the opposite one, half a lap forward or back
    struct Jump {
        int corner, across, change[4];  // the change of progress for players 1..4
    } jumps[] = {
        {12, 42, {30, -30, -30, 30}},
        {27, 57, {30, 30, -30, -30}},
        {42, 12, {-30, 30, 30, -30}},
        {57, 27, {-30, -30, 30, 30}},
    };
    for (const Jump& j : jumps)
        for (int p = 1; p <= 4; ++p) expectMove(p, j.corner - 1, 1, 1 + j.change[p - 1], j.across, 0.4 + 2.4);
}

TEST(SquareClick, TheClickedCounterMovesThenASixEarnsAnotherThrowWhateverTheMoveBecame) {
    for (auto [from, d, to] : {std::tuple{6, 3, 42}, {44, 6, 56}, {1, 6, 7}}) {
        SCOPED_TRACE(testing::Message() << from << " + " << d);
        PlayerOne g;
        Board& b = g.board;
        test::placePlayer(b, 1, {20, from});
        for (View* v : {&b.SQUARE(from), &b.SQUARE(20), &b.home(2), &b.start(0)}) g.markView(*v);
        Colour frame = 0;
        g.platform.at(5.0, [&] { frame = b.Label1(1).back; });  // during player 2's roll
        g.platform.scriptThrows({1, 2, 3});
        b.moves = d;
        ASSERT_TRUE(b.click(Family::SQUARE, from));
        EXPECT_EQ(b.players(1, 2), to);
        // every mark is gone
        EXPECT_FALSE(b.home(2).enabled || b.start(0).enabled || b.SQUARE(20).enabled);
        EXPECT_TRUE(b.home(2).back == colour::red && b.start(0).back == colour::red);
        // not a six: players 2, 3 and 4 throw under cyan frames
        EXPECT_EQ(g.platform.draws, d == 6 ? 0 : 3 * 15);
        EXPECT_EQ(frame, d == 6 ? Colour{0} : colour::cyan);
        EXPECT_EQ(b.whosego, 4);
        EXPECT_TRUE(b.dicethrow(0).visible && b.dicethrow(0).enabled && !b.dicethrow(15).visible);
        EXPECT_EQ(test::boardFaults(b), "");
    }
}

TEST(Capture, OnEverySquareClassAndAtTheEndOfAJump) {
    struct Row {
        int p, from, d, victim, on, to;
        double seconds;  // stepping, the victim's trip at 0.07 s a square, 0.6 s into the queue, flashes
    } rows[] = {
        {1, 8, 2, 4, 10, 10, 0.6 + 24 * 0.07 + 0.6},            // plain; green runs back across square 60
        {1, 14, 2, 2, 16, 16, 0.6 + 0.07 + 0.6},                // the victim's own entry square
        {1, 15, 2, 2, 17, 17, 0.6 + 0.07 + 0.6},                // the square after it
        {1, 28, 2, 2, 30, 30, 0.6 + 14 * 0.07 + 0.6},           // a home-turn square
        {1, 33, 2, 3, 35, 37, 0.6 + 4 * 0.07 + 0.6 + 0.8 + 0.6},   // a doubling square, then on
        {1, 37, 2, 4, 39, 41, 0.6 + 53 * 0.07 + 0.6 + 0.8 + 0.6},  // the other kind
        {1, 25, 2, 3, 27, 57, 0.6 + 56 * 0.07 + 0.6 + 2.4},     // a corner, then across
        {3, 40, 2, 1, 12, 12, 0.6 + 2.4 + 11 * 0.07 + 0.6},     // where a corner jump ends
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "player " << r.p << ": " << r.from << " + " << r.d);
        Opened g;
        Board& b = g.board;
        test::placeOnRing(b, 1, 2, 5);  // on some return paths: shown again afterwards
        test::placeOnRing(b, r.victim, 3, progressOf(r.victim, r.on));
        test::placeOnRing(b, r.p, 1, progressOf(r.p, r.from));
        moveBy(b, r.p, 1, r.d);
        EXPECT_EQ(squareOf(r.p, b.players(r.p, 1)), r.to);
        EXPECT_EQ(b.players(r.victim, 3), captured);
        EXPECT_NEAR(g.platform.now, r.seconds, 1e-4);
        EXPECT_EQ(g.platform.beeps, 0);
        EXPECT_EQ(test::boardFaults(b), "");
    }
}

TEST(Capture, TheVictimRunsBackOverEverySquareToItsEntrySquare) {
    Opened g;
    Board& b = g.board;
    b.sound = -1;
    test::placePlayer(b, 4, {0, progressOf(4, 10)});
    test::placePlayer(b, 2, {progressOf(2, 3)});
    test::placePlayer(b, 3, {progressOf(3, 60), progressOf(3, 47)});
    test::placePlayer(b, 1, {8});
    // in the middle of each step: which square shows green's counter, and how
    std::vector<std::pair<int, Picture>> trip;
    for (int n = 0; n < 24; ++n)
        g.platform.at(0.6 + 0.035 + 0.07 * n, [&] {
            for (int s = 1; s <= 60; ++s)
                if (b.SQUARE(s).picture == Picture::Counter4 || b.SQUARE(s).picture == Picture::CounterLarge4)
                    trip.emplace_back(s, b.SQUARE(s).picture);
        });
    moveBy(b, 1, 1, 2);
    std::vector<std::pair<int, Picture>> path;  // the larger diamond on every even square
    for (int s : {9, 8, 7, 6, 5, 4, 3, 2, 1, 60, 59, 58, 57, 56, 55, 54, 53, 52, 51, 50, 49, 48, 47})
        path.emplace_back(s, s % 2 ? Picture::Counter4 : Picture::CounterLarge4);
    path.emplace_back(46, Picture::Counter4);
    EXPECT_EQ(trip, path);
    EXPECT_EQ(g.platform.beeps, 2);
    EXPECT_EQ(test::boardFaults(b), "");
}

TEST(StartArea, PlayerOneEntersCapturingOnSquareOneAndThrowsAgain) {
    PlayerOne g;
    Board& b = g.board;
    test::placePlayer(b, 1, {20, 30});
    test::placePlayer(b, 2, {16, 0, 46});  // cyan's counter 3 on square 1
    b.moves = 6;
    b.marksquares();
    ASSERT_EQ(b.start(0).back, colour::yellow);
    ASSERT_TRUE(b.click(Family::start, 0));
    // 0.6 s out of the queue; cyan runs back from square 1 over 44 squares
    EXPECT_NEAR(g.platform.now, 0.6 + 45 * 0.07 + 0.6, 1e-4);
    EXPECT_EQ(b.players(1, 3), 1);  // and cyan's counter is back in its start area
    EXPECT_FALSE(b.start(0).enabled || b.SQUARE(20).enabled);
    EXPECT_TRUE(b.dicethrow(0).visible && b.dicethrow(0).enabled && !b.dicethrow(15).visible);
    EXPECT_EQ(test::boardFaults(b), "");
    g.platform.scriptThrows({4});
    ASSERT_TRUE(b.click(Family::dicethrow, 0));
    EXPECT_EQ(b.whosego, 1);  // the next throw was player 1's
}

TEST(HomeColumn, EnteringFromEveryDistance) {
    for (int index = 55; index <= 60; ++index)
        for (int d = 61 - index; d <= 6; ++d) {
            SCOPED_TRACE(testing::Message() << index << " + " << d);
            PlayerOne g;
            Board& b = g.board;
            b.sound = -1;
            const int position = index + d - 60;
            // what stands on square 60 is passed over, not captured, and shown again;
            // so is a counter waiting on position 1
            const bool onOne = position > 1 && position % 2 == 0;
            test::placePlayer(b, 1, index < 60 && d != 6 ? std::vector{index, 60} : std::vector{index},
                              onOne ? std::vector{1} : std::vector<int>{});
            if (index < 60 && d == 6) test::placeOnRing(b, 3, 1, 30);
            g.markView(b.SQUARE(index));
            if (d != 6) g.platform.scriptThrows({1, 1, 1});  // the computer players, with nothing to move
            b.moves = d;
            ASSERT_TRUE(b.click(Family::SQUARE, index));
            EXPECT_TRUE(b.players(1, 1) == inHomeColumn && b.homerow(1, position) == 1);
            // stepping to 60, then 0.4 s onto position 1 and 0.2 s for each place after it
            const double ring = index < 60 ? 0.2 * (61 - index) : 0;
            EXPECT_NEAR(g.movingTime(), ring + 0.4 + 0.2 * std::max(0, position - 2), 1e-4);
            EXPECT_EQ(g.platform.beeps, 0);
            EXPECT_EQ(test::boardFaults(b), "");
        }
}

TEST(HomeColumn, ClickMovesAlongTheColumnAndPassesTheTurnOn) {
    PlayerOne g;
    Board& b = g.board;
    test::placePlayer(b, 1, {}, {3, 4});
    g.markView(b.home(2));
    Colour frame = 0;
    g.platform.at(1.0, [&] { frame = b.Label1(1).back; });  // during player 2's roll
    g.platform.scriptThrows({1, 1, 1});
    b.moves = 2;
    ASSERT_TRUE(b.click(Family::home, 2));
    EXPECT_TRUE(b.homerow(1, 3) == 0 && b.homerow(1, 5) == 1);  // position 4 is passed over
    EXPECT_TRUE(b.home(2).back == colour::red && !b.home(2).enabled);
    EXPECT_NEAR(g.movingTime(), 0.6, 1e-6);
    EXPECT_EQ(frame, colour::cyan);
    EXPECT_EQ(b.whosego, 4);
    EXPECT_EQ(test::boardFaults(b), "");
}

TEST(HomeColumn, ExactThrowIntoTheNextFinalPlace) {
    PlayerOne g;
    Board& b = g.board;
    test::placePlayer(b, 1, {}, {1, 2}, 1);
    g.markView(b.home(0));
    g.markView(b.start(0));  // a six marks the start place as well
    std::vector<Colour> frames;  // swap colours on every one of 2 x (3 + 1) repetitions
    for (int n = 0; n < 8; ++n) g.platform.at(1.5 + 0.2 * n, [&] { frames.push_back(b.Label1(1).back); });
    b.moves = 6;
    b.home_Click(0);
    EXPECT_TRUE(b.homerow(1, 1) == 0 && b.homerow(1, 7) == 2);
    EXPECT_NEAR(g.platform.now, 0.2 * 7 + 0.4 * 4, 1e-4);
    const Colour R = colour::red, W = colour::window;
    EXPECT_EQ(frames, (std::vector<Colour>{W, R, W, R, W, R, W, R}));
    for (int k = 0; k <= 7; ++k) EXPECT_EQ(b.Label1(k).back, k % 2 ? R : W) << k;
    EXPECT_TRUE(b.start(0).back == colour::red && !b.start(0).enabled);
    EXPECT_EQ(b.whosego, 4);  // a six: player 1 throws again
    EXPECT_TRUE(b.dicethrow(0).visible && b.dicethrow(0).enabled && !b.dicethrow(15).visible);
    EXPECT_EQ(test::boardFaults(b), "");

    b.moves = 5;  // the third counter home goes to the third final place
    g.platform.scriptThrows({1, 1, 1});
    b.home_Click(1);
    EXPECT_EQ(b.homerow(1, 7), 3);
    EXPECT_EQ(test::boardFaults(b), "");
}

TEST(HomeColumn, TheFourthCounterHomeCelebratesAndStartsAgainEveryTime) {
    PlayerOne g;
    Board& b = g.board;
    // counters on special squares of every kind, put back after the celebration
    test::placePlayer(b, 2, {20});        // doubling square 35
    test::placePlayer(b, 3, {42, 30});    // corner 12, home-turn square 60
    test::placePlayer(b, 4, {1});         // its entry square 46
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        test::placePlayer(b, 1, {}, {1}, 3);
        const double t0 = g.platform.now;
        // the first beat: every other square shows red's counter, the frames blink in red
        std::vector<Picture> beat;
        g.platform.at(t0 + 3.5, [&] {
            for (int s = 1; s <= 4; ++s) beat.push_back(b.SQUARE(s).picture);
            EXPECT_EQ(b.Label1(0).back, colour::red);
        });
        b.moves = 6;
        b.home_Click(0);
        EXPECT_EQ(beat, (std::vector<Picture>{Picture::Blank, Picture::Counter1, Picture::Blank, Picture::Counter1}));
        // 1.4 s into the final place, 10 x 0.2 s of frames, 5.2 s of celebration, 3.0 s of march
        EXPECT_NEAR(g.platform.now - t0, 1.4 + 2.0 + 5.2 + 3.0, 1e-3);
        for (int j = 1; j <= 5; ++j) EXPECT_EQ(b.players(1, j), 0) << j;
        for (int k = 0; k <= 7; ++k) EXPECT_EQ(b.Label1(k).back, colour::window) << k;
        EXPECT_EQ(test::boardFaults(b), "");
    }
}
