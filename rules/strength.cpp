// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/strength.h"

#include <algorithm>

#include "rules/choice.h"

namespace skarpo {

bool LegalMoves::contains(Place p) const {
    for (const Place& q : *this)
        if (q == p) return true;
    return false;
}

LegalMoves legalMoves(const Position& now, int player, int thrown) {
    const int m = thrown;
    const Players& players = now.players;
    const Homerow& homerow = now.homerow;
    const Squares& squares = now.squares;
    // whether the ring square of progress k holds one of the player's counters
    auto own = [&](int k) { return squares(squareOf(player, k)) == player; };
    LegalMoves out;
    auto add = [&](Place p) {
        if (!out.contains(p)) out.at[static_cast<std::size_t>(out.count++)] = p;
    };

    bool inColumn = false, waiting = false;
    for (int i = 1; i <= 4; ++i) {
        const int P = players(player, i);
        if (P == inHomeColumn) inColumn = true;
        if (P < 1) waiting = true;
        if (P < 1 || P > 60) continue;
        const int T = P + m;
        bool blocked = false;
        if (T > 60) {
            blocked = homerow(player, T - 60) == 1;  // into the home column, if that position is free
        } else {
            switch (T % 15) {
                case 5:  // a doubling square: on by the throw again (a 4 reaches a second one)
                    blocked = m == 4 ? own(P + 12) : own(T + m);
                    break;
                case 9:  // a doubling square: a 3 carries on to a corner, which jumps
                    blocked =
                        m == 3 ? own(T) || squares(oppositeCorner(squareOf(player, T + 3))) == player : own(T + m);
                    break;
                case 12:  // a corner: jumps to the opposite corner
                    blocked = own(T) || squares(oppositeCorner(squareOf(player, T))) == player;
                    break;
                default: blocked = own(T);
            }
        }
        if (!blocked) add(Place::ring(squareOf(player, P)));
    }
    if (inColumn)
        for (int k = 1; k <= 6; ++k)
            if (homerow(player, k) == 1 && k + m <= 7 && (k + m == 7 || homerow(player, k + m) == 0))
                add(Place::column(k));
    if (m == 6 && waiting && squares(entrySquare(player)) != player) add(Place::startPlace());
    return out;
}

// The move the game's own Normal player makes: a computer colour's turn as
// checkmoves plays it, red's as automatic play clicks its marks.
Place normalMove(const Position& at, int player, int m) {
    const Players& players = at.players;
    const Homerow& homerow = at.homerow;
    const Squares& squares = at.squares;
    if (player == 1) {
        const LegalMoves legal = legalMoves(at, 1, m);
        Place pick;
        for (const Place& p : legal) {
            if (p.kind == Place::Kind::Start) return p;  // only marked with a six
            if (p.kind == Place::Kind::Ring) {
                if (pick.kind != Place::Kind::Ring || (m < 6 ? p.index > pick.index : p.index < pick.index)) pick = p;
            } else if (pick.kind == Place::Kind::None || (pick.kind == Place::Kind::Column && p.index > pick.index)) {
                pick = p;
            }
        }
        return pick;
    }
    bool inColumn = false;
    int out = players(player, 5);
    for (int i = 1; i <= 4; ++i) {
        const int P = players(player, i);
        if (P == inHomeColumn) inColumn = true;
        if (P > 0 && P < inHomeColumn) ++out;
    }
    if (inColumn && m <= 6 && homerow(player, 7 - m) == 1) return Place::column(7 - m);
    const MoveChoice choice = choosemove(player, m, players, homerow, squares);
    const int b = choice.b;
    if (b == 0 && inColumn)
        for (int k = 1; k + m < 7; ++k)
            if (homerow(player, k) == 1 && homerow(player, k + m) != 1) return Place::column(k);
    const int W = 61 - entrySquare(player);
    if (b + m > 60) return homerow(player, b + m - 60) == 1 ? Place{} : Place::ring(squareOf(player, b));
    if (b > 0 && (b == W || (b < W && W < b + m))) return Place::ring(squareOf(player, b));
    if (m == 6 && out < 4 && squares(entrySquare(player)) != player) return Place::startPlace();
    return b > 0 ? Place::ring(squareOf(player, b)) : Place{};
}

namespace {

// What the counters of a player are worth where they stand: the progress
// made, much more for a counter on the ring than one waiting for a six (it
// gives the throws a choice), more again for one safe in the home column or
// home. The weights were found by playing the tournament against Normal.
constexpr double onRing = 35;             // a counter in play rather than waiting for a six
constexpr double safe = 14;               // out of reach in the home column
constexpr double finishedMore = 4;        // home
constexpr double opponentsWeight = 0.35;  // an opponent's loss against the player's own gain
constexpr double dangerWeight = 0.5;      // the expected loss to the opponents' next throws
constexpr int throwsAhead = 2;            // the player's own next throws looked at
constexpr double allHome = 1000;

double worth(const Position& at, int player) {
    double w = 0;
    for (int i = 1; i <= 4; ++i) {
        const int P = at.players(player, i);
        if (P >= 1 && P <= 60) w += P + onRing;
        if (P == inHomeColumn) w += 60 + onRing + safe;
        if (P == finished) w += 67 + onRing + safe + finishedMore;
    }
    for (int k = 1; k <= 6; ++k)
        if (at.homerow(player, k) == 1) w += k;
    return w;
}

// The player's worth less a part of each opponent's.
double value(const Position& at, int player) {
    double v = worth(at, player);
    for (int q = 1; q <= 4; ++q)
        if (q != player) v -= opponentsWeight * worth(at, q);
    return v;
}

// What the opponents' next throws are expected to take of the player's
// counters: for each opponent in turn and each face of its die, the counter
// (progress and place in play) its move as the Normal player makes it sends
// back, a sixth of it each.
double danger(const Position& at, int player) {
    double expected = 0;
    for (int n = 1; n <= 3; ++n) {
        const int q = (player - 1 + n) % 4 + 1;
        for (int d = 1; d <= 6; ++d) {
            const Place from = normalMove(at, q, d);
            if (from.kind == Place::Kind::None) continue;
            const Outcome o = foresee(at, q, from, d);
            for (const MoveEvent& e : o)
                if (e.kind == MoveEvent::Kind::Captures && e.whom == player)
                    expected += (progressOf(player, e.square) + onRing) / 6;
        }
    }
    return expected;
}

// The player's value after its best move with each face of its next throw
// (and of the throws after it, `throws` of them), on average; where no move
// is possible it stays as it is.
double nextThrow(const Position& at, int player, int throws) {
    const double here = throws > 1 ? nextThrow(at, player, throws - 1) : value(at, player);
    double expected = 0;
    for (int d = 1; d <= 6; ++d) {
        double best = here;
        for (const Place& from : legalMoves(at, player, d)) {
            const Outcome o = foresee(at, player, from, d);
            if (!o.moves) continue;
            if (o.has(MoveEvent::Kind::AllHome)) {
                best = std::max(best, value(at, player) + allHome / 10);
                continue;
            }
            best = std::max(best, throws > 1 ? nextThrow(o.after, player, throws - 1) : value(o.after, player));
        }
        expected += best / 6;
    }
    return expected;
}

}  // namespace

Place strongMove(const Position& now, int player, int thrown) {
    const LegalMoves legal = legalMoves(now, player, thrown);
    if (legal.count == 1) return legal.at[0];
    Place best;
    double bestScore = 0;
    for (const Place& from : legal) {
        const Outcome o = foresee(now, player, from, thrown);
        if (!o.moves) continue;
        const double score = (o.has(MoveEvent::Kind::AllHome) ? allHome : 0) + nextThrow(o.after, player, throwsAhead) -
                             dangerWeight * danger(o.after, player);
        if (best.kind == Place::Kind::None || score > bestScore) {
            best = from;
            bestScore = score;
        }
    }
    return best;
}

}  // namespace skarpo
