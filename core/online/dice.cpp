// SPDX-License-Identifier: GPL-3.0-or-later
// SHA-256 is nettle's (Debian's nettle-dev).
#include "core/online/dice.h"

#include <nettle/sha2.h>

namespace skarpo::online {

namespace {

struct Hasher {
    sha256_ctx ctx{};
    Hasher() { sha256_init(&ctx); }
    Hasher& add(const void* data, std::size_t size) {
        sha256_update(&ctx, size, static_cast<const std::uint8_t*>(data));
        return *this;
    }
    Hasher& add(const Digest& d) { return add(d.data(), d.size()); }
    Hasher& add(std::uint32_t n) {
        const std::uint8_t bytes[4] = {std::uint8_t(n >> 24), std::uint8_t(n >> 16), std::uint8_t(n >> 8),
                                       std::uint8_t(n)};
        return add(bytes, sizeof bytes);
    }
    Digest done() {
        Digest out;
        sha256_digest(&ctx, out.size(), out.data());
        return out;
    }
};

constexpr int facesPerThrow = 15;

}  // namespace

Digest sha256(std::string_view bytes) { return Hasher().add(bytes.data(), bytes.size()).done(); }
Digest sha256(const Digest& digest) { return Hasher().add(digest).done(); }

Digest throwDigest(const Digest& secret, const Digest& value, std::uint32_t throwNumber) {
    return Hasher().add(secret).add(value).add(throwNumber).done();
}

Digest mixedValue(const std::array<Digest, 5>& latest) {
    Hasher h;
    for (std::size_t seat = 1; seat < latest.size(); ++seat) h.add(latest[seat]);
    return h.done();
}

std::uint64_t checkOf(std::string_view gameText) {
    const Digest d = sha256(gameText);
    std::uint64_t out = 0;
    for (int i = 0; i < 8; ++i) out = out << 8 | d[static_cast<std::size_t>(i)];
    return out;
}

std::string hexOf(const Digest& digest) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string out;
    for (std::uint8_t b : digest) out += digits[b >> 4], out += digits[b & 15];
    return out;
}

bool digestOf(std::string_view hex, Digest& out) {
    if (hex.size() != 2 * out.size()) return false;
    auto nibble = [](char c) { return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1; };
    for (std::size_t i = 0; i < out.size(); ++i) {
        const int high = nibble(hex[2 * i]), low = nibble(hex[2 * i + 1]);
        if (high < 0 || low < 0) return false;
        out[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return true;
}

SecretChain::SecretChain(const Digest& seed) : chain_(length) {
    chain_[0] = seed;
    for (std::size_t i = 1; i < length; ++i) chain_[i] = sha256(chain_[i - 1]);
    commitment_ = sha256(chain_[length - 1]);
}

void DiceStream::start(const Digest& digest) {
    digest_ = digest;
    blocks_ = 0;
    used_ = block_.size();
    faces_ = 0;
}

std::uint8_t DiceStream::nextByte() {
    if (used_ == block_.size()) block_ = Hasher().add(digest_).add(blocks_++).done(), used_ = 0;
    return block_[used_++];
}

double DiceStream::random() {
    if (faces_ < facesPerThrow) {
        std::uint8_t b = nextByte();
        while (b >= 252) b = nextByte();  // 252 = 42 * 6: every face as likely
        ++faces_;
        return (b % 6 + 0.5) / 6;
    }
    std::uint64_t bits = 0;
    for (int i = 0; i < 7; ++i) bits = bits << 8 | nextByte();
    return static_cast<double>(bits >> 3) / static_cast<double>(1ull << 53);
}

}  // namespace skarpo::online
