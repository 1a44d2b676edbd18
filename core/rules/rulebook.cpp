// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/rules/rulebook.h"

namespace skarpo {

bool LegalMoves::contains(Place p) const {
    for (const Place& q : *this)
        if (q == p) return true;
    return false;
}

LegalMoves legalMoves(const Position& now, int player, int m) {
    auto own = [&](int k) { return now.squares(squareOf(player, k)) == player; };  // progress k holds our own
    auto ownCorner = [&](int k) { return now.squares(oppositeCorner(squareOf(player, k))) == player; };
    LegalMoves out;
    auto add = [&](Place p) {
        if (!out.contains(p)) out.at[static_cast<std::size_t>(out.count++)] = p;
    };
    bool inColumn = false;
    for (int i = 1; i <= 4; ++i) {
        const int P = now.players(player, i), T = P + m;
        inColumn = inColumn || P == inHomeColumn;
        if (P < 1 || P > 60) continue;
        bool blocked = own(T);
        if (T > 60)
            blocked = now.homerow(player, T - 60) == 1;  // into the home column, if that position is free
        else if (T % 15 == 5)
            blocked = m == 4 ? own(P + 12) : own(T + m);  // on by the throw again; a 4 reaches a second one
        else if (T % 15 == 9)
            blocked = m == 3 ? own(T) || ownCorner(T + 3) : own(T + m);  // a 3 carries on to a corner
        else if (T % 15 == 12)
            blocked = own(T) || ownCorner(T);  // a corner jumps to the opposite one
        if (!blocked) add(Place::ring(squareOf(player, P)));
    }
    for (int k = 1; k <= 6 && inColumn; ++k)
        if (now.homerow(player, k) == 1 && k + m <= 7 && (k + m == 7 || now.homerow(player, k + m) == 0))
            add(Place::column(k));
    if (m == 6 && now.waiting(player) > 0 && now.squares(entrySquare(player)) != player) add(Place::start());
    return out;
}

bool Outcome::has(Motion::Kind k) const {
    for (const Motion& e : *this)
        if (e.kind == k) return true;
    return false;
}

int Outcome::captures() const {
    int n = 0;
    for (const Motion& e : *this) n += e.kind == Motion::Kind::Capture;
    return n;
}

namespace {

using Kind = Motion::Kind;

std::int8_t narrow(int v) { return static_cast<std::int8_t>(v); }
void set(std::int16_t& cell, int v) { cell = static_cast<std::int16_t>(v); }

// A move played on the tables, step by step as the rules play it, with the throw kept in `moves` as they keep it: a
// doubling square or a corner rewrites it, and what it holds at the end is the counter's whole change of progress.
class Move {
public:
    Move(Outcome& o, bool byPerson)
        : o_(o),
          p(o.player),
          byPerson_(byPerson),
          players(o.after.players),
          homerow(o.after.homerow),
          squares(o.after.squares),
          moves(o.thrown) {}

    bool play(Place from) {
        if (from.kind == Place::Kind::Column) return column(from.index);
        if (from.kind == Place::Kind::Start) return enter();
        if (from.kind != Place::Kind::Ring || from.index < 1 || from.index > 60) return false;
        const int b = progressOf(p, from.index), c = counter(b), W = 61 - entrySquare(p);
        if (c == 0) return false;
        if (b + moves > 60) return intoColumn(c, b);
        if (b == W || (b < W && W < b + moves)) {
            overSixty(c, b);
        } else {
            squares(from.index) = 0;
            if (from.index <= 9) squares(from.index + 60) = 0;
            step(from.index, moves, false, false);
            set(players(p, c), b + moves);
        }
        o_.to = Place::ring(at_);
        return true;
    }

private:
    Motion& show(Kind k, int to, int from = 0) {
        if (o_.motionCount == Outcome::maxMotions) indexFault("motions", o_.motionCount);
        Motion& e = o_.motions[static_cast<std::size_t>(o_.motionCount++)];
        e = Motion{k, narrow(from), narrow(to)};
        return e;
    }
    // The first counter of the player at progress k, or waiting for k 0; 0 for none.
    int counter(int k) const {
        for (int i = 1; i <= 4; ++i)
            if (k > 0 ? players(p, i) == k : players(p, i) < 1) return i;
        return 0;
    }

    // The counter steps from square `pos` by `move` squares (0: it is put down there). Where it stops it captures,
    // and a doubling square or a corner acts. Passing `through` it only goes on elsewhere.
    void step(int pos, int& move, bool through, bool carried) {
        const int T = pos + move;
        if (move == 0) {
            show(Kind::Put, pos);
        } else {
            Motion& w = show(Kind::Walk, T, pos);
            w.through = through, w.carried = carried;
        }
        if (!through) at_ = T;
        if (!through && squares(T) > 0) capture(T, false);
        if (move > 0) {
            squares(pos) = 0;
            if (pos <= 9) squares(pos + 60) = 0;
        }
        if (!through) {
            set(squares(T), p);
            if (T <= 9) set(squares(T + 60), p);
        }
        if (T % 15 == 5) {  // on by the throw once more; a 4 lands on a second doubling square: 4 + 4 + 4
            show(Kind::Doubles, T);
            step(T, moves, false, true);
            if (move == 0) move = moves;
            moves = moves == 8 ? 12 : move + move;
        } else if (T % 15 == 9 && move > 0) {  // on by the throw once more; a 3 reaches a corner, which jumps
            show(Kind::Doubles, T);
            step(T, move, false, true);
            if (moves == 33 || moves == -27) moves = move + 3;
            if (moves > 0 && moves < 9) moves = move + move;
        } else if (T % 15 == 12) {  // across the board to the opposite corner, half a lap on or back
            const int U = oppositeCorner(T);
            show(Kind::Jumps, U, T);
            at_ = U;
            if (squares(U) > 0) capture(U, false);
            squares(T) = 0;
            set(squares(U), p);
            moves += progressOf(p, U) - progressOf(p, T);
        }
    }

    // The counter recorded on square `pos`, whoever's, goes back to its start area.
    void capture(int pos, bool quiet) {
        const int v = squares(pos);
        Motion& taken = show(Kind::Capture, pos);
        taken.whom = narrow(v), taken.quiet = quiet;
        for (int i = 1; i <= 4; ++i) {
            const int k = players(v, i), E = entrySquare(v);
            if ((pos < E ? k + E - 1 - 60 : k + E - 1) == pos) return set(players(v, i), captured);
        }
    }

    // A new counter onto the entry square. A person's leaves the start area first and sends an opponent there home
    // without a beep; a computer's is put down on it, capturing as any move does, and then leaves the start area.
    bool enter() {
        const int E = entrySquare(p), j = counter(0);
        if (j == 0) return false;
        if (byPerson_) {
            show(Kind::Enter, E);
            set(players(p, j), 1);
            if (const int q = squares(E); q > 0 && q != p)
                for (int i = 1; i <= 4; ++i)
                    if (players(q, i) == progressOf(q, E)) {
                        Motion& taken = show(Kind::Capture, E);
                        taken.whom = narrow(q), taken.quiet = true;
                        set(players(q, i), captured);
                        break;
                    }
            set(squares(E), p);
            if (E <= 9) set(squares(E + 60), p);
        } else {
            int none = 0;
            step(E, none, false, false);
            set(players(p, counter(0)), 1);  // looked for after the capture, as the turn does
            show(Kind::Enter, E);
        }
        o_.to = Place::ring(E);
        return true;
    }

    // Progress b plus the throw passes 60: the counter walks to the last square before its home column, which then
    // shows and holds again whatever stood there, and steps into the column, unless its position there is taken.
    bool intoColumn(int c, int b) {
        const int k = b + moves - 60, H = squareOf(p, 60);
        if (homerow(p, k) == 1) return false;
        if (b < 60) {
            const std::int16_t held = squares(H);
            int steps = 60 - b;
            step(squareOf(p, b), steps, true, false);
            squares(H) = held;
        } else {
            squares(H) = 0;
            show(Kind::Vacate, H);
        }
        set(players(p, 5), players(p, 5) + 1);
        Motion& in = show(Kind::Column, k, 1);
        in.fromRing = true, in.overWaiting = k > 1 && homerow(p, 1) == 1, in.flashes = narrow(2 * (players(p, 5) + 1));
        homerow(p, k) = 1;
        set(players(p, c), inHomeColumn);
        o_.to = Place::column(k);
        return true;
    }

    // A counter of players 2..4 goes round past square 60 onto the squares beyond it: walked to 60, which shows and
    // holds again what it did, shown on each square after it in turn, and put down where the throw ends.
    void overSixty(int c, int b) {
        const int W = 61 - entrySquare(p);
        if (b < W) {
            const int T = b + moves - W;
            const std::int16_t held = squares(60);
            int steps = W - b, none = 0;
            step(b + entrySquare(p) - 1, steps, true, false);
            squares(60) = held;
            if (T > 1) show(Kind::PassOver, T - 1, 1).ahead = true;
            step(T, none, false, false);
            set(players(p, c), moves + b);
        } else {
            squares(60) = 0;
            show(Kind::Vacate, 60);
            if (moves > 1) show(Kind::PassOver, moves - 1, 1);
            int none = 0;
            step(moves, none, false, false);
            set(players(p, c), W + moves);
        }
    }

    // A counter on home-column position k moves on by the throw: up the column or, with the exact throw, into the next
    // final place. A computer's first counter in the column counts as finished; a person's stay at 100.
    bool column(int k) {
        const int m = moves;
        if (k < 1 || k > 6 || k + m > 7 || homerow(p, k) != 1 || (k + m < 7 && homerow(p, k + m) != 0)) return false;
        homerow(p, k) = 0;
        Motion& up = show(Kind::Column, k + m, k);
        up.flashes = narrow(2 * (players(p, 5) + 1));
        if (k + m < 7) {
            homerow(p, k + m) = 1;
            o_.to = Place::column(k + m);
            return true;
        }
        const int n = ++homerow(p, 7);
        up.whom = narrow(n);
        o_.to = Place::final(n);
        for (int i = 1; i <= 4 && !byPerson_; ++i)
            if (players(p, i) == inHomeColumn) {
                set(players(p, i), finished);
                break;
            }
        if (n == 4) {  // the player starts again from its start area
            show(Kind::AllHome, 0);
            for (int j = 1; j <= 7; ++j) homerow(p, j) = 0;
            for (int j = 1; j <= 5; ++j) players(p, j) = 0;
        }
        return true;
    }

    Outcome& o_;
    const int p;
    const bool byPerson_;
    Players& players;
    Homerow& homerow;
    Squares& squares;
    int moves;    // the throw, as the steps rewrite it
    int at_ = 0;  // the ring square the counter stands on last
};

}  // namespace

Outcome outcome(const Position& now, int player, Place from, int thrown, bool byPerson) {
    Outcome o;
    o.player = player;
    o.thrown = thrown;
    o.from = o.to = from;
    o.after = now;
    o.moves = Move(o, byPerson).play(from);
    if (!o.moves) o.after = now, o.motionCount = 0;
    return o;
}

}  // namespace skarpo
