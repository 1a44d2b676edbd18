// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/display.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#ifdef SKARPO_XCB
#include <xcb/xcb.h>
#endif

namespace skarpo {

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// A connection to the X display, or none when it does not answer.
std::shared_ptr<void> xConnection(const std::string& display) {
#ifdef SKARPO_XCB
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(connection) == 0)
        return {connection, [](void* c) { xcb_disconnect(static_cast<xcb_connection_t*>(c)); }};
    xcb_disconnect(connection);
    return {};
#else
    (void)display;
    static int unchecked;
    return {&unchecked, [](void*) {}};  // without libxcb the toolkit finds out for itself
#endif
}

// A Wayland display is a socket: an absolute path, or a name in XDG_RUNTIME_DIR.
bool waylandAnswers(const std::string& display) {
    const std::string path = display.front() == '/' ? display : variable("XDG_RUNTIME_DIR") + "/" + display;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path)) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return ok;
}

}  // namespace

DisplayCheck checkDisplay() {
    // a platform named outright (the offscreen one of the tests, say) is the toolkit's business
    if (!variable("QT_QPA_PLATFORM").empty()) return {};

    const std::string x = variable("DISPLAY");
    const std::string wayland = variable("WAYLAND_DISPLAY");
    if (x.empty() && wayland.empty()) return {DisplayCheck::Problem::unset, "", "", {}};

    // An X server whose last client has just left resets, and refuses connections while it does (at the start of a
    // session, or on a bare server, another program may just have left): asked again for up to two seconds before
    // the player is told there is no screen.
    constexpr auto patience = std::chrono::seconds(2);
    constexpr auto interval = std::chrono::milliseconds(100);
    const auto deadline = std::chrono::steady_clock::now() + patience;
    std::shared_ptr<void> xHeld;
    bool waylandOk = false;
    for (;;) {
        if (!x.empty()) xHeld = xConnection(x);
        waylandOk = !wayland.empty() && waylandAnswers(wayland);
        if (xHeld || waylandOk || std::chrono::steady_clock::now() + interval > deadline) break;
        std::this_thread::sleep_for(interval);
    }
    if (xHeld && waylandOk) return {DisplayCheck::Problem::none, "", "", xHeld};
    if (xHeld) return {DisplayCheck::Problem::none, "", "xcb", xHeld};
    if (waylandOk) return {DisplayCheck::Problem::none, "", "wayland", {}};

    std::string tried;
    if (!x.empty()) tried = "DISPLAY=" + x;
    if (!wayland.empty()) tried += (tried.empty() ? "" : ", ") + std::string("WAYLAND_DISPLAY=") + wayland;
    return {DisplayCheck::Problem::unanswered, tried, "", {}};
}

}  // namespace skarpo
