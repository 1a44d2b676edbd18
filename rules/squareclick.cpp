#include "state/board.h"

namespace skarpo {

void Board::SQUARE_Click(int Index) { (void)Index; }

}  // namespace skarpo
