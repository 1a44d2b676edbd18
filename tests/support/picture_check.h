// What the board shows must agree with the tables between two user actions:
// a ring square shows the counter recorded on it or, empty, its own picture;
// a start area shows its waiting counters packed from the head; a home column
// shows a counter exactly on its occupied positions; the final places are
// filled in order, as many as have come home. Ring squares are light grey
// unless marked (yellow and clickable).
#pragma once

#include <sstream>
#include <string>

#include "state/board.h"

namespace skarpo::test {

// An empty string when the pictures agree with the tables, otherwise what
// does not. Meaningless before the opening march of a game.
inline std::string pictureFaults(const Board& b) {
    std::ostringstream why;
    const Picture empty = b.emptyPicture();
    auto name = [](Picture p) { return pictureName(p); };
    for (int s = 1; s <= 60; ++s) {
        const int q = b.squares(s);
        const Picture want = q > 0 ? b.counterPicture(q) : b.ownPicture(s);
        if (b.SQUARE(s).picture != want)
            why << "SQUARE(" << s << ") shows " << name(b.SQUARE(s).picture) << ", not " << name(want) << "; ";
        const View& v = b.SQUARE(s);
        if (v.back != colour::lightGrey && !(v.back == colour::yellow && v.enabled))
            why << "SQUARE(" << s << ") has background " << std::hex << v.back << std::dec << "; ";
    }
    for (int p = 1; p <= 4; ++p) {
        const Picture counter = b.counterPicture(p);
        int waiting = 0;
        for (int j = 1; j <= 4; ++j) waiting += b.players(p, j) < 1;
        for (int k = 0; k <= 3; ++k) {
            const Picture want = k < waiting ? counter : empty;
            if (b.start(4 * (p - 1) + k).picture != want)
                why << "start(" << 4 * (p - 1) + k << ") shows " << name(b.start(4 * (p - 1) + k).picture)
                    << " with " << waiting << " waiting; ";
        }
        const int base = 10 * (p - 1);
        for (int k = 1; k <= 6; ++k) {
            const Picture want = b.homerow(p, k) == 1 ? counter : empty;
            if (b.home(base + k - 1).picture != want)
                why << "home(" << base + k - 1 << ") shows " << name(b.home(base + k - 1).picture)
                    << " with homerow(" << p << "," << k << ") " << b.homerow(p, k) << "; ";
        }
        for (int n = 0; n <= 3; ++n) {
            const Picture want = n < b.homerow(p, 7) ? counter : empty;
            if (b.home(base + 6 + n).picture != want)
                why << "home(" << base + 6 + n << ") shows " << name(b.home(base + 6 + n).picture) << " with "
                    << b.homerow(p, 7) << " home; ";
        }
    }
    return why.str();
}

// The invariants of the tables and the pictures together: empty when both hold.
inline std::string boardFaults(const Board& b) { return b.checkInvariants() + pictureFaults(b); }

}  // namespace skarpo::test
