// SPDX-License-Identifier: GPL-3.0-or-later
// Moving a counter along the ring. The counter steps square by square, each
// square it leaves getting back what it showed before; where it stops it
// captures, and the special squares act: a doubling square carries it on by
// the throw once more, a corner jumps it to the opposite corner.
//
// In a normal move `move` is `moves` itself, so that afterwards `moves` holds
// the counter's whole change of progress: d, 2d, 12, 36 or -24, d + 30 or
// d - 30. The callers add it to the counter's progress.
#include "state/board.h"

namespace skarpo {

void Board::movecount(int player, int pos, int& move, std::optional<int> special) {
    const bool passing = special.has_value();  // only goes through to go on elsewhere
    const int T = pos + move;                  // where the stepping ends
    View& carried = SQUARE(99);                // its spare holds the picture under the counter

    wait(0.2f);
    if (move == 0) SQUARE(pos).picture = counterPicture(player);  // put straight down
    if (move > 0) {
        // the square left behind shows what belongs there
        if ((isEntry(pos) || isHomeTurn(pos)) && passing && squares(pos) >= 1)
            SQUARE(pos).picture = counterPicture(squares(pos));
        else
            SQUARE(pos).picture = ownPicture(pos);
        carried.spare = SQUARE(pos + 1).picture;
        SQUARE(pos + 1).picture = counterPicture(player);
        wait(0.2f);
        for (int i = 2; i <= move; ++i) {
            SQUARE(pos + i - 1).picture = carried.spare;
            carried.spare = SQUARE(pos + i).picture;
            SQUARE(pos + i).picture = counterPicture(player);
            wait(0.2f);
        }
        // on T the counter stays; what it covers there is dropped
    }

    // no square is safe
    if (!passing && squares(T) > 0) takeit(player, T);

    if (move > 0) {
        squares(pos) = 0;
        if (pos <= 9) squares(pos + 60) = 0;
    }
    if (!passing) {
        squares(T) = static_cast<std::int16_t>(player);
        if (T <= 9) squares(T + 60) = static_cast<std::int16_t>(player);
    }

    switch (T % 15) {
        case 5: {  // doubling square: on by the throw once more
            flash(T);
            movecount(player, T, moves);
            if (move == 0) move = moves;
            // a 4 carries on from here onto a second doubling square: 4 + 4 + 4
            if (moves == 8)
                moves = 12;
            else
                moves = move + move;
            break;
        }
        case 9: {  // doubling square: on by the throw once more
            // A counter put straight down here would be carried on by 0 onto
            // the same square, again and again. Nothing puts one down here
            // (counters are put down on entry squares and just past square
            // 60); should it happen, it stays where it was put.
            if (move == 0) break;
            flash(T);
            movecount(player, T, move);
            // a 3 carries on to a corner, which jumps: 3 + 3 and the jump
            if (moves == 33) moves = move + 3;
            if (moves == -27) moves = move + 3;
            if (moves > 0 && moves < 9) moves = move + move;
            break;
        }
        case 12: {  // corner: across the board to the opposite corner
            const int U = oppositeCorner(T);
            flash(T);
            SQUARE(T).picture = ownPicture(T);
            flash(T);
            flash(U);
            SQUARE(U).picture = counterPicture(player);
            if (squares(U) > 0) takeit(player, U);
            squares(T) = 0;
            squares(U) = static_cast<std::int16_t>(player);
            // half a lap forward or back on the player's own journey
            moves += progressOf(player, U) - progressOf(player, T);
            break;
        }
        default: break;
    }
}

// A special square blinks twice; the counter on it stays visible.
void Board::flash(int pos) {
    for (int n = 0; n < 2; ++n) {
        SQUARE(pos).back = colour::yellow;
        wait(0.2f);
        SQUARE(pos).back = colour::lightGrey;
        wait(0.2f);
    }
}

}  // namespace skarpo
