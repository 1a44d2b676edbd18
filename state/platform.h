// SPDX-License-Identifier: GPL-3.0-or-later
// What the game needs from the world outside it: a pause that keeps the
// window alive, a random number generator and the alert sound. The window
// supplies the real ones; the tests supply a virtual clock and scripted dice.
#pragma once

namespace skarpo {

class Platform {
public:
    virtual ~Platform() = default;

    // Returns after `sec` seconds, letting the window handle its events in
    // the meantime. A `sec` of 0 or less returns at once without doing so.
    virtual void wait(float sec) = 0;

    // A uniform random number in [0, 1).
    virtual double random() = 0;

    // Starts a fresh random sequence (a new game does this).
    virtual void reseed() = 0;

    // The alert sound.
    virtual void beep() = 0;
};

}  // namespace skarpo
