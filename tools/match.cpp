// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/match.h"

#include <stdexcept>

namespace skarpo::tournament {

namespace {

// A colour's player in a match: the computer at its strength, or red as a person whose click the strength chooses.
class Seated : public Player {
public:
    Seated(Strength strength, bool person, const OnTurn& onTurn)
        : strength_(strength), person_(person), onTurn_(onTurn) {}
    bool clicks() const override { return person_; }
    Turn turn(const Position& now, int player, int thrown, Random& random) const override {
        if (onTurn_) onTurn_(now, player, thrown);
        if (!person_) return computerPlayer(strength_).turn(now, player, thrown, random);
        if (strength_ == Strength::Normal) return personPlayer().turn(now, player, thrown, random);
        const LegalMoves legal = legalMoves(now, player, thrown);  // the marks: never none
        Turn t;
        t.add({TurnStep::Kind::Move, strength_ == Strength::Strong
                                         ? strongMove(now, player, thrown)
                                         : legal.at[static_cast<std::size_t>(random.random() * legal.count)]});
        return t;
    }

private:
    Strength strength_;
    bool person_;
    const OnTurn& onTurn_;
};

}  // namespace

GameResult playGame(std::uint64_t seed, const std::array<Strength, 5>& strengths, long celebrations, long maxTurns,
                    const OnTurn& onTurn) {
    VirtualPlatform platform(seed);
    Table table(platform);  // red a person, the others the computer
    std::array<Seated, 5> seated{Seated(strengths[0], false, onTurn), Seated(strengths[1], true, onTurn),
                                 Seated(strengths[2], false, onTurn), Seated(strengths[3], false, onTurn),
                                 Seated(strengths[4], false, onTurn)};
    table.seatPlayers({nullptr, &seated[1], &seated[2], &seated[3], &seated[4]});
    table.toggleAuto();
    GameResult result;
    long total = 0;
    std::uint64_t seen = table.happenings().count();
    // read at every pause, so that no happening is missed
    platform.onPause = [&] {
        if (table.happenings().count() == seen) return;
        for (const Happening& h : table.happenings().since(seen)) {
            if (h.kind == Happening::Kind::AllHome) ++result.celebrations[static_cast<std::size_t>(h.player)], ++total;
            if (h.kind == Happening::Kind::Threw) ++result.throws;
        }
        seen = table.happenings().count();
    };
    for (long idle = 0, last = 0; total < celebrations && result.throws < maxTurns;) {
        idle = result.throws == std::exchange(last, result.throws) ? idle + 1 : 0;
        if (idle > 100 || !platform.tick(table)) throw std::logic_error("the game no longer moves");
        platform.rest(table);
    }
    platform.onPause();
    result.seconds = platform.seconds;
    return result;
}

}  // namespace skarpo::tournament
