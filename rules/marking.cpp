// SPDX-License-Identifier: GPL-3.0-or-later
// After the throw of a colour a person plays, every counter of it that may
// move turns yellow and clickable. With nothing to move the turn passes on by
// itself. Progress counts from the player's entry square; for player 1 it is
// the square number itself.
#include "state/board.h"

namespace skarpo {

namespace {
void mark(View& v) {
    v.back = colour::yellow;
    v.enabled = true;
}
}  // namespace

void Board::marksquares() {
    const int p = whosego;  // the person who threw
    const int m = moves;
    const int b = 10 * (p - 1);
    const int E = entrySquare(p);
    bool marked = false;
    // whether the ring square of progress k holds our own counter; past 60 (a
    // look-ahead) player 1 reads the copies squares(61..69) keeps of 1..9
    auto own = [&](int k) { return squares(p == 1 ? k : squareOf(p, k)) == p; };
    auto square = [&](int k) -> View& { return SQUARE(squareOf(p, k)); };

    for (int i = 1; i <= 4; ++i) {
        const int P = players(p, i);
        const int T = P + m;
        if (P > 0 && P < 100) {
            if (T > 60) {
                // into the home column, if the position it would reach is free
                mark(square(P));
                if (homerow(p, T - 60) == 1) {
                    square(P).back = colour::lightGrey;
                    square(P).enabled = false;
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
                default: blocked = own(T);
            }
            if (!blocked) {
                mark(square(P));
                marked = true;
            }
        } else if (P == inHomeColumn) {
            for (int k = 1; k <= 6; ++k)
                if (homerow(p, k) == 1 && k + m <= 7 && (k + m == 7 || homerow(p, k + m) == 0)) {
                    mark(home(b + k - 1));
                    marked = true;
                }
        }
    }

    if (m == 6)
        for (int i = 1; i <= 4; ++i)
            if (players(p, i) < 1 && squares(E) != p) {
                mark(start(4 * (p - 1)));
                marked = true;
            }

    if (marked) return;
    happenings.publish({Happening::Kind::NoMove, p, m});
    if (m != 6) {
        wait(0.8f);
        dicethrow(15).visible = false;
        whosego = static_cast<std::int16_t>(p);
        passTurn(p);
    } else {
        wait(0.4f);
        whosego = static_cast<std::int16_t>((p + 2) % 4 + 1);  // the one before: p throws again
        dicethrow(15).visible = false;
        dicethrow(0).visible = true;
        dicethrow(0).enabled = true;
    }
}

}  // namespace skarpo
