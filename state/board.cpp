// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/board.h"

#include <sstream>

namespace skarpo {

Board::Board(Platform& platform) : platform_(platform) { layout(); }

Picture Board::ownPicture(int s) const {
    switch (s % 15) {
        case 0: return homecount(homeTurnOwner(s) - 1).picture;
        case 1: return homecount(entryOwner(s) - 1).spare;
        case 5:
        case 9: return two(1).picture;
        case 12: return corner(s / 15 + 1).picture;
        default: return emptyPicture();
    }
}

void Board::clearmarks() {
    for (int i = 1; i <= 60; ++i) {
        SQUARE(i).enabled = false;
        if (SQUARE(i).back == colour::yellow) SQUARE(i).back = colour::lightGrey;
    }
    for (int p = 1; p <= 4; ++p) {
        for (int i = 0; i <= 5; ++i) {
            home(10 * (p - 1) + i).enabled = false;
            home(10 * (p - 1) + i).back = colour::ofPlayer(p);
        }
        start(4 * (p - 1)).back = colour::ofPlayer(p);
        start(4 * (p - 1)).enabled = false;
    }
}

void Board::colourframes(Colour c) {
    for (int k : {1, 3, 5, 7}) Label1(k).back = c;
}

std::string Board::checkInvariants() const {
    std::ostringstream why;
    for (int p = 1; p <= 4; ++p) {
        if (players(p, 0) != entrySquare(p)) why << "players(" << p << ",0) is " << players(p, 0) << "; ";
        int onRing = 0, inColumn = 0, done = 0;
        for (int j = 1; j <= 4; ++j) {
            const int k = players(p, j);
            if (k > 0 && k < 100) {
                ++onRing;
                if (k > 60)
                    why << "players(" << p << "," << j << ") is " << k << "; ";
                else if (squares(squareOf(p, k)) != p)
                    why << "counter " << p << "/" << j << " at progress " << k << " but squares(" << squareOf(p, k)
                        << ") is " << squares(squareOf(p, k)) << "; ";
                for (int i = 1; i < j; ++i)
                    if (players(p, i) == k)
                        why << "counters " << p << "/" << i << " and " << j << " share progress " << k << "; ";
            } else if (k == inHomeColumn) {
                ++inColumn;
            } else if (k == finished && !person(p)) {
                ++done;
            } else if (k != 0 && k != captured) {
                why << "players(" << p << "," << j << ") is " << k << "; ";
            }
        }
        int column = 0;
        for (int k = 1; k <= 6; ++k) {
            if (homerow(p, k) != 0 && homerow(p, k) != 1)
                why << "homerow(" << p << "," << k << ") is " << homerow(p, k) << "; ";
            column += homerow(p, k);
        }
        const int home7 = homerow(p, 7);
        // a person's counters stay at 100 in the final places; the computer's go to 101
        if (person(p) ? inColumn != column + home7 : (inColumn != column || done != home7))
            why << "player " << p << ": " << inColumn << " counters at 100, " << done << " at 101, homerow column "
                << column << ", home " << home7 << "; ";
        if (players(p, 5) != inColumn + done)
            why << "players(" << p << ",5) is " << players(p, 5) << " with " << inColumn + done
                << " counters off the ring; ";
        (void)onRing;
    }
    for (int s = 1; s <= 60; ++s) {
        const int q = squares(s);
        if (q < 0 || q > 4) {
            why << "squares(" << s << ") is " << q << "; ";
            continue;
        }
        if (q == 0) continue;
        bool found = false;
        for (int j = 1; j <= 4; ++j) found = found || players(q, j) == progressOf(q, s);
        if (!found) why << "squares(" << s << ") names player " << q << " but no counter stands there; ";
    }
    for (int s = 1; s <= 9; ++s)
        if (squares(s + 60) != squares(s)) why << "squares(" << s + 60 << ") differs from squares(" << s << "); ";
    if (squares(70) != 0) why << "squares(70) is " << squares(70) << "; ";
    return why.str();
}

}  // namespace skarpo
