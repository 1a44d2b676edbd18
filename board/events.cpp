// SPDX-License-Identifier: GPL-3.0-or-later
// Events from the window. Clicks and timer ticks reach the game only while
// no handler of the game is paused in an animation; menu commands always do.
// A new game chosen during a pause drops the paused handler: it unwinds at
// the end of its pause without touching the fresh game.
#include "state/board.h"

namespace skarpo {

template <class F>
bool Board::runHandler(F&& handler) {
    if (closed_ || pauseDepth_ > 0) return false;
    try {
        handler();
    } catch (const Abandoned&) {
        // the game the handler belonged to is gone; nothing more to do
    }
    return true;
}

const ViewFamily& Board::views(Family family) const {
    for (const FamilyOfViews& f : viewFamilies)
        if (f.clickable == family) return this->*f.views;
    return dicethrow;  // not reached: every Family is in the list
}

bool Board::takesClick(Family family, int index) const {
    if (closed_ || pauseDepth_ > 0) return false;
    const ViewFamily& all = views(family);
    if (!all.has(index)) return false;
    if (family == Family::SQUARE && index > 60) return false;  // the picture stores
    const View& v = all(index);
    return v.visible && v.enabled;
}

Phase Board::phase() const {
    if (closed_) return Phase::Closed;
    if (pauseDepth_ > 0) return Phase::Animating;
    if (takesClick(Family::dicethrow, 0)) return Phase::DieWaits;
    return clickable().empty() ? Phase::Animating : Phase::MarksWait;
}

int Board::toPlay() const {
    switch (phase()) {
        case Phase::DieWaits: return nextThrower();
        case Phase::MarksWait: return whosego;
        default: return 0;
    }
}

std::vector<Spot> Board::clickable() const {
    std::vector<Spot> spots;
    if (closed_ || pauseDepth_ > 0) return spots;
    auto add = [&](Family f, int i) {
        if (takesClick(f, i)) spots.push_back({f, i});
    };
    for (int i : dicethrow.indices()) add(Family::dicethrow, i);
    // the marks are the player's who threw; the journey starts at its entry square
    const int p = whosego > 0 ? whosego : 1;
    for (int i : start.indices()) add(Family::start, i);
    for (int k = 1; k <= 60; ++k) add(Family::SQUARE, squareOf(p, k));
    for (int i : home.indices()) add(Family::home, i);
    return spots;
}

bool Board::soleRed() const { return person(1) && !person(2) && !person(3) && !person(4); }

bool Board::ticksMatter() const {
    return !closed_ && (autoplay || (phase() == Phase::DieWaits && !person(nextThrower())));
}

bool Board::click(Family family, int index) {
    if (!takesClick(family, index)) return false;
    return runHandler([&] {
        switch (family) {
            case Family::SQUARE: SQUARE_Click(index); break;
            case Family::start: start_Click(index); break;
            case Family::home: home_Click(index); break;
            case Family::dicethrow: dicethrow_Click(index); break;
        }
    });
}

bool Board::tick() {
    return runHandler([&] { Timer1_Timer(); });
}

void Board::chooseNewGame() {
    if (closed_) return;
    if (pauseDepth_ > 0) abandon_ = true;
    newgame_Click();
}

void Board::chooseAuto() {
    if (!closed_) auto_Click();
}

void Board::chooseSound() {
    if (!closed_) soundop_Click();
}

void Board::close() {
    if (closed_) return;
    int Cancel = 0;
    Form_Unload(Cancel);
    closed_ = true;
    if (pauseDepth_ > 0) abandon_ = true;
}

}  // namespace skarpo
