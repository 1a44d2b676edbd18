// SPDX-License-Identifier: GPL-3.0-or-later
// After player 1's throw every counter that may move turns yellow and
// clickable. With nothing to move the turn passes on by itself.
#include "state/board.h"

namespace skarpo {

namespace {
void mark(View& v) {
    v.back = colour::yellow;
    v.enabled = true;
}
}  // namespace

void Board::marksquares() {
    const int m = moves;
    bool marked = false;
    auto own = [&](int s) { return squares(s) == 1; };

    for (int i = 1; i <= 4; ++i) {
        const int P = players(1, i);
        const int T = P + m;
        if (P > 0 && P < 100) {
            if (T > 60) {
                // into the home column, if the position it would reach is free
                mark(SQUARE(P));
                if (homerow(1, T - 60) == 1) {
                    SQUARE(P).back = colour::lightGrey;
                    SQUARE(P).enabled = false;
                } else {
                    marked = true;
                }
                continue;
            }
            bool blocked = false;
            switch (T % 15) {
                case 5:  // doubling square: on by the throw again (a 4 reaches a second one)
                    blocked = m == 4 ? own(P + 12) : own(T + m);
                    break;
                case 9:  // doubling square: a 3 carries on to a corner, which jumps
                    blocked = m == 3 ? own(T) || own(oppositeCorner(T + 3)) : own(T + m);
                    break;
                case 12:  // corner: jumps to the opposite corner
                    blocked = own(T) || own(oppositeCorner(T));
                    break;
                default:
                    blocked = own(T);
            }
            if (!blocked) {
                mark(SQUARE(P));
                marked = true;
            }
        } else if (P == inHomeColumn) {
            for (int k = 1; k <= 6; ++k)
                if (homerow(1, k) == 1 && k + m <= 7 && (k + m == 7 || homerow(1, k + m) == 0)) {
                    mark(home(k - 1));
                    marked = true;
                }
        }
    }

    if (m == 6)
        for (int i = 1; i <= 4; ++i)
            if (players(1, i) < 1 && squares(1) != 1) {
                mark(start(0));
                marked = true;
            }

    if (marked) return;
    happenings.publish({Happening::Kind::NoMove, 1, m});
    if (m != 6) {
        wait(0.8f);
        dicethrow(15).visible = false;
        colourframes(colour::cyan);
        whosego = 1;
        dicethrow_Click(0);
    } else {
        wait(0.4f);
        whosego = 4;
        dicethrow(15).visible = false;
        dicethrow(0).visible = true;
        dicethrow(0).enabled = true;
    }
}

}  // namespace skarpo
