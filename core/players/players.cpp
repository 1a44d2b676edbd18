// SPDX-License-Identifier: GPL-3.0-or-later
// A person, and the computer's turn: the game's own Normal player, and Easy and Strong, which pick one legal move
// and play it by the same turn.
#include "core/players/players.h"

namespace skarpo {

namespace {

using Step = TurnStep::Kind;

// Automatic play's rule for a person: with a throw below six the counter farthest along, with a six a new counter
// if it may enter, else the counter farthest behind; a counter in the home column only if no ring counter may move,
// the one nearest home first.
Place automaticMove(const LegalMoves& marks, int player, int m) {
    Place pick;
    int best = 0;  // the pick's progress on the ring; a home-column place counts below every ring square
    for (const Place& at : marks) {
        if (at.kind == Place::Kind::Start) return at;  // only a six marks it
        const int rank = at.kind == Place::Kind::Ring
                             ? (m < 6 ? progressOf(player, at.index) : 61 - progressOf(player, at.index)) + 6
                             : at.index;
        if (rank > best) pick = at, best = rank;
    }
    return pick;
}

// The ring counter the Normal player moves with throw m: its number and progress (0: none). Counters are looked at
// in turn; one is taken at once when the throw (below six) brings it into a free home-column position, when a 4 lands
// on a doubling square that carries it over the next one, when it reaches a corner that jumps forward (directly, or
// a 3 through a doubling square), or when it leaves the entry square. Otherwise the counter farthest along whose
// landing square does not hold one of the player's own is taken, and failing that the highest-numbered counter that
// can move at all.
struct Choice {
    int c = 0, b = 0;
    bool decided = false;
};
Choice normalChoice(const Position& at, int p, int m) {
    const int E = entrySquare(p);
    auto own = [&](int Q) { return at.squares(squareOf(p, Q)) == p; };
    auto forwardFree = [&](int corner) { return at.squares(oppositeCorner(squareOf(p, corner))) != p; };
    Choice pick;
    auto choose = [&](int i, int P, bool decided) { pick = {i, P, decided}; };
    for (int i = 1; i <= 4; ++i) {
        const int P = at.players(p, i), T = P + m;
        if (P < 1 || P >= inHomeColumn) continue;
        if (!pick.decided && T > 60 && m < 6 && at.homerow(p, T - 60) != 1) choose(i, P, true);
        if (!pick.decided && P > pick.b && !own(T)) {
            if (T % 15 == 5 && m == 4) {
                if (!own(P + 12)) choose(i, P, true);
            } else if (T % 15 == 9 && m == 3) {
                if (P < 27 && forwardFree(T + 3)) choose(i, P, true);
            } else if (T % 15 == 5 || T % 15 == 9) {
                if (!own(T + m)) choose(i, P, false);
            } else if (T % 15 == 12) {
                if (P < 27 && forwardFree(T)) choose(i, P, true);
            } else {
                choose(i, P, false);
            }
        }
        if (!pick.decided && P == 1 && at.squares(E + m) != p) choose(i, 1, true);
    }
    for (int i = 4; i >= 1 && pick.b == 0; --i) {
        const int P = at.players(p, i), T = P + m;
        if (P >= 1 && P < inHomeColumn && !own(T) && (T <= 60 || at.homerow(p, T - 60) == 0)) choose(i, P, false);
    }
    return pick;
}

// A computer's turn with throw m: an exact finish in the home column first; then the ring counter chosen (by the
// Normal player's own choice, or the one `pick` names); failing that a move up the home column; a six brings a new
// counter in when it can. A turn that moves nothing pauses; a pick plays by the same steps.
Turn computerTurn(const Position& at, int p, int m, const Place* pick) {
    Turn t;
    auto picked = [&](int k) { return !pick || *pick == Place::column(k); };
    if (7 - m >= 1 && at.homerow(p, 7 - m) == 1 && picked(7 - m)) return t.add({Step::Move, Place::column(7 - m)}), t;
    Choice choice;
    if (!pick)
        choice = normalChoice(at, p, m);
    else if (pick->kind == Place::Kind::Ring)
        for (int i = 4; i >= 1; --i)
            if (at.players(p, i) == progressOf(p, pick->index)) choice = {i, at.players(p, i)};
    const int b = choice.b, W = 61 - entrySquare(p);
    bool moved = false;
    for (int k = 1; k + m < 7 && b == 0 && !moved; ++k)
        if (at.homerow(p, k) == 1 && at.homerow(p, k + m) != 1 && picked(k))
            t.add({Step::Move, Place::column(k)}), moved = true;
    if (b == 0 && !moved) t.add({Step::Pause, {}, 0.6f});
    const Place ring = Place::ring(squareOf(p, b));
    if (b + m > 60) {
        if (at.homerow(p, b + m - 60) != 1) return t.add({Step::Move, ring}), t;
        return t.add({Step::Lost, {}}), t.add({Step::Pause, {}, 0.4f}), t;  // its place in the column is taken
    }
    if (b > 0 && (b == W || (b < W && W < b + m))) return t.add({Step::Move, ring}), t.add({Step::Pause, {}, 0.3f}), t;
    int out = at.players(p, 5);
    for (int i = 1; i <= 4; ++i) out += at.players(p, i) > 0 && at.players(p, i) < inHomeColumn;
    if (pick ? *pick == Place::start() : m == 6 && out < 4) {
        if (at.squares(entrySquare(p)) != p)
            return t.add({Step::Move, Place::start()}), t.add({Step::Pause, {}, 0.2f}), t;
        if (b > 0) t.add({Step::Move, ring});  // its own counter stands on the entry square: the chosen one moves
        return t;
    }
    if (b > 0) return t.add({Step::Move, ring}), t.add({Step::BackPause, {}, 0.1f}), t;
    if (!moved) t.add({Step::Lost, {}});
    return t.add({Step::Pause, {}, 0.3f}), t;
}

class Person : public Player {
public:
    bool clicks() const override { return true; }
    Turn turn(const Position& now, int player, int thrown, Random&) const override {
        Turn t;
        t.add({Step::Move, automaticMove(legalMoves(now, player, thrown), player, thrown)});
        return t;
    }
};

class Computer : public Player {
public:
    explicit Computer(Strength s) : strength_(s) {}
    Turn turn(const Position& now, int player, int thrown, Random& random) const override {
        if (strength_ == Strength::Normal) return computerTurn(now, player, thrown, nullptr);
        Place pick;
        if (strength_ == Strength::Strong) pick = strongMove(now, player, thrown);
        const LegalMoves legal = strength_ == Strength::Easy ? legalMoves(now, player, thrown) : LegalMoves{};
        if (legal.count > 0) pick = legal.at[static_cast<std::size_t>(random.random() * legal.count)];
        return computerTurn(now, player, thrown, &pick);
    }

private:
    Strength strength_;
};

}  // namespace

const Player& personPlayer() {
    static const Person person;
    return person;
}

const Player& computerPlayer(Strength strength) {
    static const Computer computers[] = {Computer(Strength::Easy), Computer(Strength::Normal),
                                         Computer(Strength::Strong)};
    return computers[static_cast<int>(strength)];
}

Place normalMove(const Position& now, int player, int thrown) {
    if (player == 1) return automaticMove(legalMoves(now, 1, thrown), 1, thrown);
    for (const TurnStep& s : computerTurn(now, player, thrown, nullptr))
        if (s.kind == Step::Move) return s.from;
    return {};
}

}  // namespace skarpo
