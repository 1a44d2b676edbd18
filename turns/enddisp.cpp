// SPDX-License-Identifier: GPL-3.0-or-later
// The celebration when a player's fourth counter comes home: the whole ring
// flashes with that player's counters and the centre frames blink in its
// colour, then the ring is put back as it was. No game state changes; the
// caller marches the player's counters back to its start area.
#include "state/board.h"

namespace skarpo {

void Board::enddisp(int player) {
    const Colour C = colour::ofPlayer(player);
    const Colour W = colour::window;
    const Picture counter = counterPicture(player);
    const Picture blank = emptyPicture();

    auto toggleFrames = [&] {
        for (int k = 0; k <= 7; ++k) Label1(k).back = Label1(k).back == C ? W : C;
    };
    // every other square shows the counter, the rest blank, swapping ten times
    auto alternate = [&] {
        for (int k = 1; k <= 10; ++k) {
            const bool oddShowsCounter = k % 2 == 0;
            for (int i = 1; i <= 60; ++i) SQUARE(i).picture = (i % 2 == 1) == oddShowsCounter ? counter : blank;
            toggleFrames();
            wait(0.2f);
        }
    };

    dicethrow(15).visible = false;
    alternate();
    // a sweep round the ring, twice: up to square i the squares of i's
    // parity show the counter, the others blank
    for (int round = 1; round <= 2; ++round)
        for (int i = 1; i <= 60; ++i) {
            for (int n = 1; n <= i; ++n) SQUARE(n).picture = n % 2 == i % 2 ? counter : blank;
            if (i % 4 == 1) toggleFrames();
            wait(0.01f);
        }
    alternate();

    // the ring as it was: the counters standing on it, the rest their own pictures
    for (int i = 1; i <= 60; ++i) {
        const int q = squares(i);
        SQUARE(i).picture = q > 0 ? counterPicture(q) : ownPicture(i);
    }
    for (int k = 0; k <= 7; ++k) Label1(k).back = W;
}

}  // namespace skarpo
