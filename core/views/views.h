// SPDX-License-Identifier: GPL-3.0-or-later
// The views: every place of the board as plain data, a square at a fixed position that shows a background colour and
// a picture, or nothing while hidden. The ring's squares, each player's start places and home places (six in the
// column, four final places), the die (where it rests, fourteen places it rolls across, where it lies), and eight
// frames in the centre whose colour tells whose turn it is. The animator changes them; the window paints them.
#pragma once

#include <array>
#include <cstdint>

#include "core/position/position.h"

namespace skarpo {

// clang-format off
enum class Picture : std::uint8_t {
    None, DieQuestion,                                           // nothing; a white die face with a black "?"
    Die1, Die2, Die3, Die4, Die5, Die6,                          // the faces
    Counter1, Counter2, Counter3, Counter4,                      // a player's counter: a square with a diamond
    CounterLarge1, CounterLarge2, CounterLarge3, CounterLarge4,  // with a larger diamond, as it runs back
    HomeTurn1, HomeTurn2, HomeTurn3, HomeTurn4,                  // an oval with an arrow into the home column
    Entry1, Entry2, Entry3, Entry4,                              // an oval with the arrow of travel
    Doubling,                                                    // the sign "x2"
    Corner1, Corner2, Corner3, Corner4,                          // arrows: up-right, down-right, down-left, up-left
    Blank,                                                       // an empty place: light grey, a dark green rim
};
// clang-format on
inline constexpr int pictureCount = static_cast<int>(Picture::Blank) + 1;
const char* pictureName(Picture p);  // the artwork's file name, without its extension

constexpr Picture dieFace(int f) { return static_cast<Picture>(static_cast<int>(Picture::Die1) + f - 1); }
constexpr Picture counterOf(int player) {
    return static_cast<Picture>(static_cast<int>(Picture::Counter1) + player - 1);
}
constexpr Picture largeCounterOf(int player) {
    return static_cast<Picture>(static_cast<int>(Picture::CounterLarge1) + player - 1);
}
// What a ring square shows while no counter stands on it.
Picture ownPicture(int square);

using Colour = std::uint32_t;  // 0xRRGGBB
namespace colour {
inline constexpr Colour yellow = 0xFFFF00;  // a mark, and a special square blinking
inline constexpr Colour lightGrey = 0xC0C0C0;
inline constexpr Colour window = 0x008000;  // the board's dark green
constexpr Colour ofPlayer(int player) {
    return std::array<Colour, 4>{0xFF0000, 0x00FFFF, 0xFF00FF, 0x00FF00}[player - 1];
}
constexpr Colour finalOf(int player) {
    return std::array<Colour, 4>{0xC00000, 0x0000FF, 0xC000C0, 0x00C000}[player - 1];
}
}  // namespace colour

enum class Family : std::uint8_t { Ring, Start, Home, Die, Frame };
// A view: ring squares 1..60; start places 0..15 and home places 0..39, four and ten a player; the die's places
// 0..15 (0 where it rests, 15 where it lies); frames 0..7 from the smallest.
struct ViewId {
    Family family{};
    std::int8_t index = 0;
    bool operator==(const ViewId&) const = default;
};
struct View {
    Picture picture = Picture::None;
    Colour back = colour::window;
    bool visible = true;
    bool operator==(const View&) const = default;
};

// A player's place and its view, and back: the one mapping between them. A view of no player's place gives 0.
ViewId viewOf(int player, Place place);
int playerOf(ViewId view, Place& place);

// Where a view lies, in twips (15 to a pixel), on the board of 8145 by 7965; whether it is drawn with a border; and
// the invitation its tooltip makes, in English, where it takes a click (null for none).
struct Rect {
    int left, top, width, height;
};
Rect rectOf(ViewId view);
const char* tooltipOf(ViewId view);

class Views {
public:
    static constexpr int sizes[] = {61, 16, 40, 16, 8};  // by family (the ring counted from 0)
    View& operator[](ViewId v) { return all_[slot(v)]; }
    const View& operator[](ViewId v) const { return all_[slot(v)]; }
    View& ring(int s) { return (*this)[{Family::Ring, static_cast<std::int8_t>(s)}]; }
    // A player's start places from the head of the queue (0..3), and its ten home places: the column from the ring
    // inwards (0..5), then the final places (6..9).
    View& start(int player, int k) { return (*this)[viewOf(player, Place::start(k))]; }
    View& home(int player, int k) {
        return (*this)[viewOf(player, k < 6 ? Place::column(k + 1) : Place::final(k - 5))];
    }
    View& die(int i) { return (*this)[{Family::Die, static_cast<std::int8_t>(i)}]; }
    View& frame(int k) { return (*this)[{Family::Frame, static_cast<std::int8_t>(k)}]; }
    bool operator==(const Views&) const = default;
    // Whether the two show the same: the same views hidden, the rest with the same pictures on the same colours.
    bool looksLike(const Views& other) const;

    // Every view, in the order they are painted (later ones on top): the frames, larger beneath smaller, then the
    // ring, the start places, the home places and the die.
    static const std::array<ViewId, 140>& all();

private:
    static std::size_t slot(ViewId v) {
        constexpr int first[] = {0, 61, 77, 117, 133, 141};
        const int f = static_cast<int>(v.family);
        if (f > 4 || v.index < (f == 0) || v.index >= first[f + 1] - first[f]) indexFault("views", v.index);
        return static_cast<std::size_t>(first[f] + v.index);
    }
    std::array<View, 141> all_{};
};

}  // namespace skarpo
