#include "state/board.h"

namespace skarpo {

void Board::takeit(int player, int pos) { (void)player; (void)pos; }
void Board::sendback(int player, int pos) { (void)player; (void)pos; }
void Board::insertstart(int player) { (void)player; }

}  // namespace skarpo
