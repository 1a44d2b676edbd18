// SPDX-License-Identifier: GPL-3.0-or-later
// A running tally across games: how many times each colour brought all four
// counters home, and how often each face of the die came up, with a test of
// whether the die throws as a fair one would.
#pragma once

#include <array>
#include <cstdint>

#include "core/game/happenings.h"

namespace skarpo {

struct Tally {
    std::array<std::uint64_t, 5> allHome{};  // allHome[p] for player p = 1..4
    std::array<std::uint64_t, 7> faces{};    // faces[f] for face f = 1..6

    // Counts a celebration or a throw; every other happening is ignored.
    void count(const Happening& h);
    std::uint64_t throws() const;
    bool operator==(const Tally&) const = default;
};

// Pearson's chi-square statistic of the face counts against a fair die.
double chiSquare(const std::array<std::uint64_t, 7>& faces);

// The probability that a chi-square variable with five degrees of freedom
// reaches `x` or more (x >= 0): how often a fair die throws at least this
// unevenly.
double chiSquareP5(double x);

// What the counts say about the die, in plain terms.
struct DieVerdict {
    enum class Kind : std::uint8_t {
        TooFew,    // too few throws to judge (fewer than five expected per face)
        Fair,      // as even as a fair die: p >= 0.05
        Doubtful,  // uneven, though a fair die does this now and then: 0.001 <= p <
                   // 0.05
        Unfair,    // far more uneven than a fair die throws: p < 0.001
    };
    Kind kind = Kind::TooFew;
    double p = 1;
};
DieVerdict judgeDie(const std::array<std::uint64_t, 7>& faces);

}  // namespace skarpo
