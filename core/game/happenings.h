// SPDX-License-Identifier: GPL-3.0-or-later
// What just happened in the game, as plain data for the window to put into
// words. The board publishes a happening where the rules do the thing itself
// (a throw, a capture, a counter home ...) and keeps the last few; a reader
// remembers how many it has seen and asks for the ones after.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace skarpo {

struct Happening {
    enum class Kind : std::uint8_t {
        NewGame,   // a new game is laid out
        Opening,   // the first click of a game: the counters march from the final places to the start areas
        Threw,     // `player` threw `value`
        NoMove,    // `player` can move nothing with the throw `value`
        Captured,  // `player` captured a counter of player `value`
        Home,      // a counter of `player` reached a final place; `value` of them are there now
        AllHome,   // all four counters of `player` are home: the celebration follows
        AutoOn,    // automatic play for player 1 switched on
        AutoOff,
        SoundOn,  // capture beeps switched on
        SoundOff,
        Entered,  // a new counter of `player` came onto the ring at square `value`
        Moved,    // a counter of `player` ended its move on ring square `value` (1..60), or on
                  // home-column position `value` - columnBase (1..6)
        Resumed,  // a game saved before is taken up again; it is `player`'s turn
    };
    // `value` of a Moved happening into the home column: columnBase + the position.
    static constexpr int columnBase = 100;
    Kind kind = Kind::NewGame;
    int player = 0;
    int value = 0;

    bool operator==(const Happening&) const = default;
};

class Happenings {
public:
    // How many a reader can fall behind and still get them all.
    static constexpr std::size_t kept = 32;

    void publish(Happening h) {
        last_[count_ % kept] = h;
        ++count_;
        counted_ += h.kind == Happening::Kind::Threw || h.kind == Happening::Kind::AllHome;
    }
    // How many have been published since the board was made.
    std::uint64_t count() const { return count_; }
    // How many of them were throws and celebrations: the news the statistics count, which must never be told twice.
    std::uint64_t counted() const { return counted_; }
    // The ones published after the first `seen`, oldest first (at most the
    // last `kept`).
    std::vector<Happening> since(std::uint64_t seen) const {
        std::vector<Happening> out;
        if (seen >= count_) return out;
        if (count_ - seen > kept) seen = count_ - kept;
        for (std::uint64_t n = seen; n < count_; ++n) out.push_back(last_[n % kept]);
        return out;
    }

private:
    std::array<Happening, kept> last_{};
    std::uint64_t count_ = 0;
    std::uint64_t counted_ = 0;
};

}  // namespace skarpo
