// SPDX-License-Identifier: GPL-3.0-or-later
// A move in words before it is made, as the core foresees it: the status
// line and the tooltip give every step ("Square 10: to the corner 12, across
// to 42, captures cyan"), a screen reader hears the short form first in a
// marked view's description ("to square 42 by the corner, captures cyan").
#pragma once

#include <QString>
#include <optional>

#include "core/rules/rulebook.h"

namespace skarpo::words {

// Every step of the move, after where it starts.
QString outcomeLine(const Outcome& o);

// Where the move ends, the one or two events that matter on the way.
QString outcomePhrase(const Outcome& o);

// Whom a move captures: "captures cyan", or nothing.
QString capturesOf(const Outcome& o);

}  // namespace skarpo::words
