// SPDX-License-Identifier: GPL-3.0-or-later
// The "Help" menu: "How to Play" (F1), the rules as the game plays them and
// how to play with the mouse, the keyboard or a screen reader, in a window
// that can stay open beside the board; and "About Skarpo", the version, the
// licence and what the game keeps (one settings file). Each dialog is made when first
// asked for; How to Play is written anew each time for the seats in force. Neither
// holds up the game.
#pragma once

#include <QStringList>

class QMenu;

namespace skarpo {

class Window;

// Adds the menu at the end of the window's menu bar, and returns it. The dialogs are
// children of the window, named "howToPlay" and "aboutSkarpo".
QMenu* addHelpMenu(Window& window);

// Shows a short text in a small window beside the board, one paragraph a line,
// for a player who reads rather than listens: where the counters stand, the
// last thing said. The window is made once (named "note") and shows each text
// in turn; it takes the focus, and Escape closes it.
void showNote(Window& window, const QString& title, const QStringList& lines);

}  // namespace skarpo
