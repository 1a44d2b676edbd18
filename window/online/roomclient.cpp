// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/online/roomclient.h"

#include <strophe.h>

#include <QRegularExpression>
#include <QSocketNotifier>

namespace skarpo {

namespace {

constexpr int wakePeriod = 100;  // ms: libstrophe's timed handlers, and TLS data read ahead of the socket
constexpr const char* mucNs = "http://jabber.org/protocol/muc";
constexpr const char* mucUserNs = "http://jabber.org/protocol/muc#user";
constexpr const char* mucOwnerNs = "http://jabber.org/protocol/muc#owner";
constexpr int maxStatusCodes = 16;  // read of one presence

// libstrophe's socket and certificate handlers have no user data: one connection at a time, this one's
RoomClient* connecting = nullptr;
bool certificateRefused = false;

// A new element under `parent` (null: a stanza of its own), with a namespace when given.
xmpp_stanza_t* element(xmpp_ctx_t* ctx, xmpp_stanza_t* parent, const char* name, const char* ns = nullptr) {
    xmpp_stanza_t* e = xmpp_stanza_new(ctx);
    xmpp_stanza_set_name(e, name);
    if (ns) xmpp_stanza_set_ns(e, ns);
    if (parent) {
        xmpp_stanza_add_child(parent, e);
        xmpp_stanza_release(e);  // the parent holds it
    }
    return e;
}

void text(xmpp_ctx_t* ctx, xmpp_stanza_t* parent, const QByteArray& utf8) {
    xmpp_stanza_t* t = xmpp_stanza_new(ctx);
    xmpp_stanza_set_text(t, utf8.constData());
    xmpp_stanza_add_child(parent, t);
    xmpp_stanza_release(t);
}

// A field of a submitted form: var = value.
void field(xmpp_ctx_t* ctx, xmpp_stanza_t* form, const char* var, const char* value) {
    xmpp_stanza_t* f = element(ctx, form, "field");
    xmpp_stanza_set_attribute(f, "var", var);
    text(ctx, element(ctx, f, "value"), value);
}

QString resourceOf(const char* jid) {
    const QString from = QString::fromUtf8(jid ? jid : "");
    const qsizetype slash = from.indexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : from.mid(slash + 1);
}

bool loopback(const QString& host) {
    static const QRegularExpression v4(QStringLiteral("^127(\\.[0-9]{1,3}){3}$"));
    return host == QLatin1String("localhost") || host == QLatin1String("::1") || v4.match(host).hasMatch();
}

}  // namespace

struct RoomHooks {
    static int sockopt(xmpp_conn_t* conn, void* sock) {
        if (connecting && connecting->conn_ == conn) connecting->watch(*static_cast<int*>(sock));
        return 0;
    }
    static int certificate(const xmpp_tlscert_t*, const char* const) {
        certificateRefused = true;
        return 0;  // a refusal, never a question
    }
    static void connection(xmpp_conn_t*, xmpp_conn_event_t event, int, xmpp_stream_error_t* error, void* self) {
        auto* client = static_cast<RoomClient*>(self);
        if (event == XMPP_CONN_CONNECT) {
            client->connected_ = true;
            emit client->signedIn();
            return;
        }
        const bool was = client->connected_;
        client->connected_ = false;
        client->inRoom_ = false;
        client->notifier_.reset();
        client->connecting_.reset();
        const bool refused = error && error->type == XMPP_SE_NOT_AUTHORIZED;
        client->fail(certificateRefused ? RoomClient::Failure::Certificate
                     : refused || was   ? (was ? RoomClient::Failure::Disconnected : RoomClient::Failure::SignInRefused)
                                        : RoomClient::Failure::ServerNotFound);
    }
    static int presence(xmpp_conn_t*, xmpp_stanza_t* stanza, void* self) {
        static_cast<RoomClient*>(self)->presence(stanza);
        return 1;
    }
    static int message(xmpp_conn_t*, xmpp_stanza_t* stanza, void* self) {
        auto* client = static_cast<RoomClient*>(self);
        const char* type = xmpp_stanza_get_type(stanza);
        if (!type || (qstrcmp(type, "groupchat") != 0 && qstrcmp(type, "chat") != 0) || !client->inRoom_) return 1;
        const QString from = QString::fromUtf8(xmpp_stanza_get_from(stanza) ? xmpp_stanza_get_from(stanza) : "");
        if (!from.startsWith(client->room_ + QLatin1Char('/'))) return 1;
        xmpp_stanza_t* payload = xmpp_stanza_get_child_by_ns(stanza, RoomClient::payloadNamespace);
        if (!payload) return 1;
        char* content = xmpp_stanza_get_text(payload);
        const QByteArray bytes(content ? content : "");
        if (content) xmpp_free(client->ctx_, content);
        emit client->received(resourceOf(xmpp_stanza_get_from(stanza)), bytes);
        return 1;
    }
    static int configured(xmpp_conn_t*, xmpp_stanza_t* stanza, void* self) {
        auto* client = static_cast<RoomClient*>(self);
        const char* type = xmpp_stanza_get_type(stanza);
        if (type && qstrcmp(type, "result") == 0) {
            client->inRoom_ = true;
            emit client->entered();
        } else {
            client->fail(RoomClient::Failure::TableFull);
        }
        return 0;
    }
};

RoomClient::RoomClient(QObject* parent) : QObject(parent) {
    xmpp_initialize();
    ctx_ = xmpp_ctx_new(nullptr, nullptr);
    timer_.setInterval(wakePeriod);
    connect(&timer_, &QTimer::timeout, this, &RoomClient::wake);
}

RoomClient::~RoomClient() {
    blockSignals(true);  // closing is no failure
    notifier_.reset();
    connecting_.reset();
    if (conn_) {
        if (connected_) {
            xmpp_disconnect(conn_);
            for (int i = 0; i < 10 && connected_; ++i) xmpp_run_once(ctx_, 0);  // the closing stanza on its way
        }
        xmpp_conn_release(conn_);
    }
    xmpp_ctx_free(ctx_);
    xmpp_shutdown();
    if (connecting == this) connecting = nullptr;
}

void RoomClient::signIn(const Server& server) {
    certificateRefused = false;
    conn_ = xmpp_conn_new(ctx_);
    connecting = this;
    const QString host = server.host.isEmpty() ? server.domain : server.host;
    // on this machine a test's server may go without TLS; anywhere else it is required
    xmpp_conn_set_flags(conn_, loopback(host) ? 0 : XMPP_CONN_FLAG_MANDATORY_TLS);
    xmpp_conn_set_certfail_handler(conn_, &RoomHooks::certificate);
    xmpp_conn_set_sockopt_callback(conn_, &RoomHooks::sockopt);
    xmpp_conn_set_jid(conn_, (server.jid.isEmpty() ? server.domain : server.jid).toUtf8().constData());
    if (!server.jid.isEmpty()) xmpp_conn_set_pass(conn_, server.password.toUtf8().constData());
    xmpp_handler_add(conn_, &RoomHooks::presence, nullptr, "presence", nullptr, this);
    xmpp_handler_add(conn_, &RoomHooks::message, nullptr, "message", nullptr, this);
    const QByteArray alt = host.toUtf8();
    if (xmpp_connect_client(conn_, alt.constData(), server.port, &RoomHooks::connection, this) != XMPP_EOK) {
        QTimer::singleShot(0, this, [this] { fail(Failure::ServerNotFound); });
        return;
    }
    timer_.start();
    wake();
}

void RoomClient::watch(int fd) {
    notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &RoomClient::wake);
    // the connection is made when the socket first takes writing: once
    connecting_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Write);
    connect(connecting_.get(), &QSocketNotifier::activated, this, [this] {
        connecting_->setEnabled(false);
        wake();
    });
}

// libstrophe runs without waiting: it writes what waits, reads what came and runs its handlers and timed handlers;
// and once more, for the answers the handlers made to leave at once.
void RoomClient::wake() {
    if (!conn_) return;
    xmpp_run_once(ctx_, 0);
    xmpp_run_once(ctx_, 0);
}

void RoomClient::enter(const QString& room, const QString& nick, bool host, const QString& password) {
    room_ = room, nick_ = nick, host_ = host;
    xmpp_stanza_t* p = xmpp_presence_new(ctx_);
    xmpp_stanza_set_to(p, (room + QLatin1Char('/') + nick).toUtf8().constData());
    xmpp_stanza_t* x = element(ctx_, p, "x", mucNs);
    xmpp_stanza_set_attribute(element(ctx_, x, "history"), "maxstanzas", "0");
    if (!password.isEmpty()) text(ctx_, element(ctx_, x, "password"), password.toUtf8());
    xmpp_send(conn_, p);
    xmpp_stanza_release(p);
    QTimer::singleShot(0, this, &RoomClient::wake);
}

void RoomClient::presence(xmpp_stanza_t* stanza) {
    const QString from = QString::fromUtf8(xmpp_stanza_get_from(stanza) ? xmpp_stanza_get_from(stanza) : "");
    if (room_.isEmpty() || !from.startsWith(room_ + QLatin1Char('/'))) return;
    const QString nick = resourceOf(xmpp_stanza_get_from(stanza));
    const char* type = xmpp_stanza_get_type(stanza);
    if (type && qstrcmp(type, "error") == 0) {
        xmpp_stanza_t* error = xmpp_stanza_get_child_by_name(stanza, "error");
        const bool conflict = error && xmpp_stanza_get_child_by_name(error, "conflict");
        return fail(conflict ? Failure::NameTaken : Failure::TableFull);
    }
    xmpp_stanza_t* x = xmpp_stanza_get_child_by_ns(stanza, mucUserNs);
    bool self = false, created = false;
    int read = 0;
    for (xmpp_stanza_t* c = x ? xmpp_stanza_get_children(x) : nullptr; c && read < maxStatusCodes;
         c = xmpp_stanza_get_next(c), ++read) {
        const char* name = xmpp_stanza_get_name(c);
        const char* code = name && qstrcmp(name, "status") == 0 ? xmpp_stanza_get_attribute(c, "code") : nullptr;
        self = self || (code && qstrcmp(code, "110") == 0);
        created = created || (code && qstrcmp(code, "201") == 0);
    }
    if (type && qstrcmp(type, "unavailable") == 0) {
        if (!self) emit left(nick);
        return;
    }
    xmpp_stanza_t* item = x ? xmpp_stanza_get_child_by_name(x, "item") : nullptr;
    const char* affiliation = item ? xmpp_stanza_get_attribute(item, "affiliation") : nullptr;
    emit arrived(nick, QString::fromUtf8(affiliation ? affiliation : "none"));
    if (!self || inRoom_) return;
    if (host_ != created) {
        if (created) inRoom_ = true, leave();  // entering made a room of that name: there was no such table
        return fail(host_ ? Failure::TableFull : Failure::UnknownCode);
    }
    if (host_) return configure();
    inRoom_ = true;
    emit entered();
}

// The room's configuration as the owner sets it: the given fields, sent as a form.
void RoomClient::configureRoom(const char* id, const std::vector<std::pair<const char*, QByteArray>>& fields) {
    xmpp_stanza_t* iq = xmpp_iq_new(ctx_, "set", id);
    xmpp_stanza_set_to(iq, room_.toUtf8().constData());
    xmpp_stanza_t* form = element(ctx_, element(ctx_, iq, "query", mucOwnerNs), "x", "jabber:x:data");
    xmpp_stanza_set_attribute(form, "type", "submit");
    field(ctx_, form, "FORM_TYPE", "http://jabber.org/protocol/muc#roomconfig");
    for (const auto& [var, value] : fields) field(ctx_, form, var, value.constData());
    xmpp_send(conn_, iq);
    xmpp_stanza_release(iq);
    QTimer::singleShot(0, this, &RoomClient::wake);
}

// The new room: unlisted, not persistent, no history, its members' addresses hidden.
void RoomClient::configure() {
    xmpp_id_handler_add(conn_, &RoomHooks::configured, "configure", this);
    configureRoom("configure", {{"muc#roomconfig_publicroom", "0"},
                                {"muc#roomconfig_persistentroom", "0"},
                                {"muc#roomconfig_historylength", "0"},
                                {"muc#roomconfig_whois", "moderators"}});
}

void RoomClient::close(const QString& password) {
    if (!inRoom_ || !host_) return;
    configureRoom("close",
                  {{"muc#roomconfig_passwordprotectedroom", "1"}, {"muc#roomconfig_roomsecret", password.toUtf8()}});
}

void RoomClient::say(const QByteArray& payload, const QString& words) { send("groupchat", room_, payload, words); }

void RoomClient::whisper(const QString& nick, const QByteArray& payload, const QString& words) {
    send("chat", room_ + QLatin1Char('/') + nick, payload, words);
}

void RoomClient::send(const char* type, const QString& to, const QByteArray& payload, const QString& words) {
    if (!inRoom_) return;
    xmpp_stanza_t* m = xmpp_message_new(ctx_, type, to.toUtf8().constData(), nullptr);
    xmpp_message_set_body(m, words.toUtf8().constData());
    text(ctx_, element(ctx_, m, "table", payloadNamespace), payload);
    xmpp_send(conn_, m);
    xmpp_stanza_release(m);
    QTimer::singleShot(0, this, &RoomClient::wake);
}

void RoomClient::leave() {
    if (!inRoom_) return;
    inRoom_ = false;
    xmpp_stanza_t* p = xmpp_presence_new(ctx_);
    xmpp_stanza_set_type(p, "unavailable");
    xmpp_stanza_set_to(p, (room_ + QLatin1Char('/') + nick_).toUtf8().constData());
    xmpp_send(conn_, p);
    xmpp_stanza_release(p);
    wake();
}

void RoomClient::fail(Failure why) {
    if (!connected_) timer_.stop();
    emit failed(why);
}

}  // namespace skarpo
