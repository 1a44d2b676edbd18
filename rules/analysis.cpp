#include "state/board.h"

namespace skarpo {

// For now a computer player's turn is its throw alone; a six still earns
// another throw.
void Board::checkmoves() {
    if (moves == 6) {
        whosego = static_cast<std::int16_t>(whosego - 1);
        if (whosego == 0) whosego = 4;
    }
}

}  // namespace skarpo
