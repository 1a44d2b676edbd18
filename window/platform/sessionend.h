// SPDX-License-Identifier: GPL-3.0-or-later
// The game ends with the session that runs it: SIGTERM (the desktop logging
// out), SIGHUP (the terminal closed) and SIGINT (Ctrl+C in that terminal) end
// it as closing its window does. The signal handler only writes the signal's
// number into a pipe; the window's thread reads it through a socket notifier,
// which the event loop serves everywhere, inside the nested loop of a pause
// too, so the game ends at once even in the middle of an animation.
#pragma once

#include <QObject>
#include <csignal>
#include <functional>

class QSocketNotifier;

namespace skarpo {

class SessionEnd : public QObject {
public:
    // `end` runs on the window's thread with the signal's number. One
    // SessionEnd at a time; the signals' earlier handlers come back with its end.
    explicit SessionEnd(std::function<void(int)> end);
    ~SessionEnd() override;
    SessionEnd(const SessionEnd&) = delete;
    SessionEnd& operator=(const SessionEnd&) = delete;

    static constexpr int endingSignals[] = {SIGINT, SIGHUP, SIGTERM};

private:
    void read();

    std::function<void(int)> end_;
    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace skarpo
