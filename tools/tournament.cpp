// SPDX-License-Identifier: GPL-3.0-or-later
// skarpo_tournament: one colour at a chosen strength against three at
// another, over seeded games on the virtual clock, the tested colour
// rotating red, cyan, magenta, green from game to game. Prints each
// strength's share of the celebrations (a player's fourth counter home) with
// a 95% interval.
//   skarpo_tournament [--test easy|normal|strong] [--field easy|normal|strong]
//                     [--celebrations N] [--per-game N] [--first-seed S] [--quick]
// --quick plays Strong against three Normal briefly and fails (exit 1)
// unless Strong takes more than a Normal colour's share.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "tools/match.h"

using namespace skarpo;

namespace {

const std::map<std::string, Strength> strengths{
    {"easy", Strength::Easy}, {"normal", Strength::Normal}, {"strong", Strength::Strong}};
const char* nameOf(Strength s) { return s == Strength::Easy ? "Easy" : s == Strength::Normal ? "Normal" : "Strong"; }

int usage() {
    std::fprintf(stderr,
                 "usage: skarpo_tournament [--test easy|normal|strong] [--field easy|normal|strong] "
                 "[--celebrations N] [--per-game N] [--first-seed S] [--quick]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    Strength tested = Strength::Strong, field = Strength::Normal;
    long celebrations = 20000, perGame = 20;
    unsigned long firstSeed = 1;
    bool quick = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (a == "--quick") {
            quick = true;
            celebrations = 400;
        } else if ((a == "--test" || a == "--field") && value && strengths.count(value)) {
            (a == "--test" ? tested : field) = strengths.at(value);
            ++i;
        } else if ((a == "--celebrations" || a == "--per-game" || a == "--first-seed") && value) {
            char* end = nullptr;
            const long n = std::strtol(value, &end, 10);
            if (*end != '\0' || n < 1) return usage();
            if (a == "--celebrations") celebrations = n;
            if (a == "--per-game") perGame = n;
            if (a == "--first-seed") firstSeed = static_cast<unsigned long>(n);
            ++i;
        } else {
            return usage();
        }
    }

    const auto start = std::chrono::steady_clock::now();
    long mine = 0, all = 0, games = 0, throws = 0;
    double seconds = 0;
    std::array<long, 5> bySeat{}, seatTotals{};
    while (all < celebrations) {
        const int seat = static_cast<int>(games % 4) + 1;  // red, cyan, magenta, green in turn
        std::array<Strength, 5> at{field, field, field, field, field};
        at[static_cast<std::size_t>(seat)] = tested;
        const auto r = tournament::playGame(firstSeed + static_cast<unsigned long>(games), at,
                                            std::min(perGame, celebrations - all));
        for (int p = 1; p <= 4; ++p) {
            const long c = r.celebrations[static_cast<std::size_t>(p)];
            all += c;
            seatTotals[static_cast<std::size_t>(seat)] += c;
            if (p == seat) {
                mine += c;
                bySeat[static_cast<std::size_t>(seat)] += c;
            }
        }
        throws += r.throws;
        seconds += r.seconds;
        ++games;
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const double n = static_cast<double>(all);
    auto line = [&](const char* who, double count) {
        const double p = count / n, half = 1.96 * std::sqrt(p * (1 - p) / n);
        std::printf("  %-22s %7.0f of %ld celebrations = %5.1f%%  (95%% interval %.1f%% to %.1f%%)\n", who, count, all,
                    100 * p, 100 * (p - half), 100 * (p + half));
        return p;
    };
    std::printf("%s at one colour against three %s: %ld games from seed %lu, %ld throws, %.0f virtual hours, %.1f s\n",
                nameOf(tested), nameOf(field), games, firstSeed, throws, seconds / 3600, wall);
    const std::string testedName = std::string(nameOf(tested)) + " (one colour)";
    const std::string fieldName = std::string(nameOf(field)) + " (three colours)";
    const double share = line(testedName.c_str(), static_cast<double>(mine));
    line(fieldName.c_str(), static_cast<double>(all - mine));
    std::printf("  a fair share for one colour is 25%%; %s's share by its colour:", nameOf(tested));
    const char* colours[] = {"", "red", "cyan", "magenta", "green"};
    for (int s = 1; s <= 4; ++s)
        std::printf(" %s %.1f%%", colours[s],
                    seatTotals[static_cast<std::size_t>(s)]
                        ? 100.0 * static_cast<double>(bySeat[static_cast<std::size_t>(s)]) /
                              static_cast<double>(seatTotals[static_cast<std::size_t>(s)])
                        : 0.0);
    std::printf("\n");
    if (quick && share <= 0.25) {
        std::printf("FAIL: %s takes no more than a %s colour's share\n", nameOf(tested), nameOf(field));
        return 1;
    }
    return 0;
}
