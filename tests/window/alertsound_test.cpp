// The capture sound: rings never wait for the sound system, every ring is
// heard one way or the other, and a missing sound system costs nothing and
// says nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <thread>

#include "board/alertsound.h"
#include "board/qtplatform.h"

using namespace skarpo;
using namespace std::chrono_literals;

namespace {

bool onTheWindowThread() { return QThread::currentThread() == qApp->thread(); }

// A sound system that takes its time and counts what it is asked to do, and
// fallback beeps, which must come on the window's thread.
struct Sounds {
    std::atomic<int> opens = 0, plays = 0;
    std::atomic<bool> works = true, playedOnTheWindowThread = false;
    std::chrono::milliseconds delay{0};
    int beeps = 0;
    bool beepedOffTheWindowThread = false;

    struct Player : AlertSound::Player {
        Sounds& s;
        explicit Player(Sounds& sounds) : s(sounds) {}
        bool play() override {
            if (onTheWindowThread()) s.playedOnTheWindowThread = true;
            std::this_thread::sleep_for(s.delay);
            ++s.plays;
            return s.works;
        }
    };
    AlertSound alert() {
        return AlertSound(
            [this]() -> std::unique_ptr<AlertSound::Player> {
                ++opens;
                std::this_thread::sleep_for(delay);
                return works ? std::make_unique<Player>(*this) : nullptr;
            },
            [this] {
                ++beeps;
                if (!onTheWindowThread()) beepedOffTheWindowThread = true;
            });
    }
};

}  // namespace

TEST(AlertSound, RingsNeverWaitForASlowSoundSystem) {
    Sounds sounds;
    { const AlertSound unused = sounds.alert(); }
    EXPECT_EQ(sounds.opens, 0);  // nothing happens before the first ring

    sounds.delay = 150ms;
    AlertSound alert = sounds.alert();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 3; ++i) alert.ring();
    EXPECT_LT(clock.elapsed(), 50);

    EXPECT_TRUE(QTest::qWaitFor([&] { return sounds.plays == 3; }, 5000));
    EXPECT_EQ(sounds.opens, 1);  // opened once, at the first ring
    EXPECT_FALSE(sounds.playedOnTheWindowThread);
    QTest::qWait(50);
    EXPECT_EQ(sounds.beeps, 0);
    EXPECT_FALSE(alert.failed());
}

// A sound system that is missing, or stops playing, hands every ring from
// then on to the beep, on the window's thread.
TEST(AlertSound, WithoutASoundSystemEveryRingBeeps) {
    Sounds missing;
    missing.works = false;
    missing.delay = 100ms;
    AlertSound alert = missing.alert();
    // the rings made while the sound system is still being looked for
    alert.ring();
    alert.ring();
    EXPECT_TRUE(QTest::qWaitFor([&] { return missing.beeps == 2; }, 5000));
    EXPECT_TRUE(alert.failed());
    alert.ring();  // and then at once, without asking the sound system again
    EXPECT_EQ(missing.beeps, 3);
    EXPECT_EQ(missing.opens, 1);
    EXPECT_FALSE(missing.beepedOffTheWindowThread);

    Sounds stopping;
    AlertSound later = stopping.alert();
    later.ring();
    ASSERT_TRUE(QTest::qWaitFor([&] { return stopping.plays == 1; }, 5000));
    stopping.works = false;
    later.ring();  // played, but failed: it beeps instead
    EXPECT_TRUE(QTest::qWaitFor([&] { return stopping.beeps == 1; }, 5000));
    later.ring();
    EXPECT_EQ(stopping.beeps, 2);
    EXPECT_EQ(stopping.plays, 2);
}

// The game's own sound, on a machine whose sound system may be missing: the
// beep returns at once and nothing reaches the terminal.
TEST(AlertSound, TheDesktopSoundCostsNothingAndSaysNothing) {
    ::testing::internal::CaptureStderr();
    qint64 took = 0;
    {
        QtPlatform platform;
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 5; ++i) platform.beep();
        took = clock.elapsed();
        QTest::qWait(500);  // whatever the sound's thread does, it does now
    }
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_LT(took, 50);
}
