// The capture sound: rings never wait for the sound system, every ring is
// heard one way or the other, and a missing sound system costs nothing and
// says nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <unistd.h>

#include "board/alertsound.h"
#include "board/qtplatform.h"

using namespace skarpo;
using namespace std::chrono_literals;

namespace {

// A sound system that takes its time and counts what it is asked to do.
struct Sounds {
    std::atomic<int> opens = 0, plays = 0;
    std::atomic<bool> works = true;
    std::atomic<bool> offTheWindowThread = true;
    std::chrono::milliseconds delay{0};

    AlertSound::Opener opener() {
        return [this]() -> std::unique_ptr<AlertSound::Player> {
            ++opens;
            std::this_thread::sleep_for(delay);
            if (!works) return nullptr;
            return std::make_unique<Player>(*this);
        };
    }
    struct Player : AlertSound::Player {
        Sounds& s;
        explicit Player(Sounds& sounds) : s(sounds) {}
        bool play() override {
            if (QThread::currentThread() == qApp->thread()) s.offTheWindowThread = false;
            std::this_thread::sleep_for(s.delay);
            ++s.plays;
            return s.works;
        }
    };
};

// Fallback beeps, which must come on the window's thread.
struct Beeps {
    int count = 0;
    bool onTheWindowThread = true;
    std::function<void()> fallback() {
        return [this] {
            ++count;
            if (QThread::currentThread() != qApp->thread()) onTheWindowThread = false;
        };
    }
};

}  // namespace

TEST(AlertSound, RingsNeverWaitForASlowSoundSystem) {
    Sounds sounds;
    sounds.delay = 150ms;
    Beeps beeps;
    AlertSound alert(sounds.opener(), beeps.fallback());

    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 3; ++i) alert.ring();
    EXPECT_LT(clock.elapsed(), 50);

    EXPECT_TRUE(QTest::qWaitFor([&] { return sounds.plays == 3; }, 5000));
    EXPECT_EQ(sounds.opens, 1);  // opened once, at the first ring
    EXPECT_TRUE(sounds.offTheWindowThread);
    QTest::qWait(50);
    EXPECT_EQ(beeps.count, 0);
    EXPECT_FALSE(alert.failed());
}

TEST(AlertSound, NothingHappensBeforeTheFirstRing) {
    Sounds sounds;
    Beeps beeps;
    { AlertSound alert(sounds.opener(), beeps.fallback()); }
    EXPECT_EQ(sounds.opens, 0);
    EXPECT_EQ(beeps.count, 0);
}

TEST(AlertSound, WithoutASoundSystemEveryRingBeepsOnTheWindowThread) {
    Sounds sounds;
    sounds.works = false;
    sounds.delay = 100ms;
    Beeps beeps;
    AlertSound alert(sounds.opener(), beeps.fallback());

    // the rings made while the sound system is still being looked for
    alert.ring();
    alert.ring();
    EXPECT_TRUE(QTest::qWaitFor([&] { return beeps.count == 2; }, 5000));
    EXPECT_TRUE(alert.failed());

    // and then at once, without asking the sound system again
    alert.ring();
    EXPECT_EQ(beeps.count, 3);
    EXPECT_EQ(sounds.opens, 1);
    EXPECT_TRUE(beeps.onTheWindowThread);
}

TEST(AlertSound, ASoundSystemThatStopsPlayingHandsOverToTheBeep) {
    Sounds sounds;
    Beeps beeps;
    AlertSound alert(sounds.opener(), beeps.fallback());
    alert.ring();
    ASSERT_TRUE(QTest::qWaitFor([&] { return sounds.plays == 1; }, 5000));

    sounds.works = false;
    alert.ring();  // played, but failed: it beeps instead
    EXPECT_TRUE(QTest::qWaitFor([&] { return beeps.count == 1; }, 5000));
    alert.ring();
    EXPECT_EQ(beeps.count, 2);
    EXPECT_EQ(sounds.plays, 2);
}

// The game's own sound, on a machine whose sound system may be missing: the
// beep returns at once and nothing reaches the terminal.
TEST(AlertSound, TheDesktopSoundCostsNothingAndSaysNothing) {
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    std::FILE* capture = std::tmpfile();
    ASSERT_NE(capture, nullptr);
    dup2(fileno(capture), STDERR_FILENO);

    qint64 took = 0;
    {
        QtPlatform platform;
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 5; ++i) platform.beep();
        took = clock.elapsed();
        QTest::qWait(500);  // whatever the sound's thread does, it does now
    }

    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    std::rewind(capture);
    std::string said;
    for (int c; (c = std::fgetc(capture)) != EOF;) said += static_cast<char>(c);
    std::fclose(capture);

    EXPECT_LT(took, 50);
    EXPECT_EQ(said, "");
}
