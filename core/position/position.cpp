// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/position/position.h"

#include <sstream>

namespace skarpo {

Position Position::fresh() {
    Position at;
    for (int p = 1; p <= 4; ++p) at.players(p, 0) = static_cast<std::int16_t>(entrySquare(p));
    return at;
}

int Position::waiting(int player) const {
    int n = 0;
    for (int j = 1; j <= 4; ++j) n += players(player, j) < 1;
    return n;
}

std::string faultsOf(const Position& at, PersonBits persons) {
    std::ostringstream why;
    for (int p = 1; p <= 4; ++p) {
        if (at.players(p, 0) != entrySquare(p)) why << "players(" << p << ",0) is " << at.players(p, 0) << "; ";
        int inColumn = 0, done = 0, column = 0;
        for (int j = 1; j <= 4; ++j) {
            const int k = at.players(p, j);
            if (k > 0 && k <= 60) {
                if (at.squares(squareOf(p, k)) != p)
                    why << "counter " << p << "/" << j << " at " << k << " is not on its square; ";
                for (int i = 1; i < j; ++i)
                    if (at.players(p, i) == k)
                        why << "counters " << p << "/" << i << " and " << j << " share " << k << "; ";
            } else if (k == inHomeColumn) {
                ++inColumn;
            } else if (k == finished && !isPerson(persons, p)) {
                ++done;
            } else if (k != 0 && k != captured) {
                why << "players(" << p << "," << j << ") is " << k << "; ";
            }
        }
        for (int k = 1; k <= 6; ++k) {
            if (at.homerow(p, k) != 0 && at.homerow(p, k) != 1)
                why << "homerow(" << p << "," << k << ") is " << at.homerow(p, k) << "; ";
            column += at.homerow(p, k);
        }
        const int home = at.homerow(p, 7);
        // a person's counters stay at 100 in the final places; the computer's go to 101
        if (home < 0 || home > 3 ||
            (isPerson(persons, p) ? inColumn != column + home : inColumn != column || done != home))
            why << "player " << p << ": " << inColumn << " counters at 100 and " << done << " at 101 against " << column
                << " in the home column and " << home << " home; ";
        if (at.players(p, 5) != inColumn + done) why << "players(" << p << ",5) is " << at.players(p, 5) << "; ";
    }
    for (int s = 1; s <= 60; ++s) {
        const int q = at.squares(s);
        bool found = q == 0;
        for (int j = 1; j <= 4 && q >= 1 && q <= 4; ++j) found = found || at.players(q, j) == progressOf(q, s);
        if (!found) why << "squares(" << s << ") is " << q << " with no such counter there; ";
    }
    for (int s = 1; s <= 9; ++s)
        if (at.squares(s + 60) != at.squares(s)) why << "squares(" << s + 60 << ") differs from squares(" << s << "); ";
    if (at.squares(70) != 0) why << "squares(70) is " << at.squares(70) << "; ";
    return why.str();
}

}  // namespace skarpo
