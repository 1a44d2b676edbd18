// SPDX-License-Identifier: GPL-3.0-or-later
// The numbering of the board. Ring squares run 1..60 in the direction of
// travel; player p enters on square 15(p-1)+1 and counts its progress from
// there, so progress 60 is the last ring square before its home column.
#pragma once

namespace skarpo {

constexpr int entrySquare(int player) { return 15 * (player - 1) + 1; }
constexpr int offsetOf(int player) { return 15 * (player - 1); }

// The ring square of progress k (1..60, or up to 66 as a look-ahead) for player p.
constexpr int squareOf(int player, int k) {
    const int s = k + offsetOf(player);
    return s <= 60 ? s : s - 60;
}

// The progress of ring square s for player p.
constexpr int progressOf(int player, int s) {
    const int e = offsetOf(player);
    return s > e ? s - e : s + 60 - e;
}

// Square classes, by the square number modulo 15.
constexpr bool isEntry(int s) { return s % 15 == 1; }
constexpr bool isHomeTurn(int s) { return s % 15 == 0; }
constexpr bool isDoubling(int s) { return s % 15 == 5 || s % 15 == 9; }
constexpr bool isCorner(int s) { return s % 15 == 12; }

// The player whose entry square s is, and the player whose home column square
// s leads into: square 60 into player 1's, 15, 30 and 45 into the others'.
constexpr int entryOwner(int s) { return s / 15 + 1; }
constexpr int homeTurnOwner(int s) { return s % 60 / 15 + 1; }

// A corner jumps to the opposite corner: 12 <-> 42, 27 <-> 57.
constexpr int oppositeCorner(int s) { return s <= 30 ? s + 30 : s - 30; }

// Counter states.
constexpr int inHomeColumn = 100;
constexpr int finished = 101;
constexpr int captured = -5;

}  // namespace skarpo
