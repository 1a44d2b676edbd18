// SPDX-License-Identifier: GPL-3.0-or-later
// The table as the players set it up: who plays each colour, how fast the
// computer plays and how strong it is. At their defaults a person plays red
// and the computer the other three, at the game's own pace and with its own
// choice of move.
#pragma once

#include <array>
#include <cstdint>

namespace skarpo {

enum class Seat : std::uint8_t { Person, Computer };
enum class Speed : std::uint8_t { Normal, Fast, Fastest };
enum class Strength : std::uint8_t { Easy, Normal, Strong };

struct Options {
    // seats[p] for player p = 1..4 (seats[0] is not used)
    std::array<Seat, 5> seats{Seat::Person, Seat::Person, Seat::Computer, Seat::Computer, Seat::Computer};
    Speed speed = Speed::Normal;
    Strength strength = Strength::Normal;

    bool person(int player) const { return seats[static_cast<std::size_t>(player)] == Seat::Person; }
    bool operator==(const Options&) const = default;
};

}  // namespace skarpo
