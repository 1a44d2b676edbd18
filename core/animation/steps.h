// SPDX-License-Identifier: GPL-3.0-or-later
// Steps: an animation script written as the plain sequence it shows, pausing with `co_yield seconds`. A script
// changes views between its pauses; `co_yield` of another script plays that one whole in its place. The one who
// plays it asks for the next pause with next(): the script runs on up to it and says how long it lasts, or that it
// is over. Nothing runs between two calls, so the caller decides when each pause ends. A script whose every step
// follows from its number alone (the die's roll, a lone pause) can be a plain function of it instead: no coroutine
// to resume, which is what a whole game on a virtual clock spends most of its time on.
#pragma once

#include <coroutine>
#include <cstddef>
#include <exception>
#include <optional>
#include <utility>

namespace skarpo {

class Steps {
public:
    // Step `n` (from 0) of a plain script: it changes what it shows and returns its pause; below 0, the script is
    // over with that step's changes made.
    using Step = float (*)(void* context, int n);
    struct promise_type;
    using Handle = std::coroutine_handle<promise_type>;

    struct promise_type {
        float pause = 0;
        Handle inner;  // a script played in this one's place, while it runs, or a plain one:
        Step innerStep = nullptr;
        void* innerContext = nullptr;
        int innerN = 0;
        std::exception_ptr failed;

        Steps get_return_object() { return Steps(Handle::from_promise(*this)); }
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
            inner = std::exchange(nested.handle_, {});
            innerStep = std::exchange(nested.step_, nullptr), innerContext = nested.context_, innerN = 0;
            return {!inner && !innerStep};
        }
        void return_void() noexcept {}
        void unhandled_exception() { failed = std::current_exception(); }
        // Frames come and go with every move: kept for the next one rather than returned to the heap.
        static void* operator new(std::size_t size);
        static void operator delete(void* frame, std::size_t size) noexcept;
    };

    static Steps counted(Step step, void* context) {
        Steps s;
        s.step_ = step, s.context_ = context;
        return s;
    }

    Steps() = default;
    Steps(Steps&& o) noexcept { *this = std::move(o); }
    Steps& operator=(Steps&& o) noexcept {
        if (this != &o) {
            reset();
            handle_ = std::exchange(o.handle_, {});
            step_ = std::exchange(o.step_, nullptr);
            context_ = o.context_, n_ = o.n_;
        }
        return *this;
    }
    ~Steps() { reset(); }

    // Runs the script to its next pause and returns its length; nothing once it is over.
    std::optional<float> next();
    bool done() const { return !handle_ && !step_; }

private:
    explicit Steps(Handle h) : handle_(h) {}
    void reset();
    static std::optional<float> run(Handle h);
    Handle handle_;
    Step step_ = nullptr;
    void* context_ = nullptr;
    int n_ = 0;
};

}  // namespace skarpo
