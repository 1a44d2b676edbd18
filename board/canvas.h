// The board's surface: one painted area that draws every visible view of the
// board, takes clicks on the views a person can click and shows their
// tooltips. Positions are in twips, 15 to a logical pixel.
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
    const QPixmap& art(Picture p) const { return art_[static_cast<std::size_t>(p)]; }

    // A view's rectangle in logical pixels.
    static QRectF rectOf(const View& v);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void paintView(QPainter& painter, const View& v) const;
    ViewFamily& family(Family f) const;

    Board& board_;
    std::array<QPixmap, pictureCount> art_;
};

}  // namespace skarpo
