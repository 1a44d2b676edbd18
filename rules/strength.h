// SPDX-License-Identifier: GPL-3.0-or-later
// How strong the computer plays. Normal is the game's own choice (choice.h,
// checkmoves); Easy and Strong pick one of the legal moves of a turn, listed
// here in one place: a ring counter, a new counter entering on a six, a move
// up the home column or an exact finish.
#pragma once

#include <array>

#include "rules/outcome.h"

namespace skarpo {

// The places a player may move from with a throw, as a person's marks allow
// (the computer's Easy and Strong keep to the same): a ring counter whose
// move does not end on one of the player's own counters (a doubling square
// and a corner counting where they carry it) nor on a taken home-column
// position; the start place with a six while a counter waits and the entry
// square holds none of the player's own; a home-column counter that reaches
// a free position or, with the exact throw, a final place. Each place once.
struct LegalMoves {
    std::array<Place, 10> at{};
    int count = 0;
    const Place* begin() const { return at.data(); }
    const Place* end() const { return at.data() + count; }
    bool contains(Place p) const;
};
LegalMoves legalMoves(const Position& now, int player, int thrown);

// The move the game's own Normal player makes with the throw: a computer
// colour's turn as checkmoves plays it, red's as automatic play clicks its
// marks (Kind::None: no move).
Place normalMove(const Position& now, int player, int thrown);

// The Strong player's choice among the legal moves (none: Place::Kind::None).
// Each move is played with the move model and the position it leaves is
// weighed: the player's own counters (their progress, a counter in play, one
// safe in the home column or home) as they can stand after its best moves
// with each face of its next two throws (an expectimax over the dice, which
// sees the corners and doubling squares within reach), less a part of the
// opponents' counters, so that sending one back counts; less the danger
// from the opponents' throws before the player's next turn: with each face
// of its die, what each opponent's move as the Normal player makes it
// (normalMove) would send back.
Place strongMove(const Position& now, int player, int thrown);

}  // namespace skarpo
