// SPDX-License-Identifier: GPL-3.0-or-later
// Traces: what a person saw and heard of a scripted game on the virtual clock, kept as one hash a game. A script is a
// timeline of events (the timer's ticks, a person's clicks, stray clicks, the menus, closing) fixed in advance by a
// seed, whatever the game does; the trace is every pause with its length, what every visible view of the board showed
// as it began, the beeps and the news the board told, and every event with whether it was taken. The hashes in
// golden.txt were taken from the game as it was before its rules were rewritten as one rule book; the game must
// still give every one of them.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tools/seeded.h"

namespace skarpo::traces {

struct Scripted {
    enum Kind : std::uint8_t { Tick, Click, Stray, NewGame, Auto, Sound, Close, Speed, Strength, Seats };
    double at = 0;
    Kind kind = Tick;
    double pick = 0;  // which clickable view a click takes, which view a stray click hits
    int value = 0;    // the speed or strength chosen (0..2); the seats (a bit a colour played by a person)
};

struct Script {
    int seats = 1;  // a bit a colour: bit p - 1 for player p played by a person
    int speed = 0, strength = 0;
    double horizon = 120;
    std::vector<Scripted> events;  // in order of time
    bool defaults() const { return seats == 1 && speed == 0 && strength == 0; }
};

// Seven games in ten at the defaults; the others with other seats, speeds and strengths, changed on the way too.
inline Script scriptFor(unsigned seed) {
    Seeded r(0x5EED0000u + seed);
    Script s;
    const bool plain = seed % 10 < 7;
    // one game in eight goes on long enough for players to bring all four counters home, seldom begun anew
    const bool longer = seed % 8 == 3;
    if (longer) s.horizon = 2400;
    const double calm = longer ? 200 : 1;
    if (!plain) {
        const int seatings[] = {0, 1, 9, 2, 15, 7, 12, 5};
        s.seats = seatings[r.between(0, 7)];
        s.speed = r.between(0, 2), s.strength = r.between(0, 2);
    }
    auto add = [&](double at, Scripted::Kind k, int value = 0) { s.events.push_back({at, k, r.unit(), value}); };
    if (r.chance(0.5)) add(0, Scripted::Auto);
    if (r.chance(0.5)) add(0, Scripted::Sound);
    // a gap of about `mean` seconds, in milliseconds so that no two events fall at the very same moment by chance
    auto gap = [&](double mean) { return 0.001 * (1 + static_cast<int>(-mean * 1000 * std::log1p(-r.unit()))); };
    const double closeAt = !longer && r.chance(0.06) ? r.unit() * s.horizon : s.horizon + 1;
    for (double t = gap(0.8); t < s.horizon; t += gap(0.8)) add(t, Scripted::Click);
    for (double t = gap(7); t < s.horizon; t += gap(7)) add(t, Scripted::Stray);
    for (double t = gap(60 * calm); t < s.horizon; t += gap(60 * calm)) add(t, Scripted::NewGame);
    for (double t = gap(25); t < s.horizon; t += gap(25)) add(t, Scripted::Auto);
    for (double t = gap(20); t < s.horizon; t += gap(20)) add(t, Scripted::Sound);
    for (int t = 1; t < s.horizon; ++t) add(t, Scripted::Tick);
    if (!plain) {
        for (double t = gap(40); t < s.horizon; t += gap(40)) add(t, Scripted::Speed, r.between(0, 2));
        for (double t = gap(40); t < s.horizon; t += gap(40)) add(t, Scripted::Strength, r.between(0, 2));
        for (double t = gap(50 * calm); t < s.horizon; t += gap(50 * calm)) add(t, Scripted::Seats, r.between(0, 15));
    }
    if (closeAt < s.horizon) add(closeAt, Scripted::Close);
    std::stable_sort(s.events.begin(), s.events.end(),
                     [](const Scripted& a, const Scripted& b) { return a.at < b.at; });
    return s;
}

// FNV-1a over the records of a trace; with a log, every record written out too.
class Trace {
public:
    explicit Trace(std::FILE* log = nullptr) : log_(log) {}

    void add(std::uint64_t v) {
        for (int k = 0; k < 8; ++k) h_ = (h_ ^ ((v >> (8 * k)) & 0xFF)) * 0x100000001B3ull;
    }
    void add(const std::string& s) {
        for (char c : s) h_ = (h_ ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
        add(0);
    }
    // One visible view: its family and index, its picture's name, its background, whether it takes a click.
    void view(const char* family, int index, const char* picture, std::uint32_t back, bool enabled) {
        add(std::string(family));
        add(static_cast<std::uint64_t>(index) << 40 | std::uint64_t(back) << 8 | enabled);
        add(std::string(picture));
        if (log_) std::fprintf(log_, " %s%d:%s/%06x%s", family, index, picture, back, enabled ? "+" : "");
    }
    // News the board told: the name of its kind, the player and the value.
    void told(const char* kind, int player, int value) {
        add(std::string(kind));
        add(static_cast<std::uint64_t>(player) << 32 | static_cast<std::uint32_t>(value));
        if (log_) std::fprintf(log_, " [%s %d %d]", kind, player, value);
    }
    void pause(float sec, int beeps) {
        ++records_;
        std::uint32_t bits = 0;
        std::memcpy(&bits, &sec, sizeof bits);
        add(0x50000000ull << 32 | bits);
        add(static_cast<std::uint64_t>(beeps));
        if (log_) std::fprintf(log_, "\npause %.3f beeps %d:", static_cast<double>(sec), beeps);
    }
    void event(double at, int kind, const char* what, bool taken, int beeps) {
        ++records_;
        add(0x45000000ull << 32 | static_cast<std::uint64_t>(kind) << 8 | taken);
        add(std::string(what));
        add(static_cast<std::uint64_t>(beeps));
        if (log_)
            std::fprintf(log_, "\nevent %.3f %d %s %s beeps %d:", at, kind, what, taken ? "taken" : "refused", beeps);
    }
    std::uint64_t hash() const { return h_; }
    long records() const { return records_; }

private:
    std::FILE* log_;
    std::uint64_t h_ = 0xCBF29CE484222325ull;
    long records_ = 0;
};

}  // namespace skarpo::traces
