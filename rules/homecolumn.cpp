// SPDX-License-Identifier: GPL-3.0-or-later
// The home column: six positions beyond the ring, then four final places.
// A counter steps along the column, every position it passes showing again
// what it showed before; at the end of the column it settles in the next
// free final place while the centre frames flash.
#include "state/board.h"

namespace skarpo {

// `pos` is the home-column position (1..6) the counter is first shown on;
// it is lowered to the offset within the player's ten home places.
// `homepick` is given when the counter leaves a position of its own (a click
// on it), not when it comes in from the ring.
void Board::movehome(int player, int& pos, int move, std::optional<int> homepick) {
    const int b = 10 * (player - 1);
    const Picture counter = counterPicture(player);
    View& under = SQUARE(99);  // its picture belongs on the place the counter covers

    wait(0.2f);
    pos = pos - 1;
    home(b + pos).picture = counter;
    wait(0.2f);
    if (move > 0) {
        if (homerow(player, 1) == 1 && pos == 0 && !homepick.has_value()) {
            // coming in from the ring over a counter waiting on position 1
            home(b).picture = counter;
            under.picture = counter;
        } else {
            home(b + pos).picture = emptyPicture();
            under.picture = emptyPicture();
        }
    }
    for (int i = pos + 1; i <= pos + move - 1; ++i) {
        home(b + i - 1).picture = under.picture;
        under.picture = home(b + i).picture;
        home(b + i).picture = counter;
        wait(0.2f);
    }
    if (pos + move == 6) {
        // the end of the column: into the first free final place
        home(b + 5).picture = under.picture;
        home(b + 6 + homerow(player, 7)).picture = counter;
        happenings.publish({Happening::Kind::Home, player, homerow(player, 7) + 1});
        // the two groups of frames swap colours, an even number of times
        const Colour noted = Label1(1).back;
        for (int n = 1; n <= 2 * (players(player, 5) + 1); ++n) {
            for (int k = 0; k <= 7; ++k) Label1(k).back = Label1(k).back == noted ? colour::window : noted;
            wait(0.2f);
        }
    } else if (move > 0) {
        home(b + pos + move - 1).picture = under.picture;
        home(b + pos + move).picture = counter;
    }
}

// When all four counters of the player are home: the celebration, and the
// player starts again from its start area.
void Board::celebrateAllHome(int player) {
    if (homerow(player, 7) != 4) return;
    happenings.publish({Happening::Kind::AllHome, player});
    enddisp(player);
    movestart(player);
}

// A person clicks a marked counter in the home column of the colour they
// play: it moves on by the throw, into a free position or, with the exact
// throw, into a final place.
void Board::home_Click(int Index) {
    const int player = whosego;
    const int b = 10 * (player - 1);
    const int k = Index - b + 1;  // the column position, 1..6
    const auto before = standing(player);
    movestarts(player, Place::column(k), moves);
    clearmarks();
    int pos = k;
    movehome(player, pos, moves, 1);
    homerow(player, k) = 0;
    homerow(player, k + moves) += 1;
    publishMove(player, before);
    celebrateAllHome(player);
    moveends();
    dicethrow(15).visible = false;
    if (moves == 6) {
        // a six: the same player throws again
        dicethrow(0).enabled = true;
        dicethrow(0).visible = true;
        whosego = static_cast<std::int16_t>((player + 2) % 4 + 1);  // the one before
    } else {
        passTurn(player);
    }
}

}  // namespace skarpo
