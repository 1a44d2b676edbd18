// SPDX-License-Identifier: GPL-3.0-or-later
// The board for a screen reader: the canvas is one accessible "Board" whose
// children are the views that show something (the die, the ring squares, the
// start places, the home columns and final places), each with a name, a
// description of what it shows, its state and a press action that is the
// click. The status line's words are a status text that is announced when it
// changes. Qt builds these only when something asks for them, and nothing is
// sent while no screen reader listens.
#pragma once

#include "window/board/canvas.h"

class QAccessibleInterface;

namespace skarpo::accessibility {

// Installs the interfaces (once; later calls do nothing).
void install();

// The accessible child of the board for a view (any index of `dicethrow`
// gives the die).
QAccessibleInterface* viewInterface(Canvas& canvas, Canvas::Hit hit);

// Tells a listening screen reader that the keyboard focus is on a view.
void focusMoved(Canvas& canvas, Canvas::Hit hit);

}  // namespace skarpo::accessibility
