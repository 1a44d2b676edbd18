// SPDX-License-Identifier: GPL-3.0-or-later
// The table on the virtual clock, where the golden traces and the soak do not reach: a table of computers playing on
// for ever without deepening the stack, and a game taken up from its value going on exactly as the one it was taken
// from. (The traces pin the order of turns, the speeds, the refused events and the seats; the soak a new game and
// closing amid an animation.)
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <tuple>

#include "tests/support/clock.h"

using namespace skarpo;
using Kind = Happening::Kind;

namespace {
constexpr Seat C = Seat::Computer, P = Seat::Person;

// The next tick of the timer, once the table rests.
void nextTick(test::Clock& clock, Table& table) {
    clock.now = std::floor(clock.now) + 1;
    table.tick();
}
}  // namespace

// With the computer at every seat the first tick starts a game that plays on without the die ever waiting, at the
// game's pace and at the fastest, the stack as deep at the last pause as at the first and the position whole; every
// colour brings its counters home.
TEST(Table, TheComputerAtEverySeatPlaysOnWithoutDeepening) {
    Options all;
    all.seats = {C, C, C, C, C};
    test::Played g(all, 7);
    Table& t = g.table;
    EXPECT_TRUE(t.toPlay() == 1 && t.ticksMatter());
    long throws = 0;
    std::uintptr_t low = UINTPTR_MAX, high = 0;
    std::string faults;
    std::array<int, 5> celebrations{};
    std::uint64_t seen = 0;
    g.clock.onPause = [&](float) {
        const int here = 0;
        low = std::min(low, reinterpret_cast<std::uintptr_t>(&here));
        high = std::max(high, reinterpret_cast<std::uintptr_t>(&here));
        for (const Happening& h : t.happenings().since(seen)) {
            celebrations[h.player] += h.kind == Kind::AllHome;
            if (h.kind == Kind::Threw && ++throws % 100 == 0) faults += faultsOf(t.game().position, 0);
        }
        seen = t.happenings().count();
        if (throws == 10000) t.setSpeed(Speed::Fastest);
    };
    EXPECT_TRUE(t.tick());
    while (throws < 20000 && g.clock.step(t)) ASSERT_EQ(t.phase(), Phase::Animating);
    EXPECT_EQ(throws, 20000);
    EXPECT_EQ(faults, "");
    EXPECT_LT(high - low, 16u * 1024) << "the stack grew with the turns";
    for (int p = 1; p <= 4; ++p) EXPECT_GT(celebrations[p], 0) << p;
}

// A game taken up from the value of another at any step of an animation shows, step by step, what the other shows.
TEST(Table, AGameTakenUpFromItsValueGoesOnAsTheOther) {
    test::Played a({}, 9);
    a.table.toggleAuto();
    Seeded pick(4);
    std::array<int, 8> byStage{};
    int celebrations = 0;
    for (long steps = 0; steps < 200000; ++steps) {
        if (steps == 100000) a.table.setSpeed(Speed::Fastest);
        if (!a.clock.step(a.table)) nextTick(a.clock, a.table);
        if (a.table.phase() != Phase::Animating || !pick.chance(0.05)) continue;
        const Game& game = a.table.game();
        ++byStage[static_cast<int>(game.animation.stage)];
        const auto told = a.table.happenings().count();
        celebrations += a.table.happenings().since(told - 1).at(0).kind == Kind::AllHome;
        a.clock.pauses.clear();
        test::Clock clock = a.clock;
        Table b(clock, game);
        for (int n = 0; n < 30; ++n) {
            const bool stepped = a.clock.step(a.table);
            ASSERT_EQ(clock.step(b), stepped);
            if (!stepped) nextTick(a.clock, a.table), nextTick(clock, b);
            ASSERT_TRUE(test::seen(a.table.views()) == test::seen(b.views()) && a.table.game() == b.game())
                << steps << " + " << n;
        }
        ASSERT_EQ(a.table.happenings().since(told), b.happenings().since(0));
        ASSERT_EQ(a.clock.pauses, clock.pauses);
    }
    for (Stage s :
         {Stage::Opening, Stage::Roll, Stage::Marking, Stage::LostThrow, Stage::Glance, Stage::Move, Stage::Pause})
        EXPECT_GT(byStage[static_cast<int>(s)], 0) << static_cast<int>(s);
    EXPECT_GT(celebrations, 0);
}

// To a listener the table waits for the words: before a computer's throw until they have begun, before the die waits
// for a person until they are said, and goes on when told; no pause is shorter, and the game is the one played
// without words, throw for throw.
TEST(Table, TheComputersWaitForAListenersWords) {
    test::Played quiet({}, 5), heard({}, 5);
    std::array<int, 2> asked{};
    bool pending = true;
    heard.clock.words = [&](Platform::Words until) {
        ++asked[static_cast<std::size_t>(until)];
        return pending;
    };
    // every happening of a game, as it plays on
    std::array<std::vector<Happening>, 2> told;
    std::array<std::uint64_t, 2> seen{};
    auto note = [&](const Table& t, std::size_t i) {
        for (const Happening& h : t.happenings().since(seen[i])) told[i].push_back(h);
        seen[i] = t.happenings().count();
    };
    for (test::Played* p : {&quiet, &heard}) p->table.toggleAuto();
    int waited = 0;
    while (told[1].size() < 400) {
        if (heard.table.waitsForWords()) {
            const Animation& a = heard.table.game().animation;
            ASSERT_TRUE(a.computer && a.step == 0 && (a.stage == Stage::Roll || a.stage == Stage::Glance));
            ASSERT_LT(heard.clock.due, 0) << "no pause runs while the words are said";
            ++waited;
            heard.table.wordsSaid();  // still to come: it waits on
            ASSERT_TRUE(heard.table.waitsForWords());
            pending = false;
            heard.table.wordsSaid();
            pending = true;
        } else if (!heard.clock.step(heard.table)) {
            nextTick(heard.clock, heard.table);
        }
        note(heard.table, 1);
    }
    while (told[0].size() < told[1].size()) {
        if (!quiet.clock.step(quiet.table)) nextTick(quiet.clock, quiet.table);
        note(quiet.table, 0);
    }
    told[0].resize(told[1].size());
    EXPECT_EQ(told[0], told[1]);
    EXPECT_GT(waited, 20);
    EXPECT_GT(asked[0], 0);
    EXPECT_GT(asked[1], 0);
}

// A game taken up at a new start in the middle of any stage comes at once to where the other comes once the stage is
// played out with its pauses: the same value (automatic play and the sound off), the same views and the same news,
// then whose turn it is. People and the computer play, at the game's pace and at the fastest.
TEST(Table, AResumedGameFinishesItsStageAtOnce) {
    Options options;
    options.seats = {P, P, C, P, C};
    test::Played a(options, 5);
    a.table.toggleAuto();
    Seeded pick(6);
    std::array<int, 8> byStage{};
    for (long steps = 0; steps < 60000; ++steps) {
        if (steps % 20000 == 19999) a.table.newGame();
        if (steps == 40000) a.table.setSpeed(Speed::Fastest);
        if (!a.clock.step(a.table)) nextTick(a.clock, a.table);
        if (a.table.phase() != Phase::Animating || !pick.chance(0.05)) continue;
        const Game saved = a.table.game();
        ++byStage[static_cast<int>(saved.animation.stage)];
        test::Clock clock = a.clock;  // the same dice from here on
        Table b(clock, Game{});
        b.resume(saved);
        const auto told = a.table.happenings().count();
        auto stageOf = [&] { return std::tuple(a.table.game().animation.stage, a.table.game().animation.turnAt); };
        for (auto [stage, step] = std::pair(stageOf(), saved.animation.step); a.table.phase() == Phase::Animating;) {
            ASSERT_TRUE(a.clock.step(a.table));
            if (stageOf() != stage || a.table.game().animation.step < step) break;
            step = a.table.game().animation.step;
        }
        Game played = a.table.game();
        played.autoplay = false;
        ASSERT_TRUE(played == b.game()) << steps << "\n"
                                        << textOf(saved) << "\n"
                                        << textOf(played) << "\n"
                                        << textOf(b.game());
        ASSERT_TRUE(test::seen(a.table.views()) == test::seen(b.views())) << steps;
        auto news = a.table.happenings().since(told);
        news.push_back({Kind::Resumed, b.whoseTurn()});
        ASSERT_EQ(b.happenings().since(0), news) << steps;
    }
    for (Stage s :
         {Stage::Opening, Stage::Roll, Stage::Marking, Stage::LostThrow, Stage::Glance, Stage::Move, Stage::Pause})
        EXPECT_GT(byStage[static_cast<int>(s)], 0) << static_cast<int>(s);
}
