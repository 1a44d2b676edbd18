// SPDX-License-Identifier: GPL-3.0-or-later
// Whether there is a screen to show the game on: an X display (DISPLAY) or a
// Wayland display (WAYLAND_DISPLAY) that answers. Asked before the toolkit
// starts, which would otherwise abort with a message about reinstalling.
#pragma once

#include <memory>
#include <string>

namespace skarpo {

struct DisplayCheck {
    enum class Problem { none, unset, unanswered };
    Problem problem = Problem::none;
    // With `unanswered`: the display variables that were tried, as "DISPLAY=:1".
    std::string tried;
    // The toolkit's platform to use when only one of the two displays answers
    // ("xcb" or "wayland"), so that it does not pick the one that does not;
    // empty to leave the choice to the toolkit.
    std::string platform;
    // The check's own connection to the X display, to be let go once the toolkit has its own: an X server with no
    // other client resets when the last one leaves, and while it resets it refuses new connections.
    std::shared_ptr<void> connection;
};

DisplayCheck checkDisplay();

}  // namespace skarpo
