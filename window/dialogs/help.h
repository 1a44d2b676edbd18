// SPDX-License-Identifier: GPL-3.0-or-later
// The "Help" menu: "How to Play" (F1), the rules as the game plays them and
// how to play with the mouse, the keyboard or a screen reader, in a window
// that can stay open beside the board; and "About Skarpo", the version, the
// licence and what the game keeps (one settings file). Each dialog is made when first
// asked for, then shown again as it is; neither holds up the game.
#pragma once

class QMenu;

namespace skarpo {

class Window;

// Adds the menu at the end of the window's menu bar, and returns it. The dialogs are
// children of the window, named "howToPlay" and "aboutSkarpo".
QMenu* addHelpMenu(Window& window);

}  // namespace skarpo
