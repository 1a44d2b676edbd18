// SPDX-License-Identifier: GPL-3.0-or-later
// Fair dice for a table shared across machines, by commit and reveal. The host draws a chain of secrets, each the
// SHA-256 of the next, and publishes the chain's end before the first throw: every secret is then fixed before any
// thrower's value is known. A thrower sends a random value of its own; the host reveals the throw's secret, which
// every client checks against the one revealed before it; and the throw is drawn from SHA-256(secret, value, throw
// number), which neither the host nor the thrower can steer alone.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/players/players.h"

namespace skarpo::online {

using Digest = std::array<std::uint8_t, 32>;

Digest sha256(std::string_view bytes);
Digest sha256(const Digest& digest);
// The digest a throw is drawn from.
Digest throwDigest(const Digest& secret, const Digest& value, std::uint32_t throwNumber);
// The value a computer's throw mixes in: every seat's latest value, in seat order.
Digest mixedValue(const std::array<Digest, 5>& latest);
// The first eight bytes of the digest of a game's text: what clients compare.
std::uint64_t checkOf(std::string_view gameText);

std::string hexOf(const Digest& digest);
// A digest from 64 hexadecimal digits; false for anything else.
bool digestOf(std::string_view hex, Digest& out);

// The host's secrets: a chain drawn from a seed, handed out from the end the commitment does not reveal.
class SecretChain {
public:
    static constexpr std::uint32_t length = 4096;
    explicit SecretChain(const Digest& seed);
    // What is published first: the SHA-256 of the first secret.
    const Digest& commitment() const { return commitment_; }
    // The secret of throw n (1..length).
    const Digest& secret(std::uint32_t throwNumber) const { return chain_[length - throwNumber]; }

private:
    std::vector<Digest> chain_;  // chain_[0] the seed, each the digest of the one before
    Digest commitment_;
};

// The numbers a throw's animation and the computer's choice draw, all from the throw's digest: the first fifteen
// (the faces of the roll and the throw itself) are faces drawn without bias and handed out as the middle of their
// sixth of [0, 1); any after them are plain fractions of 53 bits.
class DiceStream : public Random {
public:
    void start(const Digest& digest);
    double random() override;
    // Unbiased faces 1..6 drawn so far in this throw.
    int facesDrawn() const { return faces_; }

private:
    std::uint8_t nextByte();

    Digest digest_{};
    Digest block_{};
    std::uint32_t blocks_ = 0;
    std::size_t used_ = sizeof(Digest);
    int faces_ = 0;
};

}  // namespace skarpo::online
