// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/corespeed.h"

#include <chrono>
#include <cmath>

#include "state/board.h"

namespace skarpo::bench {

namespace {

// A virtual clock and a small, fast generator (splitmix64), so that the run
// measures the game and not its platform.
class FastPlatform : public Platform {
public:
    explicit FastPlatform(std::uint64_t seed) : seed_(seed) {}

    void wait(float sec) override {
        if (sec <= 0) return;
        ++pauses;
        now += static_cast<double>(sec);
        count();
    }
    // The throws and celebrations the board has told of since last asked (it is asked at every pause and after
    // every handler, long before it forgets).
    void count() {
        for (const Happening& h : board->happenings.since(seen_)) {
            if (h.kind == Happening::Kind::Threw) ++throws;
            if (h.kind == Happening::Kind::AllHome) ++celebrations[static_cast<std::size_t>(h.player)];
        }
        seen_ = board->happenings.count();
    }
    double random() override {
        state_ += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return static_cast<double>(z >> 11) * 0x1.0p-53;
    }
    void reseed() override { state_ = seed_ + 0x632BE59BD9B4E019ull * ++reseeds_; }
    void beep() override {}

    const Board* board = nullptr;
    double now = 0;
    long throws = 0, pauses = 0;
    std::array<long, 5> celebrations{};

private:
    std::uint64_t seen_ = 0;
    std::uint64_t seed_;
    std::uint64_t state_ = 0;
    std::uint64_t reseeds_ = 0;
};

// FNV-1a over everything the game can change.
class Hash {
public:
    void add(long long v) {
        for (int k = 0; k < 8; ++k) {
            h_ ^= static_cast<std::uint64_t>(v >> (8 * k)) & 0xFF;
            h_ *= 0x100000001B3ull;
        }
    }
    std::uint64_t value() const { return h_; }

private:
    std::uint64_t h_ = 0xCBF29CE484222325ull;
};

std::uint64_t fingerprintOf(const Board& b) {
    Hash h;
    h.add(b.moves);
    h.add(b.whosego);
    h.add(b.autoplay);
    h.add(b.sound);
    for (int p = 1; p <= 4; ++p) {
        for (int j = 0; j <= 5; ++j) h.add(b.players(p, j));
        for (int k = 1; k <= 7; ++k) h.add(b.homerow(p, k));
    }
    for (int s = 1; s <= 70; ++s) h.add(b.squares(s));
    for (const FamilyOfViews& family : viewFamilies)
        for (int i : (b.*family.views).indices()) {
            const View& v = (b.*family.views)(i);
            h.add(v.back);
            h.add(static_cast<long long>(v.picture) << 8 | static_cast<long long>(v.spare));
            h.add(v.enabled << 1 | v.visible);
        }
    return h.value();
}

}  // namespace

CoreRun playCore(long throws, std::uint64_t seed) {
    FastPlatform platform(seed);
    Board board{platform};
    platform.board = &board;
    board.Form_Load();
    board.chooseAuto();

    CoreRun run;
    const auto begun = std::chrono::steady_clock::now();
    while (platform.throws < throws) {
        platform.now = std::floor(platform.now) + 1;  // the timer's next tick
        if (!board.tick()) break;                     // cannot happen between handlers
        platform.count();
        ++run.handlers;
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count();

    run.throws = platform.throws;
    run.pauses = platform.pauses;
    run.gameSeconds = platform.now;
    run.celebrations = platform.celebrations;
    run.fingerprint = fingerprintOf(board);
    return run;
}

}  // namespace skarpo::bench
