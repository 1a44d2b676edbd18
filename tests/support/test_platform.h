// SPDX-License-Identifier: GPL-3.0-or-later
// The world as the tests see it: a virtual clock that advances at once,
// scripted dice, counted beeps, and actions run at given virtual moments.
#pragma once

#include <deque>
#include <functional>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "state/board.h"

namespace skarpo::test {

class TestPlatform : public Platform {
public:
    void wait(float sec) override;
    double random() override;
    void reseed() override;
    void beep() override { ++beeps; }

    // The next throws, each as fourteen faces of the roll (1..6, 1..6, 1, 2)
    // and the result; once used up, the seeded generator takes over.
    void scriptThrows(std::initializer_list<int> throws);
    void unscript() { scripted_.clear(); }
    // Runs `action` at virtual time `at`, inside whatever pause spans it.
    void at(double at, std::function<void()> action);

    double now = 0;             // virtual seconds since the start
    int draws = 0;              // random numbers handed out
    int beeps = 0;
    int reseeds = 0;
    std::vector<float> pauses;  // every pause made, in order
    unsigned seed = 1;          // the generator's seed for each new game

private:
    struct Action {
        double at;
        std::function<void()> run;
    };
    std::deque<double> scripted_;
    std::vector<Action> actions_;
    std::mt19937 generator_{1};
};

// A board on a test platform, laid out as the window lays it out at start.
struct Game {
    TestPlatform platform;
    Board board{platform};
    Game() { board.Form_Load(); }
};

// The board as after the opening march: every counter in its start area.
void openedPosition(Board& b);
// Puts counter j of player p on ring progress k, recorded and drawn.
void placeOnRing(Board& b, int p, int j, int k);
// All four counters of player p, recorded and drawn: counters 1.. take the
// values in `ring` (a progress, or 0 or captured to wait), the next ones
// stand on the column positions `column`, `done` more are in the final
// places, the rest wait in the start area.
void placePlayer(Board& b, int p, std::vector<int> ring, std::vector<int> column = {}, int done = 0);
// players(p, 1..4), and the column positions (1..6) player p occupies.
std::vector<int> countersOf(const Board& b, int p);
std::vector<int> columnOf(const Board& b, int p);
// What differs between two boards, in tables and in everything a person can
// see (a hidden view's picture does not count); empty when nothing does.
std::string differences(const Board& a, const Board& b);

}  // namespace skarpo::test
