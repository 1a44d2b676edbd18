// SPDX-License-Identifier: GPL-3.0-or-later
// Where a move ended, for the window to put into words: the places a player's
// counters hold before and after the move, compared. Reads the tables only.
#include "state/board.h"

namespace skarpo {

std::bitset<66> Board::standing(int player) const {
    std::bitset<66> held;
    for (int s = 1; s <= 60; ++s) held[static_cast<std::size_t>(s - 1)] = squares(s) == player;
    for (int k = 1; k <= 6; ++k) held[static_cast<std::size_t>(59 + k)] = homerow(player, k) == 1;
    return held;
}

void Board::publishMove(int player, const std::bitset<66>& before) {
    const std::bitset<66> after = standing(player);
    const std::bitset<66> gained = after & ~before;
    // one new place; none when the counter finished (a final place is its
    // own happening) or stayed, and never more than one for a single move
    if (gained.count() != 1) return;
    int bit = 0;
    while (!gained[static_cast<std::size_t>(bit)]) ++bit;
    if (bit >= 60) {
        happenings.publish({Happening::Kind::Moved, player, Happening::columnBase + bit - 59});
        return;
    }
    const bool entered = after.count() > before.count();
    happenings.publish({entered ? Happening::Kind::Entered : Happening::Kind::Moved, player, bit + 1});
}

}  // namespace skarpo
