// SPDX-License-Identifier: GPL-3.0-or-later
// What the board tells the window about what just happened: throws, turns
// without a move, captures, counters home, the celebration, the menus; each
// told once, in the order it happened, and before the pause that shows it.
#include <gtest/gtest.h>

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
    struct Row {
        const char* what;
        std::function<void(test::Game&)> act;
        std::vector<Happening> want;  // the first ones told
    } rows[] = {
        {"player 1 captures on the ring",
         [](test::Game& g) {
             thrown(g.board, 1, 3);
             test::placePlayer(g.board, 1, {10});
             test::placePlayer(g.board, 2, {progressOf(2, 13)});
             g.board.marksquares();
             g.platform.scriptThrows({1, 1, 1});
             g.board.click(Family::SQUARE, 10);
         },
         {{Kind::Captured, 1, 2}, {Kind::Threw, 2, 1}}},
        {"player 1 enters onto cyan on square 1",
         [](test::Game& g) {
             thrown(g.board, 1, 6);
             test::placePlayer(g.board, 2, {46});
             g.board.marksquares();
             g.board.click(Family::start, 0);
         },
         {{Kind::Captured, 1, 2}}},
        {"cyan captures player 1, then magenta and green throw",
         [](test::Game& g) {
             thrown(g.board, 1, 1);
             test::placePlayer(g.board, 1, {20});
             test::placePlayer(g.board, 2, {progressOf(2, 18)});
             g.platform.scriptThrows({2, 1, 1});
             g.board.dicethrow_Click(0);
         },
         {{Kind::Threw, 2, 2}, {Kind::Captured, 2, 1}, {Kind::Threw, 3, 1}}},
        {"player 1's fourth counter home",
         [](test::Game& g) {
             thrown(g.board, 1, 6);
             test::placePlayer(g.board, 1, {}, {1}, 3);
             g.board.home_Click(0);
         },
         {{Kind::Home, 1, 4}, {Kind::AllHome, 1}}},
        {"cyan's second counter home",
         [](test::Game& g) {
             thrown(g.board, 1, 1);
             test::placePlayer(g.board, 2, {}, {5, 3}, 1);
             g.platform.scriptThrows({2, 1, 1});
             g.board.dicethrow_Click(0);
         },
         {{Kind::Threw, 2, 2}, {Kind::Home, 2, 2}, {Kind::Threw, 3, 1}, {Kind::NoMove, 3, 1}}},
        {"cyan's fourth counter home",
         [](test::Game& g) {
             thrown(g.board, 1, 1);
             test::placePlayer(g.board, 2, {}, {3}, 3);
             g.platform.scriptThrows({4, 1, 1});
             g.board.dicethrow_Click(0);
         },
         {{Kind::Threw, 2, 4}, {Kind::Home, 2, 4}, {Kind::AllHome, 2}, {Kind::Threw, 3, 1}}},
        {"cyan's way into the home column is taken",
         [](test::Game& g) {
             thrown(g.board, 1, 1);
             test::placePlayer(g.board, 2, {58}, {3});
             g.platform.scriptThrows({5, 1, 1});
             g.board.dicethrow_Click(0);
         },
         {{Kind::Threw, 2, 5}, {Kind::NoMove, 2, 5}, {Kind::Threw, 3, 1}}},
        {"cyan moves inside its home column only",
         [](test::Game& g) {
             thrown(g.board, 1, 1);
             test::placePlayer(g.board, 2, {}, {1});
             g.platform.scriptThrows({2, 1, 1});
             g.board.dicethrow_Click(0);
         },
         {{Kind::Threw, 2, 2}, {Kind::Threw, 3, 1}}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        test::Game g;
        auto got = told(g.board, [&] { r.act(g); });
        ASSERT_GE(got.size(), r.want.size());
        got.resize(r.want.size());
        EXPECT_EQ(got, r.want);
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
