// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/dialogs/tally.h"

#include <cmath>
#include <numbers>

namespace skarpo {

void Tally::count(const Happening& h) {
    if (h.kind == Happening::Kind::AllHome && h.player >= 1 && h.player <= 4) ++allHome[h.player];
    if (h.kind == Happening::Kind::Threw && h.value >= 1 && h.value <= 6) ++faces[h.value];
}

std::uint64_t Tally::throws() const {
    std::uint64_t n = 0;
    for (int f = 1; f <= 6; ++f) n += faces[f];
    return n;
}

double chiSquare(const std::array<std::uint64_t, 7>& faces) {
    double n = 0;
    for (int f = 1; f <= 6; ++f) n += static_cast<double>(faces[f]);
    if (n == 0) return 0;
    const double expected = n / 6;
    double x = 0;
    for (int f = 1; f <= 6; ++f) {
        const double d = static_cast<double>(faces[f]) - expected;
        x += d * d / expected;
    }
    return x;
}

// For an odd number of degrees of freedom the upper tail has a closed form:
// with five, Q(x) = erfc(sqrt(x/2)) + sqrt(2x/pi) e^(-x/2) (1 + x/3).
double chiSquareP5(double x) {
    if (!(x > 0)) return 1;
    const double p = std::erfc(std::sqrt(x / 2)) + std::sqrt(2 * x / std::numbers::pi) * std::exp(-x / 2) * (1 + x / 3);
    return std::fmin(1.0, std::fmax(0.0, p));
}

DieVerdict judgeDie(const std::array<std::uint64_t, 7>& faces) {
    std::uint64_t n = 0;
    for (int f = 1; f <= 6; ++f) n += faces[f];
    DieVerdict v;
    if (n < 30) return v;
    v.p = chiSquareP5(chiSquare(faces));
    v.kind = v.p >= 0.05    ? DieVerdict::Kind::Fair
             : v.p >= 0.001 ? DieVerdict::Kind::Doubtful
                            : DieVerdict::Kind::Unfair;
    return v;
}

}  // namespace skarpo
