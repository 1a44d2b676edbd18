// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/qtplatform.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>

namespace skarpo {

QtPlatform::QtPlatform() : alert_(&AlertSound::openDesktop, [] { QApplication::beep(); }) { reseed(); }

void QtPlatform::wait(float sec) {
    if (!(sec > 0)) return;
    // the pause is counted from the call: whatever beforePause queues (the
    // repaint of the board) is done inside it
    using namespace std::chrono;
    const auto end = steady_clock::now() + duration_cast<steady_clock::duration>(duration<double>(sec));
    const unsigned interruptsBefore = interrupts_;
    if (beforePause) beforePause();

    QEventLoop loop;
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    QObject::connect(&wake, &QTimer::timeout, &loop, &QEventLoop::quit);

    loops_.push_back(&loop);
    for (;;) {
        const auto left = end - steady_clock::now();
        if (left <= steady_clock::duration::zero() || interrupts_ != interruptsBefore) break;
        // the timer wakes to the millisecond; if that was a shade early, go round again
        wake.start(ceil<milliseconds>(left));
        loop.exec();
    }
    loops_.pop_back();
}

double QtPlatform::random() {
    // 53 random bits make a double in [0, 1) that can never round up to 1
    return static_cast<double>(generator_() >> 11) * 0x1.0p-53;
}

void QtPlatform::reseed() {
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    const auto mono = std::chrono::steady_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<unsigned>(wall), static_cast<unsigned>(wall >> 32), static_cast<unsigned>(mono),
                      static_cast<unsigned>(mono >> 32)};
    generator_.seed(seq);
}

void QtPlatform::beep() { alert_.ring(); }

void QtPlatform::interrupt() {
    if (loops_.empty()) return;
    ++interrupts_;
    for (QEventLoop* loop : loops_) loop->quit();
}

}  // namespace skarpo
