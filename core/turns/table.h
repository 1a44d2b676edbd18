// SPDX-License-Identifier: GPL-3.0-or-later
// The table: the game played on a clock. It takes what the players do (a click on the die or on a mark, the timer's
// tick, the menus), lets the rule book and the players decide at once, and has the animator show it, one timed step
// after another, on the platform's timer. It holds the game value, the views the window paints and the news it
// words. What a person sees and hears follows from here; the window asks and never decides.
#pragma once

#include <optional>
#include <vector>

#include "core/animation/animator.h"
#include "core/game/game.h"
#include "core/game/platform.h"

namespace skarpo {

class Table {
public:
    // A new game at the options given.
    explicit Table(Platform& platform, const Options& options = {});
    // A game taken up where it stood; one that was animating goes on from the same step.
    Table(Platform& platform, const Game& game);
    void takeUp(const Game& game);
    // A game saved before and taken up again at a new start, with automatic play and the sound off: a stage it was
    // in the middle of is finished at once, without its pauses, its news told (the throw rolling comes to the face
    // it was to show, the move being shown is made), and the game goes on as usual. Tells whose turn it is.
    void resume(Game game);
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // ---- what the players do ----
    // A click on a view: taken while the game waits for it (the die, or a mark), ignored otherwise; whether taken.
    bool click(ViewId view);
    // The once-a-second timer: throws a die that waits for the computer (a game in which the computer plays red
    // starts so) and, with automatic play on, throws and moves for the people. Whether it reached the game.
    bool tick();
    // The menus, taken at any time: a new game drops whatever was moving.
    void newGame();
    void toggleAuto();
    void toggleSound();
    void setSpeed(Speed speed) {
        game_.options.speed = speed;
        ++decisions_;
        pace();
    }
    void setStrength(Strength strength) {
        game_.options.strength = strength;
        ++decisions_;
    }
    // Who plays each colour from the next new game on.
    void chooseSeats(const std::array<Seat, 5>& seats) {
        seats_ = seats;
        ++decisions_;
    }
    const std::array<Seat, 5>& chosenSeats() const { return seats_; }
    // The window closes: nothing is taken any more.
    void close();
    // For a tournament: who plays each colour (null: as the seats and strength say).
    void seatPlayers(const std::array<const Player*, 5>& players) { players_ = players; }
    // A table shared with other machines: only the seats played here take clicks, every throw waits to be released
    // (the computer's too: it rests with the die waiting for it), and the timer's tick does nothing.
    void share(const std::array<bool, 5>& playedHere) { shared_ = true, playedHere_ = playedHere; }
    bool shared() const { return shared_; }
    // Whether `player` is played at this machine: every player, unless the table is shared.
    bool playedHere(int player) const { return !shared_ || playedHere_[static_cast<std::size_t>(player)]; }
    void unshare() { shared_ = false; }
    // What was decided for the player to play, here or elsewhere: the die thrown (a person's or the computer's held
    // throw) or a mark's counter moved. Taken while the game waits for it; whether taken.
    bool decide(ViewId view);

    // ---- the clock ----
    // The pause the platform was asked for is over: the board shows its next step.
    void advance();
    // The words the platform was saying are said: a computer's throw that waited for them comes.
    void wordsSaid();
    // Whether a computer's throw waits for words being said.
    bool waitsForWords() const { return waitsForWords_; }

    // ---- what the window asks ----
    const Game& game() const { return game_; }
    const Views& views() const { return views_; }
    const Happenings& happenings() const { return told_; }
    Phase phase() const { return game_.phase; }
    // The player the waiting die or the marks are for; 0 while nothing waits.
    int toPlay() const;
    bool isMark(ViewId view) const;
    bool takesClick(ViewId view) const;
    // The views that take a click now, in the order of the journey of the player to play.
    std::vector<ViewId> clickable() const;
    // A mark's move as the rule book foresees it; nothing for a view that is no mark.
    std::optional<Outcome> foresee(ViewId mark) const;
    // The computer's turn being shown, as decided, while its move is still to come: that move's outcome, or one that
    // moves nothing for a lost throw; nothing otherwise.
    std::optional<Outcome> comingMove() const;
    // Whether the timer's tick can do anything now.
    bool ticksMatter() const;
    // Whether a person plays red and the computer all the rest, as the game began: then red is "you".
    bool soleRed() const;
    // How many times something was decided that a game taken up later must neither undo nor tell again: a throw
    // drawn, a person's move, a computer's turn, a new game, the seats, speed or strength chosen, and a throw or a
    // celebration told (the statistics count them). Whatever is to outlive the program is to be kept when it changes.
    std::uint64_t decided() const { return decisions_ + told_.counted(); }
    // The player whose turn it is: whose die or marks wait, whose throw rolls, whose move or turn is shown.
    int whoseTurn() const;

private:
    const Player& seated(int player) const;
    void begin(Stage stage);
    float nextPause();
    void run();
    bool stageOver();
    void throwDie();
    void roll();
    void rolled();
    void marked();
    void move(Place from, bool computer);
    void moved();
    void turnStep(int at);
    bool wentBack() const;
    void turnOver();
    void passTurn(int from);
    void dieWaits(int player);
    void rest(Phase phase);
    void showDie();
    void showFrames();
    void pace();
    void replay(const Game& game);

    Platform& platform_;
    Game game_;
    Views views_;
    Happenings told_;
    Show show_{views_, &game_, &told_, &platform_, &game_.sound, {}};
    Steps script_;
    Outcome moving_;  // the move being shown
    float pace_ = 1;  // how much of each pause of the stage is made
    std::array<Seat, 5> seats_;
    std::array<const Player*, 5> players_{};
    bool shared_ = false;
    std::array<bool, 5> playedHere_{};
    std::uint64_t decisions_ = 0;
    bool waitsForWords_ = false;
};

}  // namespace skarpo
