// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/words/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <array>

#include "window/words/status.h"
#include "window/words/words.h"

namespace skarpo::accessibility {

namespace {

// The board's children, in this order: the die, the ring squares 1..60, the
// start places start(0..15), the home places home(0..39).
constexpr int firstStart = 61;
constexpr int firstHome = 77;
constexpr int childTotal = 117;

ViewId hitOf(int child) {
    auto at = [](Family f, int i) { return ViewId{f, static_cast<std::int8_t>(i)}; };
    if (child < 1) return at(Family::Die, 0);
    if (child < firstStart) return at(Family::Ring, child);
    if (child < firstHome) return at(Family::Start, child - firstStart);
    return at(Family::Home, child - firstHome);
}

int childIndex(ViewId hit) {
    switch (hit.family) {
        case Family::Ring: return hit.index;
        case Family::Start: return firstStart + hit.index;
        case Family::Home: return firstHome + hit.index;
        default: return 0;
    }
}

// The views a person ever clicks in the game in play: buttons, unavailable
// while disabled. The others only show counters: the places of a colour the
// computer plays, the final places, the start places behind the first.
bool everClicked(const Table& t, ViewId h) {
    Place place;
    const int owner = playerOf(h, place);
    if (owner == 0) return true;  // the die and the ring
    return (place == Place::start() || place.kind == Place::Kind::Column) && t.game().person(owner);
}

class ViewInterface : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ViewInterface(Canvas* canvas, int child) : canvas_(canvas), child_(child), hit_(hitOf(child)) {}

    int childNumber() const { return child_; }

    bool isValid() const override { return !canvas_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return canvas_ ? canvas_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return canvas_ ? QAccessible::queryAccessibleInterface(canvas_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (!canvas_) return {};
        switch (t) {
            case QAccessible::Name: return words::viewName(canvas_->table(), hit_);
            case QAccessible::Description: return words::viewDescription(canvas_->table(), hit_);
            case QAccessible::Help: return canTake() ? words::tooltip(hit_) : QString();
            default: return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!canvas_) return {};
        const QRect r = canvas_->rectOf(shown()).toAlignedRect();
        return {canvas_->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::Role role() const override { return button() ? QAccessible::Button : QAccessible::Graphic; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!canvas_) return s;
        s.invisible = !canvas_->viewOf(shown()).visible;
        if (button()) {
            s.focusable = canTake();
            s.focused = s.focusable && canvas_->hasFocus() && canvas_->focusView() == hit_;
            s.disabled = !canTake();
        }
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ActionInterface && button()) return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }
    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    void doAction(const QString& name) override {
        if (!canvas_) return;
        if (name == pressAction()) {
            // the click runs its animations; the screen reader is answered first
            QMetaObject::invokeMethod(
                canvas_.data(),
                [c = canvas_, h = hit_] {
                    if (c) c->activate(h);
                },
                Qt::QueuedConnection);
        } else if (name == setFocusAction() && canvas_->setFocusView(hit_)) {
            canvas_->setFocus(Qt::OtherFocusReason);
        }
    }
    // Enter and Space press every view: not named on each, where a screen
    // reader would read them out at every step.
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    bool canTake() const { return canvas_->canTakeClick(hit_); }
    bool button() const { return canvas_ && everClicked(canvas_->table(), hit_); }
    // The view that shows this child: for the die, whichever of its places
    // shows it now (resting, rolling, or lying with the throw).
    ViewId shown() const {
        if (hit_.family != Family::Die) return hit_;
        for (std::int8_t i = 0; i <= 15; ++i)
            if (canvas_->viewOf({Family::Die, i}).visible) return {Family::Die, i};
        return hit_;
    }

    QPointer<Canvas> canvas_;
    int child_;
    ViewId hit_;
};

class BoardInterface : public QAccessibleWidget {
public:
    explicit BoardInterface(Canvas* canvas) : QAccessibleWidget(canvas, QAccessible::Pane) {}
    ~BoardInterface() override {
        for (QAccessible::Id id : ids_)
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }

    Canvas* canvas() const { return static_cast<Canvas*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return words::boardName();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return childTotal; }
    // Made when first asked for, then kept until the canvas goes.
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childTotal) return nullptr;
        QAccessible::Id& id = ids_[static_cast<std::size_t>(index)];
        if (id == 0) id = QAccessible::registerAccessibleInterface(new ViewInterface(canvas(), index));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* view = dynamic_cast<const ViewInterface*>(child);
        return view && view->parent() == this ? view->childNumber() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const auto hit = canvas()->viewAt(canvas()->mapFromGlobal(QPoint(x, y)));
        return hit ? child(childIndex(*hit)) : nullptr;
    }
    // While one of its views has the focus, the board itself is not the
    // focused object: a screen reader then names the view alone, not
    // "Board panel" before it.
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (focusChild()) s.focused = false;
        return s;
    }
    QAccessibleInterface* focusChild() const override {
        const auto focus = canvas()->focusView();
        return focus && canvas()->hasFocus() ? child(childIndex(*focus)) : nullptr;
    }

private:
    mutable std::array<QAccessible::Id, childTotal> ids_{};
};

// The status line's words: a status text (its name is the words).
class StatusTextInterface : public QAccessibleWidget {
public:
    explicit StatusTextInterface(StatusText* text) : QAccessibleWidget(text, QAccessible::StatusBar) {}
};

QAccessibleInterface* factory(const QString& key, QObject* object) {
    if (key == QLatin1String("skarpo::Canvas")) return new BoardInterface(static_cast<Canvas*>(object));
    if (key == QLatin1String("skarpo::StatusText")) return new StatusTextInterface(static_cast<StatusText*>(object));
    return nullptr;
}

}  // namespace

void install() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(factory);
}

QAccessibleInterface* viewInterface(Canvas& canvas, Canvas::Hit hit) {
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&canvas);
    return board ? board->child(childIndex(hit)) : nullptr;
}

void focusMoved(Canvas& canvas, Canvas::Hit hit) {
    if (!QAccessible::isActive()) return;
    if (QAccessibleInterface* view = viewInterface(canvas, hit)) {
        QAccessibleEvent focus(view, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

}  // namespace skarpo::accessibility
