// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/animation/steps.h"
#include <array>
#include <vector>
namespace skarpo {
namespace {
// The frames set free, by their size in units of 64 bytes.
struct Pool {
    std::array<std::vector<void*>, 64> free;
    ~Pool() {
        for (auto& v : free)
            for (void* p : v) ::operator delete(p);
    }
};
thread_local Pool pool;
constexpr std::size_t unit = 64;
}  // namespace
void* Steps::promise_type::operator new(std::size_t size) {
    const std::size_t c = (size + unit - 1) / unit;
    if (c < pool.free.size() && !pool.free[c].empty()) {
        void* p = pool.free[c].back();
        pool.free[c].pop_back();
        return p;
    }
    return ::operator new(c* unit);
}
void Steps::promise_type::operator delete(void* frame, std::size_t size) noexcept {
    const std::size_t c = (size + unit - 1) / unit;
    if (c < pool.free.size()) {
        pool.free[c].push_back(frame);
        return;
    }
    ::operator delete(frame);
}
std::optional<float> Steps::run(Handle h) {
    for (;;) {
        promise_type& p = h.promise();
        if (p.innerStep) {
            if (const float sec = p.innerStep(p.innerContext, p.innerN++); sec >= 0) return sec;
            p.innerStep = nullptr;
        }
        if (p.inner) {
            if (auto sec = run(p.inner)) return sec;
            p.inner.destroy();
            p.inner = {};
        }
        h.resume();
        if (p.failed) std::rethrow_exception(std::exchange(p.failed, {}));
        if (h.done()) return std::nullopt;
        if (!p.inner && !p.innerStep) return p.pause;
    }
}
std::optional<float> Steps::next() {
    if (step_) {
        if (const float sec = step_(context_, n_++); sec >= 0) return sec;
        step_ = nullptr;
        return std::nullopt;
    }
    if (!handle_) return std::nullopt;
    auto r = run(handle_);
    if (!r) reset();
    return r;
}
void Steps::reset() {
    step_ = nullptr;
    for (Handle h = std::exchange(handle_, {}); h;) {
        Handle inner = h.promise().inner;
        h.destroy();
        h = inner;
    }
}
}  // namespace skarpo
