// SPDX-License-Identifier: GPL-3.0-or-later
// The rule book: which moves a player may make with a throw, and what a move does. `outcome` plays a move on a copy of
// the position and says, as plain data, everything that happens on the way, in order: the motions the board shows
// (steps, doubling squares, corner jumps, captures, the walk into the home column, the celebration), where the counter
// ends and the position afterwards. Taking `after` is the move; the animator shows the motions; the words, the
// marker and the computer's look-ahead read them. Nothing here pauses, draws or allocates.
#pragma once

#include <array>
#include <cstdint>

#include "core/position/position.h"

namespace skarpo {

// The places a player may move from with a throw, as a person's marks show them: a ring counter whose move ends
// neither on one of the player's own counters (a doubling square and a corner counting where they carry it) nor on a
// taken home-column position; the head of the start area with a six while a counter waits and the entry square holds
// none of the player's own; a home-column counter that reaches a free position or, with the exact throw, a final place.
struct LegalMoves {
    std::array<Place, 10> at{};
    int count = 0;
    const Place* begin() const { return at.data(); }
    const Place* end() const { return at.data() + count; }
    bool contains(Place p) const;
    bool operator==(const LegalMoves&) const = default;
};
LegalMoves legalMoves(const Position& now, int player, int thrown);

// One thing the board shows of a move, in the order it happens.
struct Motion {
    enum class Kind : std::uint8_t {
        Enter,     // a counter leaves the start area onto the entry square `to`, the waiting ones closing up
        Walk,      // the counter steps from square `from` to `to`
        Put,       // the counter is put down on square `to`
        Capture,   // the counter of `whom` on square `to` runs back to its start area
        Doubles,   // the doubling square `to` blinks: the counter goes on by the throw once more
        Jumps,     // the corner `from` blinks and sends the counter across to the corner `to`
        PassOver,  // the counter is shown on squares `from` to `to` in turn, past square 60
        Vacate,    // the counter leaves square `to`, which shows its own picture again
        Column,    // the counter moves up its home column from position `from` to `to`; 7 is the final place `whom`
        AllHome,   // the fourth counter is home: the celebration, then the four march back to the start area
    };
    Kind kind{};
    std::int8_t from = 0, to = 0, whom = 0;
    // Walk: `through` it only passes to go on (no capture, and the square it ends on shows again what it showed);
    // `carried` it is a doubling square's. Capture: `quiet` no beep as it begins. PassOver: `ahead` the counter is then
    // shown on the next square. Column: `fromRing` it comes off the ring; `overWaiting` onto a counter waiting on
    // position 1; `flashes` the centre frames blink that many times when it comes home.
    bool through : 1 = false, carried : 1 = false, quiet : 1 = false, ahead : 1 = false, fromRing : 1 = false,
                   overWaiting : 1 = false;
    std::int8_t flashes = 0;
    bool operator==(const Motion&) const = default;
};

// The whole of one move.
struct Outcome {
    static constexpr int maxMotions = 12;
    bool moves = false;  // false: no counter of the player's to move there, or the home-column place is taken
    int player = 0;
    int thrown = 0;
    Place from, to;  // where the counter starts and where it finally stands
    std::array<Motion, maxMotions> motions{};
    int motionCount = 0;
    Position after;

    const Motion* begin() const { return motions.data(); }
    const Motion* end() const { return motions.data() + motionCount; }
    bool has(Motion::Kind k) const;
    int captures() const;
};

// The outcome of `player` moving the counter at `from` with `thrown`. A person moves by clicking a mark and a
// computer by its turn; the two differ a little in how they show a move and keep their counters (a person's stays at
// 100 in a final place), so `byPerson` says which. Any place the player has a counter on is played as the rules would
// play it, legal or not (a computer may capture its own counter); none, or a taken home-column place, gives `moves`
// false and the position as it was.
Outcome outcome(const Position& now, int player, Place from, int thrown, bool byPerson);

}  // namespace skarpo
