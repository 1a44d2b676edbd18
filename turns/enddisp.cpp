#include "state/board.h"

namespace skarpo {

void Board::enddisp(int player) { (void)player; }

}  // namespace skarpo
