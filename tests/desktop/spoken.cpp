// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a player starts it, but with a seeded die and quicker pauses, for the test with the screen reader:
//   skarpo_spoken SEED PAUSE_SCALE
// It tells on standard error each time a computer's throw waited for the words before it: "waited for words
// <start, seconds since the epoch> <seconds>".
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "window/window.h"
#include "window/words/language.h"

namespace {

double now() {
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    const skarpo::Language language;
    skarpo::Window window;
    window.platform().seed = std::strtoull(argv[1], nullptr, 10);
    window.platform().pauseScale = std::strtod(argv[2], nullptr);
    window.platform().reseed();
    window.exitProgram = [] { QCoreApplication::exit(0); };
    auto speaking = window.platform().speaking;
    window.platform().speaking = [speaking, since = std::optional<double>()](skarpo::Platform::Words until) mutable {
        const bool talking = speaking(until);
        if (talking && !since) since = now();
        if (!talking && since) std::fprintf(stderr, "waited for words %.3f %.3f\n", *since, now() - *since), since = {};
        return talking;
    };
    window.show();
    return app.exec();
}
