// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry: the window and its event loop. The game takes no
// command line and needs a display to show its window.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "window/language.h"
#include "window/window.h"

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

int main(int argc, char** argv) {
    const char* program = argc > 0 && argv[0] != nullptr ? argv[0] : "skarpo";
    if (!isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY") && !isSet("QT_QPA_PLATFORM")) {
        std::fprintf(stderr,
                     "skarpo: no display found (DISPLAY is not set); to play without a screen run: xvfb-run -a %s\n",
                     program);
        return 2;
    }

    // only the program's name reaches the toolkit; the rest is ignored
    int qtArgc = 1;
    char* qtArgv[] = {const_cast<char*>(program), nullptr};
    QApplication app(qtArgc, qtArgv);
    // ties the window to its desktop entry (and so to its icon and name)
    QGuiApplication::setDesktopFileName(QStringLiteral(SKARPO_APP_ID));

    const skarpo::Language language;  // before the window, whose texts it translates
    skarpo::Window window;
    window.show();
    return app.exec();
}
