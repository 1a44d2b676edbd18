// SPDX-License-Identifier: GPL-3.0-or-later
// The game as its program runs it, once the toolkit is up: the names it goes by on the desktop, the player's language,
// the window with the settings and the saved game in their standard places, and the session's signals ending it as
// closing the window does. The program's main() makes one; so do the tests and the bench that start the game as it
// starts.
#pragma once

#include <memory>

#include "window/platform/sessionend.h"
#include "window/window.h"
#include "window/words/language.h"

namespace skarpo {

class Program {
public:
    Program();
    Window& window() { return *window_; }

private:
    std::unique_ptr<Language> language_;  // before the window, whose texts it translates
    std::unique_ptr<Window> window_;
    std::unique_ptr<SessionEnd> session_;
};

}  // namespace skarpo
