// SPDX-License-Identifier: GPL-3.0-or-later
// Rings the capture sound once, as the game does, and says which way it went: "desktop" (the desktop's alert
// sound, through libcanberra and the sound server) or "beep" (the toolkit's beep, when no sound server answers).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

#include "window/platform/alertsound.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    bool beeped = false;
    skarpo::AlertSound alert(&skarpo::AlertSound::openDesktop, [&] { beeped = true; });
    alert.ring();  // the sound's thread opens the sound server and plays; a failure comes back as the beep
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (beeped || clock.elapsed() >= 1500) QCoreApplication::quit();
    });
    poll.start(10);
    QCoreApplication::exec();
    std::puts(beeped ? "beep" : "desktop");
}
