// SPDX-License-Identifier: GPL-3.0-or-later
// The world as the tests see it: a virtual clock that advances at once, scripted dice, counted beeps and actions at
// given virtual moments; boards set up by hand, and what they must show.
#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "state/board.h"
#include "tools/seeded.h"

namespace skarpo {
inline void PrintTo(const Happening& h, std::ostream* o) { *o << int(h.kind) << "/" << h.player << "/" << h.value; }
}  // namespace skarpo

namespace skarpo::test {

using Kind = Happening::Kind;
using Told = std::vector<Happening>;

class TestPlatform : public Platform {
public:
    void wait(float sec) override;
    double random() override;
    void reseed() override { generator_.seed(seed + static_cast<unsigned>(++reseeds)); }
    void beep() override { ++beeps; }
    // The next throws, each as fourteen faces of the roll and the result; then the seeded generator takes over.
    void scriptThrows(std::initializer_list<int> throws);
    void unscript() { scripted_.resize(next_); }
    // Runs `action` at virtual time `at`, inside whatever pause spans it.
    void at(double at, std::function<void()> action) { actions_.emplace(at, std::move(action)); }

    std::function<void(float)> onPause;  // told of every pause as it begins
    double now = 0;                      // virtual seconds since the start
    int draws = 0, beeps = 0, reseeds = 0;
    std::vector<float> pauses;  // every pause made, in order
    unsigned seed = 1;          // the generator's seed for each new game

private:
    std::vector<double> scripted_;  // the scripted numbers, handed out up to next_
    std::size_t next_ = 0;
    std::multimap<double, std::function<void()>> actions_;  // by time, and in order at the same time
    Seeded generator_{1};
};

struct Game {  // a board on a test platform, laid out as the window lays it out at start
    TestPlatform platform;
    Board board{platform};
    Game() { board.Form_Load(); }
};

// The board as after the opening march, every counter in its start area; then player p has thrown m.
void openedPosition(Board& b);
void thrown(Board& b, int p, int m);
// Puts counter j of player p on ring progress k, recorded and drawn.
void placeOnRing(Board& b, int p, int j, int k);
// All four counters of player p, recorded and drawn: counters 1.. on the ring progresses `ring` (0 or captured:
// waiting), the next ones on the column positions `column`, `done` more in the final places, the rest waiting.
void placePlayer(Board& b, int p, std::vector<int> ring, std::vector<int> column = {}, int done = 0);
// players(p, 1..4), and the column positions (1..6) player p occupies.
std::vector<int> countersOf(const Board& b, int p);
std::vector<int> columnOf(const Board& b, int p);

// The tables' invariants and the pictures against them: a ring square shows the counter on it or its own picture, light
// grey unless marked; the start areas, home columns and final places their counters. Empty when all hold.
std::string boardFaults(const Board& b);
// What holds even at a pause, with a counter on its way and the tables half rewritten.
const char* pauseFaults(const Board& b);
// What differs between two boards, in the tables and in all a person can see (not a hidden view's picture).
std::string differences(const Board& a, const Board& b);

// At a pause: whether the die shows the first position of its roll, the moment a turn begins (once a roll, whatever
// the pauses last).
inline bool rollBegins(const Board& b) { return b.dicethrow(1).visible; }

}  // namespace skarpo::test
