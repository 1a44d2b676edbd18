// SPDX-License-Identifier: GPL-3.0-or-later
// Laying out a new game: the state is cleared, the ring repainted with its
// special pictures, and every player's four counters stand in its final
// places until the first click on the die marches them out.
#include "state/board.h"

namespace skarpo {

void Board::Form_Load() { startgame(); }

void Board::newgame_Click() { startgame(); }

void Board::startgame() {
    seated_ = options.seats;  // who plays each colour is settled for the whole game
    computerTurn_ = false;
    dicethrow(0).enabled = true;
    dicethrow(0).visible = false;
    platform_.reseed();

    for (int p = 1; p <= 4; ++p) {
        players(p, 0) = static_cast<std::int16_t>(entrySquare(p));
        for (int j = 1; j <= 5; ++j) players(p, j) = 0;
        for (int k = 1; k <= 7; ++k) homerow(p, k) = 0;
    }
    for (int p = 1; p <= 4; ++p) updstart(p);

    for (int i = 1; i <= 60; ++i) {
        View& v = SQUARE(i);
        v.back = colour::lightGrey;
        v.enabled = false;
        v.picture = emptyPicture();
        squares(i) = 0;
        v.picture = ownPicture(i);
    }
    for (int i = 61; i <= 70; ++i) squares(i) = 0;
    for (int i = 0; i <= 39; ++i) home(i).picture = emptyPicture();
    whosego = 0;
    colourframes(colour::red);
    for (int i = 1; i <= 15; ++i) dicethrow(i).visible = false;
    for (int i = 0; i <= 15; ++i) start(i).picture = emptyPicture();
    for (int p = 0; p <= 3; ++p)
        for (int k = 6; k <= 9; ++k) home(10 * p + k).picture = boardcount(p).picture;
    dicethrow(0).visible = true;
    dicethrow(15).enabled = true;

    // A game interrupted in the middle of a turn may have left a person's
    // start and home places marked, the even frames lit by a celebration and
    // the scratch store holding a carried picture: none of it belongs to the
    // new game.
    clearmarks();
    for (int k : {0, 2, 4, 6}) Label1(k).back = colour::window;
    SQUARE(99).picture = Picture::Raised;
    SQUARE(99).spare = Picture::None;
    happenings.publish({Happening::Kind::NewGame});
}

void Board::updstart(int player) {
    const int s = 4 * (player - 1);
    for (int i = 0; i <= 3; ++i) start(s + i).picture = emptyPicture();
    int n = 0;
    for (int j = 1; j <= 4; ++j)
        if (players(player, j) > 0) ++n;
    if (n < 4)
        for (int i = 0; i <= 3 - n; ++i) start(s + i).picture = counterPicture(player);
}

}  // namespace skarpo
