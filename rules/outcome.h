// SPDX-License-Identifier: GPL-3.0-or-later
// Where a move ends, known before it is made. `foresee` plays one move on a
// copy of the three tables, exactly as the animated procedures play it on
// the board (the same steps in the same order, the doubling squares and the
// corners, captures, the home column, a fourth counter home sending the
// player back to its start area), but with no views, no pauses and no
// platform. The window words and draws what it says; the soak checks after
// every move that the board holds what it said; the computer's look-ahead
// plays with it.
#pragma once

#include <array>
#include <cstdint>

#include "state/board.h"
#include "state/place.h"

namespace skarpo {

// The three tables a move reads and writes.
struct Position {
    Players players{"players"};
    Homerow homerow{"homerow"};
    Squares squares{"squares"};

    static Position of(const Board& b) { return {b.players, b.homerow, b.squares}; }
    bool operator==(const Position&) const = default;
};

// One thing that happens on the way, in the order it happens.
struct MoveEvent {
    enum class Kind : std::uint8_t {
        Enters,      // `square`: the counter comes out of the start area onto its entry square
        Lands,       // `square`: the stepping of the throw ends here
        Doubles,     // `square`: a doubling square carried the counter on by the throw to `square`
        Jumps,       // `square`: a corner sent the counter across the board to the opposite corner `square`
        Captures,    // `whom` (1..4, the mover's own colour too) loses the counter on `square`
        IntoColumn,  // `square`: the counter leaves the ring onto home-column position `square`
        InColumn,    // `square`: the counter moves up its home column to position `square`
        Finishes,    // `square`: the counter reaches final place `square` (1..4)
        AllHome,     // the fourth counter is home: the player starts again from its start area
    };
    Kind kind{};
    std::int8_t square = 0;
    std::int8_t whom = 0;
    bool operator==(const MoveEvent&) const = default;
};

// The whole outcome of one move, as plain data.
struct Outcome {
    static constexpr int maxEvents = 8;
    static constexpr int maxPassed = 20;

    bool moves = false;  // false: the counter cannot go (a taken home-column place, or no counter of the
                         // player's at `from`); nothing changes
    int player = 0;
    int thrown = 0;  // the throw, 1..6
    Place from;      // where the counter starts
    Place to;        // where it finally stands
    std::array<MoveEvent, maxEvents> events{};
    int eventCount = 0;
    // Every ring square the counter is shown on on its way, in order, the
    // last one included (a corner's opposite corner too); home-column places
    // are not listed.
    std::array<std::int8_t, maxPassed> passed{};
    int passedCount = 0;
    bool anotherThrow = false;  // a six: the same player throws again
    Position after;             // the three tables once the move is made

    // The events as a range.
    const MoveEvent* begin() const { return events.data(); }
    const MoveEvent* end() const { return events.data() + eventCount; }
    bool has(MoveEvent::Kind k) const;
    int captures() const;  // how many counters it takes
};

// The outcome of `player` moving the counter at `from` with `thrown`.
// `from` is a place the rules let that player move from with that throw:
// for player 1 what marking marks and its handlers play (a ring square, the
// start place, a home-column position); for players 2..4 what a computer
// turn plays (a ring counter's square, also past square 60 or into the home
// column; the start place for a new counter on a six; a home-column position
// for a move up the column or an exact finish). A counter entering with a
// six captures what stands on the entry square. A place without a counter
// of the player's, or a move onto a taken home-column position, gives
// `moves` false; any other place is played as the procedures would play it,
// marked or not. Pure: reads `now`, allocates nothing, never pauses.
Outcome foresee(const Position& now, int player, Place from, int thrown);

}  // namespace skarpo
