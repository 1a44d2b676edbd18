// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/animation/steps.h"

namespace skarpo {

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

std::optional<float> Steps::next() {
    if (step_) {
        if (const float sec = step_(context_, n_++); sec >= 0) return sec;
        step_ = nullptr;
        return std::nullopt;
    }
    while (handle_) {
        StepsPromise& p = handle_.promise();
        if (const auto sec = p.inner.next()) return sec;
        handle_.resume();
        if (handle_.done()) {
            handle_.destroy();
            handle_ = {};
        } else if (p.inner.empty()) {
            return p.pause;
        }
    }
    return std::nullopt;
}

}  // namespace skarpo
