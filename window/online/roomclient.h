// SPDX-License-Identifier: GPL-3.0-or-later
// A table's room on an XMPP server, through libstrophe (Debian's libstrophe-dev): signing in (with an account, or
// anonymously where the server allows it), entering a group-chat room (creating and configuring it when hosting:
// unlisted, not persistent, no history), and the room's game messages each way. libstrophe never blocks here: a
// socket notifier on its socket (captured as it is made) and a timer for its timed handlers wake it from the event
// loop, and it runs once without waiting each time.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <utility>
#include <vector>

class QSocketNotifier;
struct _xmpp_ctx_t;
struct _xmpp_conn_t;
struct _xmpp_stanza_t;

namespace skarpo {

class RoomClient : public QObject {
    Q_OBJECT
public:
    enum class Failure {
        ServerNotFound,  // no server answers at the address
        Certificate,     // the server's certificate does not match: refused, never asked about
        SignInRefused,   // the account or anonymous login is refused
        Disconnected,    // the connection dropped
        TableFull,       // the room is closed to newcomers
        UnknownCode,     // no such table
        NameTaken,       // someone at the table has the name
    };
    Q_ENUM(Failure)

    struct Server {
        QString domain;    // the XMPP domain, e.g. example.org
        QString host;      // where to connect; the domain's own when empty
        quint16 port = 0;  // 0 for the standard
        QString jid;       // an account's address; empty for anonymous login
        QString password;
    };

    explicit RoomClient(QObject* parent = nullptr);
    ~RoomClient() override;

    // TLS is required for any server but one on this machine.
    void signIn(const Server& server);
    // Enters room@service as `nick`; hosting creates it, and a room that already exists fails the hosting.
    void enter(const QString& room, const QString& nick, bool host, const QString& password = {});
    // The host: from now on the room lets in only those who give `password`.
    void close(const QString& password);
    // A group-chat message: the game's payload, and words any chat client shows.
    void say(const QByteArray& payload, const QString& words);
    // The same to one occupant alone: a private message through the room, to room/nick.
    void whisper(const QString& nick, const QByteArray& payload, const QString& words);
    void leave();
    bool connected() const { return connected_; }
    const QString& nick() const { return nick_; }
    const QString& room() const { return room_; }

    static constexpr const char* payloadNamespace = "urn:skarpo:table:1";

signals:
    void signedIn();
    void failed(skarpo::RoomClient::Failure why);
    // This client is in the room (hosting: created and configured).
    void entered();
    // Someone's presence: arrived (with their affiliation, "owner" for the host) or left.
    void arrived(const QString& nick, const QString& affiliation);
    void left(const QString& nick);
    // A game payload from someone in the room, this client's own included, or whispered to this client alone.
    void received(const QString& nick, const QByteArray& payload);

private:
    friend struct RoomHooks;  // libstrophe's callbacks
    void presence(_xmpp_stanza_t* stanza);
    void configure();
    void configureRoom(const char* id, const std::vector<std::pair<const char*, QByteArray>>& fields);
    void watch(int fd);
    void wake();
    void fail(Failure why);
    void send(const char* type, const QString& to, const QByteArray& payload, const QString& words);

    _xmpp_ctx_t* ctx_ = nullptr;
    _xmpp_conn_t* conn_ = nullptr;
    std::unique_ptr<QSocketNotifier> notifier_, connecting_;
    QTimer timer_;
    QString room_, nick_;
    bool host_ = false, connected_ = false, inRoom_ = false, certificateRefused_ = false;
};

}  // namespace skarpo
