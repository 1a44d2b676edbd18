// SPDX-License-Identifier: GPL-3.0-or-later
// Seeded games between computer players of chosen strengths, played on a
// virtual clock: every pause of the game returns at once. Cyan, magenta and
// green are computer turns at the strength set for their colour; red, whose
// turns wait for a person, is played through a person's events (the die,
// then a marked counter) by the same choice: Easy a random legal move,
// Strong the Strong player's move, Normal the game's own automatic play.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "rules/strength.h"
#include "state/board.h"
#include "tools/seeded.h"

namespace skarpo::tournament {

// A platform whose pauses take no time and whose die is a seeded generator.
class VirtualPlatform : public Platform {
public:
    explicit VirtualPlatform(std::uint64_t seed) : seed_(seed), generator_(seed) {}
    void wait(float sec) override {
        if (sec <= 0) return;
        if (onPause) onPause();
        seconds += static_cast<double>(sec);
    }
    double random() override { return generator_.unit(); }
    void reseed() override { generator_.seed(seed_ + 0x632BE59BD9B4E019ull * ++reseeds_); }
    void beep() override {}

    double seconds = 0;             // virtual time passed
    std::function<void()> onPause;  // called at every pause, as it begins

private:
    std::uint64_t seed_;
    std::uint64_t reseeds_ = 0;
    Seeded generator_;
};

// One game: the colours' strengths, played until `celebrations` players have
// brought all four counters home (or `maxTurns` throws, whichever first).
// `onMove`, if given, is told of every move as it starts, the tables as
// before it.
struct GameResult {
    std::array<long, 5> celebrations{};  // by player 1..4
    long throws = 0;
    double seconds = 0;  // virtual time
};
GameResult playGame(std::uint64_t seed, const std::array<Strength, 5>& strengths, long celebrations,
                    long maxTurns = 1'000'000,
                    const std::function<void(const Board&, int player, int thrown)>& onMove = {});

}  // namespace skarpo::tournament
