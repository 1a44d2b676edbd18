// SPDX-License-Identifier: GPL-3.0-or-later
// Steps: an animation script written as the plain sequence it shows, pausing with `co_yield seconds`. A script
// changes views between its pauses; `co_yield` of another script plays that one whole in its place. The one who
// plays it asks for the next pause with next(): the script runs on up to it and says how long it lasts, or, below
// zero, that it is over. Nothing runs between two calls, so the caller decides when each pause ends. The scripts the
// board plays most (the die's roll, a counter's steps, a square blinking, a move motion after motion) are plain
// functions of their step's number instead: no coroutine to resume, where a game on a virtual clock spends most of its
// time.
#pragma once

#include <coroutine>
#include <cstddef>
#include <utility>

namespace skarpo {

struct StepsPromise;

class Steps {
public:
    using promise_type = StepsPromise;
    // Step `n` (from 0) of a plain script: it changes what it shows and returns its pause; below 0, the script is
    // over with that step's changes made.
    using Step = float (*)(void* context, int n);
    static Steps counted(Step step, void* context) {
        Steps s;
        s.step_ = step, s.context_ = context;
        return s;
    }

    Steps() = default;
    explicit Steps(std::coroutine_handle<StepsPromise> h) : handle_(h) {}
    Steps(Steps&& o) noexcept { *this = std::move(o); }
    Steps& operator=(Steps&& o) noexcept;
    ~Steps();

    // Runs the script to its next pause and returns its length; nothing once it is over. (At each place it is
    // called from, a plain script's step is a call the processor soon learns to foresee.)
    float next() {
        if (!step_) return resume();
        const float sec = step_(context_, n_++);
        if (sec < 0) step_ = nullptr;
        return sec;
    }
    bool empty() const { return !handle_ && !step_; }

private:
    float resume();
    std::coroutine_handle<StepsPromise> handle_;
    Step step_ = nullptr;
    void* context_ = nullptr;
    int n_ = 0;
};

struct StepsPromise {
    float pause = 0;
    Steps inner;  // a script played in this one's place, while it runs

    Steps get_return_object() { return Steps(std::coroutine_handle<StepsPromise>::from_promise(*this)); }
    std::suspend_always initial_suspend() noexcept { return {}; }
    std::suspend_always final_suspend() noexcept { return {}; }
    std::suspend_always yield_value(float sec) noexcept {
        pause = sec;
        return {};
    }
    // Goes on at once when the nested script is empty (a motion made with no pause).
    struct Nested {
        bool empty;
        bool await_ready() const noexcept { return empty; }
        void await_suspend(std::coroutine_handle<>) const noexcept {}
        void await_resume() const noexcept {}
    };
    Nested yield_value(Steps&& nested) noexcept {
        inner = std::move(nested);
        return {inner.empty()};
    }
    void return_void() noexcept {}
    void unhandled_exception() { throw; }
    // Frames come and go with the moves: kept for the next one rather than returned to the heap.
    static void* operator new(std::size_t size);
    static void operator delete(void* frame, std::size_t size) noexcept;
};

}  // namespace skarpo
