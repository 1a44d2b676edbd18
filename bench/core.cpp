// SPDX-License-Identifier: GPL-3.0-or-later
// skarpo_corespeed: the bench's figures of the game itself on the virtual clock, without a window: the throws,
// handlers and pauses a second of a long game by automatic play, the calls a second of the rule book's outcome, and
// a round of three computer turns at each speed.
//
//   skarpo_corespeed [--quick] [--throws N]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "bench/corespeed.h"
#include "bench/measure.h"

using namespace skarpo;
using namespace skarpo::bench;

int main(int argc, char** argv) {
    bool quick = false;
    long throws = 2'000'000;
    for (int i = 1; i < argc; ++i) {
        char* end = nullptr;
        if (std::strcmp(argv[i], "--quick") == 0)
            quick = true, throws = 50'000;
        else if (std::strcmp(argv[i], "--throws") == 0 && i + 1 < argc &&
                 (throws = std::strtol(argv[++i], &end, 10)) > 0 && *end == '\0')
            continue;
        else
            return std::fprintf(stderr, "usage: skarpo_corespeed [--quick] [--throws N]\n"), 2;
    }
    auto print = [](const Figure& f) { std::printf("%s\n", line(f).c_str()); };
    const char* names[] = {"Normal", "Fast", "Fastest"};
    const std::optional<double> targets[] = {std::nullopt, 2.5, 0.8};
    for (int k = 0; k < 3; ++k) {
        const Rounds rounds = computerRounds(static_cast<Speed>(k), quick ? 100 : 1000, 7);
        std::vector<double> three;
        for (std::size_t i = 0; i < rounds.lengths.size(); ++i)
            if (rounds.throws[i] == 3) three.push_back(rounds.lengths[i]);
        print({std::string("round of three computer turns (no six), median, virtual clock, ") + names[k],
               spreadOf(three).median,
               "s",
               3,
               targets[k],
               {}});
        print({std::string("  every round (sixes too), median, virtual clock, ") + names[k],
               spreadOf(rounds.lengths).median,
               "s",
               3,
               {},
               {}});
        print(
            {std::string("  longest round, virtual clock, ") + names[k], spreadOf(rounds.lengths).max, "s", 3, {}, {}});
    }
    const CoreRun run = playCore(throws, 7);
    const auto perSecond = [&](long n) { return static_cast<double>(n) / run.seconds; };
    print({"core: turns (throws)", perSecond(run.throws), "per s", 0, {}, 1'000'000});
    print({"core: handlers (timer ticks)", perSecond(run.handlers), "per s", 0, {}, {}});
    print({"core: pauses", perSecond(run.pauses), "per s", 0, {}, {}});
    print({"core: game time played", run.gameSeconds / 3600 / run.seconds, "hours per s", 1, {}, {}});
    std::printf(
        "  core run: %ld throws, %ld handlers, %ld pauses, %.1f game hours, celebrations %ld/%ld/%ld/%ld, game "
        "%016llx, %.3f s\n",
        run.throws, run.handlers, run.pauses, run.gameSeconds / 3600, run.celebrations[1], run.celebrations[2],
        run.celebrations[3], run.celebrations[4], static_cast<unsigned long long>(run.fingerprint), run.seconds);
    const ModelRun model = foreseeSpeed(quick ? 2'000 : 20'000, 7, quick ? 0.2 : 2);
    print({"core: rule book, calls of outcome",
           static_cast<double>(model.calls) / model.seconds,
           "calls per s",
           0,
           {},
           1'000'000});
    print({"  the same, per second of processor time",
           static_cast<double>(model.calls) / model.processor,
           "calls per s",
           0,
           {},
           {}});
    std::printf("  rule book run: %ld positions, %ld calls, sum %ld, %.3f s\n", model.positions, model.calls, model.sum,
                model.seconds);
    return run.throws < throws ? 1 : 0;
}
