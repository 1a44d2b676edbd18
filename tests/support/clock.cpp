// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/clock.h"

#include <algorithm>
#include <array>
#include <utility>

namespace skarpo::test {

bool Clock::wake(float sec) {
    due = -1;
    if (sec < 0) return false;
    if (sec > 0) {
        pauses.push_back(sec);
        if (onPause) onPause(sec);
    }
    due = now + static_cast<double>(sec);
    return false;
}

double Clock::random() {
    ++draws;
    return next_ < scripted_.size() ? scripted_[next_++] : generator_.unit();
}

void Clock::scriptThrows(std::initializer_list<int> throws) {
    for (int t : throws)  // the faces 1..6, 1..6, 1, 2, then the throw
        for (int i = 0; i < 15; ++i) scripted_.push_back((i < 14 ? i % 6 + 0.5 : t - 0.5) / 6.0);
}

bool Clock::step(Table& table) {
    if (!actions_.empty() && (due < 0 || actions_.begin()->first <= due)) {
        auto action = actions_.extract(actions_.begin());
        now = std::max(now, action.key());
        action.mapped()();
        return true;
    }
    if (due < 0) return false;
    now = std::exchange(due, -1);
    table.advance();
    return true;
}

void Clock::runUntilRest(Table& table) {
    while (table.phase() == Phase::Animating && step(table)) {}
}

Views seen(const Views& views) {
    Views out = views;
    for (ViewId v : Views::all())
        if (!out[v].visible) out[v] = {Picture::None, colour::window, false};
    return out;
}

Position positionOf(const std::vector<Lay>& lays, PersonBits persons) {
    Position at = Position::fresh();
    for (const Lay& l : lays) {
        const int p = l.player;
        auto put = [&](int j, int v) { at.players(p, j) = static_cast<std::int16_t>(v); };
        int j = 0;
        for (int k : l.ring) {
            put(++j, k);
            if (k < 1) continue;
            const int s = squareOf(p, k);
            at.squares(s) = static_cast<std::int16_t>(p);
            if (s <= 9) at.squares(s + 60) = static_cast<std::int16_t>(p);
        }
        for (int k : l.column) put(++j, inHomeColumn), at.homerow(p, k) = 1;
        for (int n = 0; n < l.done; ++n) put(++j, isPerson(persons, p) ? inHomeColumn : finished);
        while (j < 4) put(++j, 0);
        at.homerow(p, 7) = l.done;
        put(5, static_cast<int>(l.column.size()) + l.done);
    }
    return at;
}

Position randomPosition(Seeded& random) {
    std::vector<Lay> lays;
    std::array<bool, 61> taken{};
    for (int p = 1; p <= 4; ++p) {
        Lay& l = lays.emplace_back(Lay{p, {}});
        for (int j = 0; j < 4; ++j) {
            const int what = random.between(0, 9), k = random.between(1, 60), c = random.between(1, 6);
            if (what < 5 && !taken[static_cast<std::size_t>(squareOf(p, k))])
                l.ring.push_back(k), taken[static_cast<std::size_t>(squareOf(p, k))] = true;
            else if (what < 7 && std::ranges::count(l.column, c) == 0)
                l.column.push_back(c);
            else if (what < 8 && l.done < 3)
                ++l.done;
        }
    }
    return positionOf(lays, 0);
}

Game dieWaits(const Position& at, int player, const Options& options) {
    Game g;
    g.position = at;
    g.options = options;
    g.opened = true;
    g.next = player;
    g.scene.frames = static_cast<std::int8_t>(player);
    return g;
}

}  // namespace skarpo::test
