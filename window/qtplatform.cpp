// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/qtplatform.h"

#include <QApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <chrono>

#ifdef __linux__
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace skarpo {

namespace {

using Clock = std::chrono::steady_clock;

#ifdef __linux__
// A timer of the kernel's that goes off at `end`: a descriptor that becomes
// readable then, or -1 if there is none.
int kernelTimerAt(Clock::time_point end) {
    const int fd = timerfd_create(CLOCK_MONOTONIC, TFD_CLOEXEC | TFD_NONBLOCK);  // the steady clock's own
    if (fd < 0) return -1;
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(end.time_since_epoch()).count();
    itimerspec at{};
    at.it_value.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
    at.it_value.tv_nsec = static_cast<long>(ns % 1'000'000'000);
    if (timerfd_settime(fd, TFD_TIMER_ABSTIME, &at, nullptr) == 0) return fd;
    close(fd);
    return -1;
}
#endif

}  // namespace

QtPlatform::QtPlatform() : alert_(&AlertSound::openDesktop, [] { QApplication::beep(); }) { reseed(); }

void QtPlatform::wait(float sec) {
    if (!(sec > 0)) return;
    // the pause is counted from the call: whatever beforePause queues (the
    // repaint of the board) is done inside it
    using namespace std::chrono;
    const auto end = Clock::now() + duration_cast<Clock::duration>(duration<double>(sec));
    const unsigned interruptsBefore = interrupts_;
    if (beforePause) beforePause();

    QEventLoop loop;
    loops_.push_back(&loop);
    const auto goOn = [&] { return interrupts_ == interruptsBefore && Clock::now() < end; };
    bool slept = false;
#ifdef __linux__
    // The event loop sleeps to the millisecond and wakes late rather than
    // early, by as much as its events took before it went to sleep (the
    // repaint, above all). A timer of the kernel's, set to the very end of
    // the pause and watched by the loop, wakes it once and on time.
    if (const int fd = kernelTimerAt(end); fd >= 0) {
        {
            QSocketNotifier ring(static_cast<qintptr>(fd), QSocketNotifier::Read);
            QObject::connect(&ring, &QSocketNotifier::activated, &loop, &QEventLoop::quit);
            while (goOn()) loop.exec();
        }
        close(fd);
        slept = true;
    }
#endif
    if (!slept) {
        QTimer wake;
        wake.setSingleShot(true);
        wake.setTimerType(Qt::PreciseTimer);
        QObject::connect(&wake, &QTimer::timeout, &loop, &QEventLoop::quit);
        while (goOn()) {
            // to the millisecond: if that was a shade early, go round again
            wake.start(ceil<milliseconds>(end - Clock::now()));
            loop.exec();
        }
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
