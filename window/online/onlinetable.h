// SPDX-License-Identifier: GPL-3.0-or-later
// The window's table shared across machines: the core's shared table fed by the room's messages, the table's dice
// drawn from each throw's digest, the clicks on the board sent to the room rather than made at once, and what the
// table refuses or finds wrong written once to standard error and said in the status line.
#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <functional>

#include "core/online/sharedtable.h"
#include "window/online/roomclient.h"

namespace skarpo {

class Window;

class OnlineTable : public QObject {
    Q_OBJECT
public:
    // Shares the window's table: from now on its dice and its clicks are the room's.
    OnlineTable(Window& window, const QString& nick);
    ~OnlineTable() override;

    // Hosting: signs in, opens the room named by a new code, and seats [1..4] (the host's own nick, computerSeat or
    // invitedSeat) with the computer at `strength`; a fresh game, or the one given (a table's game kept before).
    void host(const RoomClient::Server& server, const QString& service, const std::array<std::string, 5>& seats,
              Strength strength, std::optional<Game> from = {});
    // Joining: signs in and enters the room; `seat` (1..4) is asked for once the seating is known, 0 for none yet.
    void join(const RoomClient::Server& server, const QString& room, int seat);
    void askSeat(int seat) { shared_.askSeat(seat), flush(); }
    // The player here is back after the computer took their seat (any key or click on the board says so): the seat
    // is claimed back, to be theirs again at its next turn.
    void comeBack();

    // Acts on what the room decided, as far as the table rests; the window calls it after every step and event.
    void pump();

    const QString& code() const { return code_; }
    QString link() const;
    online::SharedTable& shared() { return shared_; }
    RoomClient& room() { return room_; }
    // Whom the table waits for, in words ("Waiting for Cyan (Anna)..."), after the last change of a seat; empty while
    // it waits for nobody elsewhere.
    QString waitingWords() const;
    // For the tests of tampering: a message sent as it is, and the last one said to the room said again.
    void sendAsIs(const online::Message& m) { shared_.sendAsIs(m), flush(); }
    void sayAgain() { room_.say(lastSaid_, {}); }
    // How long the host waits for a guest's throw or move before the computer takes the seat.
    static int idleLimit();
    // What went wrong last, in words; empty while nothing has.
    const QString& trouble() const { return trouble_; }

    // Told after every message the table sends or takes, and when the seating changes.
    std::function<void()> changed;

    // A seat's colour in words ("Cyan").
    static QString nameOf(int seat);
    // The words of a failure of the connection or the room.
    static QString wordsOf(RoomClient::Failure why);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void received(const QString& nick, const QByteArray& payload);
    void flush();
    void tell(const QString& who, const std::string& why);
    void told(const online::Notice& notice);
    void watchIdle();
    void keepSecret(int seat, const online::Digest& secret);
    void keepLines();
    void readSecret(const QString& room);
    QString wordsOf(const online::Message& m) const;

    Window& window_;
    online::DiceStream dice_;
    online::SharedTable shared_;
    RoomClient room_;
    QString code_, service_;
    QString door_;                   // the word of the room once closed, kept from before
    QString secretLine_, doorLine_;  // what is kept after the table's game
    int seatWanted_ = 0;
    bool hosting_ = false;
    QString trouble_, seatNews_;
    QByteArray lastSaid_;
    QTimer idle_;  // the host's: the guest the table waits for has not played for the limit
    std::uint32_t idleRest_ = 0;
    QHash<QString, QElapsedTimer> rateStart_;  // each sender's second
    QHash<QString, int> rateCount_;            // and its messages in it
    QSet<QString> told_;                       // each sender's refusals, each told once
};

}  // namespace skarpo
