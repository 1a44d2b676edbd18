// SPDX-License-Identifier: GPL-3.0-or-later
// The board's surface: one painted area that draws every visible view of the
// board, takes clicks on the views a person can click and shows their
// tooltips. Positions are in twips, 15 to a logical pixel; the board is drawn
// in the screen's own pixels, whatever its scale factor.
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <array>
#include <optional>

#include "state/board.h"

namespace skarpo {

class Canvas : public QWidget {
public:
    static constexpr int twipsPerPixel = 15;
    static constexpr int clientWidth = 8145;  // twips
    static constexpr int clientHeight = 7965;

    explicit Canvas(Board& board, QWidget* parent = nullptr);

    struct Hit {
        Family family;
        int index;
    };
    // The topmost visible view of a clickable family under a point given in
    // logical pixels; enabled or not, the board decides whether it listens.
    std::optional<Hit> viewAt(QPointF at) const;

    // Where a picture's artwork is kept.
    static QString resourceOf(Picture p);
    // The 32 by 32 artwork of a picture.
    const QPixmap& art(Picture p) const { return art_[static_cast<std::size_t>(p)]; }

    // Artwork for a screen with `ratio` device pixels to a logical pixel,
    // in device pixels. At a whole ratio every artwork pixel becomes a square
    // block. At a fractional one the artwork is enlarged block by block to
    // the next whole ratio and then reduced by averaging areas: every artwork
    // pixel keeps the same size and only the edges between them soften by at
    // most a pixel, where blocks alone would come out one and two pixels wide
    // in turn.
    static QImage scaledArt(const QImage& art, qreal ratio);

    // A view's rectangle on the canvas, in logical pixels.
    QRectF rectOf(const View& v) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void paintView(QPainter& painter, const View& v, qreal ratio) const;
    const QPixmap& artFor(Picture p, qreal ratio) const;

    Board& board_;
    std::array<QPixmap, pictureCount> art_;
    // the artwork as last drawn, in device pixels for that ratio
    mutable std::array<QPixmap, pictureCount> scaled_;
    mutable qreal scaledFor_ = 0;
};

}  // namespace skarpo
