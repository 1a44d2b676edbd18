// SPDX-License-Identifier: GPL-3.0-or-later
// The world as the tests see a table: a virtual clock that jumps to the end of each pause, seeded or scripted dice,
// counted beeps, every pause recorded, and actions at given virtual moments delivered between the table's steps; and
// positions laid out by hand.
#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <ostream>
#include <vector>

#include "core/turns/table.h"
#include "tools/seeded.h"

namespace skarpo {
inline void PrintTo(const Happening& h, std::ostream* o) { *o << int(h.kind) << "/" << h.player << "/" << h.value; }
inline void PrintTo(const Place& p, std::ostream* o) { *o << int(p.kind) << ":" << int(p.index); }
}  // namespace skarpo

namespace skarpo::test {

class Clock : public Platform {
public:
    explicit Clock(unsigned seedOf = 1) : seed(seedOf) {}
    bool wake(float sec) override;
    double random() override;
    // Each new game draws from seed * 1000 + the number of new games so far.
    void reseed() override { generator_.seed(seed * 1000u + static_cast<unsigned>(++reseeds)); }
    void beep() override { ++beeps; }
    bool wordsPending(Words until) override { return words && words(until); }

    // The next throws, each as fourteen faces of the roll and the result; then the seeded generator takes over.
    void scriptThrows(std::initializer_list<int> throws);
    void unscript() { scripted_.resize(next_); }
    // Runs `action` at virtual time `at`, between the table's steps (before a step due at the same moment).
    void at(double at, std::function<void()> action) { actions_.emplace(at, std::move(action)); }
    // The next thing to happen: an action, or the end of the table's pause. False when nothing is to come.
    bool step(Table& table);
    // Steps until the table rests; actions due later stay for later.
    void runUntilRest(Table& table);

    std::function<void(float)> onPause;  // told of every pause as it begins
    std::function<bool(Words)> words;    // a listener's words still to come; none without
    double now = 0;                      // virtual seconds since the start
    double due = -1;                     // when the table's pause ends; below 0 for none
    int draws = 0, beeps = 0, reseeds = 0;
    std::vector<float> pauses;  // every pause made, in order
    unsigned seed;

private:
    std::vector<double> scripted_;  // the scripted numbers, handed out up to next_
    std::size_t next_ = 0;
    std::multimap<double, std::function<void()>> actions_;  // by time, and in order at the same time
    Seeded generator_{1};
};

// A table on its own clock.
struct Played {
    Clock clock;
    Table table;
    explicit Played(const Options& options = {}, unsigned seed = 1) : clock(seed), table(clock, options) {}
    explicit Played(const Game& game) : table(clock, game) {}
    void rest() { clock.runUntilRest(table); }
};

// The views as a person sees them: a hidden view's picture and colour do not count.
Views seen(const Views& views);

// A player's counters laid out by hand: counters 1.. on the ring progresses `ring` (0 waiting, -5 captured), the next
// ones on the home-column positions `column`, `done` more in the final places, the rest waiting.
struct Lay {
    int player;
    std::vector<int> ring, column = {};
    int done = 0;
};
// A position with these players laid out; a person's counters home stay at 100, the computer's at 101.
Position positionOf(const std::vector<Lay>& lays, PersonBits persons = 1);
// A position drawn at random: each counter waiting, on a free ring square, on a free home-column position or home
// (the computer's), at most three of a player's home.
Position randomPosition(Seeded& random);
// A game under way in `at`, the counters out in their start areas, the die waiting for `player`.
Game dieWaits(const Position& at, int player, const Options& options = {});

}  // namespace skarpo::test
