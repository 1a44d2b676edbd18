// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own speed, without a window: a table played by the timer with automatic play on a virtual clock whose
// pauses end at once, with a fast seeded random generator and nothing checked along the way.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/game/game.h"

namespace skarpo::bench {

struct CoreRun {
    long throws = 0;    // throws told
    long handlers = 0;  // timer ticks that reached the game
    long pauses = 0;
    double gameSeconds = 0;              // virtual time the game's pauses add up to
    std::array<long, 5> celebrations{};  // by player 1..4
    std::uint64_t fingerprint = 0;       // of the game as the run leaves it, and of what it shows
    double seconds = 0;                  // wall time of the play itself
};

// Plays until `throws` throws have been told. The same seed plays the same game, whatever the machine: the figures
// other than `seconds` depend on nothing else.
CoreRun playCore(long throws, std::uint64_t seed);

// The rounds of computer turns between two throws of red, played by automatic play on the virtual clock at a speed:
// each one's length in seconds, from the first pause of the first computer turn to the die waiting for red again, and
// its throws (more than three after sixes).
struct Rounds {
    std::vector<double> lengths;
    std::vector<int> throws;
};
Rounds computerRounds(Speed speed, int rounds, std::uint64_t seed);

struct ModelRun {
    long positions = 0;    // the positions a move started from, taken from a seeded game
    long calls = 0;        // outcome called on every candidate of each, over and over
    double seconds = 0;    // wall time of the calls
    double processor = 0;  // processor time of the calls (the figure a loaded machine does not bend)
    long sum = 0;          // of a few fields of every outcome: each call is used
};

// The rule book's speed: a seeded game is played by the timer until `positions` moves have started; then every
// counter the mover could move in each of those positions (its ring counters, a waiting one on a six, its home-column
// positions) has its outcome worked out, all of them again and again for about `seconds`.
ModelRun foreseeSpeed(long positions, std::uint64_t seed, double seconds);

}  // namespace skarpo::bench
