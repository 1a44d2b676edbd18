// SPDX-License-Identifier: GPL-3.0-or-later
// Steps: an animation script written as the plain sequence it shows, pausing with `co_yield seconds`. A script
// changes views between its pauses; `co_yield` of another script plays that one whole in its place. The one who
// plays it asks for the next pause with next(): the script runs on up to it and says how long it lasts, or that it
// is over. Nothing runs between two calls, so the caller decides when each pause ends.
#pragma once

#include <coroutine>
#include <cstddef>
#include <exception>
#include <optional>
#include <utility>

namespace skarpo {

class Steps {
public:
    struct promise_type;
    using Handle = std::coroutine_handle<promise_type>;

    struct promise_type {
        float pause = 0;
        Handle inner;  // a script played in this one's place, while it runs
        std::exception_ptr failed;

        Steps get_return_object() { return Steps(Handle::from_promise(*this)); }
        std::suspend_always initial_suspend() noexcept { return {}; }
        std::suspend_always final_suspend() noexcept { return {}; }
        std::suspend_always yield_value(float sec) noexcept {
            pause = sec;
            return {};
        }
        std::suspend_always yield_value(Steps&& nested) noexcept {
            inner = std::exchange(nested.handle_, {});
            pause = -1;  // no pause: the nested script goes first
            return {};
        }
        void return_void() noexcept {}
        void unhandled_exception() { failed = std::current_exception(); }
        // Frames come and go with every move: kept for the next one rather than returned to the heap.
        static void* operator new(std::size_t size);
        static void operator delete(void* frame, std::size_t size) noexcept;
    };

    Steps() = default;
    Steps(Steps&& o) noexcept : handle_(std::exchange(o.handle_, {})) {}
    Steps& operator=(Steps&& o) noexcept {
        if (this != &o) reset(), handle_ = std::exchange(o.handle_, {});
        return *this;
    }
    ~Steps() { reset(); }

    // Runs the script to its next pause and returns its length; nothing once it is over.
    std::optional<float> next();
    bool done() const { return !handle_; }

private:
    explicit Steps(Handle h) : handle_(h) {}
    void reset();
    static std::optional<float> run(Handle h);
    Handle handle_;
};

}  // namespace skarpo
