// SPDX-License-Identifier: GPL-3.0-or-later
// How strong the computer plays: the legal moves are exactly the person's marks; Easy and Strong computer turns keep
// to them; the Normal player's move is known beforehand; Strong takes what is plainly best and fears what the Normal
// player will do.
#include <gtest/gtest.h>

#include <set>

#include "rules/strength.h"
#include "tests/support/test_platform.h"

using namespace skarpo;

namespace {

// The places player 1's marks stand on, as legal moves.
std::set<std::pair<int, int>> marks(const Board& b) {
    std::set<std::pair<int, int>> out;
    auto marked = [](const View& v) { return v.back == colour::yellow && v.enabled; };
    for (int s = 1; s <= 60; ++s)
        if (marked(b.SQUARE(s))) out.insert({int(Place::Kind::Ring), s});
    if (marked(b.start(0))) out.insert({int(Place::Kind::Start), 0});
    for (int k = 1; k <= 6; ++k)
        if (marked(b.home(k - 1))) out.insert({int(Place::Kind::Column), k});
    return out;
}

std::set<std::pair<int, int>> asSet(const LegalMoves& legal) {
    std::set<std::pair<int, int>> out;
    for (const Place& p : legal) out.insert({int(p.kind), p.index});
    return out;
}

}  // namespace

// Red played through its marks for thousands of throws, each time a random one of the legal moves: the legal moves
// are the marks, every time.
TEST(Strength, TheLegalMovesAreThePersonsMarks) {
    test::Game g;
    Board& b = g.board;
    Seeded pick(5);
    int compared = 0;
    for (int step = 0; step < 20000; ++step) {
        if (b.takesClick(Family::dicethrow, 0)) {
            b.click(Family::dicethrow, 0);
            continue;
        }
        const LegalMoves legal = legalMoves(Position::of(b), 1, b.moves);
        ASSERT_EQ(asSet(legal), marks(b)) << "throw " << b.moves << " at step " << step;
        ASSERT_GT(legal.count, 0);
        ++compared;
        const Place p = legal.at[pick.between(0, legal.count - 1)];
        const bool clicked = p.kind == Place::Kind::Ring    ? b.click(Family::SQUARE, p.index)
                             : p.kind == Place::Kind::Start ? b.click(Family::start, 0)
                                                            : b.click(Family::home, p.index - 1);
        ASSERT_TRUE(clicked);
    }
    EXPECT_GT(compared, 3000);
}

// The computer at Easy and at Strong moves only from the places the legal moves name.
TEST(Strength, EasyAndStrongComputersPlayLegalMovesOnly) {
    for (Strength s : {Strength::Easy, Strength::Strong}) {
        test::Game g;
        Board& b = g.board;
        b.options.strength = s;
        b.autoplay = true;
        int moves = 0, illegal = 0;
        b.moveStarts = [&](int player, Place from, int thrown) {
            if (player == 1) return;
            ++moves;
            illegal += !legalMoves(Position::of(b), player, thrown).contains(from);
        };
        for (int t = 0; t < 3000; ++t) b.tick();
        EXPECT_GT(moves, 1000);
        EXPECT_EQ(illegal, 0);
        EXPECT_EQ(test::boardFaults(b), "");
    }
}

// With a choice between a plain step and a corner that jumps thirty squares forward, Strong takes the corner; with a
// counter that can finish the player's fourth, it finishes.
TEST(Strength, StrongTakesWhatIsPlainlyBest) {
    test::Game g;
    Board& b = g.board;
    test::openedPosition(b);
    test::placePlayer(b, 2, {9, 30});
    EXPECT_EQ(strongMove(Position::of(b), 2, 3), Place::ring(squareOf(2, 9)));  // 9 + 3 reaches the corner on 12
    test::placePlayer(b, 3, {40}, {4}, 2);
    const LegalMoves legal = legalMoves(Position::of(b), 3, 3);
    EXPECT_EQ(legal.count, 2);
    EXPECT_EQ(strongMove(Position::of(b), 3, 3), Place::column(4));        // 4 + 3 finishes
    EXPECT_EQ(strongMove(Position::of(b), 4, 3).kind, Place::Kind::None);  // nothing to move
}

// Whole games at Normal, red by automatic play: the first move made with each throw is the one normalMove names, for
// every colour (a six that moves in the home column may enter a counter too; that second move is not compared). Normal
// may even take its own counter (off the entry square with a 4, over two doubling squares), which no legal move does.
TEST(Strength, NormalMoveIsWhatTheNormalPlayerPlays) {
    test::Game g;
    Board& b = g.board;
    b.autoplay = true;
    std::uint64_t compared = 0, differing = 0, seen = 0;
    b.moveStarts = [&](int player, Place from, int thrown) {
        bool threw = false;
        for (const Happening& h : b.happenings.since(seen)) threw = threw || h.kind == Happening::Kind::Threw;
        seen = b.happenings.count();
        if (!threw) return;  // a second move with the same throw
        ++compared;
        // a ring counter that cannot go into its taken home-column position is announced, then stays: no move
        const Position now = Position::of(b);
        const Place made = foresee(now, player, from, thrown).moves ? from : Place{};
        differing += normalMove(now, player, thrown) != made;
    };
    for (int t = 0; t < 6000; ++t) b.tick();
    EXPECT_GT(compared, 2000u);
    EXPECT_EQ(differing, 0u);
}

// A counter of cyan's stands on magenta's entry square, where magenta's next
// six brings a counter in and takes it; Strong steps it off rather than
// advancing the counter farther along, which Normal would move.
TEST(Strength, StrongStepsOffWhereTheNormalPlayerEnters) {
    test::Game g;
    Board& b = g.board;
    test::openedPosition(b);
    test::placePlayer(b, 2, {16, 30});  // squares 31 (magenta's entry) and 45
    const Position now = Position::of(b);
    EXPECT_EQ(normalMove(now, 2, 2), Place::ring(45));
    EXPECT_EQ(strongMove(now, 2, 2), Place::ring(31));
}
