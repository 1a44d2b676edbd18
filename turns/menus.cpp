// SPDX-License-Identifier: GPL-3.0-or-later
// The menu commands, the window's closing, and automatic play for player 1.
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

// Once a second: throw when the die waits for player 1, otherwise click one
// of player 1's marked counters by a fixed rule.
void Board::Timer1_Timer() {
    if (!autoplay) return;
    if (dicethrow(0).visible) {
        dicethrow_Click(0);
        return;
    }
    const int m = moves;
    bool clicked = false;
    auto marked = [](const View& v) { return v.back == colour::yellow; };
    if (m < 6) {
        // the counter farthest along
        for (int i = 60; i >= 1 && !clicked; --i)
            if (marked(SQUARE(i))) {
                SQUARE_Click(i);
                clicked = true;
            }
    } else if (marked(start(0))) {
        start_Click(0);
    } else {
        // the counter farthest behind
        for (int i = 1; i <= 60 && !clicked; ++i)
            if (marked(SQUARE(i))) {
                SQUARE_Click(i);
                clicked = true;
            }
    }
    if (!clicked)
        for (int i = 5; i >= 0; --i)
            if (marked(home(i))) {
                home_Click(i);
                break;
            }
    if (m == 6) {
        whosego = 0;
        dicethrow(0).visible = true;
    }
}

}  // namespace skarpo
