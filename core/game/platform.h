// SPDX-License-Identifier: GPL-3.0-or-later
// What the game needs from the world outside it: a timer for its pauses, random numbers and the alert sound. The
// window supplies the real ones; the tests, the bench and the tournament a virtual clock and seeded dice.
#pragma once

#include <cstdint>

#include "core/players/players.h"

namespace skarpo {

class Platform : public Random {
public:
    // Calls the table's advance() once `sec` seconds have passed, in place of any call asked for before; a `sec`
    // below zero asks for none. A virtual clock whose pause is already over may answer true instead: the table then
    // goes on at once, as if called.
    virtual bool wake(float sec) = 0;
    // Starts a fresh random sequence (a new game does this).
    virtual void reseed() = 0;
    // The alert sound.
    virtual void beep() = 0;
    // Whether words about the game are still to come, to a player who listens to them: texts that have not all begun
    // to sound, or not all been said. The table waits for them before a computer's throw (begun: the die rolls while
    // the last of them is said, and its own words come only as it lands) and before the die waits for a person
    // (said), and goes on at the table's wordsSaid(). Without speech, never.
    enum class Words : std::uint8_t { Begun, Said };
    virtual bool wordsPending(Words) { return false; }
};

}  // namespace skarpo
