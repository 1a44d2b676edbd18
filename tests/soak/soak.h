// The game under load: seeded games played by the timer or a person, with "New Game", "Auto",
// "Sound", clicks anywhere, ticks and closing injected inside the animations and between them.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "state/board.h"

namespace skarpo::soak {

enum Event { NewGame, Auto, Sound, Click, Tick, Close, eventKinds };

struct Options {
    long turns = 10000;  // throws in all, shared out over the seeds
    int seeds = 4;
    unsigned firstSeed = 1;
    std::function<void(Board&, long pause)> sabotage = {};  // a test breaks the game here on purpose
};

struct Figures {
    long turns = 0, handlers = 0, pauses = 0, windows = 0, violations = 0;
    std::array<long, eventKinds> inPauses{}, between{};       // events by kind
    long cutRolls = 0, cutOpenings = 0, cutCelebrations = 0;  // by "New Game" or closing
    std::array<long, 5> celebrations{};                       // by player 1..4
    std::vector<std::string> reports;                         // the first few violations
    double seconds = 0;
};

Figures run(const Options& options);
std::string summary(const Figures& f);

}  // namespace skarpo::soak
