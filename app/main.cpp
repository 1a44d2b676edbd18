// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry: the window and its event loop. The game takes no
// command line and needs a screen to show its window.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/display.h"
#include "window/online/scripted.h"
#include "window/program.h"
#include "window/words/language.h"

namespace {

skarpo::Window* theWindow = nullptr;

// The toolkit ends the process with exit() when its display goes away (the X
// server or the compositor gone, the client killed by the window system).
// The game ends then as closing its window does, rather than tearing down
// the toolkit's globals under a live window in the middle of a pause.
void displayGone() {
    if (theWindow != nullptr) theWindow->endProgram();
}

}  // namespace

int main(int argc, char** argv) {
    // only the program's name reaches the toolkit; the rest is ignored
    int qtArgc = 1;
    char* qtArgv[] = {const_cast<char*>(argc > 0 && argv[0] != nullptr ? argv[0] : "skarpo"), nullptr};

    skarpo::DisplayCheck display = skarpo::checkDisplay();
    if (display.problem != skarpo::DisplayCheck::Problem::none) {
        // the one line in the player's language, without a window
        QCoreApplication core(qtArgc, qtArgv);
        const skarpo::Language language;
        const QString why = display.problem == skarpo::DisplayCheck::Problem::unset
                                ? QCoreApplication::translate("main", "neither DISPLAY nor WAYLAND_DISPLAY is set")
                                : QCoreApplication::translate("main", "no display answers at %1")
                                      .arg(QString::fromStdString(display.tried));
        const QString message =
            QCoreApplication::translate("main",
                                        "skarpo: the game needs a screen to show its window, and there is none (%1)")
                .arg(why);
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        return 2;
    }
    if (!display.platform.empty()) qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(display.platform));

    QApplication app(qtArgc, qtArgv);
    display.connection.reset();  // the toolkit has its own now
    skarpo::Program program;
    theWindow = &program.window();
    std::atexit(displayGone);
    program.window().showAsRemembered();
    // a test's table shared across machines, played by itself
    if (qEnvironmentVariableIsSet("SKARPO_TEST_TABLE") &&
        !skarpo::scriptTable(program.window(), qEnvironmentVariable("SKARPO_TEST_TABLE")))
        return 2;
    const int status = app.exec();
    theWindow = nullptr;
    return status;
}
