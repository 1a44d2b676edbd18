// SPDX-License-Identifier: GPL-3.0-or-later
// Every colour has its shape, so that whose a counter or a place is shows without its colour: red a circle, cyan a
// square, magenta a triangle, green a star. The board's artwork draws them (pictures/make_pictures.py): black on
// every counter and on the discs of the entry squares and the home turns, faint on a player's empty places. Beside
// the board they stand beside the colour: in the boxes of the last throws and beside the colours' names in the
// dialogs, drawn from the same artwork.
#pragma once

#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace skarpo {

// The 32 by 32 artwork of player 1..4's shape: in its colour edged in black, clear around it.
QImage shapeArt(int player);

// The shape on a square `size` logical pixels wide for a screen of `ratio` device pixels to a logical pixel:
// in its colour edged in black, or all black.
enum class Ink { OwnColour, Black };
QPixmap shapePixmap(int player, int size, qreal ratio, Ink ink);

// The side of a shape beside a line of text `line` logical pixels high: the artwork's own pixels where the line
// allows.
int shapeSide(int line);

// A label with a player's shape before its text, a line high: its text, its mnemonic and its accessible name are
// the label's own.
class ShapedLabel : public QLabel {
    Q_OBJECT
public:
    ShapedLabel(int player, Ink ink, const QString& text = {}, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int player_;
    Ink ink_;
    int side_;  // the shape's side, in logical pixels
    QPixmap shape_;
};

}  // namespace skarpo
