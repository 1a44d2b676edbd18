// SPDX-License-Identifier: GPL-3.0-or-later
// The animator: what the board shows of the game, at rest and while it moves. At rest every view follows from the
// game value (render). While it moves, a script changes the views step by step between timed pauses: the die rolling
// across the board, the counters marching out at the opening, and every motion of a move as the rule book decided
// it (the steps, the blinking special squares, the jumps, a captured counter running home, the walk up the home
// column, the celebration). The scripts tell their news and sound their beeps as they come to them.
#pragma once

#include "core/animation/steps.h"
#include "core/game/game.h"
#include "core/game/platform.h"
#include "core/views/views.h"

namespace skarpo {

// What the plain scripts of a stage keep from one step to the next.
struct ScriptState {
    float pause = 0;                // a lone pause
    const Outcome* move = nullptr;  // a move being shown: its motions, and the next of them
    int motion = 0;
    Motion walk{};                // a counter stepping along the ring:
    Picture before{}, carried{};  // what its last square showed, and what the one it stands on showed
    int blinking = 0;             // a square blinking
};

// Where a script shows itself: the views it changes, and, unless it is only being replayed to bring the views up to
// a step, where its news and beeps go. A beep sounds only while the sound is on, as it is at that moment.
struct Show {
    Views& views;
    const Game* game = nullptr;  // whose stage is being shown
    Happenings* told = nullptr;
    Platform* platform = nullptr;
    const bool* sound = nullptr;
    ScriptState state;

    void tell(Happening h) const {
        if (told) told->publish(h);
    }
    void beep() const {
        if (platform && *sound) platform->beep();
    }
};

// The views as the game shows them at rest (and as each stage begins).
void render(Views& views, const Game& game);
// The colour of centre frame k (0..7) at rest: the odd ones in the colour of the player to throw, as the scene says.
Colour restingFrame(const Game& game, int k);

// The script of the stage of the game `show` shows, as it begins. A move's is that of the first motion of `move`,
// the outcome being shown; nextMotion() gives the next one's, once a motion's script is over, and nothing after the
// last. (A motion made at once, with no pause, is made and passed over.)
Steps scriptOf(Show& show, const Game& game, const Outcome& move);
Steps nextMotion(Show& show);

}  // namespace skarpo
