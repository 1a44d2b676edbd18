// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas shows a move before it is made: while a marked view has the
// keyboard focus or the mouse rests on it, the window draws over the board a
// target where the counter would end; on a doubling carry or a corner jump a
// circle round each square that carries it on and dots on the others it
// passes; and a cross on each counter it would capture. Black and white
// together, so that they show on every colour; the views themselves do not
// change.
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "window/board/canvas.h"
#include "window/words/outcomewords.h"

namespace skarpo {

namespace {

// Each band of black or white as wide as a fourteenth of the view, at least
// one and a half logical pixels.
qreal bandOf(const QRectF& view) { return std::max<qreal>(1.5, std::min(view.width(), view.height()) / 14); }

// A ring from radius `outer` in to `inner` around `c`.
void ring(QPainter& painter, QPointF c, qreal outer, qreal inner, const QColor& colour) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addEllipse(c, outer, outer);
    path.addEllipse(c, inner, inner);
    painter.fillPath(path, colour);
}

void disc(QPainter& painter, QPointF c, qreal radius, const QColor& colour) {
    QPainterPath path;
    path.addEllipse(c, radius, radius);
    painter.fillPath(path, colour);
}

}  // namespace

std::optional<Canvas::Hit> Canvas::foreseenHit() const {
    if (hover_ && table_.isMark(*hover_)) return hover_;
    if (showsFocusRing() && table_.isMark(*focus_)) return focus_;
    return std::nullopt;
}

std::vector<Canvas::Marker> Canvas::markersOf(const Outcome& o) const {
    std::vector<Marker> out;
    std::optional<ViewId> end;
    std::vector<int> carriers, taken, passed;  // ring squares
    for (const Motion& m : o) {
        using Kind = Motion::Kind;
        switch (m.kind) {
            case Kind::Walk:
                for (int s = m.from + 1; s <= m.to; ++s) passed.push_back(s);
                if (!m.through) end = skarpo::viewOf(o.player, Place::ring(m.to));
                break;
            case Kind::Jumps: carriers.push_back(m.from); [[fallthrough]];
            case Kind::Enter:
            case Kind::Put:
                passed.push_back(m.to);
                end = skarpo::viewOf(o.player, Place::ring(m.to));
                break;
            case Kind::Doubles: carriers.push_back(m.to); break;
            case Kind::PassOver:
                for (int s = m.from; s <= m.to; ++s) passed.push_back(s);
                break;
            case Kind::Column:
                end = skarpo::viewOf(o.player, m.to == 7 ? Place::final(m.whom) : Place::column(m.to));
                break;
            case Kind::Capture: taken.push_back(m.to); break;
            case Kind::Vacate:
            case Kind::AllHome: break;
        }
    }
    auto among = [](const std::vector<int>& v, int s) { return std::find(v.begin(), v.end(), s) != v.end(); };
    auto square = [](int s) { return ViewId{Family::Ring, static_cast<std::int8_t>(s)}; };
    // where it passes, only when a doubling square or a corner carries it on
    if (!carriers.empty())
        for (int s : passed)
            if (square(s) != end && !among(carriers, s) && !among(taken, s))
                out.push_back({Marker::Kind::Passed, rectOf(square(s))});
    for (int s : carriers)
        if (!among(taken, s)) out.push_back({Marker::Kind::Carried, rectOf(square(s))});
    for (int s : taken) out.push_back({Marker::Kind::Captured, rectOf(square(s))});
    if (end) out.push_back({Marker::Kind::End, rectOf(*end)});
    return out;
}

void Canvas::followForeseen(QRegion& changed) {
    const auto hit = foreseenHit();
    std::vector<Marker> now;
    if (hit)
        if (const auto outcome = table_.foresee(*hit)) now = markersOf(*outcome);
    if (!std::equal(now.begin(), now.end(), markers_.begin(), markers_.end())) {
        for (const Marker& m : markers_) changed += m.rect.toAlignedRect();
        for (const Marker& m : now) changed += m.rect.toAlignedRect();
        markers_ = std::move(now);
    }
    if (hit != foreseenShown_) {
        foreseenShown_ = hit;
        if (foreseenChanged) foreseenChanged();
    }
}

void Canvas::paintMarkers(QPainter& painter) const {
    if (markers_.empty()) return;
    painter.save();
    painter.resetTransform();  // logical pixels, as rectOf gives them
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Marker& m : markers_) {
        const qreal b = bandOf(m.rect), size = std::min(m.rect.width(), m.rect.height());
        const QPointF c = m.rect.center();
        switch (m.kind) {
            case Marker::Kind::End: {
                // a target: black, white and black rings, the view showing
                // inside, and a bull's eye unless a cross marks a capture there
                const qreal r = size / 2 - b / 4;
                ring(painter, c, r, r - 3 * b, Qt::black);
                ring(painter, c, r - b, r - 2 * b, Qt::white);
                const bool captures = std::any_of(markers_.begin(), markers_.end(), [&](const Marker& x) {
                    return x.kind == Marker::Kind::Captured && x.rect == m.rect;
                });
                if (!captures) {
                    disc(painter, c, 1.2 * b, Qt::black);
                    disc(painter, c, 0.6 * b, Qt::white);
                }
                break;
            }
            case Marker::Kind::Carried: {
                // a black and white circle round the square's own picture
                const qreal r = size / 2 - b / 4;
                ring(painter, c, r, r - 2 * b, Qt::black);
                ring(painter, c, r - b / 2, r - 1.5 * b, Qt::white);
                break;
            }
            case Marker::Kind::Passed:
                disc(painter, c, 2.5 * b, Qt::black);
                disc(painter, c, 1.3 * b, Qt::white);
                break;
            case Marker::Kind::Captured: {
                // a cross over the counter: white lines edged in black
                const qreal in = size / 4;
                const QRectF x = m.rect.adjusted(in, in, -in, -in);
                const std::pair<qreal, QColor> strokes[] = {{3 * b, Qt::black}, {b, Qt::white}};
                for (const auto& [width, colour] : strokes) {
                    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
                    painter.drawLine(x.topLeft(), x.bottomRight());
                    painter.drawLine(x.topRight(), x.bottomLeft());
                }
                break;
            }
        }
    }
    painter.restore();
}

void Canvas::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    const auto hit = viewAt(event->position());
    if (hit == hover_) return;
    hover_ = hit;
    refresh();
}

void Canvas::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (!hover_) return;
    hover_.reset();
    refresh();
}

}  // namespace skarpo
