// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/canvas.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "window/words.h"

namespace skarpo {

namespace {

QColor qcolour(Colour c) { return QColor::fromRgb(static_cast<QRgb>(c)); }

// The clickable families in the order they are drawn: later ones lie on top.
constexpr Family clickOrder[] = {Family::SQUARE, Family::start, Family::home, Family::dicethrow};

}  // namespace

Canvas::Canvas(Board& board, QWidget* parent) : QWidget(parent), board_(board) {
    setFixedSize(clientWidth / twipsPerPixel, clientHeight / twipsPerPixel);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    for (int i = 1; i < pictureCount; ++i) art_[static_cast<std::size_t>(i)] = QPixmap(resourceOf(static_cast<Picture>(i)));
}

QString Canvas::resourceOf(Picture p) { return QStringLiteral(":/pictures/%1.xpm").arg(QLatin1String(pictureName(p))); }

QRectF Canvas::rectOf(const View& v) const {
    constexpr double k = twipsPerPixel;
    return {v.left / k, v.top / k, v.width / k, v.height / k};
}

QImage Canvas::scaledArt(const QImage& art, qreal ratio) {
    const int size = std::max(1, qRound(art.width() * ratio));
    const int whole = std::max(1, static_cast<int>(std::ceil(static_cast<double>(size) / art.width())));
    const QImage blocks = art.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                              .scaled(art.width() * whole, art.height() * whole, Qt::IgnoreAspectRatio,
                                      Qt::FastTransformation);
    if (blocks.width() == size) return blocks;
    return blocks.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

const QPixmap& Canvas::artFor(Picture p, qreal ratio) const {
    if (ratio != scaledFor_) {
        for (auto& s : scaled_) s = QPixmap();
        scaledFor_ = ratio;
    }
    QPixmap& s = scaled_[static_cast<std::size_t>(p)];
    if (s.isNull()) s = QPixmap::fromImage(scaledArt(art(p).toImage(), ratio));
    return s;
}

namespace {

// A view's rectangle in device pixels, its edges on whole pixels.
QRect devicePixels(const View& v, qreal ratio) {
    auto at = [ratio](int twips) { return qRound(twips * ratio / Canvas::twipsPerPixel); };
    const int left = at(v.left), top = at(v.top);
    return {left, top, at(v.left + v.width) - left, at(v.top + v.height) - top};
}

}  // namespace

// Paints in device pixels (the painter is scaled back to them), so that
// every edge and every artwork pixel lands on whole pixels.
void Canvas::paintView(QPainter& painter, const View& v, qreal ratio) const {
    if (!v.visible) return;
    const QRect r = devicePixels(v, ratio);
    painter.fillRect(r, qcolour(v.back));
    if (v.framed) {
        // a single line, as thick as a whole number of pixels allows
        const int line = std::max(1, static_cast<int>(ratio));
        const QColor ink(Qt::black);
        painter.fillRect(QRect(r.left(), r.top(), r.width(), line), ink);
        painter.fillRect(QRect(r.left(), r.bottom() + 1 - line, r.width(), line), ink);
        painter.fillRect(QRect(r.left(), r.top(), line, r.height()), ink);
        painter.fillRect(QRect(r.right() + 1 - line, r.top(), line, r.height()), ink);
    }
    // the artwork is 32 logical pixels square, drawn at the view's top left
    if (v.picture != Picture::None) painter.drawPixmap(r.topLeft(), artFor(v.picture, ratio));
}

void Canvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const qreal ratio = painter.device()->devicePixelRatioF();
    painter.scale(1 / ratio, 1 / ratio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.fillRect(QRect(QPoint(0, 0), (QSizeF(size()) * ratio).toSize() + QSize(1, 1)), qcolour(colour::window));

    // the centre frames, larger beneath smaller, so they show as rings
    for (int k = 7; k >= 0; --k)
        if (board_.Label1.has(k)) paintView(painter, board_.Label1(k), ratio);

    auto paintFamily = [&](const ViewFamily& f) {
        for (int i : f.indices()) paintView(painter, f(i), ratio);
    };
    paintFamily(board_.SQUARE);
    paintFamily(board_.start);
    paintFamily(board_.home);
    // the picture stores are hidden and so draw nothing, unless shown
    paintFamily(board_.dice);
    paintFamily(board_.boardcount);
    paintFamily(board_.homecount);
    paintFamily(board_.two);
    paintFamily(board_.corner);
    paintFamily(board_.dicethrow);

    paintFocusRing(painter);
}

std::optional<Canvas::Hit> Canvas::viewAt(QPointF at) const {
    const double x = at.x() * twipsPerPixel;
    const double y = at.y() * twipsPerPixel;
    for (auto f = std::rbegin(clickOrder); f != std::rend(clickOrder); ++f) {
        const ViewFamily& views = board_.views(*f);
        const auto indices = views.indices();
        for (auto i = indices.rbegin(); i != indices.rend(); ++i) {
            const View& v = views(*i);
            if (v.visible && x >= v.left && x < v.left + v.width && y >= v.top && y < v.top + v.height)
                return Hit{*f, *i};
        }
    }
    return std::nullopt;
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    setKeyboardInUse(false);
    if (const auto hit = viewAt(event->position())) {
        activate(*hit);
    } else {
        update();
    }
}

bool Canvas::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        // a tip invites a click: only where the click would be taken now
        const auto hit = viewAt(help->pos());
        const View* v = hit && canTakeClick(*hit) && !board_.paused() ? &viewOf(*hit) : nullptr;
        if (v && !v->tooltip.empty())
            QToolTip::showText(help->globalPos(), words::tooltip(*v), this, rectOf(*v).toAlignedRect());
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

}  // namespace skarpo
