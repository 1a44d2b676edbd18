// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/words/words.h"

#include <QCoreApplication>

#include "window/words/outcomewords.h"

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
// a game saved before, taken up again; red's own when red is named by its colour
const char* const resumedTexts[] = {
    QT_TRANSLATE_NOOP("SavedGame", "Game resumed: your turn"),
    QT_TRANSLATE_NOOP("SavedGame", "Game resumed: cyan's turn"),
    QT_TRANSLATE_NOOP("SavedGame", "Game resumed: magenta's turn"),
    QT_TRANSLATE_NOOP("SavedGame", "Game resumed: green's turn"),
};
const char* const redResumed = QT_TRANSLATE_NOOP("SavedGame", "Game resumed: red's turn");
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

// Red named by its colour, for a table where red is not the one person:
// indexed as the tables above, only red's entry given (the others keep theirs).
const char* const redThrew = QT_TRANSLATE_NOOP("Seats", "Red threw %1");
const char* const redNoMove = QT_TRANSLATE_NOOP("Seats", "Red cannot move with %1");
const char* const redCaptured[] = {nullptr, QT_TRANSLATE_NOOP("Seats", "Red captured a cyan counter"),
                                   QT_TRANSLATE_NOOP("Seats", "Red captured a magenta counter"),
                                   QT_TRANSLATE_NOOP("Seats", "Red captured a green counter")};
const char* const capturedRed[] = {nullptr, QT_TRANSLATE_NOOP("Seats", "Cyan captured a red counter"),
                                   QT_TRANSLATE_NOOP("Seats", "Magenta captured a red counter"),
                                   QT_TRANSLATE_NOOP("Seats", "Green captured a red counter")};
const char* const redHome = QT_TRANSLATE_NOOP("Seats", "A red counter reached a final place");
const char* const redAllHome = QT_TRANSLATE_NOOP("Seats", "Red has all four counters home");
const char* const redLastThrow = QT_TRANSLATE_NOOP("Seats", "Red's last throw: %1");
const char* const redStart = QT_TRANSLATE_NOOP("Seats", "Red start place %1");
const char* const redColumn = QT_TRANSLATE_NOOP("Seats", "Red home column %1");
const char* const redFinal = QT_TRANSLATE_NOOP("Seats", "Red final place %1");
const char* const redCounter = QT_TRANSLATE_NOOP("Seats", "red counter");
const char* const redEntry = QT_TRANSLATE_NOOP("Seats", "red entry square");
const char* const redHomeTurn = QT_TRANSLATE_NOOP("Seats", "red way into the home column");
// what waits for the colour to play, by player
const char* const clickDieTexts[] = {
    QT_TRANSLATE_NOOP("Seats", "Red: click the die"),
    QT_TRANSLATE_NOOP("Seats", "Cyan: click the die"),
    QT_TRANSLATE_NOOP("Seats", "Magenta: click the die"),
    QT_TRANSLATE_NOOP("Seats", "Green: click the die"),
};
const char* const againTexts[] = {
    QT_TRANSLATE_NOOP("Seats", "Red: click the die to throw again"),
    QT_TRANSLATE_NOOP("Seats", "Cyan: click the die to throw again"),
    QT_TRANSLATE_NOOP("Seats", "Magenta: click the die to throw again"),
    QT_TRANSLATE_NOOP("Seats", "Green: click the die to throw again"),
};
// the first throw of a game with several people (or none at red): whose it is
const char* const startTexts[] = {
    QT_TRANSLATE_NOOP("Seats", "Red: click the die to start"),
    QT_TRANSLATE_NOOP("Seats", "Cyan: click the die to start"),
    QT_TRANSLATE_NOOP("Seats", "Magenta: click the die to start"),
    QT_TRANSLATE_NOOP("Seats", "Green: click the die to start"),
};
const char* const waitingTexts[] = {
    QT_TRANSLATE_NOOP("Seats", "waiting for red's throw"),
    QT_TRANSLATE_NOOP("Seats", "waiting for cyan's throw"),
    QT_TRANSLATE_NOOP("Seats", "waiting for magenta's throw"),
    QT_TRANSLATE_NOOP("Seats", "waiting for green's throw"),
};

QString status(const char* text) { return QCoreApplication::translate("Status", text); }
QString seats(const char* text) { return QCoreApplication::translate("Seats", text); }
QString board(const char* text) { return QCoreApplication::translate("Board", text); }
QString saved(const char* text) { return QCoreApplication::translate("SavedGame", text); }
// the speech's words, where the status line says the same
QString spoken(const char* text) { return QCoreApplication::translate("Speech", text); }

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
QString squareKind(int s, bool you) {
    if (isDoubling(s)) return board(QT_TRANSLATE_NOOP("Board", "doubling square"));
    if (isCorner(s)) return board(QT_TRANSLATE_NOOP("Board", "corner, jumps to square %1")).arg(oppositeCorner(s));
    if (isEntry(s)) return !you && entryOwner(s) == 1 ? seats(redEntry) : board(entryTexts[of(entryOwner(s))]);
    if (isHomeTurn(s))
        return !you && homeTurnOwner(s) == 1 ? seats(redHomeTurn) : board(homeTurnTexts[of(homeTurnOwner(s))]);
    return {};
}

// A text of a table by player, red's own when red is named by its colour.
QString byPlayer(const char* const texts[], int player, bool you, const char* red, QString (*tr)(const char*)) {
    return !you && player == 1 ? seats(red) : tr(texts[of(player)]);
}

}  // namespace

QString sentence(const Happening& h, bool you) {
    using Kind = Happening::Kind;
    const bool player = h.player >= 1 && h.player <= 4;
    switch (h.kind) {
        case Kind::NewGame: return status(QT_TRANSLATE_NOOP("Status", "New game"));
        case Kind::Opening: return status(QT_TRANSLATE_NOOP("Status", "The counters march to their start areas"));
        case Kind::Threw:
            return player ? byPlayer(threwTexts, h.player, you, redThrew, status).arg(h.value) : QString();
        case Kind::NoMove:
            return player ? byPlayer(noMoveTexts, h.player, you, redNoMove, status).arg(h.value) : QString();
        case Kind::Captured:
            if (!player || h.value < 1 || h.value > 4 || h.value == h.player) return {};
            if (!you && h.player == 1) return seats(redCaptured[of(h.value)]);
            if (!you && h.value == 1) return seats(capturedRed[of(h.player)]);
            return status(capturedTexts[of(h.player)][of(h.value)]);
        case Kind::Home: return player ? byPlayer(homeTexts, h.player, you, redHome, status) : QString();
        case Kind::AllHome: return player ? byPlayer(allHomeTexts, h.player, you, redAllHome, status) : QString();
        case Kind::AutoOn: return status(QT_TRANSLATE_NOOP("Status", "Automatic play is on"));
        case Kind::AutoOff: return status(QT_TRANSLATE_NOOP("Status", "Automatic play is off"));
        case Kind::SoundOn: return status(QT_TRANSLATE_NOOP("Status", "Sound is on"));
        case Kind::SoundOff: return status(QT_TRANSLATE_NOOP("Status", "Sound is off"));
        case Kind::Resumed:
            return player ? !you && h.player == 1 ? saved(redResumed) : saved(resumedTexts[of(h.player)]) : QString();
        case Kind::Entered:
        case Kind::Moved: return {};  // the board shows where; the speech tells it
    }
    return {};
}

QString prompt(const Table& t, int lastThrower) {
    const Phase now = t.phase();
    if (now != Phase::DieWaits && now != Phase::MarksWait) return {};
    if (t.game().autoplay) return status(QT_TRANSLATE_NOOP("Status", "Automatic play is on"));
    const int p = t.toPlay();
    // a die that waits for the computer is thrown by itself: nothing to ask of anyone
    if (p < 1 || p > 4 || !t.game().person(p)) return {};
    if (now == Phase::MarksWait) return status(QT_TRANSLATE_NOOP("Status", "Choose a yellow counter"));
    if (!t.game().opened)
        return t.soleRed() ? status(QT_TRANSLATE_NOOP("Status", "Click the die to start")) : seats(startTexts[of(p)]);
    if (t.soleRed()) {
        if (lastThrower == 1) return status(QT_TRANSLATE_NOOP("Status", "Click the die to throw again"));
        return status(QT_TRANSLATE_NOOP("Status", "Your turn: click the die"));
    }
    return seats(lastThrower == p ? againTexts[of(p)] : clickDieTexts[of(p)]);
}

QString joined(const QString& first, const QString& second) {
    if (first.isEmpty() || first == second) return second;
    if (second.isEmpty()) return first;
    //: two parts of the status line, one after the other
    return status(QT_TRANSLATE_NOOP("Status", "%1. %2")).arg(first, second);
}

QString listed(const QString& first, const QString& second) {
    if (first.isEmpty()) return second;
    if (second.isEmpty()) return first;
    return first + spoken(QT_TRANSLATE_NOOP("Speech", ", ")) + second;
}

QString computerMove(const Table& t, const Happening& h) {
    using Kind = Happening::Kind;
    if ((h.kind != Kind::Moved && h.kind != Kind::Entered) || h.player < 1 || h.player > 4 || t.game().person(h.player))
        return {};
    if (h.kind == Kind::Entered) return spoken(QT_TRANSLATE_NOOP("Speech", "entered on %1")).arg(h.value);
    if (h.value > Happening::columnBase)
        return spoken(QT_TRANSLATE_NOOP("Speech", "moved into the home column, place %1"))
            .arg(h.value - Happening::columnBase);
    return spoken(QT_TRANSLATE_NOOP("Speech", "moved to %1")).arg(h.value);
}

QString playedBy(bool person) {
    return person ? seats(QT_TRANSLATE_NOOP("Seats", "played by a person"))
                  : seats(QT_TRANSLATE_NOOP("Seats", "played by the computer"));
}

QString colourName(int player) {
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("Speech", "Red"),
        QT_TRANSLATE_NOOP("Speech", "Cyan"),
        QT_TRANSLATE_NOOP("Speech", "Magenta"),
        QT_TRANSLATE_NOOP("Speech", "Green"),
    };
    return player >= 1 && player <= 4 ? spoken(names[of(player)]) : QString();
}

QString strengthTip(Strength strength) {
    static const char* const tips[] = {
        QT_TRANSLATE_NOOP("Computer", "Moves a counter chosen at random among those that can move."),
        QT_TRANSLATE_NOOP("Computer",
                          "Follows simple rules: brings a counter into its home column, takes a doubling square or "
                          "a corner that carries it forward, otherwise moves the counter farthest along."),
        QT_TRANSLATE_NOOP("Computer",
                          "Looks ahead over the throws to come, weighing progress, captures and the danger to its "
                          "counters."),
    };
    return QCoreApplication::translate("Computer", tips[static_cast<std::size_t>(strength)]);
}

QString lastThrow(int player, int value, bool you) {
    return byPlayer(lastThrowTexts, player, you, redLastThrow, status)
        .arg(value > 0 ? QString::number(value) : status(QT_TRANSLATE_NOOP("Status", "none yet")));
}

QString viewName(const Table& t, ViewId view) {
    // a counter that can move: where its move ends comes first, before where it stands
    if (const auto outcome = t.foresee(view))
        return board(QT_TRANSLATE_NOOP("Board", "%1, from %2")).arg(outcomePhrase(*outcome), placeName(t, view));
    return placeName(t, view);
}

QString placeName(const Table& t, ViewId view) {
    const bool you = t.soleRed();
    Place place;
    const int p = playerOf(view, place);
    switch (place.kind) {
        case Place::Kind::Ring: return board(QT_TRANSLATE_NOOP("Board", "Square %1")).arg(place.index);
        case Place::Kind::Start: return byPlayer(startNames, p, you, redStart, board).arg(place.index + 1);
        case Place::Kind::Column: return byPlayer(columnNames, p, you, redColumn, board).arg(place.index);
        case Place::Kind::Final: return byPlayer(finalNames, p, you, redFinal, board).arg(place.index);
        case Place::Kind::None: break;
    }
    return board(QT_TRANSLATE_NOOP("Board", "Die"));
}

QString viewDescription(const Table& t, ViewId view) {
    const bool you = t.soleRed();
    const Views& views = t.views();
    if (view.family == Family::Die) {
        if (t.phase() == Phase::DieWaits)
            return you ? board(QT_TRANSLATE_NOOP("Board", "waiting for your throw"))
                       : seats(waitingTexts[of(t.game().next)]);
        // what the die shows, wherever it is
        if (views[{Family::Die, 0}].visible) return board(QT_TRANSLATE_NOOP("Board", "question mark"));
        for (std::int8_t i = 1; i <= 14; ++i)
            if (views[{Family::Die, i}].visible) return board(QT_TRANSLATE_NOOP("Board", "rolling"));
        const View& result = views[{Family::Die, 15}];
        for (int f = 1; f <= 6; ++f)
            if (result.visible && result.picture == dieFace(f))
                return board(QT_TRANSLATE_NOOP("Board", "shows %1")).arg(f);
        return {};
    }

    const View& v = views[view];
    const int index = view.index;
    const int owner = counterOwner(v.picture);
    QString what;
    if (owner != 0) {
        what = byPlayer(counterTexts, owner, you, redCounter, board);
        // a counter covers the picture of a special square
        if (view.family == Family::Ring && !squareKind(index, you).isEmpty())
            what = board(QT_TRANSLATE_NOOP("Board", "%1, %2")).arg(what, squareKind(index, you));
    } else if (view.family == Family::Ring && v.picture != Picture::Blank && v.picture != Picture::None) {
        what = squareKind(index, you);
    }
    if (what.isEmpty()) what = board(QT_TRANSLATE_NOOP("Board", "empty"));
    if (!t.isMark(view)) return what;
    return board(QT_TRANSLATE_NOOP("Board", "%1, can move")).arg(what);
}

QString tooltip(ViewId view) {
    const char* tip = tooltipOf(view);
    return tip ? board(tip) : QString();
}

QString boardName() { return board(QT_TRANSLATE_NOOP("Board", "Board")); }

QString statusDescription() { return status(QT_TRANSLATE_NOOP("Status", "What is happening in the game")); }

}  // namespace skarpo::words
