// SPDX-License-Identifier: GPL-3.0-or-later
// Captures. A counter that ends its move on an opponent's square sends that
// counter back: it runs backwards round the ring to its owner's entry square
// and takes the head of its owner's start queue, the waiting counters moving
// one place back. Only the capture itself changes the game state; the
// capturing move then writes its own player over the square.
#include "state/board.h"

namespace skarpo {

void Board::takeit(int player, int pos) {
    if (sound != 0) platform().beep();
    const int v = squares(pos);  // whoever captures, the victim is the one recorded on the square
    happenings.publish({Happening::Kind::Captured, player, v});
    const int E = players(v, 0);
    const int e = E - 1;
    for (int i = 1; i <= 4; ++i) {
        const int k = players(v, i);
        // squares before the victim's entry square lie past square 60 on its journey
        const int square = pos < E ? k + e - 60 : k + e;
        if (square == pos) {
            players(v, i) = captured;
            break;
        }
    }
    sendback(v, pos);
}

void Board::sendback(int player, int pos) {
    const float t = 0.07f;
    const int E = players(player, 0);
    View& under = SQUARE(99);  // its picture holds what the running counter covers

    // one step backwards over square s, which then shows again what it showed
    auto step = [&](int s) {
        under.picture = SQUARE(s).picture;
        SQUARE(s).picture = s % 2 == 1 ? counterPicture(player) : boardcount(player - 1).spare;
        wait(t);
        SQUARE(s).picture = under.picture;
    };
    // every square strictly between pos and the entry square, against the
    // direction of travel; pos itself shows the capturing counter
    if (pos < E) {
        for (int s = pos - 1; s >= 1; --s) step(s);
        for (int s = 60; s >= E + 1; --s) step(s);
    } else {
        for (int s = pos - 1; s >= E + 1; --s) step(s);
    }

    under.picture = SQUARE(E).picture;
    SQUARE(E).picture = counterPicture(player);
    if (sound != 0) platform().beep();
    wait(t);
    insertstart(player);
    SQUARE(E).picture = under.picture;
}

void Board::insertstart(int player) {
    const int s = 4 * (player - 1);
    // the waiting counters move one place away from the entry square
    for (int i = 2; i >= 0; --i) {
        start(s + i + 1).picture = start(s + i).picture;
        start(s + i).picture = emptyPicture();
        wait(0.2f);
    }
    start(s).picture = counterPicture(player);
}

}  // namespace skarpo
