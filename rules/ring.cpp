#include "state/board.h"

namespace skarpo {

void Board::movecount(int player, int pos, int& move, std::optional<int> special) {
    (void)player; (void)pos; (void)move; (void)special;
}

void Board::flash(int pos) { (void)pos; }

}  // namespace skarpo
