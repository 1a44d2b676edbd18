// SPDX-License-Identifier: GPL-3.0-or-later
// Which ring counter a computer player moves with its throw. The choice only
// reads the tables; entering a new counter, moves inside the home column and
// the exact finish are decided by the turn itself (checkmoves).
#pragma once

#include "state/board.h"

namespace skarpo {

struct MoveChoice {
    int c = 0;             // the chosen counter, 1..4 (0: none)
    int b = 0;             // its progress; 0 when no ring counter is chosen
    bool decided = false;  // taken as soon as it was found
};

// The ring counter that `player` (2..4) moves with throw `m` (1..6).
//
// Counters are looked at in the order 1 to 4. A counter is taken at once
// when its throw (below six) brings it into a free home-column position,
// when a 4 lands on a doubling square that carries it over the next one,
// when it reaches a corner that jumps forward (directly, or a 3 through a
// doubling square), or when it leaves the entry square. Otherwise the counter
// farthest along whose landing square does not hold one of the player's own
// counters is taken, and failing that the highest-numbered counter that can
// move at all.
MoveChoice choosemove(int player, int m, const Players& players, const Homerow& homerow, const Squares& squares);

}  // namespace skarpo
