// skarpo_soak --turns N --seeds K [--first-seed S]: the long soak; exits with 1 when anything broke.
#include <cstdlib>
#include <iostream>
#include <string>

#include "tests/soak/soak.h"

int main(int argc, char** argv) {
    skarpo::soak::Options o{.turns = 100000, .seeds = 8};
    for (int i = 1; i < argc; i += 2) {
        const std::string arg = argv[i];
        const long n = i + 1 < argc ? std::atol(argv[i + 1]) : -1;
        if (arg == "--turns" && n >= 0) o.turns = n;
        else if (arg == "--seeds" && n > 0) o.seeds = static_cast<int>(n);
        else if (arg == "--first-seed" && n >= 0) o.firstSeed = static_cast<unsigned>(n);
        else return std::cerr << "usage: skarpo_soak [--turns N] [--seeds K] [--first-seed S]\n", 2;
    }
    const skarpo::soak::Figures f = skarpo::soak::run(o);
    std::cout << "soak: " << o.turns << " turns over " << o.seeds << " seeds from seed " << o.firstSeed << "\n"
              << skarpo::soak::summary(f);
    return f.violations == 0 ? 0 : 1;
}
