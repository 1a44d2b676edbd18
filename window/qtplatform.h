// SPDX-License-Identifier: GPL-3.0-or-later
// The game's outside world on a desktop: a pause that keeps the window
// alive, a clock-seeded random generator and the desktop's alert sound.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "state/platform.h"
#include "window/alertsound.h"

class QEventLoop;

namespace skarpo {

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    // Runs a nested event loop until `sec` seconds have passed since the call
    // on a monotonic clock, or until interrupt() is called. Nothing happens
    // for sec <= 0.
    void wait(float sec) override;
    double random() override;
    void reseed() override;
    // Returns at once: the sound plays on while the game goes on.
    void beep() override;

    // Ends every pause in progress at once (a new game or the window closing
    // has taken the board away from the handler that paused).
    void interrupt();
    bool waiting() const { return !pauses_.empty(); }

    // Called at the start of every pause, after its clock has started, so
    // that the board is shown as it stands: what it queues (a repaint) runs
    // inside the pause.
    std::function<void()> beforePause;

    // For tests: every pause lasts `pauseScale` times as long, and a new game
    // starts the random sequence of `seed` rather than one from the clock.
    double pauseScale = 1;
    std::optional<std::uint64_t> seed;

private:
    using Clock = std::chrono::steady_clock;
    struct Pause {
        QEventLoop* loop;
        Clock::time_point end;
    };
    class Alarm;

    // Ends the innermost pause if its time has come.
    void rang();

    std::mt19937_64 generator_;
    AlertSound alert_;
    std::vector<Pause> pauses_;  // the pauses in progress, the innermost last
    unsigned interrupts_ = 0;
    std::unique_ptr<Alarm> alarm_;  // made at the first pause
};

}  // namespace skarpo
