// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a player starts it, but with a seeded die and quicker pauses, for the test with the screen reader:
//   skarpo_spoken SEED PAUSE_SCALE
#include <QApplication>
#include <cstdlib>

#include "window/window.h"
#include "window/words/language.h"

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
    window.show();
    return app.exec();
}
