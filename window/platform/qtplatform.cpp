// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/platform/qtplatform.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#ifdef __linux__
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace skarpo {

// The event loop sleeps to the millisecond and wakes late rather than early, by as much as its events took before it
// went to sleep (the repaint, above all). A timer of the kernel's, set to the very end of the pause and watched by
// the loop, wakes it once and on time. Made once and kept, so that a pause costs two calls to the kernel. Where
// there is none, the toolkit's precise timer serves, asked again if it wakes a shade early.
class QtPlatform::Alarm {
public:
    explicit Alarm(QtPlatform& platform) {
#ifdef __linux__
        fd_ = timerfd_create(CLOCK_MONOTONIC, TFD_CLOEXEC | TFD_NONBLOCK);  // the steady clock's own
        if (fd_ >= 0) {
            watch_ = std::make_unique<QSocketNotifier>(static_cast<qintptr>(fd_), QSocketNotifier::Read);
            QObject::connect(watch_.get(), &QSocketNotifier::activated, watch_.get(), [this, &platform] {
                std::uint64_t expired = 0;
                if (read(fd_, &expired, sizeof expired) > 0) platform.rang();
            });
            return;
        }
#endif
        timer_.setSingleShot(true);
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [&platform] { platform.rang(); });
    }
    ~Alarm() {
#ifdef __linux__
        watch_.reset();
        if (fd_ >= 0) close(fd_);
#endif
    }
    // Goes off at `end`, at once if that has passed; never with nothing.
    void set(std::optional<Clock::time_point> end) {
        using namespace std::chrono;
#ifdef __linux__
        if (watch_) {
            itimerspec at{};
            if (end) {
                const auto ns = duration_cast<nanoseconds>(end->time_since_epoch()).count();
                at.it_value.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
                at.it_value.tv_nsec = static_cast<long>(ns % 1'000'000'000);
            }
            timerfd_settime(fd_, TFD_TIMER_ABSTIME, &at, nullptr);
            return;
        }
#endif
        if (!end) return timer_.stop();
        timer_.start(static_cast<int>(std::max<Clock::rep>(0, ceil<milliseconds>(*end - Clock::now()).count())));
    }

private:
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> watch_;
    QTimer timer_;
};

QtPlatform::QtPlatform() : alert_(&AlertSound::openDesktop, [] { QApplication::beep(); }) { reseed(); }

QtPlatform::~QtPlatform() = default;

bool QtPlatform::wake(float sec) {
    using namespace std::chrono;
    if (waking && sec >= 0) waking(sec);
    end_.reset();
    if (sec >= 0) end_ = Clock::now() + duration_cast<Clock::duration>(duration<double>(sec * pauseScale));
    if (!alarm_ && end_) alarm_ = std::make_unique<Alarm>(*this);
    if (alarm_) alarm_->set(end_);
    return false;
}

void QtPlatform::rang() {
    if (!end_) return;
    if (Clock::now() < *end_) return alarm_->set(end_);  // a shade early: once more
    end_.reset();
    if (due) due();
}

double QtPlatform::random() {
    if (dice) return dice->random();
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

}  // namespace skarpo
