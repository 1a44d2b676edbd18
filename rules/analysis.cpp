// SPDX-License-Identifier: GPL-3.0-or-later
// A computer player's turn: what it does with its throw, done completely
// before returning. At the Normal strength an exact finish in the home column
// comes first; then the move choice names a ring counter; failing that a
// counter moves inside the home column; a six brings a new counter into play
// when it can. Easy (a random legal move) and Strong (strength.h) pick one
// legal move instead, and it is played by the same steps. Moves past
// square 60 and into the home column are walked by hand, every square passed
// over getting back what it showed and held. After a six the same player
// throws again.
#include "rules/choice.h"
#include "rules/strength.h"
#include "state/board.h"

namespace skarpo {

void Board::overSixty(int p, int c, int b) {
    const int E = players(p, 0);
    const int W = 61 - E;  // the progress of square 60
    auto setProgress = [&](int k) { players(p, c) = static_cast<std::int16_t>(k); };

    // The counter walks over square s by hand: it is shown there for a moment,
    // then the square shows and holds again what it did before.
    auto passOver = [&](int s) {
        SQUARE(99).picture = SQUARE(s).picture;
        const std::int16_t held = squares(s);
        SQUARE(s).picture = counterPicture(p);
        wait(0.2f);
        squares(s) = held;
        SQUARE(s).picture = SQUARE(99).picture;
    };

    if (b < W && W < b + moves) {
        // past square 60 onto square T beyond it
        const int T = b + moves - W;
        SQUARE(99).picture = SQUARE(60).picture;
        const std::int16_t held = squares(60);
        int steps = W - b;
        movecount(p, b + E - 1, steps, 2);
        squares(60) = held;
        SQUARE(60).picture = SQUARE(99).picture;

        int none = 0;
        if (T > 1) {
            for (int s = 1; s <= T - 1; ++s) passOver(s);
            SQUARE(T).picture = counterPicture(p);
            movecount(p, T, none);
        } else {
            movecount(p, 1, none);
        }
        setProgress(moves + b);
        squares(moves + b - W) = static_cast<std::int16_t>(p);
    } else if (b == W) {
        // off square 60 onto square `moves` beyond it
        setProgress(moves + b);
        SQUARE(60).picture = homecount(0).picture;
        squares(60) = 0;
        SQUARE(99).picture = SQUARE(1).picture;
        if (moves > 1) {
            SQUARE(1).picture = counterPicture(p);
            wait(0.2f);
        }
        SQUARE(1).picture = SQUARE(99).picture;
        for (int s = 2; s <= moves - 1; ++s) passOver(s);
        int none = 0;
        movecount(p, moves, none);
        setProgress(W + moves);
    }
}

void Board::checkmoves() {
    const int p = whosego;
    const int m = moves;  // the throw as thrown; a move along the ring rewrites moves
    const int E = players(p, 0);
    const int W = 61 - E;  // the progress of square 60
    auto squareOfProgress = [&](int Q) { return Q + E - 1 <= 60 ? Q + E - 1 : Q + E - 1 - 60; };
    auto setProgress = [&](int c, int k) { players(p, c) = static_cast<std::int16_t>(k); };

    // Easy and Strong: the one legal move to play (Kind::None when there is none)
    const Strength strength = strengthOf(p);
    const bool picked = strength != Strength::Normal;
    Place pick;
    if (strength == Strength::Easy) {
        const LegalMoves legal = legalMoves(Position::of(*this), p, m);
        if (legal.count > 0) pick = legal.at[static_cast<std::size_t>(platform_.random() * legal.count)];
    } else if (strength == Strength::Strong) {
        pick = strongMove(Position::of(*this), p, m);
    }
    auto pickedColumn = [&](int k) { return !picked || pick == Place::column(k); };

    const auto before = standing(p);
    [&] {
        // An exact throw finishes a counter in the home column, using the
        // whole throw.
        bool decided = false;
        for (int i = 1; i <= 4; ++i) {
            if (players(p, i) != inHomeColumn) continue;
            for (int k = 1; k <= 6; ++k)
                if (homerow(p, k) == 1 && k + m == 7 && pickedColumn(k)) {
                    decided = true;
                    movestarts(p, Place::column(k), m);
                    homerow(p, k) = 0;
                    int from = k;
                    movehome(p, from, m);
                    homerow(p, 7) += 1;
                    setProgress(i, finished);
                    celebrateAllHome(p);
                    moveends();
                    break;  // position 7 - m is empty now: no second counter finishes
                }
        }
        if (decided) return;

        MoveChoice choice;
        if (!picked) {
            choice = choosemove(p, m, players, homerow, squares);
        } else if (pick.kind == Place::Kind::Ring) {
            choice.b = progressOf(p, pick.index);
            for (int i = 4; i >= 1; --i)
                if (players(p, i) == choice.b) choice.c = i;
        }
        const int c = choice.c;
        int b = choice.b;
        bool sixUsed = false;
        bool movedInColumn = false;

        if (b == 0) {
            // no ring counter: move on inside the home column, if one can
            for (int j = 1; j <= 4 && !movedInColumn; ++j) {
                if (players(p, j) != inHomeColumn) continue;
                for (int k = 1; k <= 6; ++k)
                    if (homerow(p, k) == 1 && k + m < 7 && homerow(p, k + m) != 1 && pickedColumn(k)) {
                        movestarts(p, Place::column(k), m);
                        homerow(p, k) = 0;
                        homerow(p, k + m) = 1;
                        int from = k;
                        movehome(p, from, m);
                        moveends();
                        movedInColumn = true;
                        break;
                    }
            }
            if (!movedInColumn) wait(0.6f);
        }

        if (b + m > 60) {
            // off the ring into the home column, on position b + m - 60
            movestarts(p, Place::ring(squareOfProgress(b)), m);
            if (homerow(p, b + m - 60) == 1) {
                moveends();
                happenings.publish({Happening::Kind::NoMove, p, m});
                wait(0.4f);  // taken: the counter stays where it is
                return;
            }
            intoColumn(p, b, m);
            setProgress(c, inHomeColumn);
            moveends();
            return;
        }

        // From here on `moves` is the throw as the last move along the ring
        // left it.
        if ((b < W && W < b + moves) || b == W) {
            movestarts(p, Place::ring(b == W ? 60 : squareOfProgress(b)), m);
            overSixty(p, c, b);
            moveends();
            b = 0;
            if (moves == 6) sixUsed = true;
        }

        int out = players(p, 5);
        for (int i = 1; i <= 4; ++i)
            if (players(p, i) > 0 && players(p, i) < inHomeColumn) ++out;

        if (picked ? pick == Place::startPlace() : moves == 6 && !sixUsed && out < 4) {
            if (squares(E) != p) {
                // a new counter onto the entry square; the chosen one stays
                movestarts(p, Place::startPlace(), m);
                int none = 0;
                movecount(p, E, none);
                for (int i = 1; i <= 4; ++i)
                    if (players(p, i) < 1) {
                        setProgress(i, 1);
                        break;
                    }
                startmove(p);
                moveends();
                wait(0.2f);
            } else {
                // our own counter blocks the entry square: the chosen one moves
                movestarts(p, Place::ring(squareOfProgress(b)), m);
                movecount(p, squareOfProgress(b), moves);
                setProgress(c, players(p, c) + moves);
                moveends();
            }
        } else if (b > 0) {
            movestarts(p, Place::ring(squareOfProgress(b)), m);
            movecount(p, squareOfProgress(b), moves);
            if (moves < 0) wait(0.1f);  // jumped back from a corner
            setProgress(c, players(p, c) + moves);
            moveends();
        } else {
            // no ring counter was chosen: unless one moved up the home column, the throw is lost
            if (choice.b == 0 && !movedInColumn) happenings.publish({Happening::Kind::NoMove, p, m});
            wait(0.3f);
        }
    }();
    publishMove(p, before);

    // a six: the same player throws again
    if (m == 6) {
        whosego = static_cast<std::int16_t>(whosego - 1);
        if (whosego == 0) whosego = 4;
    }
}

}  // namespace skarpo
