// SPDX-License-Identifier: GPL-3.0-or-later
// The die and the order of turns. Player 1 throws by clicking the die; the
// computer players follow one after another, each next turn started from
// inside the previous one, until the die waits for player 1 again.
#include "state/board.h"

namespace skarpo {

struct PauseScope {
    explicit PauseScope(Board& b) : board(b) { ++board.pauseDepth_; }
    ~PauseScope() { --board.pauseDepth_; }
    Board& board;
};

void Board::wait(float sec) {
    if (sec <= 0) return;
    {
        PauseScope paused(*this);
        platform_.wait(sec);
    }
    if (abandon_) {
        // a new game (or the window closing) has taken the board away from
        // the handler that paused here: drop it
        abandon_ = false;
        throw Abandoned{};
    }
}

void Board::dicethrow_Click(int Index) {
    // the die refuses further clicks from the moment it is clicked, also
    // while the counters march out at the start of a game
    if (Index == 0) dicethrow(0).enabled = false;
    if (dicethrow(15).enabled) {
        dicethrow(15).enabled = false;
        happenings.publish({Happening::Kind::Opening});
        movestart(5);
    }
    if (Index != 0) return;

    dicethrow(0).enabled = false;
    throwdice();
    if (whosego == 1) {
        wait(0.2f);
        marksquares();
        return;
    }

    checkmoves();
    // the frames show who throws next: whosego + 1, player 1 after 4
    colourframes(colour::ofPlayer(whosego % 4 + 1));
    dicethrow(15).visible = false;
    dicethrow(0).visible = true;
    dicethrow(0).enabled = true;
    if (whosego != 4) dicethrow_Click(0);
}

void Board::throwdice() {
    dicethrow(0).visible = false;
    wait(0.3f);
    float d = 0.04f;
    for (int i = 1; i <= 14; ++i) {
        const int f = static_cast<int>(platform_.random() * 6) + 1;
        dicethrow(i).picture = dice(f).picture;
        if (i > 1) {
            dicethrow(i - 1).picture = Picture::None;
            dicethrow(i - 1).visible = false;
        }
        dicethrow(i).visible = true;
        wait(d);
        d = d + 0.01f;
    }
    moves = static_cast<int>(platform_.random() * 6 + 1);
    dicethrow(15).picture = dice(moves).picture;
    dicethrow(14).picture = Picture::None;
    dicethrow(14).visible = false;
    dicethrow(15).visible = true;
    whosego = static_cast<std::int16_t>(whosego + 1);
    if (whosego > 4) whosego = 1;
    happenings.publish({Happening::Kind::Threw, whosego, moves});
}

}  // namespace skarpo
