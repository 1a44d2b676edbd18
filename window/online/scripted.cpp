// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/online/scripted.h"

#include <QHash>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <memory>

#include "window/board/canvas.h"
#include "window/online/onlinetable.h"
#include "window/platform/gamefile.h"
#include "window/window.h"
#include "window/words/speech.h"

namespace skarpo {

namespace {
constexpr int clickPeriod = 5;  // ms between looks for a view to click

void say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// tamper=N: once N throws are made, the host reveals a wrong secret for a throw to come (before the right one); a
// guest, when its marks wait, moves a counter from a start place no move starts from and says that again with the
// same sequence number. Whether it tampered now (then it clicks nothing this time).
std::function<bool()> tamperer(Window& window, OnlineTable* online, std::uint32_t from) {
    if (from == 0) return {};
    return [&window, online, from, done = false]() mutable {
        online::SharedTable& shared = online->shared();
        if (done || shared.throws() < from) return false;
        online::Message m;
        if (shared.isHost()) {
            m.act = online::Message::Act::Reveal, m.throwNumber = shared.throws() + 2;
        } else if (window.table().phase() == Phase::MarksWait) {
            m.act = online::Message::Act::Move, m.throwNumber = shared.throws(), m.at = Place::start(3);
        } else {
            return false;
        }
        online->sendAsIs(m);
        if (!shared.isHost()) online->sayAgain();
        say(QStringLiteral("tampered"));
        return done = true;
    };
}
}  // namespace

bool scriptTable(Window& window, const QString& script) {
    QHash<QString, QString> keys;
    for (const QString& word : script.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        keys.insert(word.section(QLatin1Char('='), 0, 0), word.section(QLatin1Char('='), 1));
    const QString role = keys.value(QStringLiteral("role")), name = keys.value(QStringLiteral("name"));
    if ((role != QLatin1String("host") && role != QLatin1String("join")) || name.isEmpty()) {
        std::fprintf(stderr, "skarpo: SKARPO_TEST_TABLE wants role=host or role=join, and name=\n");
        return false;
    }
    // heard=1: every text the game says, written as it is said
    if (keys.value(QStringLiteral("heard")) == QLatin1String("1"))
        window.speech().said = [](const QString& s) { say(QStringLiteral("said ") + s); };
    window.platform().pauseScale = keys.value(QStringLiteral("pace"), QStringLiteral("1")).toDouble();
    window.table().setSpeed(static_cast<Speed>(keys.value(QStringLiteral("speed"), QStringLiteral("0")).toInt()));
    RoomClient::Server server{keys.value(QStringLiteral("domain")),
                              keys.value(QStringLiteral("server")),
                              static_cast<quint16>(keys.value(QStringLiteral("port")).toUInt()),
                              {},
                              {}};
    auto* online = new OnlineTable(window, name);
    auto seen = std::make_shared<std::uint32_t>(0);  // throws this process saw made
    online->shared().onThrow = [seen](std::uint32_t n, std::uint64_t check) {
        say(QStringLiteral("throw %1 %2").arg(n).arg(check, 16, 16, QLatin1Char('0')));
        ++*seen;
    };
    bool started = false;
    online->changed = [online, &window, started]() mutable {
        if (!started && online->shared().started()) say(QStringLiteral("started")), started = true;
        if (!online->trouble().isEmpty()) say(QStringLiteral("trouble ") + online->trouble());
        window.afterCommand();
    };
    if (role == QLatin1String("host")) {
        std::array<std::string, 5> seats;
        const QStringList given = keys.value(QStringLiteral("seats")).split(QLatin1Char(','));
        for (int s = 1; s <= 4 && s <= given.size(); ++s) {
            const QString& seat = given[s - 1];
            seats[std::size_t(s)] = seat == QLatin1String("me")  ? name.toStdString()
                                    : seat == QLatin1String("-") ? online::computerSeat
                                                                 : online::invitedSeat;
        }
        // resume=1: on from the table's game kept in table.txt
        std::optional<Game> from;
        if (keys.value(QStringLiteral("resume")) == QLatin1String("1")) {
            GameFile kept(window.tablePath());
            from = kept.read().game;
            kept.release();
            say(from ? QStringLiteral("from the kept game") : QStringLiteral("no kept game"));
        }
        online->host(server, keys.value(QStringLiteral("service")), seats,
                     static_cast<Strength>(keys.value(QStringLiteral("strength"), QStringLiteral("1")).toInt()), from);
        QObject::connect(&online->room(), &RoomClient::entered, online, [online] {
            say(QStringLiteral("code ") + online->code());
            say(QStringLiteral("link ") + online->link());
        });
    } else {
        online->join(server, keys.value(QStringLiteral("room")), keys.value(QStringLiteral("seat")).toInt());
        QObject::connect(&online->room(), &RoomClient::entered, online, [] { say(QStringLiteral("entered")); });
    }
    // the person here clicks the first view that takes a click, as soon as there is one; once it saw `stall` throws
    // made, no more: for good, or, with back=N, until N throws after the computer took the seat (then the person is
    // back, as at a key)
    std::uint32_t stall = keys.value(QStringLiteral("stall"), QStringLiteral("0")).toUInt();
    const std::uint32_t back = keys.value(QStringLiteral("back"), QStringLiteral("0")).toUInt();
    auto* clicker = new QTimer(online);
    const auto tamper = tamperer(window, online, keys.value(QStringLiteral("tamper")).toUInt());
    QObject::connect(clicker, &QTimer::timeout, online,
                     [&window, online, seen, stall, back, tamper, stalled = false, awayFrom = 0u]() mutable {
                         if (stalled && back != 0 && online->shared().away()) {
                             if (awayFrom == 0) awayFrom = *seen;
                             if (*seen >= awayFrom + back) online->comeBack(), say(QStringLiteral("back")), stall = 0;
                         }
                         const auto views = window.canvas().focusChain();
                         if (views.empty() || (tamper && tamper())) return;
                         if (stall == 0 || *seen < stall) {
                             window.canvas().activate(views.front());
                         } else if (!stalled) {
                             say(QStringLiteral("stalled"));
                             stalled = true;
                         }
                     });
    clicker->start(clickPeriod);
    return true;
}

}  // namespace skarpo
