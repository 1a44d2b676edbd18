// SPDX-License-Identifier: GPL-3.0-or-later
// skarpo_table_bench: a shared table's network figures on a real server. It signs in anonymously, opens a table's
// room (created and configured as the host's is), and sends game payloads one after another, each as soon as the
// last has come back from the room; it prints the time of the sign-in, of opening the room, and the median and the
// longest round trip.
//   skarpo_table_bench --port N [--host 127.0.0.1] [--domain skarpo.localhost] [--service S] [--messages 200]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "window/online/roomclient.h"

using namespace skarpo;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    auto option = [&args](const char* name, const QString& fallback) {
        const qsizetype at = args.indexOf(QLatin1String(name));
        return at >= 0 && at + 1 < args.size() ? args[at + 1] : fallback;
    };
    RoomClient::Server server;
    server.domain = option("--domain", QStringLiteral("skarpo.localhost"));
    server.host = option("--host", QStringLiteral("127.0.0.1"));
    server.port = static_cast<quint16>(option("--port", QStringLiteral("5222")).toUInt());
    const QString service = option("--service", QStringLiteral("conference.") + server.domain);
    const int messages = option("--messages", QStringLiteral("200")).toInt();

    RoomClient room;
    QElapsedTimer clock, trip;
    std::vector<double> trips;
    qint64 signedIn = 0;
    clock.start();
    QObject::connect(&room, &RoomClient::signedIn, [&] {
        signedIn = clock.nsecsElapsed();
        room.enter(QStringLiteral("bench-%1@").arg(QCoreApplication::applicationPid()) + service,
                   QStringLiteral("bench"), true);
    });
    QObject::connect(&room, &RoomClient::entered, [&] {
        std::printf("sign-in: %.1f ms\nopening the room: %.1f ms\n", static_cast<double>(signedIn) / 1e6,
                    static_cast<double>(clock.nsecsElapsed() - signedIn) / 1e6);
        trip.start();
        room.say("skarpo=1 seq=1 act=sit seat=1", QStringLiteral("bench"));
    });
    QObject::connect(&room, &RoomClient::received, [&](const QString&, const QByteArray&) {
        trips.push_back(static_cast<double>(trip.nsecsElapsed()) / 1e6);
        if (static_cast<int>(trips.size()) >= messages) return app.exit(0);
        trip.start();
        room.say(QByteArray("skarpo=1 seq=") + QByteArray::number(trips.size() + 1) + " act=sit seat=1",
                 QStringLiteral("bench"));
    });
    QObject::connect(&room, &RoomClient::failed, [&](RoomClient::Failure why) {
        std::fprintf(stderr, "failed: %d\n", static_cast<int>(why));
        app.exit(1);
    });
    QTimer::singleShot(60000, &app, [&] { app.exit(2); });  // bounded: a minute at most
    room.signIn(server);
    const int status = app.exec();
    if (status != 0 || trips.empty()) return status ? status : 1;
    std::sort(trips.begin(), trips.end());
    std::printf("round trip of a group-chat message, %zu in a row: median %.2f ms, longest %.2f ms\n", trips.size(),
                trips[trips.size() / 2], trips.back());
    return 0;
}
