// SPDX-License-Identifier: GPL-3.0-or-later
// The move model: the steps of the move procedures (movecount, takeit, the
// ring, start and home-column handlers, a computer turn's moves) replayed on
// copies of the three tables alone. Every table write of the procedures is
// here in the same order, with the same bookkeeping of the throw in `moves`
// (a doubling square or a corner rewrites it, and the callers add what it
// holds to the counter's progress); the pictures and pauses are left out,
// and what the procedures show and do is noted as it happens.
#include "rules/outcome.h"

namespace skarpo {

namespace {

using Kind = MoveEvent::Kind;

std::int8_t narrow(int v) { return static_cast<std::int8_t>(v); }

class Twin {
public:
    Twin(Outcome& o, int thrown)
        : o_(o), players(o.after.players), homerow(o.after.homerow), squares(o.after.squares), moves(thrown) {}

    // Player 1's handlers: a ring square, the start place, a home-column position.
    bool person(Place from);
    // What a computer turn plays: a ring counter, a new counter, a home-column move.
    bool computer(int p, Place from);

private:
    void note(Kind k, int square, int whom = 0) {
        if (o_.eventCount < Outcome::maxEvents) o_.events[o_.eventCount++] = {k, narrow(square), narrow(whom)};
    }
    void shown(int s) {
        if (o_.passedCount < Outcome::maxPassed) o_.passed[o_.passedCount++] = narrow(s);
    }
    void movecount(int player, int pos, int& move, bool passing, Kind told);
    void takeit(int player, int pos);
    bool column(int p, int k, bool person);
    void allHome(int p);
    // The first counter of player p whose record is `k`, or that waits (k 0); 0 if none.
    int counter(int p, int k) const {
        for (int i = 1; i <= 4; ++i)
            if (k > 0 ? players(p, i) == k : players(p, i) < 1) return i;
        return 0;
    }

    Outcome& o_;
    Players& players;
    Homerow& homerow;
    Squares& squares;
    int moves;   // the board's `moves`: the throw, then what movecount leaves in it
    int at = 0;  // the ring square the counter stands on last

    static void set(std::int16_t& cell, int v) { cell = static_cast<std::int16_t>(v); }
};

// movecount on the tables: the squares shown on the way, the capture where
// the stepping ends, the doubling squares and the corners.
void Twin::movecount(int player, int pos, int& move, bool passing, Kind told) {
    const int T = pos + move;
    if (move == 0) shown(pos);
    for (int i = 1; i <= move; ++i) shown(pos + i);
    if (!passing) {
        note(told, T);
        at = T;
    }
    if (!passing && squares(T) > 0) takeit(player, T);
    if (move > 0) {
        squares(pos) = 0;
        if (pos <= 9) squares(pos + 60) = 0;
    }
    if (!passing) {
        set(squares(T), player);
        if (T <= 9) set(squares(T + 60), player);
    }
    switch (T % 15) {
        case 5:
            movecount(player, T, moves, false, Kind::Doubles);
            if (move == 0) move = moves;
            moves = moves == 8 ? 12 : move + move;
            break;
        case 9:
            if (move == 0) break;
            movecount(player, T, move, false, Kind::Doubles);
            if (moves == 33 || moves == -27) moves = move + 3;
            if (moves > 0 && moves < 9) moves = move + move;
            break;
        case 12: {
            const int U = oppositeCorner(T);
            shown(U);
            note(Kind::Jumps, U);
            at = U;
            if (squares(U) > 0) takeit(player, U);
            squares(T) = 0;
            set(squares(U), player);
            moves += progressOf(player, U) - progressOf(player, T);
            break;
        }
        default: break;
    }
}

// takeit on the tables: the counter recorded on the square, whoever's, goes
// back to its start area.
void Twin::takeit(int, int pos) {
    const int v = squares(pos);
    note(Kind::Captures, pos, v);
    const int E = players(v, 0);
    for (int i = 1; i <= 4; ++i) {
        const int square = pos < E ? players(v, i) + E - 1 - 60 : players(v, i) + E - 1;
        if (square == pos) {
            set(players(v, i), captured);
            break;
        }
    }
}

// The fourth counter home: movestart clears the player's records.
void Twin::allHome(int p) {
    note(Kind::AllHome, 0);
    for (int k = 1; k <= 7; ++k) homerow(p, k) = 0;
    for (int j = 1; j <= 5; ++j) players(p, j) = 0;
}

// A counter on home-column position k moves on by the throw: up the column
// or, with the exact throw, into the next final place. A person's
// (home_Click) counts the final places in homerow alone; a computer's marks
// its first counter in the column finished.
bool Twin::column(int p, int k, bool person) {
    const int m = moves;
    if (k < 1 || k > 6 || k + m > 7 || homerow(p, k) != 1 || (k + m < 7 && homerow(p, k + m) != 0)) return false;
    homerow(p, k) = 0;
    if (k + m < 7) {
        homerow(p, k + m) = 1;
        note(Kind::InColumn, k + m);
        o_.to = Place::column(k + m);
        return true;
    }
    const int n = homerow(p, 7) + 1;
    homerow(p, 7) = n;
    note(Kind::Finishes, n);
    o_.to = Place::final(n);
    if (!person)
        for (int i = 1; i <= 4; ++i)
            if (players(p, i) == inHomeColumn) {
                set(players(p, i), finished);
                break;
            }
    if (n == 4) allHome(p);
    return true;
}

// SQUARE_Click, start_Click and home_Click.
bool Twin::person(Place from) {
    if (from.kind == Place::Kind::Column) return column(1, from.index, true);
    if (from.kind == Place::Kind::Start) {
        const int j = counter(1, 0);
        if (j == 0) return false;
        players(1, j) = 1;
        shown(1);
        note(Kind::Enters, 1);
        at = 1;
        if (squares(1) > 1) {
            const int q = squares(1);
            for (int i = 1; i <= 4; ++i)
                if (players(q, i) == 62 - players(q, 0)) {
                    set(players(q, i), captured);
                    note(Kind::Captures, 1, q);
                    break;
                }
        }
        squares(1) = 1;
        squares(61) = 1;
        o_.to = Place::ring(1);
        return true;
    }
    if (from.kind != Place::Kind::Ring || from.index < 1 || from.index > 60) return false;
    const int Index = from.index;
    const int j = counter(1, Index);
    if (j == 0) return false;
    if (Index + moves > 60) {
        const int k = Index + moves - 60;
        if (homerow(1, k) == 1) return false;
        squares(Index) = 0;
        if (Index < 60) {
            const std::int16_t on60 = squares(60);
            int steps = 60 - Index;
            movecount(1, Index, steps, true, Kind::Lands);
            squares(60) = on60;
        } else {
            squares(60) = 0;
        }
        set(players(1, 5), players(1, 5) + 1);
        homerow(1, k) = 1;
        set(players(1, j), inHomeColumn);
        note(Kind::IntoColumn, k);
        o_.to = Place::column(k);
        return true;
    }
    squares(Index) = 0;
    if (Index <= 9) squares(Index + 60) = 0;
    movecount(1, Index, moves, false, Kind::Lands);
    set(players(1, j), Index + moves);
    o_.to = Place::ring(at);
    return true;
}

// The moves of checkmoves, each as the turn plays it.
bool Twin::computer(int p, Place from) {
    if (from.kind == Place::Kind::Column) return column(p, from.index, false);
    const int E = players(p, 0);
    if (from.kind == Place::Kind::Start) {
        // a new counter onto the entry square
        if (counter(p, 0) == 0) return false;
        int none = 0;
        movecount(p, E, none, false, Kind::Enters);
        players(p, counter(p, 0)) = 1;  // looked for after the capture, as the turn does
        o_.to = Place::ring(at);
        return true;
    }
    if (from.kind != Place::Kind::Ring || from.index < 1 || from.index > 60) return false;

    const int m = moves;
    const int W = 61 - E;  // the progress of square 60
    const int H = E - 1;   // the home-turn square
    auto squareOfProgress = [&](int Q) { return Q + E - 1 <= 60 ? Q + E - 1 : Q + E - 1 - 60; };
    const int b = from.index > H ? from.index - H : from.index + 60 - H;
    const int c = counter(p, b);
    if (c == 0) return false;

    if (b + m > 60) {
        // off the ring into the home column, unless its position is taken
        const int k = b + m - 60;
        if (homerow(p, k) == 1) return false;
        if (b < 60) {
            const std::int16_t held = squares(H);
            int steps = 60 - b;
            movecount(p, squareOfProgress(b), steps, true, Kind::Lands);
            if (m > 1) squares(H) = held;
        } else {
            squares(H) = 0;
        }
        set(players(p, 5), players(p, 5) + 1);
        set(players(p, c), inHomeColumn);
        homerow(p, k) = 1;
        note(Kind::IntoColumn, k);
        o_.to = Place::column(k);
        return true;
    }
    if (b < W && W < b + moves) {
        // past square 60, walked over by hand, onto square T beyond it
        const int T = b + moves - W;
        const std::int16_t held = squares(60);
        int steps = W - b;
        movecount(p, b + E - 1, steps, true, Kind::Lands);
        squares(60) = held;
        int none = 0;
        for (int s = 1; s <= T - 1; ++s) shown(s);
        movecount(p, T, none, false, Kind::Lands);
        set(players(p, c), moves + b);
        set(squares(moves + b - W), p);
    } else if (b == W) {
        // off square 60 onto square `moves` beyond it
        set(players(p, c), moves + b);
        squares(60) = 0;
        for (int s = 1; s <= moves - 1; ++s) shown(s);
        int none = 0;
        movecount(p, moves, none, false, Kind::Lands);
        set(players(p, c), W + moves);
    } else {
        movecount(p, squareOfProgress(b), moves, false, Kind::Lands);
        set(players(p, c), players(p, c) + moves);
    }
    o_.to = Place::ring(at);
    return true;
}

}  // namespace

bool Outcome::has(MoveEvent::Kind k) const {
    for (const MoveEvent& e : *this)
        if (e.kind == k) return true;
    return false;
}

int Outcome::captures() const {
    int n = 0;
    for (const MoveEvent& e : *this) n += e.kind == Kind::Captures;
    return n;
}

Outcome foresee(const Position& now, int player, Place from, int thrown) {
    Outcome o;
    o.player = player;
    o.thrown = thrown;
    o.from = from;
    o.to = from;
    o.anotherThrow = thrown == 6;
    o.after = now;
    Twin twin(o, thrown);
    o.moves = player == 1 ? twin.person(from) : twin.computer(player, from);
    return o;
}

}  // namespace skarpo
