// SPDX-License-Identifier: GPL-3.0-or-later
// The game as one value: the position, whose turn it is and the throw, what the game waits for, the marks, the
// options in force, every player's last throw, what the die and the centre frames show, and the animation in
// progress. It can be copied, compared, written as text and read back. What the board shows follows from it
// (animator.h); the table plays it on a clock (table.h).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/game/happenings.h"
#include "core/players/players.h"

namespace skarpo {

// What the game waits for: a click on the die, a click on a mark, nothing while the board moves, nothing ever
// again once the window has closed.
enum class Phase : std::uint8_t { DieWaits, MarksWait, Animating, Closed };

// Invited: kept for a person at another machine when the table is shared; until then, and in a game on this
// machine alone, the computer plays it.
enum class Seat : std::uint8_t { Person, Computer, Invited };
enum class Speed : std::uint8_t {
    Normal,
    Fast,
    Fastest
};  // at Fast a computer's pauses are a quarter as long;
    // at Fastest only a glance at its throw and its move

// Who plays each colour, and how fast and how strong the computer plays. At their defaults a person plays red and
// the computer the others, at the game's own pace and with its own choice of move.
struct Options {
    std::array<Seat, 5> seats{Seat::Person, Seat::Person, Seat::Computer, Seat::Computer, Seat::Computer};  // [1..4]
    Speed speed = Speed::Normal;
    Strength strength = Strength::Normal;
    bool person(int player) const { return seats[static_cast<std::size_t>(player)] == Seat::Person; }
    bool operator==(const Options&) const = default;
};

// What the die and the centre frames show.
struct Scene {
    enum class Die : std::uint8_t { Hidden, Shown, Waits };  // the resting die: Waits takes a click
    Die die = Die::Waits;
    std::int8_t result = 0;  // the face shown where the last throw came to rest; 0 for none
    std::int8_t frames = 1;  // the player whose colour the odd frames show; 0 for the board's green
    bool operator==(const Scene&) const = default;
};

// What the board is busy with, and how far it has got.
enum class Stage : std::uint8_t {
    Rest,       // nothing moves
    Opening,    // the counters march from the final places to the start areas
    Roll,       // the die rolls across the board
    Marking,    // a moment after a person's throw, before the counters that may move are marked
    LostThrow,  // a person can move nothing with the throw
    Glance,     // at the fastest speed, a look at the computer's throw or at where it moved; and at any speed, a look
                // at where it moved that waits for the words about it before the die waits for a person
    Move,       // a counter moves: a person's click, or a move of the computer's turn
    Pause,      // a pause of the computer's turn
};
struct Animation {
    Stage stage = Stage::Rest;
    int step = 0;                         // the pauses its script has made
    std::array<std::int8_t, 14> faces{};  // the roll: the faces the die shows on its way ...
    std::int8_t roll = 0;                 // ... and the throw it comes to
    Place from;                           // the move: where the counter moves from
    bool computer = false;                // the pauses belong to a computer's turn: the speed acts on them
    Turn turn;                            // the computer's turn ...
    int turnAt = -1;                      // ... and the step of it on the board (-1 before it, its count after)
    Happening moved{};                    // where its one move ended, told as the turn ends (NewGame: nothing)
    bool operator==(const Animation&) const = default;
};

struct Game {
    Position position = Position::fresh();
    Phase phase = Phase::DieWaits;
    bool opened = false;  // the counters have marched out to the start areas
    int thrower = 0;      // who made the last throw; 0 before any
    int next = 1;         // who throws next
    int thrown = 0;       // the last throw
    LegalMoves marks;     // what the thrower may move, while the marks wait
    Options options;      // in force: the seats since the game began, the speed and strength now
    bool autoplay = false, sound = false;
    std::array<int, 5> lastThrows{};  // each player's last throw, 0 for none yet
    Scene scene;
    Animation animation;

    bool person(int player) const { return options.person(player); }
    PersonBits persons() const;
    bool operator==(const Game&) const = default;
};

// The game as text, a line a part, beginning with its version; and read back: the game, or why it cannot be. A saved
// game also holds its news: the happenings the status line was wording (a few at most).
std::string textOf(const Game& game, const std::vector<Happening>& news = {});
struct ReadGame {
    Game game;
    std::vector<Happening> news;
    std::string error;  // empty when read
};
ReadGame readGame(const std::string& text);
// The version a text says it is in: 0 for a text that names none.
int versionOf(const std::string& text);
// The version this game writes and reads.
constexpr int textVersion = 1;

}  // namespace skarpo
