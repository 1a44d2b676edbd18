// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/corespeed.h"

#include <chrono>

#include "bench/measure.h"
#include "tools/match.h"

namespace skarpo::bench {

namespace {

// The tournament's virtual clock and seeded dice, counting every pause and the throws and celebrations told (read
// at every pause, long before the table forgets them), so that the run measures the game and not its platform.
class FastPlatform : public tournament::VirtualPlatform {
public:
    FastPlatform(std::uint64_t seed, const Options& options = {}) : VirtualPlatform(seed), table(*this, options) {
        table.toggleAuto();
        seen_ = table.happenings().count();
    }
    bool wake(float sec) override {
        const bool over = VirtualPlatform::wake(sec);
        pauses += sec > 0;
        count();
        return over;
    }
    void count() {
        if (table.happenings().count() == seen_) return;
        for (const Happening& h : table.happenings().since(seen_)) {
            if (h.kind == Happening::Kind::Threw) ++throws[static_cast<std::size_t>(h.player)], ++throws[0];
            if (h.kind == Happening::Kind::AllHome) ++celebrations[static_cast<std::size_t>(h.player)];
        }
        seen_ = table.happenings().count();
    }

    Table table;
    long pauses = 0;
    std::array<long, 5> throws{};  // by player 1..4, and [0] in all
    std::array<long, 5> celebrations{};

private:
    std::uint64_t seen_ = 0;
};

// FNV-1a over everything the game can change.
class Hash {
public:
    void add(long long v) {
        for (int k = 0; k < 8; ++k) h_ = (h_ ^ (static_cast<std::uint64_t>(v >> (8 * k)) & 0xFF)) * 0x100000001B3ull;
    }
    std::uint64_t value() const { return h_; }

private:
    std::uint64_t h_ = 0xCBF29CE484222325ull;
};

std::uint64_t fingerprintOf(const Table& t) {
    const Game& g = t.game();
    Hash h;
    for (int v :
         {g.thrower, g.next, g.thrown, int(g.autoplay), int(g.sound), int(g.options.speed), int(g.options.strength)})
        h.add(v);
    for (int p = 1; p <= 4; ++p) {
        h.add(static_cast<int>(g.options.seats[static_cast<std::size_t>(p)]));
        for (int j = 0; j <= 5; ++j) h.add(g.position.players(p, j));
        for (int k = 1; k <= 7; ++k) h.add(g.position.homerow(p, k));
    }
    for (int s = 1; s <= 70; ++s) h.add(g.position.squares(s));
    for (ViewId id : Views::all()) {
        const View& v = t.views()[id];
        h.add(v.visible ? static_cast<long long>(v.back) << 8 | static_cast<long long>(v.picture) : -1);
    }
    return h.value();
}

// A position a move started from, and what its player could move.
struct Asked {
    Position position;
    int player = 0, thrown = 0;
    bool person = false;
    std::vector<Place> candidates;
};

std::vector<Place> candidatesOf(const Position& at, int p, int thrown) {
    std::vector<Place> out;
    for (int i = 1; i <= 4; ++i)
        if (const int k = at.players(p, i); k > 0 && k < inHomeColumn) out.push_back(Place::ring(squareOf(p, k)));
    if (at.waiting(p) > 0 && thrown == 6) out.push_back(Place::start());
    for (int k = 1; k <= 6; ++k)
        if (at.homerow(p, k) == 1) out.push_back(Place::column(k));
    return out;
}

}  // namespace

ModelRun foreseeSpeed(long positions, std::uint64_t seed, double seconds) {
    FastPlatform platform(seed);
    const Table& table = platform.table;
    std::vector<Asked> asked;
    platform.onPause = [&] {  // the first pause of a move: the position it starts from
        const Game& g = table.game();
        if (g.animation.stage == Stage::Move && g.animation.step == 1)
            asked.push_back(
                {g.position, g.thrower, g.thrown, g.person(g.thrower), candidatesOf(g.position, g.thrower, g.thrown)});
    };
    while (static_cast<long>(asked.size()) < positions && platform.tick(platform.table)) platform.rest(platform.table);

    ModelRun run;
    run.positions = static_cast<long>(asked.size());
    long sum = 0;
    const double processorAt = processorSeconds();
    const auto begun = std::chrono::steady_clock::now();
    do {
        for (const Asked& a : asked)
            for (const Place& from : a.candidates) {
                const Outcome o = outcome(a.position, a.player, from, a.thrown, a.person);
                sum += o.motionCount + o.to.index + o.after.squares(1);
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
    Table& table = platform.table;
    CoreRun run;
    const auto begun = std::chrono::steady_clock::now();
    while (platform.throws[0] < throws && platform.tick(table)) {  // a tick always reaches a table at rest
        platform.rest(table);
        platform.count();
        ++run.handlers;
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count();
    run.throws = platform.throws[0];
    run.pauses = platform.pauses;
    run.gameSeconds = platform.seconds;
    run.celebrations = platform.celebrations;
    run.fingerprint = fingerprintOf(table);
    return run;
}

Rounds computerRounds(Speed speed, int rounds, std::uint64_t seed) {
    Options options;
    options.speed = speed;
    FastPlatform platform(seed, options);
    Table& table = platform.table;
    Rounds out;
    double from = -1;  // the round's first pause began then
    long before = 0;   // the computers' throws before it
    platform.onPause = [&] {
        if (table.game().animation.computer && from < 0) from = platform.seconds;
    };
    auto computers = [&] { return platform.throws[0] - platform.throws[1]; };
    while (static_cast<int>(out.lengths.size()) < rounds) {
        if (from < 0) before = computers();
        if (!platform.tick(table)) break;
        platform.rest(table);
        platform.count();
        if (from < 0 || table.phase() != Phase::DieWaits) continue;
        out.lengths.push_back(platform.seconds - from);
        out.throws.push_back(static_cast<int>(computers() - before));
        from = -1;
    }
    return out;
}

}  // namespace skarpo::bench
