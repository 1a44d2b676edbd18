// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/board/shapes.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace skarpo {

namespace {

// The shape lies inside the middle 16 by 16 pixels of its artwork.
constexpr int middle = 16;

}  // namespace

QImage shapeArt(int player) {
    return QImage(QStringLiteral(":/pictures/shape-%1.xpm").arg(player)).convertToFormat(QImage::Format_ARGB32);
}

QPixmap shapePixmap(int player, int size, qreal ratio, Ink ink) {
    QImage art = shapeArt(player).copy((32 - middle) / 2, (32 - middle) / 2, middle, middle);
    if (ink == Ink::Black) {
        QPainter painter(&art);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(art.rect(), Qt::black);
    }
    // whole blocks of pixels, softened only where the size is no multiple of the artwork's
    const int device = std::max(1, static_cast<int>(std::lround(size * ratio)));
    const int whole = std::max(1, device / middle);
    QImage shown = art.scaled(middle * whole, middle * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (shown.width() != device) shown = shown.scaled(device, device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPixmap out = QPixmap::fromImage(shown);
    out.setDevicePixelRatio(ratio);
    return out;
}

int shapeSide(int line) { return line >= middle ? middle * (line / middle) : line; }

ShapedLabel::ShapedLabel(int player, Ink ink, const QString& text, QWidget* parent)
    : QLabel(text, parent), player_(player), ink_(ink), side_(shapeSide(fontMetrics().height())) {
    setContentsMargins(side_ + side_ / 3, 0, 0, 0);
}

void ShapedLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    // drawn once for the screen's pixels, again when the window moves to a screen with others
    if (shape_.isNull() || shape_.devicePixelRatio() != devicePixelRatioF())
        shape_ = shapePixmap(player_, side_, devicePixelRatioF(), ink_);
    QPainter(this).drawPixmap(QPoint(side_ / 6, (height() - side_) / 2), shape_);
}

}  // namespace skarpo
