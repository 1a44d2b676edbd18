// SPDX-License-Identifier: GPL-3.0-or-later
// The die and the order of turns. A colour a person plays throws by a click
// on the die; the computer players follow one after another until the die
// waits for a person again (with no person at the table, for ever). At the
// faster speeds a computer player's pauses are shorter.
#include "state/board.h"

namespace skarpo {

struct PauseScope {
    explicit PauseScope(Board& b) : board(b) { ++board.pauseDepth_; }
    ~PauseScope() { --board.pauseDepth_; }
    Board& board;
};

void Board::wait(float sec) {
    if (computerTurn_ && !glancing_) {
        // a quarter as long; at the fastest speed only the glances pause
        if (options.speed == Speed::Fast)
            sec /= 4;
        else if (options.speed == Speed::Fastest)
            sec = 0;
    }
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

void Board::glance(float sec) {
    if (!computerTurn_ || options.speed != Speed::Fastest) return;
    glancing_ = true;  // a pause of its own length
    wait(sec);
    glancing_ = false;
}

void Board::dicethrow_Click(int Index) {
    // the die refuses further clicks from the moment it is clicked, also
    // while the counters march out at the start of a game
    if (Index == 0) dicethrow(0).enabled = false;
    if (dicethrow(15).enabled) {
        dicethrow(15).enabled = false;
        computerTurn_ = false;  // the opening march is nobody's turn
        happenings.publish({Happening::Kind::Opening});
        movestart(5);
    }
    if (Index != 0) return;

    // One throw after another, until the die waits for a person: a loop, as
    // a game without a person never returns.
    for (;;) {
        computerTurn_ = !person(nextThrower());
        glancing_ = false;
        dicethrow(0).enabled = false;
        throwdice();
        if (person(whosego)) {
            wait(0.2f);
            marksquares();
            return;
        }

        // the throw, then the move (at the fastest speed these are all one sees)
        glance(0.1f);
        checkmoves();
        glance(0.1f);
        // the frames show who throws next: whosego + 1, player 1 after 4
        colourframes(colour::ofPlayer(nextThrower()));
        dicethrow(15).visible = false;
        dicethrow(0).visible = true;
        dicethrow(0).enabled = true;
        if (person(nextThrower())) {
            computerTurn_ = false;
            return;
        }
    }
}

void Board::passTurn(int player) {
    colourframes(colour::ofPlayer(player % 4 + 1));
    if (!person(player % 4 + 1)) {
        dicethrow_Click(0);
        return;
    }
    // the next colour is a person's too: its die waits
    dicethrow(15).visible = false;
    dicethrow(0).visible = true;
    dicethrow(0).enabled = true;
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
