// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/measure.h"

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace skarpo::bench {

namespace {

double secondsOn(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

std::string readAll(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

double ticksPerSecond() {
    const long perSecond = sysconf(_SC_CLK_TCK);
    return perSecond > 0 ? static_cast<double>(perSecond) : 100.0;
}

}  // namespace

double processorSeconds() { return secondsOn(CLOCK_PROCESS_CPUTIME_ID); }

double monotonicSeconds() { return secondsOn(CLOCK_MONOTONIC); }

std::optional<unsigned long long> statField(std::string_view statLine, int n) {
    // "pid (comm) state ppid ..." where comm is anything up to the last ')'
    const auto close = statLine.rfind(')');
    if (close == std::string_view::npos || n < 4) return std::nullopt;
    std::istringstream rest{std::string(statLine.substr(close + 1))};
    std::string field;
    for (int k = 3; k < n; ++k)
        if (!(rest >> field)) return std::nullopt;
    unsigned long long value = 0;
    if (!(rest >> value)) return std::nullopt;
    return value;
}

std::optional<double> processAge() {
    const std::string stat = readAll("/proc/self/stat");
    // read the boot clock right after the file, so that the two agree
    const double sinceBoot = secondsOn(CLOCK_BOOTTIME);
    const auto ticks = statField(stat, 22);
    if (!ticks) return std::nullopt;
    return sinceBoot - static_cast<double>(*ticks) / ticksPerSecond();
}

std::optional<double> processorSecondsOf(long pid) {
    const std::string stat = readAll("/proc/" + std::to_string(pid) + "/stat");
    const auto user = statField(stat, 14), system = statField(stat, 15);
    if (!user || !system) return std::nullopt;
    return static_cast<double>(*user + *system) / ticksPerSecond();
}

long xServerPid() {
    // ":N" or ":N.S" on this machine; the server keeps its pid in /tmp/.XN-lock
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || display[0] != ':') return 0;
    const int number = std::atoi(display + 1);
    std::istringstream lock{readAll("/tmp/.X" + std::to_string(number) + "-lock")};
    long pid = 0;
    return lock >> pid && pid > 0 ? pid : 0;
}

double peakResidentMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // reported in KiB
}

std::optional<double> peakResidentMiBOf(long pid) {
    std::istringstream status{readAll("/proc/" + std::to_string(pid) + "/status")};
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) {
            std::istringstream kib{line.substr(6)};
            double value = 0;
            if (kib >> value) return value / 1024.0;
        }
    return std::nullopt;
}

double loadAverage() {
    std::ifstream in("/proc/loadavg");
    double load = -1;
    if (!(in >> load)) return -1;
    return load;
}

Spread spreadOf(std::vector<double> values) {
    Spread s;
    s.count = values.size();
    if (values.empty()) return s;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    s.median = values.size() % 2 == 1 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
    s.max = values.back();
    return s;
}

std::string line(const Figure& f) {
    char value[64];
    std::snprintf(value, sizeof value, "%.*f %s", f.decimals, f.value, f.unit.c_str());
    char out[256];
    if (f.atMost || f.atLeast) {
        char target[64];
        std::snprintf(target, sizeof target, "%s %g %s", f.atMost ? "<=" : ">=", f.atMost ? *f.atMost : *f.atLeast,
                      f.unit.c_str());
        std::snprintf(out, sizeof out, "%-44s %16s   target %-22s %s", f.name.c_str(), value, target,
                      f.met() ? "ok" : "MISSED");
    } else {
        std::snprintf(out, sizeof out, "%-44s %16s", f.name.c_str(), value);
    }
    return out;
}

}  // namespace skarpo::bench
