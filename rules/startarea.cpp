// SPDX-License-Identifier: GPL-3.0-or-later
// The start areas: a counter entering the ring, a person's click on the
// first start place of the colour they play, and counters marching from the final places into the start
// areas (one player after finishing, or all four when a game begins).
#include "state/board.h"

namespace skarpo {

void Board::startmove(int player) {
    const int s = 4 * (player - 1);
    SQUARE(players(player, 0)).picture = counterPicture(player);
    for (int i = 0; i <= 2; ++i) {
        start(s + i).picture = emptyPicture();
        wait(0.2f);
        start(s + i).picture = start(s + i + 1).picture;
    }
    start(s + 3).picture = emptyPicture();
}

void Board::start_Click(int Index) {
    (void)Index;  // always the first start place of the player who threw
    const int player = whosego;
    const int E = entrySquare(player);
    const auto before = standing(player);
    movestarts(player, Place::startPlace(), moves);
    clearmarks();
    startmove(player);
    for (int i = 1; i <= 4; ++i)
        if (players(player, i) < 1) {
            players(player, i) = 1;
            break;
        }
    if (squares(E) > 0 && squares(E) != player) {
        // an opponent stands on the entry square and goes back to its start area
        const int q = squares(E);
        for (int i = 1; i <= 4; ++i)
            if (players(q, i) == progressOf(q, E)) {
                players(q, i) = captured;
                happenings.publish({Happening::Kind::Captured, player, q});
                sendback(q, E);
                break;
            }
    }
    squares(E) = static_cast<std::int16_t>(player);
    if (E <= 9) squares(E + 60) = static_cast<std::int16_t>(player);
    publishMove(player, before);
    moveends();
    dicethrow(15).visible = false;
    dicethrow(0).enabled = true;
    dicethrow(0).visible = true;
    whosego = static_cast<std::int16_t>(whosego - 1);
}

void Board::movestart(int player) {
    const float step = 0.07f;
    // the players taking part: one, or all four at the opening of a game
    const int first = player < 5 ? player : 1;
    const int last = player < 5 ? player : 4;
    auto each = [&](auto&& f) {
        for (int p = first; p <= last; ++p) f(p, 10 * (p - 1), 4 * (p - 1), counterPicture(p));
    };
    const Picture empty = emptyPicture();

    // the block of four slides down the home column
    for (int i = 5; i >= 0; --i)
        for (int j = 0; j <= 3; ++j) {
            each([&](int, int b, int, Picture c) {
                home(b + i + j).picture = c;
                home(b + i + j + 1).picture = empty;
            });
            wait(step);
        }
    // one by one into the start queue
    for (int i = 4; i >= 1; --i) {
        for (int j = 4 - i; j >= 1; --j) {
            each([&](int, int, int s, Picture c) {
                start(s + j).picture = c;
                start(s + j - 1).picture = empty;
            });
            wait(step);
        }
        each([&](int, int b, int s, Picture c) {
            start(s).picture = c;
            home(b).picture = empty;
        });
        wait(step);
        for (int j = 0; j <= i - 2; ++j) {
            each([&](int, int b, int, Picture c) {
                home(b + j).picture = c;
                home(b + j + 1).picture = empty;
            });
            wait(step);
        }
    }
    each([&](int, int b, int s, Picture c) {
        start(s).picture = c;
        home(b).picture = empty;
    });
    wait(0.2f);

    if (player >= 5) return;  // the opening changes no records
    const int b = 10 * (player - 1);
    for (int k = 1; k <= 9; ++k) {
        if (k <= 7) homerow(player, k) = 0;
        home(b + k).picture = empty;
    }
    for (int j = 1; j <= 5; ++j) players(player, j) = 0;
}

}  // namespace skarpo
