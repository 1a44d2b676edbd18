// SPDX-License-Identifier: GPL-3.0-or-later
// What the board tells the window about what just happened: throws, turns
// without a move, captures, counters home, the celebration, the menus; each
// told once, in the order it happened, and before the pause that shows it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <vector>

#include "tests/support/test_platform.h"

using namespace skarpo;
using Kind = Happening::Kind;

namespace skarpo {
void PrintTo(const Happening& h, std::ostream* out) {
    *out << "{kind " << static_cast<int>(h.kind) << ", player " << h.player << ", value " << h.value << "}";
}
}  // namespace skarpo

namespace {

// What the board told while `act` ran.
std::vector<Happening> told(Board& b, const std::function<void()>& act) {
    const auto seen = b.happenings.count();
    act();
    return b.happenings.since(seen);
}

// An opened board where player `thrower` has just thrown m.
void thrown(Board& b, int thrower, int m) {
    test::openedPosition(b);
    b.whosego = static_cast<std::int16_t>(thrower);
    b.moves = m;
    b.dicethrow(0).visible = false;
}

}  // namespace

TEST(Happenings, ATurnCycleIsToldInOrder) {
    test::Game g;
    Board& b = g.board;
    EXPECT_EQ(b.happenings.since(0), (std::vector<Happening>{{Kind::NewGame}}));
    // player 1 throws 3 with every counter waiting; cyan enters on a six and moves 2; magenta and green cannot move
    g.platform.scriptThrows({3, 6, 2, 1, 5});
    Happening duringThePause;  // the pause before the turn passes on shows player 1's lost throw already
    g.platform.at(3.0 + 1.77 + 0.2 + 0.4, [&] { duringThePause = b.happenings.since(b.happenings.count() - 1)[0]; });
    const auto cycle = told(b, [&] { ASSERT_TRUE(b.click(Family::dicethrow, 0)); });
    EXPECT_EQ(cycle, (std::vector<Happening>{{Kind::Opening},
                                             {Kind::Threw, 1, 3},
                                             {Kind::NoMove, 1, 3},
                                             {Kind::Threw, 2, 6},
                                             {Kind::Threw, 2, 2},
                                             {Kind::Threw, 3, 1},
                                             {Kind::NoMove, 3, 1},
                                             {Kind::Threw, 4, 5},
                                             {Kind::NoMove, 4, 5}}));
    EXPECT_EQ(duringThePause, (Happening{Kind::NoMove, 1, 3}));

    EXPECT_EQ(told(b, [&] { b.chooseNewGame(); }), (std::vector<Happening>{{Kind::NewGame}}));
    EXPECT_EQ(told(b,
                   [&] {
                       b.chooseAuto();
                       b.chooseSound();
                       b.chooseAuto();
                       b.chooseSound();
                   }),
              (std::vector<Happening>{{Kind::AutoOn}, {Kind::SoundOn}, {Kind::AutoOff}, {Kind::SoundOff}}));
}

TEST(Happenings, CapturesCountersHomeAndTurnsWithoutAMove) {
    // player 1 captures by a move on the ring, by entering onto square 1; brings its fourth counter home
    auto playerOne = [](int m, std::vector<int> ring, std::vector<int> column, int done, std::vector<int> cyan,
                        Family f, int index) {
        test::Game g;
        thrown(g.board, 1, m);
        test::placePlayer(g.board, 1, ring, column, done);
        test::placePlayer(g.board, 2, cyan);
        g.board.marksquares();
        g.platform.scriptThrows({1, 1, 1});
        auto got = told(g.board, [&] { g.board.click(f, index); });
        got.resize(std::min<std::size_t>(got.size(), 2));
        return got;
    };
    EXPECT_EQ(playerOne(3, {10}, {}, 0, {progressOf(2, 13)}, Family::SQUARE, 10),
              (std::vector<Happening>{{Kind::Captured, 1, 2}, {Kind::Threw, 2, 1}}));
    EXPECT_EQ(playerOne(6, {}, {}, 0, {46}, Family::start, 0), (std::vector<Happening>{{Kind::Captured, 1, 2}}));
    EXPECT_EQ(playerOne(6, {}, {1}, 3, {}, Family::home, 0),
              (std::vector<Happening>{{Kind::Home, 1, 4}, {Kind::AllHome, 1}}));

    // cyan's turn with a throw of m, magenta and green throwing 1 after it; player 1 stands on square 20
    struct Turn {
        const char* what;
        std::vector<int> ring, column;
        int done, m;
        std::vector<Happening> want;  // the first ones told
    } const turns[] = {
        {"captures on 20", {progressOf(2, 18)}, {}, 0, 2, {{Kind::Threw, 2, 2}, {Kind::Captured, 2, 1}, {Kind::Threw, 3, 1}}},
        {"a second counter home", {}, {5, 3}, 1, 2,
         {{Kind::Threw, 2, 2}, {Kind::Home, 2, 2}, {Kind::Threw, 3, 1}, {Kind::NoMove, 3, 1}}},
        {"the fourth counter home", {}, {3}, 3, 4,
         {{Kind::Threw, 2, 4}, {Kind::Home, 2, 4}, {Kind::AllHome, 2}, {Kind::Threw, 3, 1}}},
        {"its way into the home column taken", {58}, {3}, 0, 5,
         {{Kind::Threw, 2, 5}, {Kind::NoMove, 2, 5}, {Kind::Threw, 3, 1}}},
        {"a move inside the home column only", {}, {1}, 0, 2, {{Kind::Threw, 2, 2}, {Kind::Threw, 3, 1}}},
    };
    for (const Turn& t : turns) {
        SCOPED_TRACE(t.what);
        test::Game g;
        thrown(g.board, 1, 1);
        test::placePlayer(g.board, 1, {20});
        test::placePlayer(g.board, 2, t.ring, t.column, t.done);
        g.platform.scriptThrows({t.m, 1, 1});
        auto got = told(g.board, [&] { g.board.dicethrow_Click(0); });
        got.resize(std::min(got.size(), t.want.size()));
        EXPECT_EQ(got, t.want);
    }
}

TEST(Happenings, AReaderThatFellBehindGetsTheLatestInOrder) {
    Happenings h;
    const int n = static_cast<int>(Happenings::kept) + 5;
    for (int i = 1; i <= n; ++i) h.publish({Kind::Threw, 1, i});
    const auto all = h.since(0);
    ASSERT_EQ(all.size(), Happenings::kept);
    EXPECT_TRUE(all.front().value == 6 && all.back().value == n);
    EXPECT_EQ(h.since(h.count() - 2), (std::vector<Happening>{{Kind::Threw, 1, n - 1}, {Kind::Threw, 1, n}}));
    EXPECT_TRUE(h.since(h.count()).empty() && h.since(h.count() + 1).empty());
}
