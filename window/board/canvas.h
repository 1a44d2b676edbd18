// SPDX-License-Identifier: GPL-3.0-or-later
// The board's surface: one painted area that draws every visible view of the
// board, takes clicks on the views a person can click and shows their
// tooltips. Positions are in twips, 15 to a pixel of the board; the board
// grows with the canvas, uniformly and centred on the window's green, never
// below its size at scale factor 1, and is drawn in the screen's own pixels.
// Only the views whose look changed since the last refresh are repainted.
//
// The keyboard plays too: a focus moves among the views that can take a click
// right now (Tab and Shift+Tab in the order of the journey of the colour to
// play, the arrow keys across the board), and Enter or Space clicks the
// focused view.
#pragma once

#include <QElapsedTimer>
#include <QPixmap>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

#include "core/turns/table.h"

namespace skarpo {

class Canvas : public QWidget {
    Q_OBJECT
public:
    static constexpr int twipsPerPixel = 15;
    static constexpr int clientWidth = 8145;  // twips
    static constexpr int clientHeight = 7965;
    // the board at scale factor 1, in logical pixels
    static constexpr int boardWidth = clientWidth / twipsPerPixel;
    static constexpr int boardHeight = clientHeight / twipsPerPixel;

    explicit Canvas(Table& table, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {boardWidth, boardHeight}; }

    using Hit = ViewId;
    // The topmost visible view a person can click under a point given in
    // logical pixels (the die, a place of the ring, a start or home place),
    // whether or not it takes a click now.
    std::optional<Hit> viewAt(QPointF at) const;

    // Where a picture's artwork is kept.
    static QString resourceOf(Picture p);
    // The 32 by 32 artwork of a picture.
    const QPixmap& art(Picture p) const { return art_[static_cast<std::size_t>(p)]; }
    // The artwork of player 1..4's empty place (a start place, a home place): the empty place's, the player's shape
    // faint over it, a shade darker than the place whatever its colour.
    static QImage emptyPlace(int player);
    // The 32 by 32 artwork a view shows: its picture's, or on a player's empty place that place's.
    const QPixmap& artOf(ViewId v) const { return art_[artIndex(v)]; }

    // Artwork for `ratio` device pixels to a pixel of the artwork, in device
    // pixels, laid on a background colour. At a whole ratio every artwork
    // pixel becomes a square block. At a fractional one the artwork is
    // enlarged block by block to the next whole ratio and then reduced by
    // averaging areas: every artwork pixel keeps the same size and only the
    // edges between them soften by at most a pixel, where blocks alone would
    // come out one and two pixels wide in turn.
    static QImage scaledArt(const QImage& art, Colour back, qreal ratio);

    // Device pixels to a pixel of the board on a canvas of `device` pixels
    // whose screen has `ratio` device pixels to a logical pixel: the largest
    // eighth that lets the whole board fit, so that every square and every
    // artwork pixel lands on whole device pixels, and never less than
    // `ratio`, the board's size at scale factor 1.
    static qreal boardScale(QSizeF device, qreal ratio);

    // Where the board lies: device pixels to a pixel of the board, and the
    // board's top left on the canvas in device pixels.
    struct Placement {
        qreal ratio = 1;  // device pixels to a logical pixel
        qreal scale = 1;  // device pixels to a pixel of the board
        QPoint origin;
    };
    Placement placement() const;

    // A view's rectangle on the canvas, in logical pixels: exactly the
    // points that viewAt() maps to it (for a view on top).
    QRectF rectOf(ViewId v) const;

    const Table& table() const { return table_; }
    const View& viewOf(ViewId v) const { return table_.views()[v]; }

    // ---- the keyboard ----
    // Whether a view can take a click right now (see Table::takesClick):
    // while the board moves none can, so the die rolling across the board is
    // no place to rest the focus on.
    bool canTakeClick(Hit hit) const { return table_.takesClick(hit); }
    // The views that can take a click (Table::clickable), in the order Tab
    // visits them: the die, the start place, the ring in the direction of
    // travel from the entry square of the colour to play, the home column.
    std::vector<Hit> focusChain() const;
    std::optional<Hit> focusView() const { return focus_; }
    // Puts the focus on a view that can take a click; false for any other.
    bool setFocusView(Hit hit);
    // Keeps the focus where it belongs after the board changed: on the die
    // when it starts waiting, on the first marked view when marks appear, and
    // never on a view that cannot take the key.
    void followBoard();
    // A click on a view by a key or a screen reader: exactly what a mouse
    // click does. Returns whether the board took it.
    bool activate(Hit hit);
    // At a table shared across machines a click goes to the others first
    // (null: straight to the board); whether it was taken.
    std::function<bool(Hit)> sendClick;
    // The focus ring shows while the canvas has the keyboard focus and the
    // keyboard is in use (the last thing pressed on the canvas was a key).
    bool showsFocusRing() const;
    // The area the focus ring covers around a view, in logical pixels.
    QRectF focusRingRect(Hit hit) const;

    // ---- a move known before it is made ----
    // The marked view whose move the board shows before the click: the one
    // the mouse rests on, else the one with the keyboard focus while the
    // focus ring shows; none while no mark takes a click (a move started).
    std::optional<Hit> foreseenHit() const;
    // The places the marker covers, in logical pixels, each the rectangle of
    // its view: where the counter ends, on a doubling carry or a corner jump
    // the squares that carry it on and the ring squares it passes, and the
    // counters it captures.
    struct Marker {
        enum class Kind { End, Carried, Passed, Captured };
        Kind kind;
        QRectF rect;
        bool operator==(const Marker&) const = default;
    };
    std::vector<Marker> markers() const { return markers_; }
    // Called when the foreseen view changes other than by a click: a key
    // moved the focus, the mouse moved onto a mark or off it.
    std::function<void()> foreseenChanged;

    // Called after the canvas has passed a click or a key to the board: the
    // window brings the focus, the words and the painted board up to date.
    std::function<void()> afterEvent;
    // Called when a key for the board comes while it moves: the key is not
    // taken, and the player is told.
    std::function<void()> onBusy;
    // Called when a click or key was taken by the game.
    std::function<void()> onTaken;

    // When the die passes from one person to another, a key that comes
    // within this long of the change, or of a key refused for it, is taken
    // for a key of the person who just played and is not passed on: one who
    // presses Space five or six times in a row presses every 0.2 to 0.5 s,
    // and the key's own repeat is never taken; the next person reads whose
    // turn it is before pressing, a second or more.
    static constexpr int handOverMs = 800;
    int handOverGuard = handOverMs;  // for a test: 0 takes every key at once
    // Whether a key now would be refused so.
    bool handingOver() const;

    // Schedules the repaint of every view whose look has changed since the
    // last refresh: its old and its new place. Does nothing when nothing
    // changed. The board's views are plain data, so whoever changes them
    // calls this (the window does after every event and every step).
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool event(QEvent* event) override;

private:
    // Drawn last, over everything else.
    void paintFocusRing(QPainter& painter) const;
    void paintMarkers(QPainter& painter) const;
    // Brings the markers up to date with the foreseen move; adds the places
    // they leave and take to `changed`.
    void followForeseen(QRegion& changed);
    std::vector<Marker> markersOf(const Outcome& o) const;
    void moveFocus(std::optional<Hit> to);
    // The arrow keys: the nearest view that can take a click in a direction.
    void moveFocusToward(QPointF direction);
    void setKeyboardInUse(bool inUse);
    // What a view shows, as far as painting goes.
    struct Look {
        QRect rect;  // in device pixels; empty when hidden
        Colour back = 0;
        Picture picture = Picture::None;
        bool framed = false;
        bool operator==(const Look&) const = default;
    };
    static QRect deviceRect(ViewId v, const Placement& at);
    Look lookOf(ViewId v, const Placement& at) const;
    void paintView(QPainter& painter, ViewId id, const QRect& r, const Placement& at) const;
    // Where a view's artwork is kept in art_.
    std::size_t artIndex(ViewId id) const;
    // A view's artwork at `scale`, laid on its background colour.
    const QPixmap& artFor(ViewId id, qreal scale) const;

    Table& table_;
    // every picture's artwork, then the empty places of players 1..4
    std::array<QPixmap, pictureCount + 4> art_;
    // the artwork as drawn, by artwork and background, in device pixels for that scale
    mutable std::unordered_map<std::uint64_t, QPixmap> scaled_;
    mutable qreal scaledFor_ = 0;

    std::optional<Hit> focus_;
    bool keyboard_ = false;   // the last thing pressed on the canvas was a key
    bool dieWaited_ = false;  // what followBoard() last saw
    bool marksStood_ = false;
    int lastPerson_ = 0;        // the person the die or the marks last waited for
    QElapsedTimer handedOver_;  // since the die passed to another person, or a key was refused for it
    // what every view in drawing order (Views::all) showed at the last refresh, and where
    // the focus ring was then (logical pixels; empty when not shown)
    std::vector<Look> shown_;
    QRect ringShown_;
    // the view under the mouse (clickable or not), and the foreseen view and
    // its markers as last painted
    std::optional<Hit> hover_;
    std::optional<Hit> foreseenShown_;
    std::vector<Marker> markers_;
};

}  // namespace skarpo
