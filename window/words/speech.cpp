// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/words/speech.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFileInfo>
#include <QLocale>

#include "window/words/voice.h"
#include "window/words/words.h"

namespace skarpo {

namespace {

QString spoken(const char* text) { return QCoreApplication::translate("Speech", text); }

std::size_t of(int player) { return static_cast<std::size_t>(player - 1); }

// The players by name: the person as "You", the others by colour.
const char* const names[] = {
    QT_TRANSLATE_NOOP("Speech", "Red"),
    QT_TRANSLATE_NOOP("Speech", "Cyan"),
    QT_TRANSLATE_NOOP("Speech", "Magenta"),
    QT_TRANSLATE_NOOP("Speech", "Green"),
};
QString nameOf(const Table& b, int player) {
    return Speech::isYou(b, player) ? spoken(QT_TRANSLATE_NOOP("Speech", "You")) : spoken(names[of(player)]);
}

// What a capture took, said of the capturer: by the victim's colour.
const char* const capturedParts[] = {
    QT_TRANSLATE_NOOP("Speech", "captured a red counter"),
    QT_TRANSLATE_NOOP("Speech", "captured a cyan counter"),
    QT_TRANSLATE_NOOP("Speech", "captured a magenta counter"),
    QT_TRANSLATE_NOOP("Speech", "captured a green counter"),
};

QString placeOf(int value) {
    if (value > Happening::columnBase)
        return spoken(QT_TRANSLATE_NOOP("Speech", "moved into the home column, place %1"))
            .arg(value - Happening::columnBase);
    return spoken(QT_TRANSLATE_NOOP("Speech", "moved to %1")).arg(value);
}

// A part of a computer turn's sentence, or empty for what is not told there.
QString partOf(const Table& b, const Happening& h) {
    using Kind = Happening::Kind;
    switch (h.kind) {
        case Kind::Threw: return spoken(QT_TRANSLATE_NOOP("Speech", "threw %1")).arg(h.value);
        case Kind::NoMove: return spoken(QT_TRANSLATE_NOOP("Speech", "no move"));
        case Kind::Entered: return spoken(QT_TRANSLATE_NOOP("Speech", "entered on %1")).arg(h.value);
        case Kind::Moved: return placeOf(h.value);
        case Kind::Captured:
            if (h.value < 1 || h.value > 4) return {};
            return Speech::isYou(b, h.value) ? spoken(QT_TRANSLATE_NOOP("Speech", "captured your counter"))
                                             : spoken(capturedParts[of(h.value)]);
        case Kind::Home: return spoken(QT_TRANSLATE_NOOP("Speech", "reached a final place"));
        case Kind::AllHome: return spoken(QT_TRANSLATE_NOOP("Speech", "has all four counters home"));
        default: return {};
    }
}

// A sentence: ends with a full stop, so that sentences said one after
// another stay apart.
QString sentence(const QString& text) {
    if (text.isEmpty() || text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char('!'))) return text;
    return text + QLatin1Char('.');
}

int markedCount(const Table& b) { return b.phase() == Phase::MarksWait ? static_cast<int>(b.clickable().size()) : 0; }

}  // namespace

Speech::Speech(const Table& table, QObject* parent) : QObject(parent), table_(table) {
    seen_ = table_.happenings().count();
    watchScreenReader();
}

Speech::~Speech() = default;

bool Speech::speaks() const { return chosen_ >= 0 ? chosen_ == 1 : screenReader_; }

void Speech::setScreenReader(bool running) { screenReader_ = running; }

void Speech::choose(bool on) {
    if (!on) say(spoken(QT_TRANSLATE_NOOP("Speech", "Speech off")));  // the last thing said
    chosen_ = on ? 1 : 0;
    if (on) say(spoken(QT_TRANSLATE_NOOP("Speech", "Speech on")));
}

// The desktop says whether a screen reader is enabled on its session bus, as
// a property of the accessibility bus's service, and tells when it changes.
void Speech::watchScreenReader() {
    // no session bus, no desktop: nothing to ask (and none to start)
    const bool bus = qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS") ||
                     QFileInfo::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus"));
    if (!bus) return;
    QDBusConnection session = QDBusConnection::sessionBus();
    if (!session.isConnected()) return;
    const QString service = QStringLiteral("org.a11y.Bus"), path = QStringLiteral("/org/a11y/bus");
    const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");
    session.connect(service, path, properties, QStringLiteral("PropertiesChanged"), this,
                    SLOT(statusChanged(QString, QVariantMap, QStringList)));
    QDBusMessage get = QDBusMessage::createMethodCall(service, path, properties, QStringLiteral("Get"));
    get << QStringLiteral("org.a11y.Status") << QStringLiteral("ScreenReaderEnabled");
    // asked once at the start, and waited for: the first "Your turn" is
    // said only if the answer has come
    const QDBusMessage reply = session.call(get, QDBus::Block, 1000);
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
        setScreenReader(qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant().toBool());
}

void Speech::statusChanged(const QString& interface, const QVariantMap& changed, const QStringList&) {
    const auto it = changed.find(QStringLiteral("ScreenReaderEnabled"));
    if (interface == QLatin1String("org.a11y.Status") && it != changed.end()) setScreenReader(it->toBool());
}

// A person's news: their own throw at once with what it allows; one of several people, or a person playing another
// colour than red, told by colour in the status line's words.
void Speech::tellPerson(const Happening& h) {
    using Kind = Happening::Kind;
    if (!isYou(table_, h.player)) {
        if (h.kind == Kind::Threw) {
            flushTurn();
            ownThrow_ = 0;
            thrower_ = h.player;
            told_ = false;
        } else {
            say(words::sentence(h, table_.soleRed()));
            told_ = told_ || h.kind == Kind::NoMove;  // "Green cannot move with 1" holds the throw
        }
    } else if (h.kind == Kind::Threw) {
        flushTurn();
        if (ownThrow_) say(spoken(QT_TRANSLATE_NOOP("Speech", "You threw %1")).arg(ownThrow_));
        ownThrow_ = h.value;
    } else if (h.kind == Kind::NoMove) {
        say(spoken(QT_TRANSLATE_NOOP("Speech", "You threw %1, no move")).arg(h.value));
        ownThrow_ = 0;
    } else if (h.kind == Kind::Captured || h.kind == Kind::Home || h.kind == Kind::AllHome) {
        say(words::sentence(h, table_.soleRed()));
    }
}

void Speech::tell(const Happening& h) {
    using Kind = Happening::Kind;
    switch (h.kind) {
        case Kind::NewGame:
            flushTurn();
            ownThrow_ = 0;
            dieWaited_ = false;
            say(words::sentence(h, table_.soleRed()));
            return;
        case Kind::AutoOn:
        case Kind::AutoOff:
        case Kind::SoundOn:
        case Kind::SoundOff: return say(words::sentence(h, table_.soleRed()));
        case Kind::Opening: return;
        case Kind::Resumed:
            flushTurn();
            dieWaited_ = true;  // whose turn it is, said here
            return say(words::sentence(h, table_.soleRed()));
        default: break;
    }
    if (h.player < 1 || h.player > 4) return;
    if (table_.game().person(h.player)) return tellPerson(h);
    // a computer's turn, told in one sentence when it ends
    if (h.kind == Kind::Threw && h.player != turnPlayer_) {
        flushTurn();
        turnPlayer_ = h.player;
        turn_ << nameOf(table_, h.player) + QLatin1Char(' ') + partOf(table_, h);
        return;
    }
    const QString part = partOf(table_, h);
    // what a player does outside its own turn is told with its name
    if (!part.isEmpty()) turn_ << (h.player == turnPlayer_ ? part : nameOf(table_, h.player) + QLatin1Char(' ') + part);
}

void Speech::follow() {
    for (const Happening& h : table_.happenings().since(seen_)) tell(h);
    seen_ = table_.happenings().count();
    if (table_.phase() == Phase::Animating || table_.phase() == Phase::Closed) {
        dieWaited_ = false;  // the die rolls or counters move: it waits for nobody
        return;
    }

    if (ownThrow_) {
        if (const int n = markedCount(table_); n > 0) {
            say(n == 1
                    ? spoken(QT_TRANSLATE_NOOP("Speech", "You threw %1, one counter can move")).arg(ownThrow_)
                    : spoken(QT_TRANSLATE_NOOP("Speech", "You threw %1, %2 counters can move")).arg(ownThrow_).arg(n));
            ownThrow_ = 0;
        }
    }
    if (thrower_ && !told_ && markedCount(table_) > 0) {
        // "Cyan threw 5. Choose a yellow counter"
        say(words::joined(words::sentence({Happening::Kind::Threw, thrower_, table_.game().thrown}, table_.soleRed()),
                          words::prompt(table_, thrower_)));
        told_ = true;
    }
    const bool dieWaits =
        table_.phase() == Phase::DieWaits && !table_.game().autoplay && table_.game().person(table_.toPlay());
    if (dieWaits && !dieWaited_) {
        flushTurn();
        if (ownThrow_) say(spoken(QT_TRANSLATE_NOOP("Speech", "You threw %1")).arg(ownThrow_));
        ownThrow_ = 0;
        if (thrower_ && !told_)
            say(words::sentence({Happening::Kind::Threw, thrower_, table_.game().thrown}, table_.soleRed()));
        thrower_ = 0;
        // "Your turn", or with several people "Cyan: click the die"
        say(isYou(table_, table_.toPlay()) ? spoken(QT_TRANSLATE_NOOP("Speech", "Your turn"))
                                           : words::prompt(table_, 0));
    }
    dieWaited_ = dieWaits;
    busyTold_ = false;
}

void Speech::flushTurn() {
    if (!turn_.isEmpty()) say(turn_.join(spoken(QT_TRANSLATE_NOOP("Speech", ", "))));
    turn_.clear();
    turnPlayer_ = 0;
}

QStringList Speech::standingsLines(const Table& b) {
    QStringList players;
    for (int p = 1; p <= 4; ++p) {
        QStringList parts;
        int waiting = 0;
        for (int i = 1; i <= 4; ++i) waiting += b.game().position.players(p, i) < 1 ? 1 : 0;
        if (waiting > 0) parts << spoken(QT_TRANSLATE_NOOP("Speech", "%1 at the start")).arg(waiting);
        // from the player's entry square round the ring, in the order of its journey
        for (int k = 1; k <= 60; ++k)
            if (b.game().position.squares(squareOf(p, k)) == p)
                parts << spoken(QT_TRANSLATE_NOOP("Speech", "square %1")).arg(squareOf(p, k));
        for (int k = 1; k <= 6; ++k)
            if (b.game().position.homerow(p, k) == 1)
                parts << spoken(QT_TRANSLATE_NOOP("Speech", "home column %1")).arg(k);
        if (b.game().position.homerow(p, 7) > 0)
            parts << spoken(QT_TRANSLATE_NOOP("Speech", "%1 home")).arg(b.game().position.homerow(p, 7));
        players << spoken(QT_TRANSLATE_NOOP("Speech", "%1: %2."))
                       .arg(nameOf(b, p), parts.join(spoken(QT_TRANSLATE_NOOP("Speech", ", "))));
    }
    return players;
}

void Speech::readBoard() { say(standings(table_)); }

void Speech::repeat() {
    if (!last_.isEmpty()) say(last_);
}

void Speech::busy() {
    if (busyTold_) return;  // once a pause
    busyTold_ = true;
    say(spoken(QT_TRANSLATE_NOOP("Speech", "Wait, the board is moving")));
}

void Speech::say(const QString& text) {
    const QString s = sentence(text);
    if (s.isEmpty()) return;
    last_ = s;
    if (said) said(s);
    if (!speaks() || silent) return;
    queue_ << s;
    if (!voice_) {
        //: the language of the voice that speaks the game, as a locale name (de, pt_BR ...)
        voice_ = new Voice(QLocale(spoken(QT_TRANSLATE_NOOP("Speech", "en"))), this);
        connect(voice_, &Voice::changed, this, [this] { speakNext(); });
    }
    speakNext();
}

// One text at a time, and only when the voice is quiet: the speech service
// queues it behind what the screen reader says, and the voice is never told
// to stop (which would silence the screen reader too).
void Speech::speakNext() {
    if (!voice_ || queue_.isEmpty()) return;
    if (voice_->failed()) {
        // the speech service is not there (yet, or any more): the next
        // text tries afresh, with the latest few that wait
        voice_->deleteLater();
        voice_ = nullptr;
        while (queue_.size() > 3) queue_.removeFirst();
        return;
    }
    if (!voice_->ready()) return;
    voice_->say(queue_.join(QLatin1Char(' ')));
    queue_.clear();
}

}  // namespace skarpo
