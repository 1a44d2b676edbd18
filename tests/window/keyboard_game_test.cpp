// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game in the real window from the keyboard alone: Ctrl+N, then Enter or Space on the die and Tab,
// Shift+Tab, Enter or Space on the marks, until player 1 has captured and brought a counter into a final place;
// the board's invariants checked at every pause and between every two keys. The pauses are shortened and the
// dice seeded, so that it takes seconds and always plays the same game.
#include <gtest/gtest.h>

#include "tests/window/keys.h"

using namespace skarpo;
using namespace skarpo::test;

namespace {

// How much player 1 wants to make a marked move: a counter into a final place first, then a capture, then the
// counter farthest along (the quickest way home), then a new counter.
int appeal(const Board& b, Hit h) {
    const int m = b.moves;
    const auto opponent = [&](int s) { return s <= 60 && b.squares(s) > 1; };
    switch (h.family) {
        case Family::home: return h.index + 1 + m == 7 ? 3000 : 200 + h.index;
        case Family::SQUARE: return (opponent(h.index + m) ? 2000 : 0) + h.index;
        case Family::start: return opponent(1) ? 2000 : 100;
        case Family::dicethrow: break;
    }
    return 0;
}

}  // namespace

TEST_F(Keys, AWholeGameFromTheKeyboardAlone) {
    window.platform().pauseScale = 0.002;
    std::string atPause;
    long pauses = 0;
    window.platform().beforePause = [&, show = window.platform().beforePause] {
        ++pauses;
        if (atPause.empty()) atPause = pauseFaults(board);
        show();
    };
    key(Qt::Key_N, Qt::ControlModifier);
    auto seen = board.happenings.count();
    int keys = 0, presses = 0, captured = 0, home = 0;
    for (; presses < 400 && (captured == 0 || home == 0); ++presses) {
        SCOPED_TRACE(testing::Message() << "press " << presses << ", key " << keys);
        ASSERT_FALSE(board.paused());
        ASSERT_EQ(board.dicethrow(15).enabled ? board.checkInvariants() : boardFaults(board), "");
        ASSERT_EQ(atPause, "");
        const auto chain = canvas.focusChain();
        ASSERT_FALSE(chain.empty()) << "nothing waits for player 1";
        ASSERT_TRUE(focus() && canvas.canTakeClick(*focus()));
        Hit target = chain.front();
        if (target == die) {
            ASSERT_EQ(chain.size(), 1u);
            ASSERT_EQ(focus(), die);  // the die waits, and has the focus
        } else {
            for (Hit h : chain)
                if (appeal(board, h) > appeal(board, target)) target = h;
            // round to it by Tab, or back by Shift+Tab when that is shorter
            const auto at = [&](Hit h) { return std::find(chain.begin(), chain.end(), h) - chain.begin(); };
            const long ahead = (at(target) - at(*focus()) + long(chain.size())) % long(chain.size());
            const bool back = ahead > long(chain.size()) / 2;
            for (std::size_t n = 0; focus() != target && n < chain.size(); ++n, ++keys)
                key(Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
            ASSERT_EQ(focus(), target);
        }
        key(presses % 2 == 0 ? Qt::Key_Return : Qt::Key_Space);
        ++keys;
        for (const Happening& h : board.happenings.since(seen)) {
            captured += h.kind == Happening::Kind::Captured && h.player == 1;
            home += h.kind == Happening::Kind::Home && h.player == 1;
        }
        seen = board.happenings.count();
    }
    EXPECT_TRUE(captured > 0 && home > 0) << presses << " presses: " << captured << " captures, " << home << " home";
    EXPECT_EQ(atPause, "");
    EXPECT_EQ(boardFaults(board), "");
    EXPECT_GT(pauses, 1000);
    std::cout << "[ played   ] " << presses << " presses, " << keys << " keys, " << pauses << " pauses\n";

    key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(differences(board, Game().board), "");
    EXPECT_TRUE(focus() == die && status() == "New game. Click the die to start");
}
