// SPDX-License-Identifier: GPL-3.0-or-later
// The board: the one object of the game. It owns the game state record, every
// view as plain data, and every handler and procedure of the game. The code
// of its members is spread over the folders by subject:
//   state/  the record, the board numbering and the invariants
//   turns/  new game, dice and turns, automatic play, end-of-game display
//   rules/  marking, move analysis and choice, every kind of move
//   board/  the view families and their fixed layout, the routing of events
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "board/views.h"
#include "state/happenings.h"
#include "state/numbering.h"
#include "state/options.h"
#include "state/picture.h"
#include "state/place.h"
#include "state/platform.h"
#include "state/tables.h"

namespace skarpo {

using Players = Table2<std::int16_t, 1, 4, 0, 5>;
using Homerow = Table2<int, 1, 4, 1, 7>;
using Squares = Table1<std::int16_t, 1, 70>;

// The view families a person can click.
enum class Family { SQUARE, start, home, dicethrow };

// A view of a clickable family.
struct Spot {
    Family family;
    int index;
    bool operator==(const Spot&) const = default;
};

// What the game waits for: a click on the die, a click on a marked counter,
// nothing while a handler is paused in an animation, nothing ever again once
// the window is closing.
enum class Phase { DieWaits, MarksWait, Animating, Closed };

class Board {
public:
    explicit Board(Platform& platform);
    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;

    // ---- the public variables ----
    int moves = 0;             // the last throw; a move rewrites it (see movecount)
    std::int16_t whosego = 0;  // the player who made the last throw, 0 after a new game
    bool autoplay = false;     // automatic play for every colour a person plays
    std::int16_t sound = 0;    // 0 off, -1 on: beep on captures

    // ---- the table as the players set it up (seats, speed, strength) ----
    // The seats take effect with a new game (see seated()); the speed and the
    // strength at once.
    Options options;

    // How strong the computer plays `player`: options.strength, unless a
    // tournament sets each colour apart here.
    std::function<Strength(int player)> strengthFor;
    Strength strengthOf(int player) const { return strengthFor ? strengthFor(player) : options.strength; }

    // ---- the tables ----
    Players players{"players"};  // players(p, 0) entry square, (p, 1..4) counters, (p, 5) left the ring
    Homerow homerow{"homerow"};  // homerow(p, 1..6) column positions, (p, 7) counters home
    Squares squares{"squares"};  // squares(1..60) owner of each ring square, 61..69 copy 1..9, 70 zero

    // ---- the views ----
    ViewFamily SQUARE{"SQUARE", 1, 100};  // 1..60 the ring, 99 and 100 picture stores
    ViewFamily start{"start", 0, 15};
    ViewFamily home{"home", 0, 39};
    ViewFamily dicethrow{"dicethrow", 0, 15};
    ViewFamily dice{"dice", 1, 6};
    ViewFamily boardcount{"boardcount", 0, 3};
    ViewFamily homecount{"homecount", 0, 3};
    ViewFamily two{"two", 1, 1};
    ViewFamily corner{"corner", 1, 4};
    ViewFamily Label1{"Label1", 0, 7};

    // ---- what just happened, for the window to put into words ----
    Happenings happenings;

    // ---- a follower of every move (empty unless someone follows) ----
    // moveStarts: `player` is about to move the counter at `from` with the
    // throw `thrown`; the tables are still as before the move. moveEnds: that
    // move is made (not called when New Game or closing drops the handler).
    // Told by the ring, start and home-column handlers and at each move of a
    // computer turn (a move up the home column may be followed by a new
    // counter entering); a blocked entry into the home column starts and ends
    // with nothing changed.
    std::function<void(int player, Place from, int thrown)> moveStarts;
    std::function<void()> moveEnds;

    // ---- handlers ----
    void Form_Load();
    void Form_Unload(int& Cancel);
    void Form_Terminate() {}
    void dicethrow_Click(int Index);
    void SQUARE_Click(int Index);
    void start_Click(int Index);
    void home_Click(int Index);
    void newgame_Click();
    void auto_Click();
    void soundop_Click();
    void Timer1_Timer();

    // ---- procedures ----
    void startgame();
    void updstart(int player);
    void throwdice();
    void wait(float sec);
    void marksquares();
    void startmove(int player);
    void movestart(int player);
    void movecount(int player, int pos, int& move, std::optional<int> special = std::nullopt);
    void flash(int pos);
    void takeit(int player, int pos);
    void sendback(int player, int pos);
    void insertstart(int player);
    void movehome(int player, int& pos, int move, std::optional<int> homepick = std::nullopt);
    void enddisp(int player);
    void checkmoves();
    // Tell the follower, if any, that a move starts or has ended.
    void movestarts(int player, Place from, int thrown) {
        if (moveStarts) moveStarts(player, from, thrown);
    }
    void moveends() {
        if (moveEnds) moveEnds();
    }

    // ---- events from the window ----
    // These are what the window (and a test acting as a person) calls. A click
    // reaches its handler only on an enabled, visible view of a clickable
    // family, and only while no handler of the game is paused; so does a
    // timer tick. Menu commands are always taken. Each returns whether the
    // event reached a handler.
    bool click(Family family, int index);
    // Whether a click on that view would reach its handler now.
    bool takesClick(Family family, int index) const;
    // The views of a clickable family.
    const ViewFamily& views(Family family) const;
    bool tick();
    void chooseNewGame();
    void chooseAuto();
    void chooseSound();
    // The window is closing: automatic play goes off, a paused handler is
    // abandoned and no further event is taken.
    void close();

    // ---- who plays, and what the person whose turn it is may do now ----
    // Whether a person plays `player` in the game in play: the seats as they
    // were at its new game.
    bool person(int player) const { return seated_[static_cast<std::size_t>(player)] == Seat::Person; }
    // Whether a person plays exactly red, as at the defaults: then the words
    // say "you".
    bool soleRed() const;
    // The player who throws next: whosego + 1, player 1 after 4 (or 0).
    int nextThrower() const { return whosego % 4 + 1; }
    // The one answer to what the game waits for now.
    Phase phase() const;
    // The player the waiting die or marks are for: the next thrower while the
    // die waits, the player who threw while marks wait, 0 otherwise.
    int toPlay() const;
    // The views that take a click now, in the order of the journey of the
    // player to play: the die, the start place, the ring from the entry
    // square on, the home column.
    std::vector<Spot> clickable() const;
    // Whether the once-a-second tick can do anything now: automatic play is
    // on, or the die waits for a computer player (a new game in which the
    // computer plays red starts by itself).
    bool ticksMatter() const;
    // Whether the pauses being made belong to a computer player's turn.
    bool computerTurn() const { return computerTurn_; }

    bool paused() const { return pauseDepth_ > 0; }
    bool closed() const { return closed_; }
    Platform& platform() { return platform_; }

    // The counter picture of a player, the empty-place picture, and the
    // picture a ring square shows while no counter stands on it.
    Picture counterPicture(int player) const { return boardcount(player - 1).picture; }
    Picture emptyPicture() const { return SQUARE(100).picture; }
    Picture ownPicture(int square) const;

    // Removes every mark: ring squares, the home-column places and the first
    // start place of every player, back to their own colours.
    void clearmarks();
    // Colours the odd centre frames.
    void colourframes(Colour c);

    // Where the counters of a player stand on the ring and in the home
    // column, one bit a place (ring squares 1..60, then positions 1..6):
    // taken before a move, and compared after it to say where it ended.
    std::bitset<66> standing(int player) const;
    // Publishes where the move of `player` that began at `before` ended: a
    // new counter on the ring, or a counter on a new place.
    void publishMove(int player, const std::bitset<66>& before);

    // Checks the invariants that hold between two user actions; returns an
    // empty string when they hold, otherwise what is wrong.
    std::string checkInvariants() const;

private:
    friend struct PauseScope;
    void layout();  // the design-time state of every view
    // A counter of `player` on progress `b` steps by the throw over square 60
    // onto the squares beyond it (not into its home column); counter `c`.
    void overSixty(int player, int c, int b);
    void intoColumn(int player, int k, int m);
    void celebrateAllHome(int player);
    // The turn passes from `player` (after a throw other than six): the
    // frames show the next player; a person's die waits, a computer throws.
    void passTurn(int player);
    // At the fastest speed, a computer player's turn shows its throw and its
    // outcome for `sec`; at the other speeds nothing.
    void glance(float sec);
    template <class F>
    bool runHandler(F&& handler);

    Platform& platform_;
    int pauseDepth_ = 0;
    bool abandon_ = false;  // the running handler is to be dropped at its next pause
    bool closed_ = false;
    std::array<Seat, 5> seated_ = Options{}.seats;  // the seats of the game in play
    bool computerTurn_ = false;                     // the pauses belong to a computer player's turn
    bool glancing_ = false;                         // a glance at the fastest speed is pausing
};

// Every view family of the board, once; what walks the views (painting them, comparing two boards, a fingerprint)
// walks this list. With each the name under which a person clicks it, for the families a person can click. In the
// order the window paints them, later ones on top, but for the centre frames (Label1), which it paints first.
struct FamilyOfViews {
    ViewFamily Board::*views;
    std::optional<Family> clickable;
};
inline constexpr FamilyOfViews viewFamilies[] = {
    {&Board::SQUARE, Family::SQUARE},
    {&Board::start, Family::start},
    {&Board::home, Family::home},
    {&Board::dicethrow, Family::dicethrow},
    {&Board::dice, {}},
    {&Board::boardcount, {}},
    {&Board::homecount, {}},
    {&Board::two, {}},
    {&Board::corner, {}},
    {&Board::Label1, {}},
};

// Thrown out of a pause when the handler that paused has been abandoned by a
// new game or by the window closing; caught where the event entered.
struct Abandoned {};

}  // namespace skarpo
