// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/outcomewords.h"

#include <QCoreApplication>

#include "state/numbering.h"

namespace skarpo::words {

namespace {

using Kind = MoveEvent::Kind;

QString said(const char* text) { return QCoreApplication::translate("Outcome", text); }

// by the owner of the counter taken (index player - 1); only player 1's
// moves are worded, so player 1's own counter is "your own"
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

QString captures(const MoveEvent& e) {
    return e.whom >= 1 && e.whom <= 4 ? said(captureTexts[e.whom - 1]) : QString();
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

std::optional<Outcome> foresee(const Board& b, Family family, int index) {
    if (!b.takesClick(family, index) || b.views(family)(index).back != colour::yellow) return std::nullopt;
    Place place;
    if (family == Family::SQUARE) place = Place::ring(index);
    if (family == Family::start && index == 0) place = Place::startPlace();
    if (family == Family::home && index <= 5) place = Place::column(index + 1);
    if (place.kind == Place::Kind::None) return std::nullopt;
    return skarpo::foresee(Position::of(b), 1, place, b.moves);
}

QString outcomeLine(const Outcome& o) {
    QString steps;
    if (!o.moves) steps = said(QT_TRANSLATE_NOOP("Outcome", "cannot move"));
    for (const MoveEvent& e : o) {
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
            case Kind::Captures: step = captures(e); break;
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

QString outcomePhrase(const Outcome& o) {
    if (!o.moves) return said(QT_TRANSLATE_NOOP("Outcome", "cannot move"));
    bool doubles = false, jumps = false;
    QString end, taken;
    for (const MoveEvent& e : o) {
        switch (e.kind) {
            case Kind::Doubles: doubles = true; break;
            case Kind::Jumps: jumps = true; break;
            case Kind::Captures: taken = listed(taken, captures(e)); break;
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
