// SPDX-License-Identifier: GPL-3.0-or-later
// The Strong player: every legal move played with the rule book, and the positions they leave weighed.
#include <algorithm>

#include "core/players/players.h"

namespace skarpo {

namespace {

// What the counters of a player are worth where they stand: the progress
// made, much more for a counter on the ring than one waiting for a six (it
// gives the throws a choice), more again for one safe in the home column or
// home. The weights were found by playing the tournament against Normal.
// Red's moves are weighed as a person's clicks make them, as in the game's
// first seating.
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
            const Outcome o = outcome(at, q, from, d, q == 1);
            for (const Motion& e : o)
                if (e.kind == Motion::Kind::Capture && e.whom == player)
                    expected += (progressOf(player, e.to) + onRing) / 6;
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
            const Outcome o = outcome(at, player, from, d, player == 1);
            if (!o.moves) continue;
            if (o.has(Motion::Kind::AllHome)) {
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
        const Outcome o = outcome(now, player, from, thrown, player == 1);
        if (!o.moves) continue;
        const double score = (o.has(Motion::Kind::AllHome) ? allHome : 0) + nextThrow(o.after, player, throwsAhead) -
                             dangerWeight * danger(o.after, player);
        if (best.kind == Place::Kind::None || score > bestScore) {
            best = from;
            bestScore = score;
        }
    }
    return best;
}

}  // namespace skarpo
