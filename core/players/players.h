// SPDX-License-Identifier: GPL-3.0-or-later
// The players: who makes the moves of a colour. A person clicks one of the marked moves (or automatic play clicks
// one for them); the computer plays its whole turn at once, Easy, Normal or Strong. Each is a Player, and the turns
// ask nothing else about who sits at a colour.
#pragma once

#include <array>
#include <cstdint>

#include "core/rules/rulebook.h"

namespace skarpo {

// Random numbers in [0, 1), for the Easy player's choice.
class Random {
public:
    virtual ~Random() = default;
    virtual double random() = 0;
};

// A turn, as the moves made and the pauses between them.
struct TurnStep {
    enum class Kind : std::uint8_t {
        Move,       // the counter at `from` moves
        Pause,      // `sec` seconds
        Lost,       // the throw is lost: nothing moves
        BackPause,  // `sec` seconds, if the move before took the counter back
    };
    Kind kind{};
    Place from;
    float sec = 0;
    bool operator==(const TurnStep&) const = default;
};
struct Turn {
    std::array<TurnStep, 4> steps{};
    int count = 0;
    const TurnStep* begin() const { return steps.data(); }
    const TurnStep* end() const { return steps.data() + count; }
    void add(TurnStep s) { steps[static_cast<std::size_t>(count++)] = s; }
    bool operator==(const Turn&) const = default;
};

class Player {
public:
    virtual ~Player() = default;
    // A person's moves are marked on the board and wait for a click.
    virtual bool clicks() const { return false; }
    // The turn with `thrown`: for the computer all of it, for a person the move automatic play clicks.
    virtual Turn turn(const Position& now, int player, int thrown, Random& random) const = 0;
};

enum class Strength : std::uint8_t { Easy, Normal, Strong };
const Player& personPlayer();
const Player& computerPlayer(Strength strength);

// The game's own Normal player's first move with a throw, as its turn makes it; for red, the move automatic play
// clicks. The Strong player expects this of its opponents. Place::Kind::None for no move.
Place normalMove(const Position& now, int player, int thrown);
// The Strong player's choice among the legal moves (none: Place::Kind::None). Each is played with the rule book and
// the position it leaves is weighed: the player's own counters as they can stand after its best moves with each face
// of its next two throws, less a part of the opponents', less what the opponents' Normal moves before its next turn
// are expected to send back.
Place strongMove(const Position& now, int player, int thrown);

}  // namespace skarpo
