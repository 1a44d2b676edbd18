// SPDX-License-Identifier: GPL-3.0-or-later
// Small tools of the bench: clocks of the process, the age of the process,
// its peak memory, statistics of a series and the printed figure lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skarpo::bench {

// Processor time used so far by the whole process, all threads, in seconds.
double processorSeconds();
// Seconds on the monotonic clock.
double monotonicSeconds();

// Field `n` (counted from 1, as in proc(5)) of a line of /proc/<pid>/stat,
// for the numeric fields from 4 on: 14 and 15 are the processor time in
// clock ticks, 22 the start time in clock ticks since boot. The command name
// in parentheses may itself hold spaces and parentheses. Nothing when the
// line is not understood.
std::optional<unsigned long long> statField(std::string_view statLine, int n);

// Seconds since this process was started by the kernel (from
// /proc/self/stat against the boot clock); resolution one clock tick,
// normally 10 ms. Nothing when /proc cannot be read.
std::optional<double> processAge();

// Processor time used so far by another process, in seconds, at clock-tick
// resolution; nothing when it cannot be read.
std::optional<double> processorSecondsOf(long pid);

// The process of the X server behind $DISPLAY when it runs on this machine
// (its lock file names it), or 0.
long xServerPid();

// The peak resident memory of this process so far, in MiB.
double peakResidentMiB();
// ... of another process (VmHWM in /proc/<pid>/status); nothing when it
// cannot be read.
std::optional<double> peakResidentMiBOf(long pid);

// The one-minute load average, or a negative number if it cannot be read.
double loadAverage();

struct Spread {
    double median = 0;
    double max = 0;
    std::size_t count = 0;
};
// Median (the mean of the middle two for an even count) and maximum.
Spread spreadOf(std::vector<double> values);

// One figure: printed as a line with its unit and, if it has one, its target
// and whether it met it.
struct Figure {
    std::string name;
    double value = 0;
    std::string unit;
    int decimals = 1;
    std::optional<double> atMost;   // the target: no more than this
    std::optional<double> atLeast;  // ... or no less than this
    bool met() const { return (!atMost || value <= *atMost) && (!atLeast || value >= *atLeast); }
};

// "<name>  <value> <unit>   target <= <t> <unit>  ok|MISSED", columns aligned.
std::string line(const Figure& f);

}  // namespace skarpo::bench
