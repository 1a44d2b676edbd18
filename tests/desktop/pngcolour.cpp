// SPDX-License-Identifier: GPL-3.0-or-later
// Counts the pixels of one colour in a picture file:
//   skarpo_pngcolour FILE '#RRGGBB'    prints the count
#include <QColor>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) return std::fprintf(stderr, "usage: %s FILE '#RRGGBB'\n", argv[0]), 2;
    const QImage image = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    const QColor colour = QColor::fromString(QLatin1String(argv[2]));
    if (image.isNull() || !colour.isValid())
        return std::fprintf(stderr, "%s: cannot read %s or %s\n", argv[0], argv[1], argv[2]), 2;
    long count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == colour.rgb();
    std::printf("%ld\n", count);
}
