// SPDX-License-Identifier: GPL-3.0-or-later
// What the board shows must agree with the tables between two user actions.
#pragma once

#include <sstream>
#include <string>

#include "state/board.h"

namespace skarpo::test {

// The invariants of the tables, and the pictures against them: a ring square shows the counter on it or else its
// own picture, light grey unless marked; a start area its waiting counters packed from the head; a home column its
// occupied positions, and the final places fill in order. Empty when all hold; meaningless before the opening march.
inline std::string boardFaults(const Board& b) {
    std::ostringstream why;
    auto expect = [&](const ViewFamily& f, int i, Picture want) {
        if (f(i).picture != want) why << f.name() << "(" << i << ") shows " << pictureName(f(i).picture) << "; ";
    };
    for (int s = 1; s <= 60; ++s) {
        expect(b.SQUARE, s, b.squares(s) > 0 ? b.counterPicture(b.squares(s)) : b.ownPicture(s));
        if (const View& v = b.SQUARE(s); v.back != colour::lightGrey && !(v.back == colour::yellow && v.enabled))
            why << "SQUARE(" << s << ") is coloured; ";
    }
    for (int p = 1; p <= 4; ++p) {
        const Picture counter = b.counterPicture(p), empty = b.emptyPicture();
        int waiting = 0;
        for (int j = 1; j <= 4; ++j) waiting += b.players(p, j) < 1;
        for (int k = 0; k <= 3; ++k) expect(b.start, 4 * (p - 1) + k, k < waiting ? counter : empty);
        for (int k = 0; k <= 9; ++k)
            expect(b.home, 10 * (p - 1) + k, (k < 6 ? b.homerow(p, k + 1) == 1 : k - 6 < b.homerow(p, 7)) ? counter : empty);
    }
    return b.checkInvariants() + why.str();
}

// What holds even at a pause, with a counter on its way and the tables half rewritten.
inline const char* pauseFaults(const Board& b) {
    bool ok = b.paused() && !b.closed() && !(b.dicethrow(0).visible && b.dicethrow(0).enabled) && b.squares(70) == 0;
    for (int s = 1; s <= 60; ++s)
        ok = ok && b.squares(s) >= 0 && b.squares(s) <= 4 && (s > 9 || b.squares(s + 60) == b.squares(s));
    for (int p = 1; p <= 4; ++p)
        for (int j = 1; j <= 7; ++j)
            ok = ok && b.homerow(p, j) >= 0 && b.homerow(p, j) <= (j < 7 ? 1 : 4) &&
                 (j > 4 || (b.players(p, j) >= captured && b.players(p, j) <= finished));
    return ok && b.whosego >= 0 && b.whosego <= 4 ? "" : "at a pause: a table out of range or the die clickable";
}

}  // namespace skarpo::test
