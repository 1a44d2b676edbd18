// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/qtplatform.h"

#include <QApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <optional>

#ifdef __linux__
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace skarpo {

// The event loop sleeps to the millisecond and wakes late rather than early,
// by as much as its events took before it went to sleep (the repaint, above
// all). A timer of the kernel's, set to the very end of the innermost pause
// and watched by the loop, wakes it once and on time. Made once and kept, so
// that a pause costs two calls to the kernel and nothing more.
class QtPlatform::Alarm {
public:
    explicit Alarm(QtPlatform& platform) {
#ifdef __linux__
        fd_ = timerfd_create(CLOCK_MONOTONIC, TFD_CLOEXEC | TFD_NONBLOCK);  // the steady clock's own
        if (fd_ < 0) return;
        watch_ = std::make_unique<QSocketNotifier>(static_cast<qintptr>(fd_), QSocketNotifier::Read);
        QObject::connect(watch_.get(), &QSocketNotifier::activated, watch_.get(), [this, &platform] {
            std::uint64_t expired = 0;
            if (read(fd_, &expired, sizeof expired) > 0) platform.rang();
        });
#else
        (void)platform;
#endif
    }
    ~Alarm() {
#ifdef __linux__
        watch_.reset();
        if (fd_ >= 0) close(fd_);
#endif
    }
    // Whether there is such a timer here; otherwise the toolkit's timer serves.
    bool works() const { return watch_ != nullptr; }
    // Goes off at `end`, at once if that has passed; off for good with nothing.
    void set(std::optional<Clock::time_point> end) {
#ifdef __linux__
        itimerspec at{};
        if (end) {
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(end->time_since_epoch()).count();
            at.it_value.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
            at.it_value.tv_nsec = static_cast<long>(ns % 1'000'000'000);
        }
        timerfd_settime(fd_, TFD_TIMER_ABSTIME, &at, nullptr);
#else
        (void)end;
#endif
    }

private:
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> watch_;
};

QtPlatform::QtPlatform() : alert_(&AlertSound::openDesktop, [] { QApplication::beep(); }) { reseed(); }

QtPlatform::~QtPlatform() = default;

void QtPlatform::wait(float sec) {
    if (!(sec > 0)) return;
    // the pause is counted from the call: whatever beforePause queues (the
    // repaint of the board) is done inside it
    using namespace std::chrono;
    const auto end = Clock::now() + duration_cast<Clock::duration>(duration<double>(sec * pauseScale));
    const unsigned interruptsBefore = interrupts_;
    if (beforePause) beforePause();

    QEventLoop loop;
    pauses_.push_back({&loop, end});
    const auto goOn = [&] { return interrupts_ == interruptsBefore && Clock::now() < end; };
    if (!alarm_) alarm_ = std::make_unique<Alarm>(*this);
    if (alarm_->works()) {
        alarm_->set(end);
        while (goOn()) loop.exec();
    } else {
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
    pauses_.pop_back();
    // a pause this one ran inside goes on to its own end
    if (alarm_->works()) alarm_->set(pauses_.empty() ? std::nullopt : std::optional(pauses_.back().end));
}

void QtPlatform::rang() {
    if (!pauses_.empty() && Clock::now() >= pauses_.back().end) pauses_.back().loop->quit();
}

double QtPlatform::random() {
    // 53 random bits make a double in [0, 1) that can never round up to 1
    return static_cast<double>(generator_() >> 11) * 0x1.0p-53;
}

void QtPlatform::reseed() {
    if (seed) {
        generator_.seed(*seed);
        return;
    }
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    const auto mono = std::chrono::steady_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<unsigned>(wall), static_cast<unsigned>(wall >> 32), static_cast<unsigned>(mono),
                      static_cast<unsigned>(mono >> 32)};
    generator_.seed(seq);
}

void QtPlatform::beep() { alert_.ring(); }

void QtPlatform::interrupt() {
    if (pauses_.empty()) return;
    ++interrupts_;
    for (const Pause& p : pauses_) p.loop->quit();
}

}  // namespace skarpo
