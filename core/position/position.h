// SPDX-License-Identifier: GPL-3.0-or-later
// The position: where every counter stands, in the three tables the rules are written in, and the numbering of the
// board they use. Ring squares run 1..60 in the direction of travel; player p enters on square 15(p - 1) + 1 and
// counts its progress from there, so that progress 60 is the last square before its home column.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/position/tables.h"

namespace skarpo {

constexpr int entrySquare(int player) { return 15 * (player - 1) + 1; }
constexpr int offsetOf(int player) { return 15 * (player - 1); }
// The ring square of progress k (1..60, or up to 66 looking ahead) for player p, and the progress of square s.
constexpr int squareOf(int player, int k) { return (k + offsetOf(player) - 1) % 60 + 1; }
constexpr int progressOf(int player, int s) {
    return s > offsetOf(player) ? s - offsetOf(player) : s + 60 - offsetOf(player);
}

// The special squares, by the square's number modulo 15: the entry squares, the last squares before the home columns
// (the home turns), the doubling squares that carry a counter on by the throw once more, and the corners that send it
// across the board to the opposite corner.
constexpr bool isEntry(int s) { return s % 15 == 1; }
constexpr bool isHomeTurn(int s) { return s % 15 == 0; }
constexpr bool isDoubling(int s) { return s % 15 == 5 || s % 15 == 9; }
constexpr bool isCorner(int s) { return s % 15 == 12; }
constexpr int oppositeCorner(int s) { return s <= 30 ? s + 30 : s - 30; }
// The player whose entry square s is, and whose home column square s leads into (60 into red's).
constexpr int entryOwner(int s) { return s / 15 + 1; }
constexpr int homeTurnOwner(int s) { return s % 60 / 15 + 1; }

// What a counter's cell holds besides its progress on the ring.
constexpr int inHomeColumn = 100;  // in the home column, or a person's counter in a final place
constexpr int finished = 101;      // a computer's counter in a final place
constexpr int captured = -5;       // back in the start area after a capture (0 is the start area too)

// Where a counter stands or moves from: a ring square 1..60, one of its player's start places 0..3 (0, the head of
// the queue, is where a counter enters from), a home-column position 1..6, or a final place 1..4.
struct Place {
    enum class Kind : std::uint8_t { None, Ring, Start, Column, Final };
    Kind kind = Kind::None;
    std::int8_t index = 0;

    static constexpr Place ring(int s) { return {Kind::Ring, static_cast<std::int8_t>(s)}; }
    static constexpr Place start(int k = 0) { return {Kind::Start, static_cast<std::int8_t>(k)}; }
    static constexpr Place column(int k) { return {Kind::Column, static_cast<std::int8_t>(k)}; }
    static constexpr Place final(int n) { return {Kind::Final, static_cast<std::int8_t>(n)}; }
    bool operator==(const Place&) const = default;
};

using Players = Cells<std::int16_t, 1, 4, 0, 5>;
using Homerow = Cells<int, 1, 4, 1, 7>;
using Squares = Cells<std::int16_t, 1, 70>;

struct Position {
    // players(p, 0) the entry square; (p, 1..4) each counter: below 1 in the start area, 1..60 its progress on the
    // ring, 100 in the home column, 101 home; (p, 5) how many have left the ring for the home column.
    Players players{"players"};
    // homerow(p, 1..6) 1 where a counter stands in the home column; (p, 7) how many are home.
    Homerow homerow{"homerow"};
    // squares(1..60) the player whose counter stands there, 0 for none; 61..69 a copy of 1..9; 70 always 0.
    Squares squares{"squares"};

    // A new game's: every counter in its start area.
    static Position fresh();
    int waiting(int player) const;  // counters in the start area
    bool operator==(const Position&) const = default;
};

// Whose the counters are that stay at 100 in the final places: a person's, moved by clicks (bit p - 1 for player p).
using PersonBits = unsigned;
constexpr bool isPerson(PersonBits persons, int player) { return (persons >> (player - 1)) & 1u; }

// What breaks the invariants every move keeps, in words; empty when they hold.
std::string faultsOf(const Position& at, PersonBits persons);

}  // namespace skarpo
