#include "state/board.h"

namespace skarpo {

void Board::movehome(int player, int& pos, int move, std::optional<int> homepick) {
    (void)player; (void)pos; (void)move; (void)homepick;
}
void Board::home_Click(int Index) { (void)Index; }

}  // namespace skarpo
