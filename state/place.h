// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace skarpo {

// Where a counter stands or moves from: a ring square 1..60, the player's
// start place (its head, where a counter enters from), a home-column
// position 1..6, or a final place 1..4.
struct Place {
    enum class Kind : std::uint8_t { None, Ring, Start, Column, Final };
    Kind kind = Kind::None;
    std::int8_t index = 0;  // the square, the column position or the final place; 0 for Start

    static constexpr Place ring(int s) { return {Kind::Ring, static_cast<std::int8_t>(s)}; }
    static constexpr Place startPlace() { return {Kind::Start, 0}; }
    static constexpr Place column(int k) { return {Kind::Column, static_cast<std::int8_t>(k)}; }
    static constexpr Place final(int n) { return {Kind::Final, static_cast<std::int8_t>(n)}; }
    bool operator==(const Place&) const = default;
};

}  // namespace skarpo
