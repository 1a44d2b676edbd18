// SPDX-License-Identifier: GPL-3.0-or-later
// Who plays each colour and how fast the computer plays: a person playing any colour meets the same marks and moves
// as red (the board turned a quarter round), the one answer to what the game waits for, a table of computers that
// plays for ever in one handler, automatic play for every person, and the pauses of each speed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "tests/support/test_platform.h"

using namespace skarpo;
using test::Game;

namespace {
constexpr Seat P = Seat::Person, C = Seat::Computer;

// The square a quarter turn on: 15 squares further, as player q + 1 stands to player q.
int turned(int s, int quarters) { return (s - 1 + 15 * quarters) % 60 + 1; }
int turnedPlayer(int q, int quarters) { return (q - 1 + quarters) % 4 + 1; }

// A random position with `mover` (as red) to throw m, laid out turned by `quarters`, persons at the mover's seat and
// the next (so that the turn stops there). Returns what the mover's marks and first click leave, in red's terms.
struct Outcome {
    std::vector<Spot> marks;
    std::vector<std::int16_t> players, homerow, squares;
    int next = 0;
    std::string faults;
    bool operator==(const Outcome&) const = default;
};

Outcome play(unsigned seed, int m, int quarters) {
    Game g;
    Board& b = g.board;
    const int mover = turnedPlayer(1, quarters);
    b.options.seats = {C, C, C, C, C};
    b.options.seats[static_cast<std::size_t>(mover)] = P;
    b.options.seats[static_cast<std::size_t>(mover % 4 + 1)] = P;
    b.chooseNewGame();
    test::thrown(b, mover, m);
    Seeded rng(seed);
    std::vector<bool> taken(61, false);
    for (int l = 1; l <= 4; ++l) {  // each player's counters in red's terms: waiting, on the ring, in the column, home
        std::vector<int> ring, column;
        int done = 0;
        std::vector<bool> inColumn(7, false);
        for (int j = 0; j < 4; ++j) {
            const int what = static_cast<int>(rng() % 10);
            const int k = static_cast<int>(rng() % 60) + 1, s = squareOf(l, k);
            const int c = static_cast<int>(rng() % 6) + 1;
            if (what < 5 && !taken[static_cast<std::size_t>(s)])
                ring.push_back(k), taken[static_cast<std::size_t>(s)] = true;
            else if (what < 7 && !inColumn[static_cast<std::size_t>(c)])
                column.push_back(c), inColumn[static_cast<std::size_t>(c)] = true;
            else if (what < 8 && ring.size() + column.size() + static_cast<std::size_t>(done) < 3)
                ++done;
        }
        std::sort(column.begin(), column.end());
        test::placePlayer(b, turnedPlayer(l, quarters), ring, column, done);
    }
    Outcome o;
    b.marksquares();
    for (Spot s : b.clickable()) {  // turned back to red's terms
        if (s.family == Family::SQUARE) s.index = turned(s.index, 4 - quarters);
        if (s.family == Family::start) s.index = (s.index + 16 - 4 * quarters) % 16;
        if (s.family == Family::home) s.index = (s.index + 40 - 10 * quarters) % 40;
        o.marks.push_back(s);
    }
    if (!b.clickable().empty()) b.click(b.clickable().front().family, b.clickable().front().index);
    for (int l = 1; l <= 4; ++l) {
        const int q = turnedPlayer(l, quarters);
        for (int j = 0; j <= 5; ++j) o.players.push_back(j == 0 ? 0 : b.players(q, j));
        for (int k = 1; k <= 7; ++k) o.homerow.push_back(static_cast<std::int16_t>(b.homerow(q, k)));
    }
    for (int s = 1; s <= 60; ++s) {
        const int q = b.squares(turned(s, quarters));
        o.squares.push_back(static_cast<std::int16_t>(q ? turnedPlayer(q, 4 - quarters) : 0));
    }
    o.next = turnedPlayer(b.nextThrower(), 4 - quarters);
    o.faults = test::boardFaults(b);
    return o;
}
}  // namespace

// Cyan, magenta or green played by a person is marked and moves exactly as red in the same place would: the same
// marks in the order of its own journey, the same tables after the first of them is clicked (round past square 60,
// into the home column, onto a doubling square or a corner, capturing), the turn stopping at the next person.
TEST(Seats, APersonAtAnySeatMeetsTheMarksAndMovesOfRed) {
    int clicked = 0, marked = 0;
    for (unsigned seed = 1; seed <= 150; ++seed)
        for (int m = 1; m <= 6; ++m) {
            const Outcome red = play(seed, m, 0);
            ASSERT_EQ(red.faults, "") << seed << "/" << m;
            marked += red.marks.size() > 1 || red.marks.front().family != Family::dicethrow;
            clicked += !red.marks.empty();
            for (int quarters = 1; quarters <= 3; ++quarters)
                ASSERT_EQ(play(seed, m, quarters), red) << seed << "/" << m << "/" << quarters;
        }
    EXPECT_GT(marked, 600);
    EXPECT_EQ(clicked, 900);
}

// The one answer to what the game waits for, and who for: the die for the next thrower, marks for the one who threw,
// nothing inside a pause or once closed. Seats chosen amid a game wait for the next new game.
TEST(Seats, OneAnswerToWhatTheGameWaitsForAndWhoFor) {
    Game g;
    Board& b = g.board;
    b.options.seats = {C, C, P, C, C};  // cyan alone
    EXPECT_TRUE(b.person(1) && !b.person(2)) << "the seats wait for a new game";
    b.chooseNewGame();
    EXPECT_TRUE(!b.person(1) && b.person(2) && !b.soleRed());
    EXPECT_EQ(b.phase(), Phase::DieWaits);
    EXPECT_EQ(b.toPlay(), 1);  // red, a computer player: the tick starts the game
    EXPECT_TRUE(b.ticksMatter());
    EXPECT_EQ(b.clickable(), (std::vector<Spot>{{Family::dicethrow, 0}}));
    std::vector<Phase> inPauses;
    g.platform.onPause = [&](float) { inPauses.push_back(b.phase()); };
    g.platform.scriptThrows({3, 6});  // red throws 3, cyan 6
    test::placeOnRing(b, 2, 1, 5);
    EXPECT_TRUE(b.tick());
    EXPECT_TRUE(std::ranges::all_of(inPauses, [](Phase p) { return p == Phase::Animating; }));
    // red could not move; now cyan's die waits for cyan
    EXPECT_EQ(b.phase(), Phase::DieWaits);
    EXPECT_EQ(b.toPlay(), 2);
    EXPECT_FALSE(b.ticksMatter());
    EXPECT_TRUE(b.click(Family::dicethrow, 0));
    EXPECT_EQ(b.phase(), Phase::MarksWait);
    EXPECT_EQ(b.toPlay(), 2);
    // cyan's journey: its start place first, then the ring from square 16
    const std::vector<Spot> want{{Family::start, 4}, {Family::SQUARE, 20}};
    EXPECT_EQ(b.clickable(), want);
    EXPECT_TRUE(b.click(Family::start, 4));  // a new counter in; cyan throws again
    EXPECT_EQ(b.phase(), Phase::DieWaits);
    EXPECT_EQ(b.toPlay(), 2);
    EXPECT_EQ(b.clickable(), (std::vector<Spot>{{Family::dicethrow, 0}}));
    b.close();
    EXPECT_EQ(b.phase(), Phase::Closed);
    EXPECT_TRUE(b.clickable().empty());
}

// With the computer at every seat the first tick starts a game that plays on, in one handler that loops rather than
// deepens, keeping the board whole at every pause, until the window closes.
TEST(Seats, TheComputerAtEverySeatPlaysForEverWithoutDeepening) {
    Game g;
    Board& b = g.board;
    b.options.seats = {C, C, C, C, C};
    b.chooseNewGame();
    EXPECT_EQ(b.phase(), Phase::DieWaits);
    long throws = 0;
    std::uintptr_t low = std::numeric_limits<std::uintptr_t>::max(), high = 0;
    std::string fault;
    std::array<int, 5> home{}, celebrations{};
    g.platform.onPause = [&](float) {
        const int here = 0;
        const auto at = reinterpret_cast<std::uintptr_t>(&here);
        low = std::min(low, at), high = std::max(high, at);
        if (fault.empty() && *test::pauseFaults(b)) fault = test::pauseFaults(b);
        if (test::rollBegins(b) && ++throws % 100 == 1 && fault.empty()) fault = test::boardFaults(b);
        for (int p = 1; p <= 4; ++p) celebrations[p] += home[p] >= 3 && b.homerow(p, 7) == 0, home[p] = b.homerow(p, 7);
        if (throws == 20000) b.close();
    };
    EXPECT_TRUE(b.tick());
    EXPECT_EQ(fault, "");
    EXPECT_EQ(throws, 20000);
    EXPECT_LT(high - low, 32u * 1024) << "the handler's stack grew with the turns";
    EXPECT_TRUE(std::ranges::all_of(celebrations.begin() + 1, celebrations.end(), [](int c) { return c > 0; }))
        << celebrations[1] << " " << celebrations[2] << " " << celebrations[3] << " " << celebrations[4];
}

// Automatic play plays for every colour a person plays, whichever seats they take; the tables and pictures agree
// between handlers and every person's colour gets its counters home.
TEST(Seats, AutomaticPlayPlaysForEveryPerson) {
    for (const auto& seats : {std::array{C, C, P, C, C}, std::array{C, P, C, C, P}, std::array{C, P, P, P, P}}) {
        Game g;
        Board& b = g.board;
        b.options.seats = seats;
        g.platform.seed = 11;
        b.chooseNewGame(), b.chooseAuto();
        long throws = 0;
        std::array<int, 5> home{}, celebrations{};
        std::string fault;
        g.platform.onPause = [&](float) { throws += test::rollBegins(b); };
        for (long ticks = 0; throws < 12000 && fault.empty() && ticks < 100000; ++ticks) {
            g.platform.now = std::floor(g.platform.now) + 1;
            if (!b.tick()) fault = "a tick was refused";
            if (fault.empty() && !b.dicethrow(15).enabled) fault = test::boardFaults(b);
            for (int p = 1; p <= 4; ++p)
                celebrations[p] += home[p] >= 3 && b.homerow(p, 7) == 0, home[p] = b.homerow(p, 7);
        }
        EXPECT_EQ(fault, "");
        for (int p = 1; p <= 4; ++p) EXPECT_GT(celebrations[p], 0) << p;
    }
}

namespace {
// The rounds of computer turns between two throws of red, played by the timer: each round's length on the virtual
// clock and its computer throws, and the time of red's own throws and moves.
struct Rounds {
    std::vector<double> lengths;
    std::vector<int> throws;
    double red = 0;
};
Rounds rounds(Speed speed) {
    Game g;
    Board& b = g.board;
    g.platform.seed = 5;
    b.options.speed = speed;
    b.chooseNewGame(), b.chooseAuto();
    Rounds r;
    std::optional<double> from;
    std::uint64_t seen = 0, beforeTick = 0;
    g.platform.onPause = [&](float sec) {
        if (b.computerTurn() && !from) from = g.platform.now, seen = beforeTick;
        if (!from && !b.dicethrow(15).enabled) r.red += sec;
    };
    while (r.lengths.size() < 200) {
        g.platform.now = std::floor(g.platform.now) + 1;
        beforeTick = b.happenings.count();
        b.tick();
        if (from && b.phase() == Phase::DieWaits) {
            r.lengths.push_back(g.platform.now - *from);
            const auto told = b.happenings.since(seen);
            r.throws.push_back(static_cast<int>(std::ranges::count_if(
                told, [](const Happening& h) { return h.kind == Happening::Kind::Threw && h.player != 1; })));
            from.reset();
        }
    }
    return r;
}
}  // namespace

// Fast makes every pause of a computer turn a quarter as long; Fastest shows each computer throw for 0.1 s and its
// outcome for 0.1 s and nothing else; red's own throws and moves keep their time at every speed.
TEST(Speed, TheComputersPausesAreAQuarterOrJustTheThrowAndTheOutcome) {
    const Rounds normal = rounds(Speed::Normal), fast = rounds(Speed::Fast), fastest = rounds(Speed::Fastest);
    ASSERT_EQ(normal.throws, fast.throws);
    ASSERT_EQ(normal.throws, fastest.throws);
    for (std::size_t i = 0; i < normal.lengths.size(); ++i) {
        EXPECT_NEAR(fast.lengths[i], normal.lengths[i] / 4, 1e-4) << i;
        EXPECT_NEAR(fastest.lengths[i], 0.2 * normal.throws[i], 1e-4) << i;
    }
    EXPECT_NEAR(fast.red, normal.red, 1e-3);
    EXPECT_NEAR(fastest.red, normal.red, 1e-3);
}
