// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/words.h"

#include <QCoreApplication>

#include "window/outcomewords.h"

namespace skarpo::words {

namespace {

// Tables of texts by player (index player - 1): whole sentences, so that a
// translation can word each one as its language needs.
const char* const threwTexts[] = {
    QT_TRANSLATE_NOOP("Status", "Your throw: %1"),
    QT_TRANSLATE_NOOP("Status", "Cyan threw %1"),
    QT_TRANSLATE_NOOP("Status", "Magenta threw %1"),
    QT_TRANSLATE_NOOP("Status", "Green threw %1"),
};
const char* const noMoveTexts[] = {
    QT_TRANSLATE_NOOP("Status", "No move with %1"),
    QT_TRANSLATE_NOOP("Status", "Cyan cannot move with %1"),
    QT_TRANSLATE_NOOP("Status", "Magenta cannot move with %1"),
    QT_TRANSLATE_NOOP("Status", "Green cannot move with %1"),
};
// by capturer and victim
const char* const capturedTexts[4][4] = {
    {nullptr, QT_TRANSLATE_NOOP("Status", "You captured a cyan counter"),
     QT_TRANSLATE_NOOP("Status", "You captured a magenta counter"),
     QT_TRANSLATE_NOOP("Status", "You captured a green counter")},
    {QT_TRANSLATE_NOOP("Status", "Cyan captured your counter"), nullptr,
     QT_TRANSLATE_NOOP("Status", "Cyan captured a magenta counter"),
     QT_TRANSLATE_NOOP("Status", "Cyan captured a green counter")},
    {QT_TRANSLATE_NOOP("Status", "Magenta captured your counter"),
     QT_TRANSLATE_NOOP("Status", "Magenta captured a cyan counter"), nullptr,
     QT_TRANSLATE_NOOP("Status", "Magenta captured a green counter")},
    {QT_TRANSLATE_NOOP("Status", "Green captured your counter"),
     QT_TRANSLATE_NOOP("Status", "Green captured a cyan counter"),
     QT_TRANSLATE_NOOP("Status", "Green captured a magenta counter"), nullptr},
};
const char* const homeTexts[] = {
    QT_TRANSLATE_NOOP("Status", "Your counter reached a final place"),
    QT_TRANSLATE_NOOP("Status", "A cyan counter reached a final place"),
    QT_TRANSLATE_NOOP("Status", "A magenta counter reached a final place"),
    QT_TRANSLATE_NOOP("Status", "A green counter reached a final place"),
};
const char* const allHomeTexts[] = {
    QT_TRANSLATE_NOOP("Status", "All four of your counters are home"),
    QT_TRANSLATE_NOOP("Status", "Cyan has all four counters home"),
    QT_TRANSLATE_NOOP("Status", "Magenta has all four counters home"),
    QT_TRANSLATE_NOOP("Status", "Green has all four counters home"),
};
const char* const lastThrowTexts[] = {
    QT_TRANSLATE_NOOP("Status", "Your last throw: %1"),
    QT_TRANSLATE_NOOP("Status", "Cyan's last throw: %1"),
    QT_TRANSLATE_NOOP("Status", "Magenta's last throw: %1"),
    QT_TRANSLATE_NOOP("Status", "Green's last throw: %1"),
};

const char* const startNames[] = {
    QT_TRANSLATE_NOOP("Board", "Your start place %1"),
    QT_TRANSLATE_NOOP("Board", "Cyan start place %1"),
    QT_TRANSLATE_NOOP("Board", "Magenta start place %1"),
    QT_TRANSLATE_NOOP("Board", "Green start place %1"),
};
const char* const columnNames[] = {
    QT_TRANSLATE_NOOP("Board", "Your home column %1"),
    QT_TRANSLATE_NOOP("Board", "Cyan home column %1"),
    QT_TRANSLATE_NOOP("Board", "Magenta home column %1"),
    QT_TRANSLATE_NOOP("Board", "Green home column %1"),
};
const char* const finalNames[] = {
    QT_TRANSLATE_NOOP("Board", "Your final place %1"),
    QT_TRANSLATE_NOOP("Board", "Cyan final place %1"),
    QT_TRANSLATE_NOOP("Board", "Magenta final place %1"),
    QT_TRANSLATE_NOOP("Board", "Green final place %1"),
};
const char* const counterTexts[] = {
    QT_TRANSLATE_NOOP("Board", "your counter"),
    QT_TRANSLATE_NOOP("Board", "cyan counter"),
    QT_TRANSLATE_NOOP("Board", "magenta counter"),
    QT_TRANSLATE_NOOP("Board", "green counter"),
};
const char* const entryTexts[] = {
    QT_TRANSLATE_NOOP("Board", "your entry square"),
    QT_TRANSLATE_NOOP("Board", "cyan entry square"),
    QT_TRANSLATE_NOOP("Board", "magenta entry square"),
    QT_TRANSLATE_NOOP("Board", "green entry square"),
};
const char* const homeTurnTexts[] = {
    QT_TRANSLATE_NOOP("Board", "your way into the home column"),
    QT_TRANSLATE_NOOP("Board", "cyan way into the home column"),
    QT_TRANSLATE_NOOP("Board", "magenta way into the home column"),
    QT_TRANSLATE_NOOP("Board", "green way into the home column"),
};

// The board's own tooltips, which it keeps in English: listed here for the
// translators, looked up by their English text.
[[maybe_unused]] const char* const boardTips[] = {
    QT_TRANSLATE_NOOP("Board", "Click me to move the counter"),
    QT_TRANSLATE_NOOP("Board", "Click me to roll the dice"),
    QT_TRANSLATE_NOOP("Board", "Click me to start the game"),
};

QString status(const char* text) { return QCoreApplication::translate("Status", text); }
QString board(const char* text) { return QCoreApplication::translate("Board", text); }

std::size_t of(int player) { return static_cast<std::size_t>(player - 1); }

// The player whose counter a picture shows, or 0.
int counterOwner(Picture p) {
    const int c = static_cast<int>(p) - static_cast<int>(Picture::Counter1);
    const int large = static_cast<int>(p) - static_cast<int>(Picture::CounterLarge1);
    if (c >= 0 && c < 4) return c + 1;
    if (large >= 0 && large < 4) return large + 1;
    return 0;
}

// What a special ring square is, whatever stands on it; empty for a plain one.
QString squareKind(int s) {
    if (isDoubling(s)) return board(QT_TRANSLATE_NOOP("Board", "doubling square"));
    if (isCorner(s)) return board(QT_TRANSLATE_NOOP("Board", "corner, jumps to square %1")).arg(oppositeCorner(s));
    if (isEntry(s)) return board(entryTexts[of(entryOwner(s))]);
    if (isHomeTurn(s)) return board(homeTurnTexts[of(homeTurnOwner(s))]);
    return {};
}

bool marked(const View& v) { return v.back == colour::yellow && v.enabled; }

}  // namespace

QString sentence(const Happening& h) {
    using Kind = Happening::Kind;
    const bool player = h.player >= 1 && h.player <= 4;
    switch (h.kind) {
        case Kind::NewGame: return status(QT_TRANSLATE_NOOP("Status", "New game"));
        case Kind::Opening: return status(QT_TRANSLATE_NOOP("Status", "The counters march to their start areas"));
        case Kind::Threw: return player ? status(threwTexts[of(h.player)]).arg(h.value) : QString();
        case Kind::NoMove: return player ? status(noMoveTexts[of(h.player)]).arg(h.value) : QString();
        case Kind::Captured:
            if (!player || h.value < 1 || h.value > 4 || h.value == h.player) return {};
            return status(capturedTexts[of(h.player)][of(h.value)]);
        case Kind::Home: return player ? status(homeTexts[of(h.player)]) : QString();
        case Kind::AllHome: return player ? status(allHomeTexts[of(h.player)]) : QString();
        case Kind::AutoOn: return status(QT_TRANSLATE_NOOP("Status", "Automatic play is on"));
        case Kind::AutoOff: return status(QT_TRANSLATE_NOOP("Status", "Automatic play is off"));
        case Kind::SoundOn: return status(QT_TRANSLATE_NOOP("Status", "Sound is on"));
        case Kind::SoundOff: return status(QT_TRANSLATE_NOOP("Status", "Sound is off"));
        case Kind::Entered:
        case Kind::Moved: return {};  // the board shows where; the speech tells it
    }
    return {};
}

QString prompt(const Board& b, int lastThrower) {
    if (b.closed() || b.paused()) return {};
    const bool dieWaits = b.dicethrow(0).visible && b.dicethrow(0).enabled;
    bool marks = marked(b.start(0));
    for (int s = 1; s <= 60; ++s) marks = marks || marked(b.SQUARE(s));
    for (int k = 0; k <= 5; ++k) marks = marks || marked(b.home(k));
    if (!dieWaits && !marks) return {};
    if (b.autoplay) return status(QT_TRANSLATE_NOOP("Status", "Automatic play is on"));
    if (marks) return status(QT_TRANSLATE_NOOP("Status", "Choose a yellow counter"));
    if (b.dicethrow(15).enabled) return status(QT_TRANSLATE_NOOP("Status", "Click the die to start"));
    if (lastThrower == 1) return status(QT_TRANSLATE_NOOP("Status", "Click the die to throw again"));
    return status(QT_TRANSLATE_NOOP("Status", "Your turn: click the die"));
}

QString joined(const QString& first, const QString& second) {
    if (first.isEmpty() || first == second) return second;
    if (second.isEmpty()) return first;
    //: two parts of the status line, one after the other
    return status(QT_TRANSLATE_NOOP("Status", "%1. %2")).arg(first, second);
}

QString lastThrow(int player, int value) {
    return status(lastThrowTexts[of(player)])
        .arg(value > 0 ? QString::number(value) : status(QT_TRANSLATE_NOOP("Status", "none yet")));
}

QString viewName(Family family, int index) {
    switch (family) {
        case Family::SQUARE: return board(QT_TRANSLATE_NOOP("Board", "Square %1")).arg(index);
        case Family::start: return board(startNames[index / 4]).arg(index % 4 + 1);
        case Family::home:
            if (index % 10 < 6) return board(columnNames[index / 10]).arg(index % 10 + 1);
            return board(finalNames[index / 10]).arg(index % 10 - 5);
        case Family::dicethrow: break;
    }
    return board(QT_TRANSLATE_NOOP("Board", "Die"));
}

QString viewDescription(const Board& b, Family family, int index) {
    if (family == Family::dicethrow) {
        const View& resting = b.dicethrow(0);
        if (resting.visible)
            return resting.enabled ? board(QT_TRANSLATE_NOOP("Board", "waiting for your throw"))
                                   : board(QT_TRANSLATE_NOOP("Board", "question mark"));
        for (int i = 1; i <= 14; ++i)
            if (b.dicethrow(i).visible) return board(QT_TRANSLATE_NOOP("Board", "rolling"));
        const View& result = b.dicethrow(15);
        for (int f = 1; f <= 6; ++f)
            if (result.visible && result.picture == dieFace(f))
                return board(QT_TRANSLATE_NOOP("Board", "shows %1")).arg(f);
        return {};
    }

    const View& v = b.views(family)(index);
    const int owner = counterOwner(v.picture);
    QString what;
    if (owner != 0) {
        what = board(counterTexts[of(owner)]);
        // a counter covers the picture of a special square
        if (family == Family::SQUARE && !squareKind(index).isEmpty())
            what = board(QT_TRANSLATE_NOOP("Board", "%1; %2")).arg(what, squareKind(index));
    } else if (family == Family::SQUARE && v.picture != Picture::Blank && v.picture != Picture::None &&
               v.picture != Picture::Raised) {
        what = squareKind(index);
    }
    if (what.isEmpty()) what = board(QT_TRANSLATE_NOOP("Board", "empty"));
    if (!marked(v)) return what;
    what = board(QT_TRANSLATE_NOOP("Board", "%1, can move")).arg(what);
    // where the move would end comes first
    if (const auto outcome = foresee(b, family, index))
        what = board(QT_TRANSLATE_NOOP("Board", "%1; %2")).arg(outcomePhrase(*outcome), what);
    return what;
}

QString tooltip(const View& v) { return v.tooltip.empty() ? QString() : board(v.tooltip.c_str()); }

QString boardName() { return board(QT_TRANSLATE_NOOP("Board", "Board")); }

QString statusDescription() { return status(QT_TRANSLATE_NOOP("Status", "What is happening in the game")); }

}  // namespace skarpo::words
