// The bench's own parts: the reading of a process's start and processor
// time, and the virtual-clock game it times.
#include <gtest/gtest.h>
#include <unistd.h>

#include "bench/corespeed.h"
#include "bench/measure.h"

using namespace skarpo::bench;

TEST(ProcessStat, FieldsCountFromOneWhateverTheCommandName) {
    // fields: pid (comm) state ppid pgrp session tty tpgid flags minflt
    // cminflt majflt cmajflt utime stime cutime cstime priority nice
    // num_threads itrealvalue starttime vsize ...
    const char* plain = "4242 (skarpo_bench) R 1 2 3 0 -1 4194304 10 0 0 0 5 6 0 0 20 0 3 0 987654 123 456";
    EXPECT_EQ(statField(plain, 4), 1ull);
    EXPECT_EQ(statField(plain, 14), 5ull);
    EXPECT_EQ(statField(plain, 15), 6ull);
    EXPECT_EQ(statField(plain, 22), 987654ull);
    // a name with spaces and parentheses of its own
    const char* odd = "7 (a (b) c) d) S 1 2 3 0 -1 4194304 10 0 0 0 5 6 0 0 20 0 3 0 31337 123";
    EXPECT_EQ(statField(odd, 22), 31337ull);
    EXPECT_EQ(statField(odd, 14), 5ull);
    // no name, a line cut short, the state letter or the pid asked for
    EXPECT_FALSE(statField("4242 skarpo R 1 2 3", 4).has_value());
    EXPECT_FALSE(statField("4242 (skarpo) R 1 2 3 0 -1 4194304 10 0 0 0 5 6 0 0 20 0 3 0", 22).has_value());
    EXPECT_FALSE(statField(plain, 3).has_value());
    EXPECT_FALSE(statField(plain, 1).has_value());
}

TEST(ProcessStart, ThisProcessStartedMomentsAgo) {
    const auto age = processAge();
    ASSERT_TRUE(age.has_value());
    // one clock tick of rounding either way
    EXPECT_GE(*age, -0.011);
    EXPECT_LT(*age, 600);
}

TEST(ProcessStat, ProcessorTimeOfAProcessByItsNumber) {
    // this process, read through /proc like any other
    volatile double sink = 0;
    const double until = monotonicSeconds() + 0.05;
    while (monotonicSeconds() < until) sink = sink + 1;
    const auto own = processorSecondsOf(getpid());
    ASSERT_TRUE(own.has_value());
    EXPECT_GE(*own, 0.02);
    EXPECT_LE(*own, processorSeconds() + 0.011);
    EXPECT_FALSE(processorSecondsOf(-1).has_value());
}

TEST(CoreRun, TheSameSeedPlaysTheSameGame) {
    const CoreRun a = playCore(20000, 3);
    const CoreRun b = playCore(20000, 3);
    EXPECT_GE(a.throws, 20000);
    EXPECT_EQ(a.throws, b.throws);
    EXPECT_EQ(a.handlers, b.handlers);
    EXPECT_EQ(a.pauses, b.pauses);
    EXPECT_EQ(a.gameSeconds, b.gameSeconds);
    EXPECT_EQ(a.celebrations, b.celebrations);
    EXPECT_EQ(a.fingerprint, b.fingerprint);
    const CoreRun c = playCore(20000, 4);
    EXPECT_NE(a.fingerprint, c.fingerprint);
}

TEST(CoreRun, FiguresHangTogether) {
    const CoreRun r = playCore(20000, 11);
    // a roll alone pauses 0.3 s and 0.04 to 0.17 s at fourteen positions
    EXPECT_GE(r.gameSeconds, 1.77 * static_cast<double>(r.throws));
    EXPECT_GE(r.pauses, 15 * r.throws);
    // player 1's turn takes a tick to throw and at most one to move; the
    // three computer turns between run inside them
    EXPECT_GT(r.handlers, r.throws / 8);
    EXPECT_LT(r.handlers, r.throws);
    // over twenty thousand throws every player finishes a few times
    for (int p = 1; p <= 4; ++p) EXPECT_GE(r.celebrations[static_cast<std::size_t>(p)], 1) << "player " << p;
    EXPECT_GT(r.seconds, 0);
}
