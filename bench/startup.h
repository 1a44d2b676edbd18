// SPDX-License-Identifier: GPL-3.0-or-later
// The game's start as a player meets it: the bench starts itself again as the game's program starts (the names,
// the language, the settings and the saved game in their standard places, the session's signals), in folders of its
// own, and notes the first painted frame; a fresh start (no saved game) and a resumed one (a game saved in the middle
// of a computer's move) in turn.
#pragma once

#include <optional>

namespace skarpo::bench {

// In the started copy (its command line "--first-frame"): brings the window up, prints the milliseconds from main()
// and from the process's start (or -1) to the first painted frame, and returns the exit status.
int firstFrameOnly(int argc, char** argv, double mainAt, std::optional<double> ageAtMain);

// Starts `program` (the bench itself) `runs` times each way and prints the figures; false when a start failed.
bool startFigures(const char* program, int runs);

}  // namespace skarpo::bench
