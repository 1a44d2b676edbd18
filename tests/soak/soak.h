// The game under load: many seeded games played on the virtual clock, by the
// timer with automatic play or by a person clicking marked counters, while at
// random moments inside the animations someone does what a person could do
// then: "New Game", "Auto", "Sound", clicks anywhere, timer ticks, closing the
// window. What must hold is checked after every handler and at every pause;
// every breach is counted and the first few are described.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "state/board.h"

namespace skarpo::soak {

// What is delivered to the board from outside the game.
enum class Event { NewGame, Auto, Sound, Click, Tick, Close };
inline constexpr int eventKinds = 6;
const char* eventName(Event e);

struct Options {
    long turns = 10000;      // throws in all, shared out over the seeds
    int seeds = 4;
    unsigned firstSeed = 1;
    std::size_t reports = 20;  // breaches described in full; all are counted
    // Called at every pause before anything is checked there; a test uses it
    // to break the game on purpose and see that the soak notices.
    std::function<void(Board&, long pause)> sabotage;
};

struct Figures {
    long turns = 0;      // throws made (rolls of the die begun)
    long handlers = 0;   // events that reached a handler of the game
    long pauses = 0;
    long windows = 0;    // boards opened: a closed window is followed by a new one
    std::array<long, eventKinds> duringPauses{};    // delivered inside a pause, by kind
    std::array<long, eventKinds> betweenHandlers{};  // delivered between handlers, by kind
    long interruptedRolls = 0;         // "New Game" or closing while the die rolled
    long interruptedOpenings = 0;      // ... while the counters marched out
    long interruptedCelebrations = 0;  // ... while a celebration was on
    std::array<long, 5> celebrations{};  // completed, by player 1..4
    long violations = 0;
    std::vector<std::string> reports;
    double seconds = 0;  // wall time
};

Figures run(const Options& options);

// The figures as a few lines of text.
std::string summary(const Figures& f);

}  // namespace skarpo::soak
