// The long soak: skarpo_soak --turns N --seeds K [--first-seed S]
// Prints the figures and exits with 1 when anything broke.
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "tests/soak/soak.h"

namespace {

[[noreturn]] void usage() {
    std::cerr << "usage: skarpo_soak [--turns N] [--seeds K] [--first-seed S]\n"
                 "  plays N throws in all over K seeded games, with events injected inside the animations\n";
    std::exit(2);
}

long number(const char* text) {
    char* end = nullptr;
    const long n = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || n < 0) usage();
    return n;
}

}  // namespace

int main(int argc, char** argv) {
    skarpo::soak::Options options;
    options.turns = 100000;
    options.seeds = 8;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) usage();
        const long value = number(argv[++i]);
        if (arg == "--turns") options.turns = value;
        else if (arg == "--seeds" && value > 0) options.seeds = static_cast<int>(value);
        else if (arg == "--first-seed") options.firstSeed = static_cast<unsigned>(value);
        else usage();
    }
    const skarpo::soak::Figures figures = skarpo::soak::run(options);
    std::cout << "soak: " << options.turns << " turns over " << options.seeds << " seeds from seed "
              << options.firstSeed << "\n"
              << skarpo::soak::summary(figures);
    return figures.violations == 0 ? 0 : 1;
}
