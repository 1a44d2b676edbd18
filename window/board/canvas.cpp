// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/board/canvas.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "window/board/shapes.h"
#include "window/words/outcomewords.h"
#include "window/words/words.h"

namespace skarpo {

namespace {

QColor qcolour(Colour c) { return QColor::fromRgb(static_cast<QRgb>(c)); }

// The toolkit hands any fill or copy of more than about a hundred lines to a
// pool of threads, and on a large board a square is that tall: for such small
// rectangles the hand-over costs far more than it saves. So everything is
// drawn in bands of 64 lines, each done at once on the window's own thread.
constexpr int band = 64;

void fill(QPainter& painter, const QRect& r, const QColor& c) {
    for (int top = r.top(); top <= r.bottom(); top += band)
        painter.fillRect(QRect(r.left(), top, r.width(), std::min(band, r.bottom() + 1 - top)), c);
}

// The top left `size` of a pixmap, drawn at `at`.
void copy(QPainter& painter, QPoint at, const QPixmap& pixmap, QSize size) {
    for (int y = 0; y < size.height(); y += band)
        painter.drawPixmap(at + QPoint(0, y), pixmap, QRect(0, y, size.width(), std::min(band, size.height() - y)));
}

// A rectangle of device pixels in logical pixels.
QRectF logical(const QRect& device, qreal ratio) {
    return {device.x() / ratio, device.y() / ratio, device.width() / ratio, device.height() / ratio};
}

}  // namespace

Canvas::Canvas(Table& table, QWidget* parent) : QWidget(parent), table_(table), shown_(Views::all().size()) {
    setMinimumSize(boardWidth, boardHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);  // a mark the mouse rests on shows its move
    for (int i = 1; i < pictureCount; ++i)
        art_[static_cast<std::size_t>(i)] = QPixmap(resourceOf(static_cast<Picture>(i)));
    for (int p = 1; p <= 4; ++p)
        art_[static_cast<std::size_t>(pictureCount + p - 1)] = QPixmap::fromImage(emptyPlace(p));
}

QImage Canvas::emptyPlace(int player) {
    QImage shape = shapeArt(player);
    QPainter ink(&shape);
    ink.setCompositionMode(QPainter::CompositionMode_SourceIn);
    ink.fillRect(shape.rect(), QColor(0, 0, 0, 64));  // black, a quarter opaque
    ink.end();
    QImage place = QImage(resourceOf(Picture::Blank)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter(&place).drawImage(0, 0, shape);
    return place;
}

std::size_t Canvas::artIndex(ViewId id) const {
    const Picture p = viewOf(id).picture;
    Place place;
    const int owner = p == Picture::Blank ? playerOf(id, place) : 0;
    return static_cast<std::size_t>(owner > 0 ? pictureCount + owner - 1 : static_cast<int>(p));
}

QString Canvas::resourceOf(Picture p) { return QStringLiteral(":/pictures/%1.xpm").arg(QLatin1String(pictureName(p))); }

QImage Canvas::scaledArt(const QImage& art, Colour back, qreal ratio) {
    const int size = std::max(1, qRound(art.width() * ratio));
    const int whole = std::max(1, static_cast<int>(std::ceil(static_cast<double>(size) / art.width())));
    const QImage blocks =
        art.convertToFormat(QImage::Format_ARGB32_Premultiplied)
            .scaled(art.width() * whole, art.height() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage scaled =
        blocks.width() == size ? blocks : blocks.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage laid(scaled.size(), QImage::Format_RGB32);
    laid.fill(qcolour(back));
    QPainter(&laid).drawImage(0, 0, scaled);
    return laid;
}

qreal Canvas::boardScale(QSizeF device, qreal ratio) {
    const qreal fit = std::min(device.width() / boardWidth, device.height() / boardHeight);
    // a small tolerance, so that a canvas of exactly 2 x 543 pixels gets 2
    return std::max(ratio, std::floor(fit * 8 + 1e-9) / 8);
}

Canvas::Placement Canvas::placement() const {
    Placement at;
    at.ratio = devicePixelRatioF();
    const QSizeF device = QSizeF(size()) * at.ratio;
    at.scale = boardScale(device, at.ratio);
    // centred, the spare device pixel (if any) on the right and below
    const auto margin = [&](qreal canvas, int board) {
        return static_cast<int>(std::floor(std::max(0.0, (canvas - qRound(board * at.scale)) / 2)));
    };
    at.origin = {margin(device.width(), boardWidth), margin(device.height(), boardHeight)};
    return at;
}

QRect Canvas::deviceRect(ViewId id, const Placement& at) {
    auto px = [&](int twips) { return qRound(twips * at.scale / twipsPerPixel); };
    const Rect v = skarpo::rectOf(id);
    const int left = px(v.left), top = px(v.top);
    return {at.origin.x() + left, at.origin.y() + top, px(v.left + v.width) - left, px(v.top + v.height) - top};
}

QRectF Canvas::rectOf(ViewId v) const {
    const Placement at = placement();
    return logical(deviceRect(v, at), at.ratio);
}

const QPixmap& Canvas::artFor(ViewId id, qreal scale) const {
    if (scale != scaledFor_) {
        scaled_.clear();
        scaledFor_ = scale;
    }
    const std::size_t index = artIndex(id);
    const Colour back = viewOf(id).back;
    QPixmap& s = scaled_[(static_cast<std::uint64_t>(index) << 32) | back];
    // laid on the view's background once, so that drawing it is a plain copy
    if (s.isNull()) s = QPixmap::fromImage(scaledArt(art_[index].toImage(), back, scale));
    return s;
}

Canvas::Look Canvas::lookOf(ViewId id, const Placement& at) const {
    const View& v = viewOf(id);
    if (!v.visible) return {};
    return {deviceRect(id, at), v.back, v.picture, id.family == Family::Frame};
}

void Canvas::refresh() {
    const Placement at = placement();
    QRegion changed;
    const auto& order = Views::all();
    for (std::size_t i = 0; i < order.size(); ++i) {
        const Look now = lookOf(order[i], at);
        if (now == shown_[i]) continue;
        changed += logical(shown_[i].rect, at.ratio).toAlignedRect();
        changed += logical(now.rect, at.ratio).toAlignedRect();
        shown_[i] = now;
    }
    // the focus ring lies outside its view: its old place and its new one
    const QRect ring = showsFocusRing() ? focusRingRect(*focus_).toAlignedRect() : QRect();
    if (ring != ringShown_) {
        changed += ringShown_;
        changed += ring;
        ringShown_ = ring;
    }
    followForeseen(changed);
    if (!changed.isEmpty()) update(changed);
}

// Paints in device pixels (the painter is scaled back to them), so that
// every edge and every artwork pixel lands on whole pixels.
void Canvas::paintView(QPainter& painter, ViewId id, const QRect& r, const Placement& at) const {
    const View& v = viewOf(id);
    // the artwork is 32 pixels of the board square, drawn at the view's top
    // left on the view's background; it covers a 480-twip view whole, but
    // for a pixel at scales that are no eighth
    const QPixmap* art = v.picture == Picture::None ? nullptr : &artFor(id, at.scale);
    if (!art || art->width() < r.width() || art->height() < r.height()) fill(painter, r, qcolour(v.back));
    if (id.family == Family::Frame) {
        // a single line, as thick as a whole number of pixels allows
        const int line = std::max(1, static_cast<int>(at.scale));
        const QColor ink(Qt::black);
        fill(painter, QRect(r.left(), r.top(), r.width(), line), ink);
        fill(painter, QRect(r.left(), r.bottom() + 1 - line, r.width(), line), ink);
        fill(painter, QRect(r.left(), r.top(), line, r.height()), ink);
        fill(painter, QRect(r.right() + 1 - line, r.top(), line, r.height()), ink);
    }
    if (art) copy(painter, r.topLeft(), *art, art->size().boundedTo(r.size()));
}

// Paints the region asked for, whatever asked for it: a refresh, the screen,
// or anyone drawing over the board. Every view is opaque over its
// rectangle, so each is painted only where no view above it lies: the
// centre frames, one inside the other, and the die over them are each
// painted once.
void Canvas::paintEvent(QPaintEvent* event) {
    const Placement at = placement();
    QPainter painter(this);
    painter.scale(1 / at.ratio, 1 / at.ratio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRectF asked = event->rect();
    const QRect area = QRectF(asked.topLeft() * at.ratio, asked.size() * at.ratio).toAlignedRect();
    QRegion covered;
    const auto& order = Views::all();
    for (auto v = order.rbegin(); v != order.rend(); ++v) {
        if (!viewOf(*v).visible) continue;
        const QRect r = deviceRect(*v, at);
        const QRect inside = r & area;
        if (inside.isEmpty()) continue;
        const QRegion shows = QRegion(inside) - covered;
        if (shows.isEmpty()) continue;
        const bool whole = shows.rectCount() == 1 && *shows.begin() == inside;
        if (whole) {
            paintView(painter, *v, r, at);
        } else {
            painter.save();
            painter.setClipRegion(shows);
            paintView(painter, *v, r, at);
            painter.restore();
        }
        covered += inside;
    }
    for (const QRect& r : QRegion(area) - covered) fill(painter, r, qcolour(colour::window));
    // anything drawn over the board goes here, after the views
    paintMarkers(painter);
    paintFocusRing(painter);
}

void Canvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    refresh();  // the board has moved or grown: every view changed place
}

std::optional<Canvas::Hit> Canvas::viewAt(QPointF at) const {
    const Placement place = placement();
    // in device pixels, a hair inside, so that the left and top edges of
    // rectOf() belong to their view whatever the rounding of the division
    const double x = at.x() * place.ratio + 1e-6;
    const double y = at.y() * place.ratio + 1e-6;
    // from the last painted, which lies on top; the frames take no click
    const auto& order = Views::all();
    for (auto v = order.rbegin(); v != order.rend(); ++v) {
        if (v->family == Family::Frame || !viewOf(*v).visible) continue;
        const QRect r = deviceRect(*v, place);
        if (x >= r.x() && x < r.x() + r.width() && y >= r.y() && y < r.y() + r.height()) return *v;
    }
    return std::nullopt;
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    setKeyboardInUse(false);  // hides the focus ring
    if (const auto hit = viewAt(event->position())) activate(*hit);
}

bool Canvas::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        // a tip invites a click: only where the click would be taken now
        const auto hit = viewAt(help->pos());
        if (hit && canTakeClick(*hit) && tooltipOf(*hit)) {
            // a marked view says where its move ends, above the invitation
            QString tip = words::tooltip(*hit);
            if (const auto outcome = table_.foresee(*hit)) tip = words::outcomeLine(*outcome) + QLatin1Char('\n') + tip;
            QToolTip::showText(help->globalPos(), tip, this, rectOf(*hit).toAlignedRect());
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}

}  // namespace skarpo
