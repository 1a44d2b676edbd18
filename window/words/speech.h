// SPDX-License-Identifier: GPL-3.0-or-later
// The game said aloud, for a player who cannot see the board. A screen reader
// speaks only the object with the focus, and the game's news (a throw, a
// computer's turn, a capture, whose turn it is) happens elsewhere; so the
// game speaks it itself through the desktop's speech service, the one the
// screen reader speaks through, queued behind whatever is being said so that
// neither cuts the other. It speaks while a screen reader runs (the
// desktop's "screen reader enabled") or when the player switches it on.
//
// What it says: the player's own throw and what can move with it; each
// computer turn in one sentence once it ends ("Cyan threw 6, entered on 16,
// threw 3, moved to 19."); captures and counters reaching the end; "Your
// turn." whenever the die waits for the player; the menu's switches and a
// new game; on request, where every counter stands, or the last thing said
// again; and that the board is busy when a key comes while it moves.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <cstdint>
#include <functional>

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

    // The player asked: where every counter stands; the last thing said.
    void readBoard();
    void repeat();
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
    QString last() const { return last_; }

    // Where every counter stands, one short sentence a player:
    // "You: 2 at the start, square 12, home column 3. Cyan: ...".
    static QString standings(const Table& b) { return standingsLines(b).join(QLatin1Char(' ')); }
    static QStringList standingsLines(const Table& b);
    // The player the words call "you": red, while a person plays red alone.
    static bool isYou(const Table& b, int player) { return b.soleRed() && player == 1; }

private Q_SLOTS:
    void statusChanged(const QString& interface, const QVariantMap& changed, const QStringList& invalidated);

private:
    void say(const QString& text);
    void tell(const Happening& h);
    void tellPerson(const Happening& h);
    void flushTurn();
    void speakNext();
    void watchScreenReader();

    const Table& table_;
    std::uint64_t seen_ = 0;
    QStringList turn_;  // the computer turn being told
    int turnPlayer_ = 0;
    int ownThrow_ = 0;   // the person's throw, not yet told
    int thrower_ = 0;    // one of several people, who threw
    bool told_ = false;  // and was told what the throw allows
    bool dieWaited_ = false;
    bool busyTold_ = false;
    int chosen_ = -1;  // the menu's choice: -1 none, 0 off, 1 on
    bool screenReader_ = false;
    QString last_;
    QStringList queue_;  // waiting for the voice to finish
    Voice* voice_ = nullptr;
};

}  // namespace skarpo
