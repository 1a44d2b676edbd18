// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/words/speech.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFileInfo>
#include <QLocale>

#include "window/words/outcomewords.h"
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

// A part of a computer's turn as it is said when it happens: the throw with the player's name, where the counter
// went in fewer words; empty for what is told only in full.
QString shortPartOf(const Table& b, const Happening& h, bool named) {
    using Kind = Happening::Kind;
    if (h.kind == Kind::Moved)
        return h.value > Happening::columnBase
                   ? spoken(QT_TRANSLATE_NOOP("Speech", "home column %1")).arg(h.value - Happening::columnBase)
                   : spoken(QT_TRANSLATE_NOOP("Speech", "to %1")).arg(h.value);
    // a turn's first throw by the player's name and the face alone: "Green 1"
    if (h.kind == Kind::Threw && named) return nameOf(b, h.player) + QLatin1Char(' ') + QString::number(h.value);
    const QString part = partOf(b, h);
    return named && !part.isEmpty() ? nameOf(b, h.player) + QLatin1Char(' ') + part : part;
}

// A move in few words, as the sentence of the throw says it: "square 3 to 8", "start to 1", "home column 2 to 5",
// "square 58 to home column 4", with whom it captures.
QString moveOf(const Outcome& o) {
    QString from, to;
    switch (o.from.kind) {
        case Place::Kind::Ring: from = spoken(QT_TRANSLATE_NOOP("Speech", "square %1")).arg(o.from.index); break;
        case Place::Kind::Start: from = spoken(QT_TRANSLATE_NOOP("Speech", "start")); break;
        default: from = spoken(QT_TRANSLATE_NOOP("Speech", "home column %1")).arg(o.from.index); break;
    }
    if (o.to.kind == Place::Kind::Ring)
        to = QString::number(o.to.index);
    else if (o.to.kind == Place::Kind::Column && o.from.kind == Place::Kind::Column)
        to = QString::number(o.to.index);
    else if (o.to.kind == Place::Kind::Column)
        to = spoken(QT_TRANSLATE_NOOP("Speech", "home column %1")).arg(o.to.index);
    else
        to = spoken(QT_TRANSLATE_NOOP("Speech", "a final place"));
    const QString move = spoken(QT_TRANSLATE_NOOP("Speech", "%1 to %2")).arg(from, to);
    const QString taken = words::capturesOf(o);
    return taken.isEmpty() ? move : words::listed(move, taken);
}

// A computer's move in fewer words still: where the counter goes ("to 47", "home column 3"), or where it enters.
QString computerMoveOf(const Outcome& o) {
    if (o.from.kind == Place::Kind::Start)
        return spoken(QT_TRANSLATE_NOOP("Speech", "%1 to %2"))
            .arg(spoken(QT_TRANSLATE_NOOP("Speech", "start")))
            .arg(o.to.index);
    if (o.to.kind == Place::Kind::Ring) return spoken(QT_TRANSLATE_NOOP("Speech", "to %1")).arg(o.to.index);
    if (o.to.kind == Place::Kind::Column) return spoken(QT_TRANSLATE_NOOP("Speech", "home column %1")).arg(o.to.index);
    return spoken(QT_TRANSLATE_NOOP("Speech", "a final place"));
}

// A sentence: ends with a full stop, so that sentences said one after
// another stay apart.
QString sentence(const QString& text) {
    if (text.isEmpty() || text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char('!'))) return text;
    return text + QLatin1Char('.');
}

int markedCount(const Table& b) { return b.phase() == Phase::MarksWait ? static_cast<int>(b.clickable().size()) : 0; }

}  // namespace

// How long the texts given are waited for, beyond 120 ms a letter: past it, the speech service is not waited for.
constexpr int stuckAfter = 4000;  // ms

Speech::Speech(const Table& table, QObject* parent) : QObject(parent), table_(table) {
    seen_ = table_.happenings().count();
    stuck_.setSingleShot(true);
    connect(&stuck_, &QTimer::timeout, this, [this] {
        // the speech service has not said it has done: a voice afresh for the next text
        queue_.clear();
        if (voice_) voice_->deleteLater();
        voice_ = nullptr;
        if (quiet) quiet();
    });
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
    // a person at another machine is told as a computer is
    if (table_.game().person(h.player) && table_.playedHere(h.player)) return tellPerson(h);
    tellComputer(h);
}

// A computer's turn: kept in full for the round, and said as it happens in few words: its throw with where its
// counter goes, as soon as the turn is decided ("Cyan threw 4: square 12 to 16."), captures and final places when
// they come.
void Speech::tellComputer(const Happening& h) {
    using Kind = Happening::Kind;
    const bool first = h.kind == Kind::Threw && h.player != turnPlayer_;
    if (first) {
        flushTurn();
        turnPlayer_ = h.player;
    }
    // what a player does outside its own turn is told with its name
    const bool named = first || h.player != turnPlayer_;
    const QString part = partOf(table_, h);
    if (part.isEmpty()) return;
    turn_ << (named ? nameOf(table_, h.player) + QLatin1Char(' ') + part : part);
    const bool move = h.kind == Kind::Moved || h.kind == Kind::Entered;
    if (h.kind == Kind::Threw) {
        throwSaid_ = {shortPartOf(table_, h, named), h.player, h.value, false};
    } else if ((move || h.kind == Kind::NoMove) && h.player == throwSaid_.player && !throwSaid_.text.isEmpty()) {
        // in the same batch
        throwSaid_.text =
            spoken(QT_TRANSLATE_NOOP("Speech", "%1: %2")).arg(throwSaid_.text, shortPartOf(table_, h, false));
        throwSaid_.told = true;
    } else if ((move || h.kind == Kind::NoMove) && h.player == throwSaid_.player && throwSaid_.told) {
        throwSaid_.told = false;  // said with its throw
    } else {
        say(shortPartOf(table_, h, named), Fits::Always, false);
    }
}

// The computer's throw, with where its counter goes as the turn was decided, unless the board has told it already.
void Speech::sayComputerThrow() {
    if (throwSaid_.text.isEmpty()) return;
    QString text = throwSaid_.text;
    const auto coming = throwSaid_.told ? std::nullopt : table_.comingMove();
    if (coming && coming->player == throwSaid_.player) {
        const QString move = coming->moves ? computerMoveOf(*coming) : spoken(QT_TRANSLATE_NOOP("Speech", "no move"));
        text = spoken(QT_TRANSLATE_NOOP("Speech", "%1: %2")).arg(text, move);
        throwSaid_.told = true;
    }
    say(text, Fits::Always, false);
    throwSaid_.text.clear();
}

void Speech::follow() {
    // what the player could do was decided otherwise meanwhile (a new game, automatic play): those words end
    if (undecided_ && *undecided_ != table_.decided()) interrupt();
    for (const Happening& h : table_.happenings().since(seen_)) tell(h);
    seen_ = table_.happenings().count();
    sayComputerThrow();
    if (table_.phase() == Phase::Animating || table_.phase() == Phase::Closed) {
        dieWaited_ = false;  // the die rolls or counters move: it waits for nobody
        return;
    }

    if (ownThrow_ && markedCount(table_) > 0) tellThrow();
    if (thrower_ && !told_ && markedCount(table_) > 0) {
        // "Cyan threw 5. Choose a yellow counter"
        say(words::joined(words::sentence({Happening::Kind::Threw, thrower_, table_.game().thrown}, table_.soleRed()),
                          words::prompt(table_, thrower_)));
        told_ = true;
    }
    const bool dieWaits = table_.phase() == Phase::DieWaits && !table_.game().autoplay &&
                          table_.game().person(table_.toPlay()) && table_.playedHere(table_.toPlay());
    if (dieWaits && !dieWaited_) {
        flushTurn();
        if (ownThrow_) say(spoken(QT_TRANSLATE_NOOP("Speech", "You threw %1")).arg(ownThrow_));
        ownThrow_ = 0;
        if (thrower_ && !told_)
            say(words::sentence({Happening::Kind::Threw, thrower_, table_.game().thrown}, table_.soleRed()));
        thrower_ = 0;
        // "Your turn", or with several people "Cyan: click the die"; the round is over
        say(isYou(table_, table_.toPlay()) ? spoken(QT_TRANSLATE_NOOP("Speech", "Your turn"))
                                           : words::prompt(table_, 0),
            Fits::Undecided);
        roundOver_ = true;
    }
    dieWaited_ = dieWaits;
    busyTold_ = false;
}

// The person's throw and what it allows: where one counter goes and how to move it, or how many can move (the
// focus then reads the first one's move).
void Speech::tellThrow() {
    const std::vector<ViewId> marks = table_.clickable();
    const auto outcome = marks.size() == 1 ? table_.foresee(marks[0]) : std::nullopt;
    if (outcome)
        say(spoken(QT_TRANSLATE_NOOP("Speech", "You threw %1: %2, Enter moves it"))
                .arg(ownThrow_)
                .arg(moveOf(*outcome)),
            Fits::Undecided);
    else
        say(spoken(QT_TRANSLATE_NOOP("Speech", "You threw %1, %2 counters can move")).arg(ownThrow_).arg(marks.size()),
            Fits::Undecided);
    ownThrow_ = 0;
}

// The computer's turn in full, for the round; its parts were said as they came.
void Speech::flushTurn() {
    if (!turn_.isEmpty()) round_ << sentence(turn_.join(spoken(QT_TRANSLATE_NOOP("Speech", ", "))));
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

void Speech::readBoard() { say(standings(table_), Fits::Undecided, false); }

void Speech::repeat() {
    flushTurn();
    say(last(), Fits::Undecided, false);
}

void Speech::busy() {
    if (busyTold_) return;  // once a pause
    busyTold_ = true;
    say(spoken(QT_TRANSLATE_NOOP("Speech", "Wait, the board is moving")), Fits::Moving, false);
}

void Speech::interrupt() {
    if (voice_ && voice_->unsaid() > 0) voice_->stop();
    undecided_.reset();
    std::erase_if(queue_, [this](const Line& l) { return !fits(l); });
}

bool Speech::talking(Platform::Words until) const {
    if (!speaks() || silent || !voice_ || voice_->failed()) return false;
    return (until == Platform::Words::Said ? voice_->unsaid() : voice_->unbegun()) > 0 ||
           std::any_of(queue_.begin(), queue_.end(), [this](const Line& l) { return fits(l); });
}

bool Speech::fits(const Line& line) const {
    switch (line.fits) {
        case Fits::Always: return true;
        case Fits::Undecided: return table_.decided() == line.decided;
        case Fits::Moving: return table_.phase() == Phase::Animating;
    }
    return true;
}

void Speech::say(const QString& text, Fits fits, bool inRound) {
    const QString s = sentence(text);
    if (s.isEmpty()) return;
    last_ = s;
    if (inRound) {
        if (roundOver_) round_.clear(), roundOver_ = false;
        round_ << s;
    }
    if (said) said(s);
    if (!speaks() || silent) return;
    queue_.push_back({s, fits, table_.decided()});
    if (!voice_) {
        //: the language of the voice that speaks the game, as a locale name (de, pt_BR ...)
        voice_ = new Voice(QLocale(spoken(QT_TRANSLATE_NOOP("Speech", "en"))), this);
        connect(voice_, &Voice::changed, this, [this] { speakNext(); });
    }
    speakNext();
}

// Each text goes to the speech service at once, once the voice is connected: the service says it after what was
// given before it, the screen reader's words included, so that the words keep the order of what happened. A text
// that no longer fits the board by then is dropped; one already given is ended (with all the game's words) when the
// player acts, or when anything is decided while it waits.
void Speech::speakNext() {
    if (!voice_) return;
    if (voice_->failed()) {
        // the speech service is not there (yet, or any more): the next text tries afresh, with the latest few
        voice_->deleteLater();
        voice_ = nullptr;
        stuck_.stop();
        while (queue_.size() > 3) queue_.pop_front();
        if (quiet) quiet();
        return;
    }
    if (!voice_->connected()) return;
    for (; !queue_.empty(); queue_.pop_front()) {
        if (!fits(queue_.front())) continue;
        if (queue_.front().fits == Fits::Undecided) undecided_ = queue_.front().decided;
        voice_->say(queue_.front().text);
        // long enough for the texts given to be said, at a slow voice's pace
        const int waited = stuck_.isActive() ? stuck_.remainingTime() : stuckAfter;
        stuck_.start(waited + 120 * static_cast<int>(queue_.front().text.size()));
    }
    if (voice_->unsaid() == 0) {
        stuck_.stop();
        undecided_.reset();
    }
    // begun or said: what waited for the words may go on
    if (quiet) quiet();
}

}  // namespace skarpo
