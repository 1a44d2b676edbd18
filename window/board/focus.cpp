// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas and the keyboard: the focus among the views that can take a
// click right now, the focus ring, and Enter or Space as a click.
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

#include "window/board/canvas.h"
#include "window/words/accessibility.h"

namespace skarpo {

std::vector<Canvas::Hit> Canvas::focusChain() const { return table_.clickable(); }

bool Canvas::setFocusView(Hit hit) {
    if (!canTakeClick(hit)) return false;
    moveFocus(hit);
    return true;
}

void Canvas::followBoard() {
    const auto chain = focusChain();
    const auto die = std::find_if(chain.begin(), chain.end(), [](Hit h) { return h.family == Family::Die; });
    const auto mark = std::find_if(chain.begin(), chain.end(), [](Hit h) { return h.family != Family::Die; });
    const Phase now = table_.phase();
    // at a table shared across machines the die may wait for someone elsewhere, and take no click here
    const bool dieWaits = now == Phase::DieWaits && die != chain.end();
    const bool marks = now == Phase::MarksWait && mark != chain.end();
    std::optional<Hit> to = focus_;
    if (dieWaits && !dieWaited_) {
        to = *die;
    } else if (marks && !marksStood_) {
        to = *mark;
    } else if (to && std::find(chain.begin(), chain.end(), *to) == chain.end()) {
        to = dieWaits ? std::optional(*die) : marks ? std::optional(*mark) : std::nullopt;
    }
    dieWaited_ = dieWaits;
    marksStood_ = marks;
    // the die or the marks wait for another person than before: a hand-over
    const int waitsFor = dieWaits || marks ? table_.toPlay() : 0;
    if (waitsFor > 0 && table_.game().person(waitsFor)) {
        if (lastPerson_ != 0 && waitsFor != lastPerson_) handedOver_.start();
        lastPerson_ = waitsFor;
    }
    moveFocus(to);
}

bool Canvas::handingOver() const { return handedOver_.isValid() && handedOver_.elapsed() < handOverGuard; }

bool Canvas::activate(Hit hit) {
    const bool taken = sendClick ? sendClick(hit) : table_.click(hit);
    if (taken && onTaken) onTaken();
    if (afterEvent) afterEvent();
    return taken;
}

bool Canvas::showsFocusRing() const { return keyboard_ && focus_ && hasFocus() && canTakeClick(*focus_); }

namespace {

// The bands of the ring, from the view's edge outwards: dark, light, dark, so
// that it shows on every colour of the board; each as wide as a sixteenth of
// the view, at least two logical pixels.
qreal bandOf(const QRectF& view) { return std::max<qreal>(2, view.width() / 16); }

}  // namespace

QRectF Canvas::focusRingRect(Hit hit) const {
    const QRectF r = rectOf(hit);
    const qreal w = 2.5 * bandOf(r);
    return r.adjusted(-w, -w, w, w);
}

void Canvas::paintFocusRing(QPainter& painter) const {
    if (!showsFocusRing()) return;
    const QRectF view = rectOf(*focus_);
    const qreal w = bandOf(view);
    painter.save();
    painter.resetTransform();  // logical pixels, as rectOf gives them
    auto band = [&](qreal from, qreal width, const QColor& c) {
        const QRectF outer = view.adjusted(-from - width, -from - width, from + width, from + width);
        const QRectF inner = view.adjusted(-from, -from, from, from);
        painter.fillRect(QRectF(outer.left(), outer.top(), outer.width(), inner.top() - outer.top()), c);
        painter.fillRect(QRectF(outer.left(), inner.bottom(), outer.width(), outer.bottom() - inner.bottom()), c);
        painter.fillRect(QRectF(outer.left(), inner.top(), inner.left() - outer.left(), inner.height()), c);
        painter.fillRect(QRectF(inner.right(), inner.top(), outer.right() - inner.right(), inner.height()), c);
    };
    band(0, w, Qt::black);
    band(w, w, Qt::white);
    band(2 * w, w / 2, Qt::black);
    painter.restore();
}

void Canvas::moveFocus(std::optional<Hit> to) {
    if (to == focus_) return;
    focus_ = to;
    refresh();  // the ring, where it was and where it goes
    if (focus_ && hasFocus()) accessibility::focusMoved(*this, *focus_);
}

void Canvas::setKeyboardInUse(bool inUse) {
    if (inUse == keyboard_) return;
    keyboard_ = inUse;
    refresh();
}

bool Canvas::focusNextPrevChild(bool next) {
    // Tab stays on the board, going round the views that can take a click
    setKeyboardInUse(true);
    const auto chain = focusChain();
    if (chain.empty() && table_.phase() == Phase::Animating && onBusy) onBusy();
    if (chain.empty()) return true;
    auto at = focus_ ? std::find(chain.begin(), chain.end(), *focus_) : chain.end();
    if (at == chain.end()) {
        moveFocus(next ? chain.front() : chain.back());
    } else if (next) {
        moveFocus(at + 1 == chain.end() ? chain.front() : *(at + 1));
    } else {
        moveFocus(at == chain.begin() ? chain.back() : *(at - 1));
    }
    return true;
}

void Canvas::moveFocusToward(QPointF direction) {
    const auto chain = focusChain();
    if (!focus_ || !canTakeClick(*focus_)) {
        if (!chain.empty()) moveFocus(chain.front());
        return;
    }
    // the nearest one ahead, straying sideways counting double
    const QPointF from = rectOf(*focus_).center();
    std::optional<Hit> best;
    qreal bestScore = std::numeric_limits<qreal>::max();
    for (Hit h : chain) {
        const QPointF d = rectOf(h).center() - from;
        const qreal ahead = d.x() * direction.x() + d.y() * direction.y();
        const qreal aside = std::abs(d.x() * direction.y()) + std::abs(d.y() * direction.x());
        if (ahead <= 0 || ahead + 2 * aside >= bestScore) continue;
        bestScore = ahead + 2 * aside;
        best = h;
    }
    if (best) moveFocus(best);
}

void Canvas::keyPressEvent(QKeyEvent* event) {
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            event->accept();
            setKeyboardInUse(true);
            if (table_.phase() == Phase::Animating && !event->isAutoRepeat() && onBusy) onBusy();
            // holding the key down clicks once
            if (event->isAutoRepeat() || !focus_) return;
            if (handingOver()) {
                handedOver_.start();  // a burst of keys goes on: still the one who just played
                return;
            }
            activate(*focus_);
            return;
        case Qt::Key_Left: moveFocusToward({-1, 0}); break;
        case Qt::Key_Right: moveFocusToward({1, 0}); break;
        case Qt::Key_Up: moveFocusToward({0, -1}); break;
        case Qt::Key_Down: moveFocusToward({0, 1}); break;
        default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
    setKeyboardInUse(true);
}

void Canvas::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) setKeyboardInUse(true);
    refresh();
    // after the toolkit has told that the board itself has the focus, so
    // that a screen reader ends on the view rather than on the board
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (focus_ && hasFocus()) accessibility::focusMoved(*this, *focus_);
        },
        Qt::QueuedConnection);
}

void Canvas::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    refresh();
}

}  // namespace skarpo
