// SPDX-License-Identifier: GPL-3.0-or-later
// The game said aloud, for a player who cannot see the board. A screen reader
// speaks only the object with the focus, and the game's news (a throw, a
// computer's turn, a capture, whose turn it is) happens elsewhere; so the
// game speaks it itself through the desktop's speech service, the one the
// screen reader speaks through, queued behind whatever is being said so that
// neither cuts the other. It speaks while a screen reader runs (the
// desktop's "screen reader enabled") or when the player switches it on.
//
// What it says, as it happens and in few words (a player hears them on every turn): the player's own throw and
// what it allows ("You threw 5: square 3 to 8, Enter moves it."); each computer's throw with where its counter
// goes, as soon as its turn is decided ("Cyan 4: to 20."); captures and counters reaching the end; "Your turn."
// whenever the die waits for the player; the menu's switches and a new game; on request, where every counter
// stands, or the last round again in full ("Cyan threw 6, entered on 16."); and that the board is busy when a key
// comes while it moves. The words keep pace with the board: the table waits for them (see talking()), a text that
// no longer fits the board when its turn comes is dropped, and the player's acting ends the game's own text.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>

#include "core/game/platform.h"
#include "core/turns/table.h"

namespace skarpo {

class Voice;

class Speech : public QObject {
    Q_OBJECT
public:
    explicit Speech(const Table& table, QObject* parent = nullptr);
    ~Speech() override;

    // Reads what happened since the last call and what waits for the
    // player now, and says what is news. Runs wherever the status line
    // follows the board (every pause and after every event).
    void follow();

    // The player asked: where every counter stands; the last round in full.
    void readBoard();
    void repeat();
    // The player acted on the board: the game's own text being said ends, and what no longer fits is dropped.
    void interrupt();
    // Whether words wait to be said, or (`until` Said) are still being said: the table waits for them. Never for
    // longer than the texts could take, should the speech service not tell that it has done.
    bool talking(Platform::Words until = Platform::Words::Said) const;
    // Called (to be answered later, from the event loop) when words have begun or been said: what waits for them
    // may go on.
    std::function<void()> quiet;
    // A key came while the board moves: it is not taken, and the player hears so.
    void busy();

    // Whether the game speaks: chosen in the menu, or else while a screen
    // reader runs.
    bool speaks() const;
    bool screenReader() const { return screenReader_; }
    void setScreenReader(bool running);
    // The menu's choice; says so.
    void choose(bool on);

    // Every text said, in order, spoken or not: for a test, and for the
    // status line of a player who reads rather than listens.
    std::function<void(const QString&)> said;
    // For tests: nothing reaches the speech service, whatever speaks() says.
    bool silent = false;
    // The last thing said, or the last round in full.
    QString last() const { return round_.isEmpty() ? last_ : round_.join(QLatin1Char(' ')); }

    // Where every counter stands, one short sentence a player:
    // "You: 2 at the start, square 12, home column 3. Cyan: ...".
    static QString standings(const Table& b) { return standingsLines(b).join(QLatin1Char(' ')); }
    static QStringList standingsLines(const Table& b);
    // The player the words call "you": red, while a person plays red alone.
    static bool isYou(const Table& b, int player) { return b.soleRed() && player == 1; }

private Q_SLOTS:
    void statusChanged(const QString& interface, const QVariantMap& changed, const QStringList& invalidated);

private:
    // A text and how long it fits the board: for ever (what happened), until anything is next decided (what the
    // player can do now), or while the board moves.
    enum class Fits { Always, Undecided, Moving };
    struct Line {
        QString text;
        Fits fits = Fits::Always;
        std::uint64_t decided = 0;
    };
    void say(const QString& text, Fits fits = Fits::Always, bool inRound = true);
    bool fits(const Line& line) const;
    void tell(const Happening& h);
    void tellPerson(const Happening& h);
    void tellComputer(const Happening& h);
    void sayComputerThrow();
    void tellThrow();
    void flushTurn();
    void speakNext();
    void watchScreenReader();

    const Table& table_;
    std::uint64_t seen_ = 0;
    QStringList turn_;  // the computer turn being told, in full
    int turnPlayer_ = 0;
    struct {
        QString text;  // a computer's throw, to be said with its move
        int player = 0, value = 0;
        bool told = false;  // its move or its loss said with it
    } throwSaid_;
    int ownThrow_ = 0;   // the person's throw, not yet told
    int thrower_ = 0;    // one of several people, who threw
    bool told_ = false;  // and was told what the throw allows
    bool dieWaited_ = false;
    bool busyTold_ = false;
    int chosen_ = -1;  // the menu's choice: -1 none, 0 off, 1 on
    bool screenReader_ = false;
    QString last_;
    QStringList round_;       // in full, what was said since the player's die last waited, and that
    bool roundOver_ = false;  // ... the next thing said starts a new round
    std::deque<Line> queue_;  // waiting for the voice to finish
    Voice* voice_ = nullptr;
    std::optional<std::uint64_t> undecided_;  // a text given that fits until a decision after this many
    QTimer stuck_;  // running while the voice says the texts given: past it, the voice is not waited for
};

}  // namespace skarpo
