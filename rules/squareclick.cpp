// SPDX-License-Identifier: GPL-3.0-or-later
// Player 1 clicks one of its marked counters on the ring: the counter moves
// by the throw, along the ring or, past square 60, into the home column.
// Then a six earns another throw; otherwise the computer players follow.
#include "state/board.h"

namespace skarpo {

void Board::SQUARE_Click(int Index) {
    // Only player 1's counters are ever marked, so the mover is player 1
    // (the one who made the last throw).
    const int player = 1;
    const int m = moves;  // the throw as thrown: a doubling square or a corner rewrites moves
    const auto before = standing(player);
    movestarts(player, Place::ring(Index), m);
    clearmarks();

    if (Index + moves > 60) {
        // off the ring into the home column, on position Index + moves - 60
        squares(Index) = 0;
        if (Index < 60) {
            // walk up to square 60, which afterwards shows and holds again
            // whatever stood there
            SQUARE(99).picture = SQUARE(60).picture;
            const std::int16_t on60 = squares(60);
            int steps = 60 - Index;
            movecount(player, Index, steps, 1);
            SQUARE(60).picture = SQUARE(99).picture;
            squares(60) = on60;
        } else {
            SQUARE(60).picture = homecount(0).picture;
            squares(60) = 0;
        }
        players(player, 5) = static_cast<std::int16_t>(players(player, 5) + 1);
        int first = 1;
        movehome(player, first, Index + moves - 61);
        homerow(player, Index + moves - 60) = 1;
        for (int i = 1; i <= 4; ++i)
            if (players(player, i) == Index) {
                players(player, i) = inHomeColumn;
                break;
            }
    } else {
        squares(Index) = 0;
        if (Index <= 9) squares(Index + 60) = 0;
        movecount(player, Index, moves);
        // moves now holds the whole change of progress, bonus moves and jumps included
        for (int i = 1; i <= 4; ++i)
            if (players(player, i) == Index) {
                players(player, i) = static_cast<std::int16_t>(Index + moves);
                break;
            }
    }
    publishMove(player, before);
    moveends();

    dicethrow(15).visible = false;
    if (m == 6) {
        // a six: player 1 throws again
        dicethrow(0).enabled = true;
        dicethrow(0).visible = true;
        whosego = static_cast<std::int16_t>(whosego - 1);
        if (whosego == 0) whosego = 4;
    } else {
        for (int i = 0; i <= 15; ++i) dicethrow(i).back = colour::window;
        colourframes(colour::cyan);
        dicethrow_Click(0);
    }
}

}  // namespace skarpo
