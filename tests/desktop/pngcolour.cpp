// SPDX-License-Identifier: GPL-3.0-or-later
// Counts the pixels of one colour in a picture file: `skarpo_pngcolour FILE '#RRGGBB'` prints the count.
#include <QColor>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
    const QImage image =
        argc == 3 ? QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32) : QImage();
    const QColor colour = QColor::fromString(QLatin1String(argc == 3 ? argv[2] : ""));
    if (image.isNull() || !colour.isValid()) return std::fprintf(stderr, "usage: %s PICTURE '#RRGGBB'\n", argv[0]), 2;
    long count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == colour.rgb();
    std::printf("%ld\n", count);
}
