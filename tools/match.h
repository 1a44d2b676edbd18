// SPDX-License-Identifier: GPL-3.0-or-later
// Seeded games between players of chosen strengths, played by a table on a virtual clock: every pause of the game ends
// at once. Cyan, magenta and green are the computer at the strength set for their colour; red, whose turns wait for a
// person, is played through a person's events (the timer's tick throws and clicks with automatic play on) by the
// same choice: Easy a random legal move, Strong the Strong player's move, Normal the game's own automatic play.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "core/turns/table.h"
#include "tools/seeded.h"

namespace skarpo::tournament {

// A clock whose pauses are over as soon as asked, and a die that is a seeded generator.
class VirtualPlatform : public Platform {
public:
    explicit VirtualPlatform(std::uint64_t seed) : seed_(seed), generator_(seed) {}
    bool wake(float sec) override {
        due = sec == 0 ? seconds : -1;
        if (sec <= 0) return false;
        if (onPause) onPause();
        seconds += static_cast<double>(sec);
        return true;
    }
    double random() override { return generator_.unit(); }
    void reseed() override { generator_.seed(seed_ + 0x632BE59BD9B4E019ull * ++reseeds_); }
    void beep() override {}
    // The table plays on, each pause over at once, until it rests.
    void rest(Table& table) {
        while (due >= 0 && table.phase() == Phase::Animating) seconds = due, due = -1, table.advance();
    }
    // The timer's next tick, once the table rests.
    bool tick(Table& table) {
        seconds = static_cast<double>(static_cast<long long>(seconds) + 1);
        return table.tick();
    }

    double seconds = 0;             // virtual time passed
    double due = -1;                // when the pause asked for ends; below 0 for none
    std::function<void()> onPause;  // called at every pause, as it begins

private:
    std::uint64_t seed_;
    std::uint64_t reseeds_ = 0;
    Seeded generator_;
};

// One game: the colours' strengths, played until `celebrations` players have brought all four counters home (or
// `maxTurns` throws, whichever first). `onTurn`, if given, is told of every throw a player decides what to do with:
// the position, the player and the throw.
struct GameResult {
    std::array<long, 5> celebrations{};  // by player 1..4
    long throws = 0;
    double seconds = 0;  // virtual time
};
using OnTurn = std::function<void(const Position&, int player, int thrown)>;
GameResult playGame(std::uint64_t seed, const std::array<Strength, 5>& strengths, long celebrations,
                    long maxTurns = 1'000'000, const OnTurn& onTurn = {});

}  // namespace skarpo::tournament
