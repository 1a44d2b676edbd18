// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a whole on the virtual clock: a new game, the die and the order of turns, which events reach the game
// while it animates, what it tells the window about what just happened, and a long game by the timer alone.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/picture_check.h"
#include "tests/support/test_platform.h"

using namespace skarpo;
using skarpo::test::Game;
using Kind = Happening::Kind;
using Told = std::vector<Happening>;

namespace skarpo {
void PrintTo(const Happening& h, std::ostream* out) {
    *out << "{kind " << static_cast<int>(h.kind) << ", player " << h.player << ", value " << h.value << "}";
}
}  // namespace skarpo

namespace {
// What the board told while `act` ran, at most the first `n`.
Told told(Board& b, const std::function<void()>& act, std::size_t n = 99) {
    const auto seen = b.happenings.count();
    act();
    Told got = b.happenings.since(seen);
    got.resize(std::min(got.size(), n));
    return got;
}
}  // namespace

TEST(Board, NewGameClearsAGameInProgressButKeepsTheOptions) {
    Game g;
    Board& b = g.board;
    test::openedPosition(b);
    test::placePlayer(b, 1, {1, 3});  // square 1 with its copy in squares(61)
    test::placePlayer(b, 2, {0, 50});
    test::placePlayer(b, 3, {}, {2});
    for (View* v : {&b.start(0), &b.home(2), &b.SQUARE(7)}) v->back = colour::yellow, v->enabled = true;
    b.Label1(6).back = colour::red;  // lit by a celebration
    b.whosego = 3;
    b.chooseAuto(), b.chooseSound(), b.chooseNewGame();
    EXPECT_EQ(test::differences(b, Game().board), "");
    EXPECT_TRUE(b.autoplay && b.autoChecked && b.soundopChecked && b.sound == -1 && g.platform.reseeds == 2);
}

// New Game during the opening march, the roll, the pause before the marks, player 2's turn: the interrupted turn
// goes no further, and the next click marches out and throws. Inside a pause no click or tick gets in; between
// handlers a disabled square, the hidden die and the thrown die take no click; after closing nothing does.
TEST(Events, NewGameCutsATurnShortAndNothingElseGetsInWhileTheBoardAnimates) {
    for (double when : {0.0, 1.0, 3.5, 4.9, 8.0}) {
        SCOPED_TRACE(testing::Message() << "new game at " << when);
        Game g;
        Board& b = g.board;
        if (when > 0) {
            g.platform.scriptThrows({3, 2, 5, 4});
            g.platform.at(when - 0.01, [&] {
                b.SQUARE(5).enabled = b.autoplay = true;
                EXPECT_TRUE(b.paused() && !b.click(Family::SQUARE, 5) && !b.tick() && !b.click(Family::dicethrow, 0));
                b.SQUARE(5).enabled = b.autoplay = false;
            });
            g.platform.at(when, [&] { b.chooseNewGame(); });
            ASSERT_TRUE(b.click(Family::dicethrow, 0));
            EXPECT_EQ(test::differences(b, Game().board), "");
            g.platform.unscript();
        }
        g.platform.scriptThrows({6});
        const double t0 = g.platform.now;
        ASSERT_TRUE(b.click(Family::dicethrow, 0));
        EXPECT_NEAR(g.platform.now - t0, 3.0 + 1.77 + 0.2, 1e-4);  // march, roll, pause before the marks
        EXPECT_TRUE(b.whosego == 1 && b.dicethrow(15).picture == Picture::Die6 && b.dicethrow(15).visible);
        EXPECT_TRUE(b.start(0).back == colour::yellow && b.start(0).enabled);  // a six marks the start place
        EXPECT_FALSE(b.paused() || b.click(Family::SQUARE, 7) || b.click(Family::dicethrow, 0) ||
                     b.click(Family::dicethrow, 15));
        EXPECT_EQ(test::boardFaults(b), "");
    }
    Game c;  // closing ends the handler: the march never finishes
    c.board.chooseAuto();
    c.platform.at(2.0, [&] { c.board.close(); });
    ASSERT_TRUE(c.board.click(Family::dicethrow, 0));
    EXPECT_TRUE(c.board.closed() && !c.board.autoplay && c.platform.now < 3.0 && c.platform.draws == 0);
    EXPECT_FALSE(c.board.click(Family::dicethrow, 0) || c.board.tick());
}

// Player 1 throws 3 and cannot move; player 2 throws 6, 6, 3; players 3 and 4 one throw each. The frames show who
// throws next, and the turn is told in order, the lost throw before the pause that shows it.
TEST(Turns, TheComputersFollowAndTheFramesShowWhoThrowsNext) {
    Game g;
    Board& b = g.board;
    EXPECT_EQ(b.happenings.since(0), (Told{{Kind::NewGame}}));
    g.platform.scriptThrows({3, 6, 6, 3, 2, 4});
    std::vector<Colour> frames;
    std::vector<int> throwers;
    g.platform.onPause = [&](float sec) {  // the start of every roll
        if (sec == 0.04f) frames.push_back(b.Label1(1).back), throwers.push_back(b.whosego);
    };
    Colour before = 0, after = 0;  // the frames turn cyan 0.8 s after the marks would have come
    Happening duringThePause;
    g.platform.at(4.97 + 0.6, [&] { duringThePause = b.happenings.since(b.happenings.count() - 1)[0]; });
    g.platform.at(4.97 + 0.75, [&] { before = b.Label1(1).back; });
    g.platform.at(4.97 + 0.85, [&] { after = b.Label1(1).back; });
    const Told cycle = told(b, [&] { ASSERT_TRUE(b.click(Family::dicethrow, 0)); });
    EXPECT_TRUE(before == colour::red && after == colour::cyan);
    EXPECT_EQ(throwers, (std::vector<int>{0, 1, 1, 1, 2, 3}));  // whosego before each throw
    using namespace colour;
    EXPECT_EQ(frames, (std::vector<Colour>{red, cyan, cyan, cyan, magenta, green}));
    EXPECT_EQ(cycle, (Told{{Kind::Opening}, {Kind::Threw, 1, 3}, {Kind::NoMove, 1, 3}, {Kind::Threw, 2, 6},
                           {Kind::Threw, 2, 6}, {Kind::Threw, 2, 3}, {Kind::Threw, 3, 2}, {Kind::NoMove, 3, 2},
                           {Kind::Threw, 4, 4}, {Kind::NoMove, 4, 4}}));
    EXPECT_EQ(duringThePause, (Happening{Kind::NoMove, 1, 3}));
    EXPECT_EQ(g.platform.draws, 6 * 15);  // every throw was made, none more
    EXPECT_TRUE(b.whosego == 4 && b.Label1(7).back == red && b.dicethrow(0).visible && b.dicethrow(0).enabled);
    EXPECT_EQ(test::boardFaults(b), "");
    EXPECT_EQ(told(b, [&] { b.chooseNewGame(); }), (Told{{Kind::NewGame}}));
    EXPECT_EQ(told(b, [&] { b.chooseAuto(), b.chooseSound(), b.chooseAuto(), b.chooseSound(); }),
              (Told{{Kind::AutoOn}, {Kind::SoundOn}, {Kind::AutoOff}, {Kind::SoundOff}}));
}

TEST(Happenings, CapturesCountersHomeAndTurnsWithoutAMove) {
    // player 1 captures by a move on the ring, by entering onto square 1; brings its fourth counter home
    auto one = [](int m, std::vector<int> ring, std::vector<int> column, int done, int cyan, Family f, int index) {
        Game g;
        test::thrown(g.board, 1, m);
        test::placePlayer(g.board, 1, ring, column, done);
        test::placePlayer(g.board, 2, {cyan});
        g.board.marksquares();
        g.platform.scriptThrows({1, 1, 1});
        return told(g.board, [&] { g.board.click(f, index); }, 2);
    };
    EXPECT_EQ(one(3, {10}, {}, 0, progressOf(2, 13), Family::SQUARE, 10),
              (Told{{Kind::Captured, 1, 2}, {Kind::Threw, 2, 1}}));
    EXPECT_EQ(one(6, {}, {}, 0, 46, Family::start, 0), (Told{{Kind::Captured, 1, 2}}));
    EXPECT_EQ(one(6, {}, {1}, 3, 0, Family::home, 0), (Told{{Kind::Home, 1, 4}, {Kind::AllHome, 1}}));

    // cyan's turn with a throw of m, magenta and green throwing 1 after it; player 1 stands on square 20
    const struct {
        std::vector<int> ring, column;
        int done, m;
        Told want;  // the first ones told
    } turns[] = {
        {{progressOf(2, 18)}, {}, 0, 2, {{Kind::Threw, 2, 2}, {Kind::Captured, 2, 1}, {Kind::Threw, 3, 1}}},
        {{}, {5, 3}, 1, 2, {{Kind::Threw, 2, 2}, {Kind::Home, 2, 2}, {Kind::Threw, 3, 1}, {Kind::NoMove, 3, 1}}},
        {{}, {3}, 3, 4, {{Kind::Threw, 2, 4}, {Kind::Home, 2, 4}, {Kind::AllHome, 2}, {Kind::Threw, 3, 1}}},
        {{58}, {3}, 0, 5, {{Kind::Threw, 2, 5}, {Kind::NoMove, 2, 5}, {Kind::Threw, 3, 1}}},  // the column taken
        {{}, {1}, 0, 2, {{Kind::Threw, 2, 2}, {Kind::Threw, 3, 1}}},  // a move inside the home column only
    };
    for (const auto& t : turns) {
        Game g;
        test::thrown(g.board, 1, 1);
        test::placePlayer(g.board, 1, {20});
        test::placePlayer(g.board, 2, t.ring, t.column, t.done);
        g.platform.scriptThrows({t.m, 1, 1});
        EXPECT_EQ(told(g.board, [&] { g.board.dicethrow_Click(0); }, t.want.size()), t.want) << &t - turns;
    }
}

TEST(Happenings, AReaderThatFellBehindGetsTheLatestInOrder) {
    Happenings h;
    const int n = static_cast<int>(Happenings::kept) + 5;
    for (int i = 1; i <= n; ++i) h.publish({Kind::Threw, 1, i});
    const auto all = h.since(0);
    ASSERT_EQ(all.size(), Happenings::kept);
    EXPECT_TRUE(all.front().value == 6 && all.back().value == n);
    EXPECT_EQ(h.since(h.count() - 2), (Told{{Kind::Threw, 1, n - 1}, {Kind::Threw, 1, n}}));
    EXPECT_TRUE(h.since(h.count()).empty() && h.since(h.count() + 1).empty());
}

// A long game played by the timer alone, automatic play for player 1: between any two turns the tables must hold
// together and the board must show them; every player celebrates, player 1 too.
TEST(WholeGame, TwentyThousandThrowsByTheTimerKeepBoardAndTablesTogether) {
    Game g;
    Board& b = g.board;
    long throws = 0;
    int sweeps = 0, celebrations[5] = {}, home[5] = {};  // sweeps: pauses of a celebration round the ring
    std::string fault;
    auto check = [&] {  // between turns: at the die's first position, and after each tick
        if (!fault.empty() || b.dicethrow(15).enabled) return;  // before the opening march
        for (int p = 1; p <= 4; ++p) celebrations[p] += home[p] == 3 && b.homerow(p, 7) == 0, home[p] = b.homerow(p, 7);
        if (const std::string why = test::boardFaults(b); !why.empty())
            fault = "at throw " + std::to_string(throws) + ": " + why;
    };
    g.platform.onPause = [&](float sec) {
        if (sec == 0.04f) check(), ++throws, g.platform.pauses.clear();  // keep the log short over a long game
        sweeps += sec == 0.01f;
    };
    g.platform.seed = 7;
    b.chooseNewGame();
    b.chooseAuto();
    for (long ticks = 0; throws < 20000 && fault.empty() && ticks < 40 * 20000; ++ticks) {
        g.platform.now = std::floor(g.platform.now) + 1;  // the timer's next tick
        if (!b.tick()) fault = "a tick was refused between handlers";
        check();
    }
    EXPECT_EQ(fault, "");
    const int all = celebrations[1] + celebrations[2] + celebrations[3] + celebrations[4];
    EXPECT_TRUE(throws >= 20000 && celebrations[1] >= 1 && all > celebrations[1]);
    EXPECT_EQ(sweeps, 120 * all);  // every celebration sweeps the ring twice, sixty squares at a time
}
