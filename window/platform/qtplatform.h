// SPDX-License-Identifier: GPL-3.0-or-later
// The game's outside world on a desktop: the timer that ends each pause of the board, a clock-seeded random
// generator and the desktop's alert sound.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>

#include "core/game/platform.h"
#include "window/platform/alertsound.h"

class QTimer;

namespace skarpo {

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    // `due` is called once `sec` seconds have passed since this call, on a monotonic clock, from the event loop.
    bool wake(float sec) override;
    double random() override;
    void reseed() override;
    // Returns at once: the sound plays on while the game goes on.
    void beep() override;
    bool wordsPending(Words until) override { return speaking && speaking(until); }

    // Called when the pause asked for is over: the window has the table go on.
    std::function<void()> due;
    // Whether the game's words are still being said (or are yet to be): a computer's throw waits for them.
    std::function<bool(Words until)> speaking;
    // For the bench: told of every pause as it is asked for.
    std::function<void(float sec)> waking;
    bool waiting() const { return end_.has_value(); }
    // At a table shared across machines the numbers come from each throw's dice (null: from the generator).
    Random* dice = nullptr;

    // For tests: every pause lasts `pauseScale` times as long, and a new game starts the random sequence of `seed`
    // rather than one from the clock.
    double pauseScale = 1;
    std::optional<std::uint64_t> seed;

private:
    using Clock = std::chrono::steady_clock;
    class Alarm;
    void rang();

    std::mt19937_64 generator_;
    AlertSound alert_;
    std::optional<Clock::time_point> end_;  // when the pause asked for ends
    std::unique_ptr<Alarm> alarm_;          // made at the first pause
};

}  // namespace skarpo
