// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/online/onlinetable.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QRandomGenerator>
#include <cstdio>

#include "core/online/tablecode.h"
#include "window/board/canvas.h"
#include "window/window.h"
#include "window/words/outcomewords.h"

namespace skarpo {

namespace {

constexpr qsizetype maxTold = 1000;         // refusals remembered as told
constexpr int maxPerSecond = 50;            // messages a sender may send in a second; more are dropped
constexpr int idleSeconds = 60;             // a guest's turn waits so long before the computer takes the seat
constexpr qint64 largestTable = 64 * 1024;  // bytes of the table's file read for a seat's secret

online::Digest freshDigest() {
    online::Digest d;
    QRandomGenerator::system()->generate(d.begin(), d.end());
    return d;
}

QString tableWords(const char* text) { return QCoreApplication::translate("Table", text); }

const char* const colours[] = {nullptr, QT_TRANSLATE_NOOP("Table", "Red"), QT_TRANSLATE_NOOP("Table", "Cyan"),
                               QT_TRANSLATE_NOOP("Table", "Magenta"), QT_TRANSLATE_NOOP("Table", "Green")};

}  // namespace

OnlineTable::OnlineTable(Window& window, const QString& nick)
    : QObject(&window), window_(window), shared_(window.table(), dice_, nick.toStdString(), freshDigest) {
    window_.platform().dice = &dice_;
    window_.setOnline(this);
    window_.canvas().sendClick = [this](ViewId view) {
        const bool sent = shared_.click(view);
        flush();
        return sent;
    };
    connect(&room_, &RoomClient::received, this, &OnlineTable::received);
    connect(&room_, &RoomClient::arrived, this, [this](const QString& who, const QString& affiliation) {
        if (affiliation == QLatin1String("owner") && !hosting_) shared_.join(who.toStdString());
        shared_.arrived(who.toStdString());
        flush();
        if (changed) changed();
    });
    // a guest gone from the room: the computer takes the seat
    connect(&room_, &RoomClient::left, this, [this](const QString& who) {
        shared_.left(who.toStdString());
        pump();
        if (changed) changed();
    });
    idle_.setSingleShot(true);
    connect(&idle_, &QTimer::timeout, this, [this] {
        if (shared_.rest() == idleRest_) shared_.strand(shared_.waitingFor());
        pump();
        if (changed) changed();
    });
    window_.canvas().installEventFilter(this);
    shared_.onSecret = [this](int seat, const online::Digest& secret) { keepSecret(seat, secret); };
    // every seat taken: the room closes, and its word is kept to enter it again
    shared_.onClosed = [this](const std::string& word) {
        if (hosting_) room_.close(QString::fromStdString(word));
        doorLine_ = QStringLiteral("door %1 %2\n").arg(room_.room(), QString::fromStdString(word));
        keepLines();
    };
    connect(&room_, &RoomClient::failed, this, [this](RoomClient::Failure why) {
        trouble_ = wordsOf(why);
        std::fprintf(stderr, "skarpo: %s\n", qPrintable(trouble_));
        if (changed) changed();
    });
}

OnlineTable::~OnlineTable() {
    room_.leave();
    window_.table().unshare();
    window_.platform().dice = nullptr;
    window_.setOnline(nullptr);
    window_.canvas().sendClick = nullptr;
}

void OnlineTable::host(const RoomClient::Server& server, const QString& service,
                       const std::array<std::string, 5>& seats, Strength strength, std::optional<Game> from) {
    hosting_ = true;
    code_ = QString::fromStdString(online::tableCodeOf(freshDigest()));
    service_ = service;
    connect(&room_, &RoomClient::signedIn, this, [this] {
        room_.enter(
            QString::fromStdString(online::tableAddressOf(code_.toStdString()).room()) + QLatin1Char('@') + service_,
            QString::fromStdString(shared_.me()), true);
    });
    connect(&room_, &RoomClient::entered, this, [this, seats, strength, from] {
        shared_.host(seats, strength, from);
        flush();
    });
    room_.signIn(server);
}

void OnlineTable::join(const RoomClient::Server& server, const QString& room, int seat) {
    seatWanted_ = seat;
    code_ = QString::fromStdString(online::tableAddressOf(room.section(QLatin1Char('@'), 0, 0).toStdString()).code);
    service_ = room.section(QLatin1Char('@'), 1);
    connect(&room_, &RoomClient::signedIn, this,
            [this, room] { room_.enter(room, QString::fromStdString(shared_.me()), false, door_); });
    readSecret(room);
    room_.signIn(server);
}

// A seat's secret and the word of the closed room are kept after the table's game in its file ("table ROOM SEAT
// SECRET", "door ROOM WORD"), so that a program started again can enter and take the seat back.
void OnlineTable::keepSecret(int seat, const online::Digest& secret) {
    secretLine_ = QStringLiteral("table %1 %2 %3\n")
                      .arg(room_.room())
                      .arg(seat)
                      .arg(QString::fromStdString(online::hexOf(secret)));
    keepLines();
}

void OnlineTable::keepLines() { window_.keepTableLines((secretLine_ + doorLine_).toStdString()); }

void OnlineTable::readSecret(const QString& room) {
    QFile file(window_.tablePath());
    if (window_.tablePath().isEmpty() || !file.open(QIODevice::ReadOnly)) return;
    for (const QByteArray& line : file.read(largestTable).split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        online::Digest secret;
        if (words.size() == 4 && words[0] == "table" && QString::fromUtf8(words[1]) == room && words[2].size() == 1 &&
            words[2][0] >= '1' && words[2][0] <= '4' && online::digestOf(words[3].toStdString(), secret)) {
            shared_.keepSecret(words[2][0] - '0', secret);
            secretLine_ = QString::fromUtf8(line) + QLatin1Char('\n');
        } else if (words.size() == 3 && words[0] == "door" && QString::fromUtf8(words[1]) == room &&
                   online::digestOf(words[2].toStdString(), secret)) {
            door_ = QString::fromUtf8(words[2]);
            doorLine_ = QString::fromUtf8(line) + QLatin1Char('\n');
        }
    }
    keepLines();
}

QString OnlineTable::link() const {
    return QString::fromStdString(online::linkOf(code_.toStdString(), service_.toStdString()));
}

void OnlineTable::received(const QString& nick, const QByteArray& payload) {
    // a sender's messages beyond the rate are dropped, and that is told once
    QElapsedTimer& start = rateStart_[nick];
    if (!start.isValid() || start.elapsed() >= 1000) start.start(), rateCount_[nick] = 0;
    if (++rateCount_[nick] > maxPerSecond) {
        tell(nick, "too fast");
        return;
    }
    shared_.receive(nick.toStdString(), std::string_view(payload.constData(), std::size_t(payload.size())));
    if (seatWanted_ > 0 && !shared_.started() && shared_.names()[std::size_t(seatWanted_)] == online::invitedSeat)
        shared_.askSeat(std::exchange(seatWanted_, 0));
    pump();
    if (changed) changed();
}

void OnlineTable::comeBack() {
    if (!shared_.away()) return;
    shared_.comeBack();
    pump();
    if (changed) changed();
}

bool OnlineTable::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress) comeBack();
    return false;
}

void OnlineTable::pump() {
    shared_.pump();
    flush();
    watchIdle();
}

int OnlineTable::idleLimit() {
    // the tests shorten it
    const int given = qEnvironmentVariableIntValue("SKARPO_TABLE_IDLE");
    return given > 0 ? given : idleSeconds;
}

// The host times each rest at which the table waits for a guest.
void OnlineTable::watchIdle() {
    const int seat = shared_.isHost() ? shared_.waitingFor() : 0;
    if (seat == 0 || shared_.names()[std::size_t(seat)].empty()) return idle_.stop();
    if (idle_.isActive() && idleRest_ == shared_.rest()) return;
    idleRest_ = shared_.rest();
    idle_.start(idleLimit() * 1000);
}

void OnlineTable::flush() {
    for (const online::Message& m : shared_.takeOutgoing()) {
        const QByteArray payload = QByteArray::fromStdString(online::payloadOf(m));
        if (m.to.empty())
            room_.say(lastSaid_ = payload, wordsOf(m));
        else
            room_.whisper(QString::fromStdString(m.to), payload, wordsOf(m));
    }
    for (const online::Notice& n : shared_.takeNotices()) told(n);
}

// What the table tells: a refusal once on standard error; a seat changed, a wrong reveal or a differing game on
// standard error and in the status line.
void OnlineTable::told(const online::Notice& n) {
    using Kind = online::Notice::Kind;
    const QString who = QString::fromStdString(n.who);
    if (n.kind == Kind::Ignored) {
        tell(who, n.why);
    } else if (n.kind == Kind::SeatTaken || n.kind == Kind::SeatBack) {
        seatNews_ =
            n.kind == Kind::SeatTaken
                ? tableWords(QT_TRANSLATE_NOOP("Table", "%1 (%2) left; the computer plays %1")).arg(nameOf(n.seat), who)
                : tableWords(QT_TRANSLATE_NOOP("Table", "%1 (%2) is back")).arg(nameOf(n.seat), who);
        std::fprintf(stderr, "skarpo: %s\n", qPrintable(seatNews_));
    } else if (n.kind == Kind::HostLeft) {
        trouble_ = tableWords(QT_TRANSLATE_NOOP("Table", "The host left; the table has stopped. Your game is kept."));
    } else if (n.kind == Kind::WrongReveal) {
        trouble_ = tableWords(QT_TRANSLATE_NOOP("Table",
                                                "The host %1 revealed a throw that does not match "
                                                "its commitment"))
                       .arg(who);
    } else if (n.kind == Kind::Differs) {
        trouble_ = tableWords(QT_TRANSLATE_NOOP("Table",
                                                "The table stopped: the game of %1 differs from the "
                                                "host's"))
                       .arg(who);
    }
    if (n.kind == Kind::WrongReveal || n.kind == Kind::Differs)
        std::fprintf(stderr, "skarpo: %s\n", qPrintable(trouble_));
}

// What a sender sent that was refused, on standard error: each sender's each reason once.
void OnlineTable::tell(const QString& who, const std::string& why) {
    const QString key = who + QLatin1Char('\n') + QString::fromStdString(why);
    if (told_.contains(key)) return;
    if (told_.size() < maxTold) told_.insert(key);
    std::fprintf(stderr, "skarpo: ignored from %s: %s\n", qPrintable(who), why.c_str());
}

QString OnlineTable::waitingWords() const {
    if (!trouble_.isEmpty()) return trouble_;
    const int mine = shared_.seatOfSecret();
    if (shared_.away())
        return tableWords(
                   QT_TRANSLATE_NOOP("Table", "You were away: the computer plays %1. Press a key to play again."))
            .arg(nameOf(mine));
    if (shared_.comingBack())
        return tableWords(QT_TRANSLATE_NOOP("Table", "%1 is yours again at its next turn")).arg(nameOf(mine));
    const int seat = shared_.waitingFor();
    const std::string name = seat == 0 ? std::string() : shared_.names()[std::size_t(seat)];
    const QString waiting =
        seat == 0      ? QString()
        : name.empty() ? tableWords(QT_TRANSLATE_NOOP("Table", "Waiting for the dice of %1...")).arg(nameOf(seat))
                       : tableWords(QT_TRANSLATE_NOOP("Table", "Waiting for %1 (%2)..."))
                             .arg(nameOf(seat), QString::fromStdString(name));
    if (seatNews_.isEmpty() || waiting.isEmpty()) return seatNews_.isEmpty() ? waiting : seatNews_;
    return tableWords(QT_TRANSLATE_NOOP("Table", "%1. %2")).arg(seatNews_, waiting);
}

QString OnlineTable::nameOf(int seat) { return tableWords(colours[seat]); }

// The words any chat client shows with a message.
QString OnlineTable::wordsOf(const online::Message& m) const {
    using Act = online::Message::Act;
    const Table& table = window_.table();
    switch (m.act) {
        case Act::Table: return tableWords(QT_TRANSLATE_NOOP("Table", "The seats of table %1")).arg(code_);
        case Act::Sit: return tableWords(QT_TRANSLATE_NOOP("Table", "%1 asks for a seat")).arg(nameOf(m.seat));
        case Act::Throw: return tableWords(QT_TRANSLATE_NOOP("Table", "%1 throws the die")).arg(nameOf(m.seat));
        case Act::Reveal: return tableWords(QT_TRANSLATE_NOOP("Table", "The dice of throw %1")).arg(m.throwNumber);
        case Act::Move:
            if (const auto o = table.foresee(viewOf(table.toPlay(), m.at))) {
                return tableWords(QT_TRANSLATE_NOOP("Table", "%1 threw %2: %3"))
                    .arg(nameOf(table.toPlay()))
                    .arg(table.game().thrown)
                    .arg(words::outcomeLine(*o));
            }
            return {};
        case Act::Differs:
            return tableWords(QT_TRANSLATE_NOOP("Table", "My game differs from the host's at throw %1"))
                .arg(m.throwNumber);
        case Act::Seat:
            return m.who.empty() ? tableWords(QT_TRANSLATE_NOOP("Table", "The computer plays %1")).arg(nameOf(m.seat))
                                 : tableWords(QT_TRANSLATE_NOOP("Table", "%1 plays %2"))
                                       .arg(QString::fromStdString(m.who), nameOf(m.seat));
        case Act::Claim: return tableWords(QT_TRANSLATE_NOOP("Table", "I take %1 back")).arg(nameOf(m.seat));
        case Act::Key:
        case Act::Secret: return tableWords(QT_TRANSLATE_NOOP("Table", "The key of %1")).arg(nameOf(m.seat));
        case Act::Game: return tableWords(QT_TRANSLATE_NOOP("Table", "The game so far"));
    }
    return {};
}

QString OnlineTable::wordsOf(RoomClient::Failure why) {
    using F = RoomClient::Failure;
    switch (why) {
        case F::ServerNotFound: return tableWords(QT_TRANSLATE_NOOP("Table", "The server was not found"));
        case F::Certificate:
            return tableWords(QT_TRANSLATE_NOOP("Table", "The server's certificate does not match: not connected"));
        case F::SignInRefused: return tableWords(QT_TRANSLATE_NOOP("Table", "The server refused the sign-in"));
        case F::Disconnected: return tableWords(QT_TRANSLATE_NOOP("Table", "The connection to the server dropped"));
        case F::TableFull: return tableWords(QT_TRANSLATE_NOOP("Table", "The table is full"));
        case F::UnknownCode: return tableWords(QT_TRANSLATE_NOOP("Table", "The table's code is unknown"));
        case F::NameTaken: return tableWords(QT_TRANSLATE_NOOP("Table", "Someone at the table has that name"));
    }
    return {};
}

}  // namespace skarpo
