// SPDX-License-Identifier: GPL-3.0-or-later
// skarpo_raw_client: someone who is not seated at a table enters its room and says what it is given, as game
// payloads, then leaves: for the tests of what a table refuses. "@oversized" stands for a payload of 5000 bytes.
// SKARPO_ROOM_WORD in the environment: the word of a closed room. Exits 1 when it could not enter.
//   skarpo_raw_client PORT DOMAIN ROOM NICK PAYLOAD...
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

#include "window/online/roomclient.h"

using namespace skarpo;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 6) {
        std::fprintf(stderr, "usage: skarpo_raw_client PORT DOMAIN ROOM NICK PAYLOAD...\n");
        return 2;
    }
    RoomClient room;
    RoomClient::Server server;
    server.port = static_cast<quint16>(args[1].toUInt());
    server.domain = args[2];
    server.host = QStringLiteral("127.0.0.1");
    QObject::connect(&room, &RoomClient::signedIn,
                     [&] { room.enter(args[3], args[4], false, qEnvironmentVariable("SKARPO_ROOM_WORD")); });
    QObject::connect(&room, &RoomClient::entered, [&] {
        for (qsizetype i = 5; i < args.size(); ++i)
            room.say(args[i] == QLatin1String("@oversized") ? QByteArray(5000, 'x') : args[i].toUtf8(),
                     QStringLiteral("tampering"));
        QTimer::singleShot(300, &app, [&] { app.exit(0); });  // the messages on their way
    });
    QObject::connect(&room, &RoomClient::failed, [&](RoomClient::Failure why) {
        std::fprintf(stderr, "skarpo_raw_client: failed (%d)\n", static_cast<int>(why));
        app.exit(1);
    });
    QTimer::singleShot(20000, &app, [&] { app.exit(3); });  // bounded
    room.signIn(server);
    return app.exec();
}
