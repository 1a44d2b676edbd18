// SPDX-License-Identifier: GPL-3.0-or-later
// The menu commands, the window's closing, and automatic play for every
// colour a person plays.
#include "state/board.h"

namespace skarpo {

void Board::soundop_Click() {
    sound = static_cast<std::int16_t>(~sound);
    happenings.publish({sound != 0 ? Happening::Kind::SoundOn : Happening::Kind::SoundOff});
}

void Board::auto_Click() {
    autoplay = !autoplay;
    happenings.publish({autoplay ? Happening::Kind::AutoOn : Happening::Kind::AutoOff});
}

void Board::Form_Unload(int& Cancel) {
    (void)Cancel;  // closing is never refused
    autoplay = false;
}

// Once a second: a die waiting for a computer player is thrown (a new game
// in which the computer plays red starts so). With automatic play on, throw
// when the die waits for a person, otherwise click one of the marked
// counters of the person who threw, by a fixed rule.
void Board::Timer1_Timer() {
    if (takesClick(Family::dicethrow, 0) && !person(nextThrower())) {
        dicethrow_Click(0);
        return;
    }
    if (!autoplay) return;
    if (dicethrow(0).visible) {
        dicethrow_Click(0);
        return;
    }
    const int p = whosego > 0 ? whosego : 1;  // nothing is marked before the first throw
    const int b = 10 * (p - 1);
    const int m = moves;
    bool clicked = false;
    auto marked = [](const View& v) { return v.back == colour::yellow; };
    // the ring square of progress k: for player 1 the square number itself
    auto click = [&](int k) {
        const int s = squareOf(p, k);
        if (clicked || !marked(SQUARE(s))) return;
        SQUARE_Click(s);
        clicked = true;
    };
    if (m < 6) {
        // the counter farthest along
        for (int k = 60; k >= 1; --k) click(k);
    } else if (marked(start(4 * (p - 1)))) {
        start_Click(4 * (p - 1));
    } else {
        // the counter farthest behind
        for (int k = 1; k <= 60; ++k) click(k);
    }
    if (!clicked)
        for (int i = 5; i >= 0; --i)
            if (marked(home(b + i))) {
                home_Click(b + i);
                break;
            }
    if (m == 6) {
        whosego = static_cast<std::int16_t>(p - 1);
        dicethrow(0).visible = true;
    }
}

}  // namespace skarpo
