// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/views/views.h"

namespace skarpo {

const char* pictureName(Picture p) {
    // clang-format off
    static constexpr const char* names[pictureCount] = {
        "none", "die-question", "die-1", "die-2", "die-3", "die-4", "die-5", "die-6",
        "counter-1", "counter-2", "counter-3", "counter-4",
        "counter-large-1", "counter-large-2", "counter-large-3", "counter-large-4",
        "home-turn-1", "home-turn-2", "home-turn-3", "home-turn-4", "entry-1", "entry-2", "entry-3", "entry-4",
        "doubling", "corner-1", "corner-2", "corner-3", "corner-4", "blank",
    };
    // clang-format on

    const int i = static_cast<int>(p);
    return i >= 0 && i < pictureCount ? names[i] : "?";
}

Picture ownPicture(int s) {
    auto nth = [](Picture first, int n) { return static_cast<Picture>(static_cast<int>(first) + n - 1); };
    if (isHomeTurn(s)) return nth(Picture::HomeTurn1, homeTurnOwner(s));
    if (isEntry(s)) return nth(Picture::Entry1, entryOwner(s));
    if (isDoubling(s)) return Picture::Doubling;
    if (isCorner(s)) return nth(Picture::Corner1, s / 15 + 1);
    return Picture::Blank;
}

ViewId viewOf(int player, Place place) {
    const auto at = [](Family f, int i) { return ViewId{f, static_cast<std::int8_t>(i)}; };
    switch (place.kind) {
        case Place::Kind::Ring: return at(Family::Ring, place.index);
        case Place::Kind::Start: return at(Family::Start, 4 * (player - 1) + place.index);
        case Place::Kind::Column: return at(Family::Home, 10 * (player - 1) + place.index - 1);
        case Place::Kind::Final: return at(Family::Home, 10 * (player - 1) + 5 + place.index);
        case Place::Kind::None: break;
    }
    return at(Family::Die, 0);
}

int playerOf(ViewId view, Place& place) {
    const int i = view.index;
    switch (view.family) {
        case Family::Ring: place = Place::ring(i); return 0;
        case Family::Start: place = Place::start(i % 4); return i / 4 + 1;
        case Family::Home: place = i % 10 < 6 ? Place::column(i % 10 + 1) : Place::final(i % 10 - 5); return i / 10 + 1;
        default: place = {}; return 0;
    }
}

namespace {

struct Point {
    int left, top;
};

// The ring runs clockwise on the screen from near the bottom-right corner.
Point ringAt(int n) {
    if (n <= 12) return {5520 - 480 * (n - 1), 7320};
    if (n <= 27) return {240, 7320 - 480 * (n - 12)};
    if (n <= 42) return {240 + 480 * (n - 27), 120};
    if (n <= 57) return {7440, 120 + 480 * (n - 42)};
    return {7440 - 480 * (n - 57), 7320};
}

// Each player's start places lead from its entry square into the board.
Point startAt(int p, int k) {
    constexpr Point first[] = {{5520, 6840}, {720, 5400}, {2160, 600}, {6960, 2040}};
    constexpr Point step[] = {{0, -480}, {480, 0}, {0, 480}, {-480, 0}};
    return {first[p - 1].left + k * step[p - 1].left, first[p - 1].top + k * step[p - 1].top};
}

// k = 0..5 the home column from the ring inwards, then the four final places.
Point homeAt(int p, int k) {
    static constexpr Point finals[4][4] = {
        {{5760, 3960}, {5760, 3480}, {6240, 3480}, {6240, 3960}},
        {{3600, 5640}, {4080, 5640}, {4080, 6120}, {3600, 6120}},
        {{1920, 3480}, {1920, 3960}, {1440, 3960}, {1440, 3480}},
        {{4080, 1800}, {3600, 1800}, {3600, 1320}, {4080, 1320}},
    };
    if (k >= 6) return finals[p - 1][k - 6];
    constexpr Point first[] = {{6000, 6840}, {720, 5880}, {1680, 600}, {6960, 1560}};
    constexpr Point step[] = {{0, -480}, {480, 0}, {0, 480}, {-480, 0}};
    return {first[p - 1].left + k * step[p - 1].left, first[p - 1].top + k * step[p - 1].top};
}

constexpr Point dieAt[16] = {
    {3840, 3720}, {2640, 3960}, {3000, 3480}, {3480, 3120}, {3960, 2760}, {4440, 3240}, {4800, 3720}, {4440, 4080},
    {3960, 4440}, {3480, 4680}, {3000, 4320}, {3360, 3840}, {3480, 3480}, {3720, 3240}, {3840, 3120}, {4080, 3240},
};

}  // namespace

Rect rectOf(ViewId v) {
    Place place;
    const int p = playerOf(v, place), k = place.index;
    Point at{};
    switch (place.kind) {
        case Place::Kind::Ring: at = ringAt(k); break;
        case Place::Kind::Start: at = startAt(p, k); break;
        case Place::Kind::Column: at = homeAt(p, k - 1); break;
        case Place::Kind::Final: at = homeAt(p, k + 5); break;
        case Place::Kind::None:
            if (v.family == Family::Frame)
                return {3120 - 60 * v.index, 3000 - 60 * v.index, 1935 + 120 * v.index, 1935 + 120 * v.index};
            at = dieAt[v.index];
    }
    return {at.left, at.top, 480, 480};
}

const char* tooltipOf(ViewId v) {
    Place place;
    playerOf(v, place);
    const bool clicked = (place.kind == Place::Kind::Ring && place.index != 57) || place == Place::start() ||
                         place.kind == Place::Kind::Column;
    if (clicked) return "Click me to move the counter";
    if (v.family != Family::Die) return nullptr;
    return v.index == 0 ? "Click me to roll the dice" : v.index == 15 ? "Click me to start the game" : nullptr;
}

bool Views::looksLike(const Views& other) const {
    for (ViewId v : all()) {
        const View &a = (*this)[v], &b = other[v];
        if (a.visible != b.visible || (a.visible && !(a == b))) return false;
    }
    return true;
}

const std::array<ViewId, 140>& Views::all() {
    static const std::array<ViewId, 140> order = [] {
        std::array<ViewId, 140> out{};
        std::size_t n = 0;
        for (int k = 7; k >= 0; --k) out[n++] = {Family::Frame, static_cast<std::int8_t>(k)};
        for (int f = 0; f < 4; ++f)
            for (int i = f == 0; i < sizes[f]; ++i) out[n++] = {static_cast<Family>(f), static_cast<std::int8_t>(i)};
        return out;
    }();
    return order;
}

}  // namespace skarpo
