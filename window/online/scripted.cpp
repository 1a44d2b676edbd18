// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/online/scripted.h"

#include <QHash>
#include <QTimer>
#include <cstdio>
#include <ctime>
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

std::int64_t microseconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return std::int64_t(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

// times=1: the moments of each decision, for the bench. "click D T CPU" as the person here clicks, "rest D T CPU" as
// this board first rests waiting for D, "shown D T CPU" as it starts showing D: T on the monotonic clock that every
// process of the machine shares, CPU this process's processor time, both in microseconds; D is t12 for the twelfth
// throw, m12 for the move with it.
struct Timeline {
    Window& window;
    OnlineTable* online;
    bool on = false;
    std::int64_t stepBegan = 0;  // when the board's step being made began; 0 outside one
    QString rested;              // the decision this board last rested for

    // The decision the board rests waiting for; empty while it does not rest.
    QString awaited() const {
        const std::uint32_t made = online->shared().throws();
        const Phase phase = window.table().phase();
        return phase == Phase::DieWaits    ? QStringLiteral("t%1").arg(made + 1)
               : phase == Phase::MarksWait ? QStringLiteral("m%1").arg(made)
                                           : QString();
    }
    void tell(const char* what, const QString& decision, std::int64_t at) const {
        if (!on) return;
        say(QStringLiteral("%1 %2 %3 %4")
                .arg(QLatin1String(what), decision)
                .arg(at)
                .arg(microseconds(CLOCK_PROCESS_CPUTIME_ID)));
    }
    void rest(std::int64_t at) {
        const QString decision = awaited();
        if (!decision.isEmpty() && decision != rested) tell("rest", rested = decision, at);
    }
    // A decision that came before the board rested for it is shown in the very step that brought the rest.
    void shown(const QString& decision) {
        if (stepBegan != 0 && decision != rested) tell("rest", rested = decision, stepBegan);
        tell("shown", decision, microseconds(CLOCK_MONOTONIC));
    }
};

using Keys = QHash<QString, QString>;

// The host opens the table and seats the players; a guest enters the room and asks for its seat.
void sitDown(Window& window, OnlineTable* online, const Keys& keys, const QString& name) {
    RoomClient::Server server{keys.value(QStringLiteral("domain")),
                              keys.value(QStringLiteral("server")),
                              static_cast<quint16>(keys.value(QStringLiteral("port")).toUInt()),
                              {},
                              {}};
    if (keys.value(QStringLiteral("role")) != QLatin1String("host")) {
        online->join(server, keys.value(QStringLiteral("room")), keys.value(QStringLiteral("seat")).toInt());
        QObject::connect(&online->room(), &RoomClient::entered, online, [] { say(QStringLiteral("entered")); });
        return;
    }
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
}

// The person here clicks the first view that takes a click, as soon as there is one; once it saw `stall` throws made,
// no more: for good, or, with back=N, until N throws after the computer took the seat (then the person is back, as at
// a key). The clicker looks only while the board takes a click: it is started after each step of the board and each
// message, and stops itself. Returns what starts it.
std::function<void()> clickFor(Window& window, OnlineTable* online, const Keys& keys,
                               std::shared_ptr<const std::uint32_t> seen, std::shared_ptr<Timeline> line) {
    struct Away {
        std::uint32_t stall, back, from = 0;  // from: the throws seen when the computer took the seat
    };
    auto away = std::make_shared<Away>(Away{keys.value(QStringLiteral("stall"), QStringLiteral("0")).toUInt(),
                                            keys.value(QStringLiteral("back"), QStringLiteral("0")).toUInt()});
    auto* clicker = new QTimer(online);
    clicker->setInterval(clickPeriod);
    const auto tamper = tamperer(window, online, keys.value(QStringLiteral("tamper")).toUInt());
    QObject::connect(clicker, &QTimer::timeout, online,
                     [&window, clicker, seen, away, tamper, line, stalled = false]() mutable {
                         const auto views = window.canvas().focusChain();
                         if (views.empty()) return clicker->stop();
                         if (tamper && tamper()) return;
                         if (away->stall == 0 || *seen < away->stall) {
                             const QString decision = line->awaited();
                             const std::int64_t at = microseconds(CLOCK_MONOTONIC);
                             if (window.canvas().activate(views.front())) line->tell("click", decision, at);
                         } else if (!stalled) {
                             say(QStringLiteral("stalled"));
                             stalled = true;
                         }
                     });
    return [&window, online, clicker, seen, away] {
        if (away->back != 0 && away->stall != 0 && *seen >= away->stall && online->shared().away()) {
            if (away->from == 0) away->from = *seen;
            if (*seen >= away->from + away->back) say(QStringLiteral("back")), away->stall = 0, online->comeBack();
        }
        if (!clicker->isActive() && !window.canvas().focusChain().empty()) clicker->start();
    };
}

}  // namespace

bool scriptTable(Window& window, const QString& script) {
    Keys keys;
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
    auto* online = new OnlineTable(window, name);
    auto line = std::make_shared<Timeline>(Timeline{window, online, false, 0, {}});
    line->on = keys.value(QStringLiteral("times")) == QLatin1String("1");
    auto seen = std::make_shared<std::uint32_t>(0);  // throws this process saw made
    online->shared().onThrow = [seen, line](std::uint32_t n, std::uint64_t check) {
        line->shown(QStringLiteral("t%1").arg(n));
        say(QStringLiteral("throw %1 %2").arg(n).arg(check, 16, 16, QLatin1Char('0')));
        ++*seen;
    };
    online->shared().onMove = [line](std::uint32_t n) { line->shown(QStringLiteral("m%1").arg(n)); };
    const auto lookForClicks = clickFor(window, online, keys, seen, line);
    bool started = false;
    online->changed = [online, &window, started, lookForClicks]() mutable {
        if (!started && online->shared().started()) say(QStringLiteral("started")), started = true;
        if (!online->trouble().isEmpty()) say(QStringLiteral("trouble ") + online->trouble());
        window.afterCommand();
        lookForClicks();
    };
    // each step of the board: when it began, whether it brought the board to rest, and whether the person may click
    window.platform().due = [step = std::move(window.platform().due), line, lookForClicks] {
        line->stepBegan = microseconds(CLOCK_MONOTONIC);
        step();
        line->rest(line->stepBegan);
        line->stepBegan = 0;
        lookForClicks();
    };
    sitDown(window, online, keys, name);
    return true;
}

}  // namespace skarpo
