// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/choice.h"

namespace skarpo {

MoveChoice choosemove(int player, int m, const Players& players, const Homerow& homerow, const Squares& squares) {
    const int E = players(player, 0);
    // the ring square of progress Q (Q may run past 60 as a look-ahead)
    auto square = [&](int Q) { return Q + E - 1 <= 60 ? Q + E - 1 : Q + E - 1 - 60; };
    auto own = [&](int Q) { return squares(square(Q)) == player; };
    // a corner reached from below progress 27 (progress 12 or 27) jumps
    // thirty squares forward: is the corner it lands on free of our counters?
    auto forwardJumpFree = [&](int cornerProgress) {
        return squares(oppositeCorner(square(cornerProgress))) != player;
    };

    MoveChoice pick;
    auto choose = [&](int i, int P, bool decided) {
        pick.c = i;
        pick.b = P;
        pick.decided = decided;
    };

    for (int i = 1; i <= 4; ++i) {
        const int P = players(player, i);
        if (P < 1 || P >= inHomeColumn) continue;  // not on the ring
        const int T = P + m;

        // into the home column, when the position it reaches is free
        if (!pick.decided && T > 60 && m < 6 && homerow(player, T - 60) != 1) choose(i, P, true);

        // on round the ring, if it gets farther than the counter chosen so far
        if (!pick.decided && P > pick.b && !own(T)) {
            switch (T % 15) {
                case 5:  // a doubling square: on again by the throw
                    if (m == 4) {
                        // over the next doubling square, twelve squares in all
                        if (!own(P + 12)) choose(i, P, true);
                    } else if (!own(T + m)) {
                        choose(i, P, false);
                    }
                    break;
                case 9:  // a doubling square: on again by the throw
                    if (m == 3) {
                        // on to a corner, which jumps; only forward is wanted
                        if (P < 27 && forwardJumpFree(T + 3)) choose(i, P, true);
                    } else if (!own(T + m)) {
                        choose(i, P, false);
                    }
                    break;
                case 12:  // a corner: wanted only when it jumps forward
                    if (P < 27 && forwardJumpFree(T)) choose(i, P, true);
                    break;
                default: choose(i, P, false);
            }
        }

        // off the entry square
        if (!pick.decided && P == 1 && squares(E + m) != player) choose(i, 1, true);
    }

    if (pick.b == 0) {
        // nothing wanted: the highest-numbered counter that can move at all
        for (int i = 4; i >= 1; --i) {
            const int P = players(player, i);
            if (P < 1 || P >= inHomeColumn) continue;
            const int T = P + m;
            if (!own(T) && (T <= 60 || homerow(player, T - 60) == 0)) {
                choose(i, P, false);
                break;
            }
        }
    }
    return pick;
}

}  // namespace skarpo
