// SPDX-License-Identifier: GPL-3.0-or-later
// `skarpo_xclose HOW WINDOW PID` ends another program's X window as a desktop does: HOW is "ask" (the window
// manager's close request), "destroy" (the window destroyed, its program left to notice), "kill" (the program's
// connection closed, as xkill does) or a signal (TERM, HUP, INT). Counting from when the X server (or the kernel) has
// taken the request, it prints "ended in N ms", or "alive after N ms" and exits 1 if the program lives on five
// seconds (it ends in milliseconds; the longest pause of the game is 0.8 s, and a loaded machine may delay it).
#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
// Sends the request for `how` to the X server and waits until it has taken it.
bool xRequest(const std::string& how, xcb_window_t window) {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c) != 0) return false;
    auto atom = [c](const char* name) {
        auto* reply = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
        const xcb_atom_t a = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return a;
    };
    if (how == "ask") {
        xcb_client_message_event_t event{.response_type = XCB_CLIENT_MESSAGE,
                                         .format = 32,
                                         .sequence = 0,
                                         .window = window,
                                         .type = atom("WM_PROTOCOLS"),
                                         .data = {}};
        event.data.data32[0] = atom("WM_DELETE_WINDOW");  // at XCB_CURRENT_TIME, 0
        xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
    } else {
        how == "destroy" ? xcb_destroy_window(c, window) : xcb_kill_client(c, window);
    }
    // a round trip: the request has been carried out when its answer comes
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    const bool ok = xcb_connection_has_error(c) == 0;
    xcb_disconnect(c);
    return ok;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return std::fprintf(stderr, "usage: %s ask|destroy|kill|TERM|HUP|INT WINDOW PID\n", argv[0]), 2;
    const std::string how = argv[1];
    const auto pid = static_cast<pid_t>(std::strtol(argv[3], nullptr, 10));
    const int signal = how == "TERM" ? SIGTERM : how == "HUP" ? SIGHUP : how == "INT" ? SIGINT : 0;
    const int process = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));  // readable when the process ends
    if (process < 0) return std::perror("pidfd_open"), 2;
    if (signal) {
        if (::kill(pid, signal) != 0) return 2;
    } else if (how != "ask" && how != "destroy" && how != "kill") {
        return std::fprintf(stderr, "%s: unknown way %s\n", argv[0], how.c_str()), 2;
    } else if (!xRequest(how, static_cast<xcb_window_t>(std::strtoul(argv[2], nullptr, 0)))) {
        return std::fprintf(stderr, "%s: no X display\n", argv[0]), 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const bool ended = [process] {
        pollfd wait{process, POLLIN, 0};
        return poll(&wait, 1, 5000) == 1;
    }();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::printf("%s in %lld ms\n", ended ? "ended" : "alive after", static_cast<long long>(ms.count()));
    return ended ? 0 : 1;
}
