// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures and colours as the game speaks of them. A picture is a small value
// naming a piece of artwork: copying it from one view to another is an
// assignment, and a test can ask which artwork a view shows.
#pragma once

#include <cstdint>

namespace skarpo {

enum class Picture : std::uint8_t {
    None,
    DieQuestion,  // white die face with a black question mark
    Die1,
    Die2,
    Die3,
    Die4,
    Die5,
    Die6,
    // a player's counter: a square with a diamond over it
    Counter1,
    Counter2,
    Counter3,
    Counter4,
    // the same emblem with a larger diamond (every second square of a return trip)
    CounterLarge1,
    CounterLarge2,
    CounterLarge3,
    CounterLarge4,
    // oval counter with an arrow into the home column: red up, cyan right,
    // magenta down, green left
    HomeTurn1,
    HomeTurn2,
    HomeTurn3,
    HomeTurn4,
    // oval counter with the arrow of travel on the entry square: red left,
    // cyan up, magenta right, green down
    Entry1,
    Entry2,
    Entry3,
    Entry4,
    Two,  // the doubling sign "x2"
    // thick diagonal arrows: up-right, down-right, down-left, up-left
    Corner1,
    Corner2,
    Corner3,
    Corner4,
    Raised,  // a blank raised light-grey square
    Blank,   // a blank light-grey square with a dark green rim: the empty place
};

inline constexpr int pictureCount = static_cast<int>(Picture::Blank) + 1;

// The artwork's file name (without extension), also used in test messages.
const char* pictureName(Picture p);

inline constexpr Picture dieFace(int f) { return static_cast<Picture>(static_cast<int>(Picture::Die1) + f - 1); }
inline constexpr Picture counterOf(int player) {
    return static_cast<Picture>(static_cast<int>(Picture::Counter1) + player - 1);
}

using Colour = std::uint32_t;  // 0xRRGGBB

namespace colour {
inline constexpr Colour red = 0xFF0000;
inline constexpr Colour cyan = 0x00FFFF;
inline constexpr Colour magenta = 0xFF00FF;
inline constexpr Colour green = 0x00FF00;
inline constexpr Colour yellow = 0xFFFF00;  // the mark
inline constexpr Colour lightGrey = 0xC0C0C0;
inline constexpr Colour darkGrey = 0x808080;
inline constexpr Colour window = 0x008000;  // the board's dark green
inline constexpr Colour black = 0x000000;

// The colour of player 1..4.
constexpr Colour ofPlayer(int player) {
    constexpr Colour c[] = {red, cyan, magenta, green};
    return c[player - 1];
}
// The darker colour of a player's final places.
constexpr Colour finalOf(int player) {
    constexpr Colour c[] = {0xC00000, 0x0000FF, 0xC000C0, 0x00C000};
    return c[player - 1];
}
}  // namespace colour

}  // namespace skarpo
