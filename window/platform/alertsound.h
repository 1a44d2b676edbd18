// SPDX-License-Identifier: GPL-3.0-or-later
// The sound of a capture: the desktop's own alert sound where a sound system
// answers, otherwise the toolkit's beep. Ringing never waits for the sound
// system: the sound is opened and played on a thread of its own, started at
// the first ring, so an animation goes on at its pace whatever the sound
// system does. When there is no sound system, or it fails, every ring from
// then on is the fallback, on the window's thread, and nothing is printed.
#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace skarpo {

class AlertSound {
public:
    // A way of playing the sound, opened once and used on the sound's thread.
    class Player {
    public:
        virtual ~Player() = default;
        // Starts the sound without waiting for it to end; false if it could not.
        virtual bool play() = 0;
    };
    // Opens a player, or gives nullptr when there is nothing to play through.
    using Opener = std::function<std::unique_ptr<Player>()>;

    // `fallback` runs on the thread that rings, or, for rings that had
    // already gone to the sound's thread when it failed, on the window's
    // thread through its event loop.
    AlertSound(Opener open, std::function<void()> fallback);
    ~AlertSound();
    AlertSound(const AlertSound&) = delete;
    AlertSound& operator=(const AlertSound&) = delete;

    void ring();

    // Whether the sound system has been found wanting (rings then go
    // straight to the fallback).
    bool failed() const { return failed_; }

    // The desktop's event sound "bell" through libcanberra, talking to the
    // desktop's sound server; nullptr without one, or when the game was
    // built without libcanberra.
    static std::unique_ptr<Player> openDesktop();

private:
    void run();

    Opener open_;
    std::function<void()> fallback_;
    std::atomic<bool> failed_{false};
    std::mutex mutex_;
    std::condition_variable wake_;
    int pending_ = 0;
    bool stop_ = false;
    std::thread thread_;
};

}  // namespace skarpo
