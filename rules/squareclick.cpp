// SPDX-License-Identifier: GPL-3.0-or-later
// A person clicks one of the marked counters of the colour they play on the
// ring: the counter moves by the throw, along the ring or, past the last
// square of its journey, into the home column. Then a six earns another
// throw; otherwise the turn passes on.
#include "state/board.h"

namespace skarpo {

// The counter on progress k walks up to the last square before the home
// column, which afterwards shows and holds again whatever stood there (a
// counter standing on it just leaves it), and steps into the column by the
// rest of the throw m. The caller has the counter's progress written.
void Board::intoColumn(int player, int k, int m) {
    const int H = squareOf(player, 60);
    if (k < 60) {
        SQUARE(99).picture = SQUARE(H).picture;
        const std::int16_t held = squares(H);
        int steps = 60 - k;
        movecount(player, squareOf(player, k), steps, 1);
        if (m > 1) {  // always: from short of H only a throw of two or more leaves the ring
            SQUARE(H).picture = SQUARE(99).picture;
            squares(H) = held;
        }
    } else {
        SQUARE(H).picture = homecount(player - 1).picture;
        squares(H) = 0;
    }
    players(player, 5) = static_cast<std::int16_t>(players(player, 5) + 1);
    int first = 1;
    movehome(player, first, k + m - 61);
    homerow(player, k + m - 60) = 1;
}

void Board::SQUARE_Click(int Index) {
    // Only the counters of the player who made the last throw are marked.
    const int player = whosego;
    const int m = moves;                      // the throw as thrown: a doubling square or a corner rewrites moves
    const int k = progressOf(player, Index);  // for player 1 the square number itself
    const auto before = standing(player);
    movestarts(player, Place::ring(Index), m);
    clearmarks();

    if (k + moves > 60) {
        // off the ring into the home column, on position k + moves - 60
        squares(Index) = 0;
        intoColumn(player, k, moves);
        for (int i = 1; i <= 4; ++i)
            if (players(player, i) == k) {
                players(player, i) = inHomeColumn;
                break;
            }
    } else if (Index + moves > 60) {
        // round past square 60 onto the squares beyond it (never for player 1)
        for (int i = 1; i <= 4; ++i)
            if (players(player, i) == k) {
                overSixty(player, i, k);
                break;
            }
    } else {
        squares(Index) = 0;
        if (Index <= 9) squares(Index + 60) = 0;
        movecount(player, Index, moves);
        // moves now holds the whole change of progress, bonus moves and jumps included
        for (int i = 1; i <= 4; ++i)
            if (players(player, i) == k) {
                players(player, i) = static_cast<std::int16_t>(k + moves);
                break;
            }
    }
    publishMove(player, before);
    moveends();

    dicethrow(15).visible = false;
    if (m == 6) {
        // a six: the same player throws again
        dicethrow(0).enabled = true;
        dicethrow(0).visible = true;
        whosego = static_cast<std::int16_t>(whosego - 1);
        if (whosego == 0) whosego = 4;
    } else {
        for (int i = 0; i <= 15; ++i) dicethrow(i).back = colour::window;
        passTurn(player);
    }
}

}  // namespace skarpo
