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
        for (auto& frames : free)
            for (void* frame : frames) ::operator delete(frame);
    }
};
thread_local Pool pool;
constexpr std::size_t unit = 64;
}  // namespace

void* StepsPromise::operator new(std::size_t size) {
    const std::size_t units = (size + unit - 1) / unit;
    if (units >= pool.free.size() || pool.free[units].empty()) return ::operator new(units* unit);
    void* frame = pool.free[units].back();
    pool.free[units].pop_back();
    return frame;
}

void StepsPromise::operator delete(void* frame, std::size_t size) noexcept {
    const std::size_t units = (size + unit - 1) / unit;
    if (units < pool.free.size()) return pool.free[units].push_back(frame);
    ::operator delete(frame);
}

Steps& Steps::operator=(Steps&& o) noexcept {
    if (this != &o) {
        if (handle_) handle_.destroy();
        handle_ = std::exchange(o.handle_, {});
        step_ = std::exchange(o.step_, nullptr);
        context_ = o.context_, n_ = o.n_;
    }
    return *this;
}

Steps::~Steps() {
    if (handle_) handle_.destroy();
}

float Steps::resume() {
    while (handle_) {
        StepsPromise& p = handle_.promise();
        if (const float sec = p.inner.next(); sec >= 0) return sec;
        handle_.resume();
        if (handle_.done()) {
            handle_.destroy();
            handle_ = {};
        } else if (p.inner.empty()) {
            return p.pause;
        }
    }
    return -1;
}

}  // namespace skarpo
