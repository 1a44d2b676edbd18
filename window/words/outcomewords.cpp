// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/words/outcomewords.h"

#include <QCoreApplication>
#include <vector>

namespace skarpo::words {

namespace {

// What the words tell of a move: where it lands, where a doubling square carries it, where a corner sends it, whom
// it captures, and its way into and up the home column.
struct Step {
    enum class Kind { Enters, Lands, Doubles, Jumps, Captures, IntoColumn, InColumn, Finishes, AllHome };
    Kind kind;
    int square = 0, whom = 0;
};
using Kind = Step::Kind;

std::vector<Step> stepsOf(const Outcome& o) {
    std::vector<Step> out;
    for (const Motion& m : o) {
        switch (m.kind) {
            case Motion::Kind::Enter: out.push_back({Kind::Enters, m.to}); break;
            case Motion::Kind::Walk:
                if (!m.through) out.push_back({m.carried ? Kind::Doubles : Kind::Lands, m.to});
                break;
            case Motion::Kind::Put: out.push_back({Kind::Lands, m.to}); break;
            case Motion::Kind::Jumps: out.push_back({Kind::Jumps, m.to}); break;
            case Motion::Kind::Capture: out.push_back({Kind::Captures, m.to, m.whom}); break;
            case Motion::Kind::Column:
                out.push_back({m.to == 7    ? Kind::Finishes
                               : m.fromRing ? Kind::IntoColumn
                                            : Kind::InColumn,
                               m.to == 7 ? m.whom : m.to});
                break;
            case Motion::Kind::AllHome: out.push_back({Kind::AllHome}); break;
            case Motion::Kind::Doubles:
            case Motion::Kind::PassOver:
            case Motion::Kind::Vacate: break;
        }
    }
    return out;
}

QString said(const char* text) { return QCoreApplication::translate("Outcome", text); }

// by the owner of the counter taken (index player - 1); the mover's own
// counter is "your own" (red's text stands for it)
const char* const captureTexts[] = {
    QT_TRANSLATE_NOOP("Outcome", "captures your own counter"),
    QT_TRANSLATE_NOOP("Outcome", "captures cyan"),
    QT_TRANSLATE_NOOP("Outcome", "captures magenta"),
    QT_TRANSLATE_NOOP("Outcome", "captures green"),
};

QString listed(const QString& first, const QString& next) {
    if (first.isEmpty()) return next;
    if (next.isEmpty()) return first;
    //: parts of a move, one after the other
    return said(QT_TRANSLATE_NOOP("Outcome", "%1, %2")).arg(first, next);
}

// a counter of the mover's own colour is "your own", whichever colour moves
QString captures(const Outcome& o, const Step& e) {
    if (e.whom < 1 || e.whom > 4) return {};
    if (e.whom == o.player) return said(captureTexts[0]);
    if (e.whom == 1) return QCoreApplication::translate("Seats", "captures red");
    return said(captureTexts[e.whom - 1]);
}

QString from(const Place& p) {
    switch (p.kind) {
        case Place::Kind::Ring: return said(QT_TRANSLATE_NOOP("Outcome", "Square %1")).arg(p.index);
        case Place::Kind::Start: return said(QT_TRANSLATE_NOOP("Outcome", "Your start place"));
        case Place::Kind::Column: return said(QT_TRANSLATE_NOOP("Outcome", "Home column %1")).arg(p.index);
        case Place::Kind::Final:
        case Place::Kind::None: break;
    }
    return {};
}

}  // namespace

QString outcomeLine(const Outcome& o) {
    QString steps;
    if (!o.moves) steps = said(QT_TRANSLATE_NOOP("Outcome", "cannot move"));
    for (const Step& e : stepsOf(o)) {
        QString step;
        switch (e.kind) {
            case Kind::Enters: step = said(QT_TRANSLATE_NOOP("Outcome", "enters on square %1")).arg(e.square); break;
            case Kind::Lands:
                step = isCorner(e.square) ? said(QT_TRANSLATE_NOOP("Outcome", "to the corner %1")).arg(e.square)
                                          : said(QT_TRANSLATE_NOOP("Outcome", "to %1")).arg(e.square);
                break;
            case Kind::Doubles:
                step = isCorner(e.square)
                           ? said(QT_TRANSLATE_NOOP("Outcome", "doubling on to the corner %1")).arg(e.square)
                           : said(QT_TRANSLATE_NOOP("Outcome", "doubling on to %1")).arg(e.square);
                break;
            case Kind::Jumps: step = said(QT_TRANSLATE_NOOP("Outcome", "across to %1")).arg(e.square); break;
            case Kind::Captures: step = captures(o, e); break;
            case Kind::IntoColumn:
                step = said(QT_TRANSLATE_NOOP("Outcome", "into your home column, place %1")).arg(e.square);
                break;
            case Kind::InColumn: step = said(QT_TRANSLATE_NOOP("Outcome", "up to place %1")).arg(e.square); break;
            case Kind::Finishes: step = said(QT_TRANSLATE_NOOP("Outcome", "into a final place")); break;
            case Kind::AllHome: step = said(QT_TRANSLATE_NOOP("Outcome", "all four home")); break;
        }
        steps = listed(steps, step);
    }
    //: where a move starts, and its steps
    return said(QT_TRANSLATE_NOOP("Outcome", "%1: %2")).arg(from(o.from), steps);
}

QString capturesOf(const Outcome& o) {
    QString taken;
    for (const Step& e : stepsOf(o))
        if (e.kind == Kind::Captures) taken = listed(taken, captures(o, e));
    return taken;
}

QString outcomePhrase(const Outcome& o) {
    if (!o.moves) return said(QT_TRANSLATE_NOOP("Outcome", "cannot move"));
    bool doubles = false, jumps = false;
    QString end, taken;
    for (const Step& e : stepsOf(o)) {
        switch (e.kind) {
            case Kind::Doubles: doubles = true; break;
            case Kind::Jumps: jumps = true; break;
            case Kind::Captures: taken = listed(taken, captures(o, e)); break;
            case Kind::IntoColumn:
                end = said(QT_TRANSLATE_NOOP("Outcome", "into your home column, place %1")).arg(e.square);
                break;
            case Kind::InColumn:
                end = said(QT_TRANSLATE_NOOP("Outcome", "to home column place %1")).arg(e.square);
                break;
            case Kind::Finishes: end = said(QT_TRANSLATE_NOOP("Outcome", "into a final place")); break;
            case Kind::AllHome: end = listed(end, said(QT_TRANSLATE_NOOP("Outcome", "all four home"))); break;
            case Kind::Enters:
            case Kind::Lands: break;
        }
    }
    if (end.isEmpty() && o.to.kind == Place::Kind::Ring) {
        const bool entered = o.from.kind == Place::Kind::Start;
        if (entered)
            end = said(QT_TRANSLATE_NOOP("Outcome", "enters on square %1")).arg(o.to.index);
        else if (doubles && jumps)
            end = said(QT_TRANSLATE_NOOP("Outcome", "to square %1 by doubling and the corner")).arg(o.to.index);
        else if (jumps)
            end = said(QT_TRANSLATE_NOOP("Outcome", "to square %1 by the corner")).arg(o.to.index);
        else if (doubles)
            end = said(QT_TRANSLATE_NOOP("Outcome", "to square %1 by doubling")).arg(o.to.index);
        else
            end = said(QT_TRANSLATE_NOOP("Outcome", "to square %1")).arg(o.to.index);
    }
    return listed(end, taken);
}

}  // namespace skarpo::words
