// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/corespeed.h"

#include <chrono>
#include <cmath>
#include <functional>
#include <optional>
#include <vector>

#include "bench/measure.h"
#include "rules/outcome.h"
#include "state/board.h"
#include "tools/match.h"

namespace skarpo::bench {

namespace {

// The tournament's virtual clock and seeded dice, counting every pause and the throws and celebrations told, so that
// the run measures the game and not its platform.
class FastPlatform : public tournament::VirtualPlatform {
public:
    using VirtualPlatform::VirtualPlatform;

    void wait(float sec) override {
        VirtualPlatform::wait(sec);
        ++pauses;
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

    const Board* board = nullptr;
    long throws = 0, pauses = 0;
    std::array<long, 5> celebrations{};

private:
    std::uint64_t seen_ = 0;
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

// A position a move started from, and what its player could move.
struct Asked {
    Position position;
    int player = 0, thrown = 0;
    std::vector<Place> candidates;
};

std::vector<Place> candidatesOf(const Position& at, int p, int thrown) {
    std::vector<Place> out;
    bool waiting = false;
    for (int i = 1; i <= 4; ++i) {
        const int k = at.players(p, i);
        if (k > 0 && k < inHomeColumn) out.push_back(Place::ring(squareOf(p, k)));
        waiting = waiting || k < 1;
    }
    if (waiting && thrown == 6) out.push_back(Place::startPlace());
    for (int k = 1; k <= 6; ++k)
        if (at.homerow(p, k) == 1) out.push_back(Place::column(k));
    return out;
}

}  // namespace

ModelRun foreseeSpeed(long positions, std::uint64_t seed, double seconds) {
    FastPlatform platform(seed);
    Board board{platform};
    platform.board = &board;
    board.Form_Load();
    board.chooseAuto();
    std::vector<Asked> asked;
    board.moveStarts = [&](int p, Place, int thrown) {
        const Position at = Position::of(board);
        asked.push_back({at, p, thrown, candidatesOf(at, p, thrown)});
    };
    while (static_cast<long>(asked.size()) < positions) {
        platform.seconds = std::floor(platform.seconds) + 1;
        if (!board.tick()) break;
    }

    ModelRun run;
    run.positions = static_cast<long>(asked.size());
    long sum = 0;
    const double processorAt = processorSeconds();
    const auto begun = std::chrono::steady_clock::now();
    do {
        for (const Asked& a : asked)
            for (const Place& from : a.candidates) {
                const Outcome o = foresee(a.position, a.player, from, a.thrown);
                sum += o.eventCount + o.to.index + o.after.squares(1);
                ++run.calls;
            }
        run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count();
    } while (run.seconds < seconds);
    run.processor = processorSeconds() - processorAt;
    run.sum = sum;
    return run;
}

CoreRun playCore(long throws, std::uint64_t seed) {
    FastPlatform platform(seed);
    Board board{platform};
    platform.board = &board;
    board.Form_Load();
    board.chooseAuto();

    CoreRun run;
    const auto begun = std::chrono::steady_clock::now();
    while (platform.throws < throws) {
        platform.seconds = std::floor(platform.seconds) + 1;  // the timer's next tick
        if (!board.tick()) break;                             // cannot happen between handlers
        platform.count();
        ++run.handlers;
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count();

    run.throws = platform.throws;
    run.pauses = platform.pauses;
    run.gameSeconds = platform.seconds;
    run.celebrations = platform.celebrations;
    run.fingerprint = fingerprintOf(board);
    return run;
}

Rounds computerRounds(Speed speed, int rounds, std::uint64_t seed) {
    FastPlatform platform(seed);
    Board board{platform};
    platform.board = &board;
    board.options.speed = speed;
    board.Form_Load();
    board.chooseAuto();

    Rounds out;
    std::optional<double> from;  // the round's first pause began then
    std::uint64_t seen = 0, beforeTick = 0;
    platform.onPause = [&] {
        if (board.computerTurn() && !from) from = platform.seconds, seen = beforeTick;
    };
    while (static_cast<int>(out.lengths.size()) < rounds) {
        platform.seconds = std::floor(platform.seconds) + 1;  // the timer's next tick
        beforeTick = board.happenings.count();
        if (!board.tick()) break;
        if (from && board.phase() == Phase::DieWaits) {
            out.lengths.push_back(platform.seconds - *from);
            int throws = 0;
            for (const Happening& h : board.happenings.since(seen))
                throws += h.kind == Happening::Kind::Threw && h.player != 1;
            out.throws.push_back(throws);
            from.reset();
        }
    }
    return out;
}

}  // namespace skarpo::bench
