// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/match.h"

#include <stdexcept>

namespace skarpo::tournament {

GameResult playGame(std::uint64_t seed, const std::array<Strength, 5>& strengths, long celebrations, long maxTurns,
                    const std::function<void(const Board&, int player, int thrown)>& onMove) {
    VirtualPlatform platform(seed);
    Board board(platform);
    board.Form_Load();
    board.strengthFor = [&strengths](int player) { return strengths[static_cast<std::size_t>(player)]; };
    GameResult result;
    std::uint64_t seen = board.happenings.count();
    // read at every pause, so that no happening is missed
    platform.onPause = [&] {
        for (const Happening& h : board.happenings.since(seen)) {
            if (h.kind == Happening::Kind::AllHome) ++result.celebrations[static_cast<std::size_t>(h.player)];
            if (h.kind == Happening::Kind::Threw) ++result.throws;
        }
        seen = board.happenings.count();
    };
    if (onMove) board.moveStarts = [&](int player, Place, int thrown) { onMove(board, player, thrown); };
    auto total = [&] {
        long n = 0;
        for (int p = 1; p <= 4; ++p) n += result.celebrations[static_cast<std::size_t>(p)];
        return n;
    };
    const Strength red = strengths[1];
    board.autoplay = red == Strength::Normal;  // red's Normal: the game's automatic play
    long idle = 0, lastThrows = 0;
    while (total() < celebrations && result.throws < maxTurns) {
        idle = result.throws == lastThrows ? idle + 1 : 0;
        lastThrows = result.throws;
        if (idle > 100) throw std::logic_error("the game no longer moves");
        if (red == Strength::Normal) {
            board.tick();
            continue;
        }
        if (board.takesClick(Family::dicethrow, 0)) {
            board.click(Family::dicethrow, 0);
            continue;
        }
        // red's counters are marked: one of them, as red's strength picks it
        const Position now = Position::of(board);
        const LegalMoves legal = legalMoves(now, 1, board.moves);
        Place pick;
        if (red == Strength::Easy && legal.count > 0)
            pick = legal.at[static_cast<std::size_t>(platform.random() * legal.count)];
        if (red == Strength::Strong) pick = strongMove(now, 1, board.moves);
        bool clicked = false;
        if (pick.kind == Place::Kind::Ring) clicked = board.click(Family::SQUARE, pick.index);
        if (pick.kind == Place::Kind::Start) clicked = board.click(Family::start, 0);
        if (pick.kind == Place::Kind::Column) clicked = board.click(Family::home, pick.index - 1);
        if (!clicked) throw std::logic_error("red's legal move is not marked on the board");
    }
    platform.onPause();
    result.seconds = platform.seconds;
    return result;
}

}  // namespace skarpo::tournament
