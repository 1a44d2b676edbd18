// SPDX-License-Identifier: GPL-3.0-or-later
// The game's words: what just happened, what player 1 can do, and what each
// view of the board is and shows, for the status line, the tooltips and a
// screen reader. Every text goes through Qt's translation system.
#pragma once

#include <QString>

#include "core/turns/table.h"

namespace skarpo::words {

// Red is "you" while a person plays red alone (Table::soleRed); otherwise
// every colour is named: "Red threw 4", "Cyan: click the die".

// "Cyan threw 6", "Magenta captured your counter" ...
QString sentence(const Happening& h, bool you = true);

// What the person whose turn it is can do now, read from the board; empty
// while nothing waits for a person. `lastThrower` is the player who made the
// last throw (0 for none): after a throw of that player the die waits for
// another.
QString prompt(const Table& t, int lastThrower);

// Two parts of the status line, one after the other; either may be empty.
QString joined(const QString& first, const QString& second);
// Two parts of one sentence, "Cyan threw 5" and "moved to 17"; either may be empty.
QString listed(const QString& first, const QString& second);

// Where a computer's counter went, as the speech says it: "moved to 17",
// "entered on 16"; empty for anything else, and for a person's move, which
// the board shows as it is made.
QString computerMove(const Table& t, const Happening& h);

// Who plays a colour: "played by a person", "played by the computer".
QString playedBy(bool person);
// A colour's name: "Red", "Cyan" ...
QString colourName(int player);
// What a strength of the computer does, in a sentence: for the menu's tips and the help.
QString strengthTip(Strength strength);

// A player's last throw, 1..6, or 0 for none yet: "Cyan's last throw: 6".
QString lastThrow(int player, int value, bool you = true);

// The name and the description of a view a person can click: "Square 16",
// "cyan counter"; for the die (any of its places), "Die" and what it shows
// wherever it is. A counter that can move is named by its move first: "to
// square 20, from Square 16". placeName() is the name of the place alone.
QString viewName(const Table& t, ViewId view);
QString placeName(const Table& t, ViewId view);
QString viewDescription(const Table& t, ViewId view);

// A view's tooltip, translated (the core keeps its own English).
QString tooltip(ViewId view);

// The accessible name of the board itself.
QString boardName();
// The accessible description of the status line's text.
QString statusDescription();

}  // namespace skarpo::words
