// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed layout of the board: every view at its twip position with its
// design-time colours, pictures, states and tooltips. Nothing here moves or
// resizes during play.
#include "state/board.h"

namespace skarpo {

namespace {

constexpr const char* moveTip = "Click me to move the counter";

struct Point {
    int left, top;
};

// The ring runs clockwise on the screen from near the bottom-right corner.
Point ringPosition(int n) {
    if (n <= 12) return {5520 - 480 * (n - 1), 7320};
    if (n <= 27) return {240, 7320 - 480 * (n - 12)};
    if (n <= 42) return {240 + 480 * (n - 27), 120};
    if (n <= 57) return {7440, 120 + 480 * (n - 42)};
    return {7440 - 480 * (n - 57), 7320};
}

Colour designRingColour(int n) {
    if (isEntry(n)) return colour::ofPlayer(entryOwner(n));
    if (isCorner(n)) return colour::yellow;
    if (isDoubling(n)) return colour::darkGrey;
    return colour::lightGrey;
}

Point startPosition(int p, int k) {
    switch (p) {
        case 1: return {5520, 6840 - 480 * k};
        case 2: return {720 + 480 * k, 5400};
        case 3: return {2160, 600 + 480 * k};
        default: return {6960 - 480 * k, 2040};
    }
}

// k = 0..5 the home column from the ring inwards, 6..9 the final places.
Point homePosition(int p, int k) {
    static constexpr Point finals[4][4] = {
        {{5760, 3960}, {5760, 3480}, {6240, 3480}, {6240, 3960}},
        {{3600, 5640}, {4080, 5640}, {4080, 6120}, {3600, 6120}},
        {{1920, 3480}, {1920, 3960}, {1440, 3960}, {1440, 3480}},
        {{4080, 1800}, {3600, 1800}, {3600, 1320}, {4080, 1320}},
    };
    if (k >= 6) return finals[p - 1][k - 6];
    switch (p) {
        case 1: return {6000, 6840 - 480 * k};
        case 2: return {720 + 480 * k, 5880};
        case 3: return {1680, 600 + 480 * k};
        default: return {6960 - 480 * k, 1560};
    }
}

constexpr Point dicePath[16] = {
    {3840, 3720}, {2640, 3960}, {3000, 3480}, {3480, 3120}, {3960, 2760}, {4440, 3240}, {4800, 3720}, {4440, 4080},
    {3960, 4440}, {3480, 4680}, {3000, 4320}, {3360, 3840}, {3480, 3480}, {3720, 3240}, {3840, 3120}, {4080, 3240},
};

void place(View& v, Point at, int size = 480) {
    v.left = at.left;
    v.top = at.top;
    v.width = v.height = size;
}

// A hidden picture store; where it stands does not matter.
void store(View& v, Picture picture, Picture spare = Picture::None, int size = 480) {
    place(v, {3600, 3600}, size);
    v.visible = false;
    v.enabled = false;
    v.picture = picture;
    v.spare = spare;
}

}  // namespace

void Board::layout() {
    SQUARE.drop(61, 98);
    for (int n = 1; n <= 60; ++n) {
        View& v = SQUARE(n);
        place(v, ringPosition(n));
        v.back = designRingColour(n);
        if (n != 57) v.tooltip = moveTip;
    }
    store(SQUARE(99), Picture::Raised);
    store(SQUARE(100), Picture::Blank);
    SQUARE(99).back = SQUARE(100).back = colour::lightGrey;

    for (int p = 1; p <= 4; ++p) {
        for (int k = 0; k < 4; ++k) {
            View& v = start(4 * (p - 1) + k);
            place(v, startPosition(p, k));
            v.back = colour::ofPlayer(p);
            v.enabled = false;
        }
        for (int k = 0; k < 10; ++k) {
            View& v = home(10 * (p - 1) + k);
            place(v, homePosition(p, k));
            v.back = k < 6 ? colour::ofPlayer(p) : colour::finalOf(p);
            v.enabled = false;
            if (k < 6) v.tooltip = moveTip;
        }
        store(boardcount(p - 1), counterOf(p), static_cast<Picture>(static_cast<int>(Picture::CounterLarge1) + p - 1));
        boardcount(p - 1).back = colour::lightGrey;
        store(homecount(p - 1), static_cast<Picture>(static_cast<int>(Picture::HomeTurn1) + p - 1),
              static_cast<Picture>(static_cast<int>(Picture::Entry1) + p - 1), 495);
        homecount(p - 1).enabled = true;
        store(corner(p), static_cast<Picture>(static_cast<int>(Picture::Corner1) + p - 1), Picture::None, 495);
        corner(p).enabled = true;
    }
    for (int p = 1; p <= 4; ++p) start(4 * (p - 1)).tooltip = moveTip;

    store(two(1), Picture::Two, Picture::None, 495);
    two(1).enabled = true;
    for (int f = 1; f <= 6; ++f) store(dice(f), dieFace(f));

    for (int i = 0; i <= 15; ++i) {
        View& v = dicethrow(i);
        place(v, dicePath[i]);
        v.back = colour::window;
        v.visible = i == 0;
    }
    dicethrow(0).picture = Picture::DieQuestion;
    dicethrow(0).tooltip = "Click me to roll the dice";
    dicethrow(15).tooltip = "Click me to start the game";

    for (int k = 0; k <= 7; ++k) {
        View& v = Label1(k);
        v.left = 3120 - 60 * k;
        v.top = 3000 - 60 * k;
        v.width = v.height = 1935 + 120 * k;
        v.back = colour::window;
        v.framed = true;
        v.enabled = false;
    }
}

const char* pictureName(Picture p) {
    static constexpr const char* names[pictureCount] = {
        "none",
        "die-question",
        "die-1",
        "die-2",
        "die-3",
        "die-4",
        "die-5",
        "die-6",
        "counter-1",
        "counter-2",
        "counter-3",
        "counter-4",
        "counter-large-1",
        "counter-large-2",
        "counter-large-3",
        "counter-large-4",
        "home-turn-1",
        "home-turn-2",
        "home-turn-3",
        "home-turn-4",
        "entry-1",
        "entry-2",
        "entry-3",
        "entry-4",
        "two",
        "corner-1",
        "corner-2",
        "corner-3",
        "corner-4",
        "raised",
        "blank",
    };
    const int i = static_cast<int>(p);
    return i >= 0 && i < pictureCount ? names[i] : "?";
}

}  // namespace skarpo
