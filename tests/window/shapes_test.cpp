// SPDX-License-Identifier: GPL-3.0-or-later
// The colours told apart without their colours: the counters of every two colours differ in shape, on the board as
// painted, turned grey, and as eyes that tell fewer colours apart see them.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <iostream>

#include "tests/window/live.h"

using namespace skarpo;
using namespace skarpo::test;

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;
// Linear RGB as seen with protanopia, deuteranopia and tritanopia: the matrices of Machado, Oliveira and Fernandes
// (2009) at severity 1.
constexpr Matrix protanopia{
    {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix deuteranopia{
    {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix tritanopia{
    {{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}};
struct Sight {
    const char* name;
    const Matrix* seen;  // null: the colours as they are
};
constexpr Sight sights[] = {
    {"grey", nullptr}, {"protanopia", &protanopia}, {"deuteranopia", &deuteranopia}, {"tritanopia", &tritanopia}};

double linear(int c) {
    const double v = c / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// The grey a pixel turns to, as an eye sees it: its luminance in the screen's encoding, 0 to 255.
double grey(QRgb pixel, const Matrix* seen) {
    std::array<double, 3> rgb{linear(qRed(pixel)), linear(qGreen(pixel)), linear(qBlue(pixel))};
    if (seen) {
        const std::array<double, 3> in = rgb;
        for (std::size_t i = 0; i < 3; ++i)
            rgb[i] = std::clamp((*seen)[i][0] * in[0] + (*seen)[i][1] * in[1] + (*seen)[i][2] * in[2], 0.0, 1.0);
    }
    const double y = 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
    return 255 * (y <= 0.0031308 ? 12.92 * y : 1.055 * std::pow(y, 1 / 2.4) - 0.055);
}

// Of the pixels inside a counter (its artwork `art`, not the place's rim), the share whose greys differ by more than
// a third of the range between the counters the board shows at `a` and at `b`, in device pixels.
double differing(const QImage& board, const QRect& a, const QRect& b, const QImage& art, const Matrix* seen) {
    int pixels = 0, differ = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const int artX = x * 32 / a.width(), artY = y * 32 / a.height();
            if (artX == 0 || artY == 0 || artX == 31 || artY == 31 || qAlpha(art.pixel(artX, artY)) == 0) continue;
            ++pixels;
            const QPoint at(x, y);
            differ += std::abs(grey(board.pixel(a.topLeft() + at), seen) - grey(board.pixel(b.topLeft() + at), seen)) >
                      255.0 / 3;
        }
    return static_cast<double>(differ) / pixels;
}

const char* const colours[] = {"red", "cyan", "magenta", "green"};

using Shapes = Live;

}  // namespace

// A counter of each colour on the ring, at the head of its start area and in its home column, at the board's smallest
// size and at 2160 by 2160: between the counters of every two colours in the same kind of place, at least 8 % of the
// pixels inside a counter differ by more than a third of the range of grey.
TEST_F(Shapes, EveryTwoColoursCountersDifferWithoutTheirColours) {
    Position at = Position::fresh();
    for (int p = 1; p <= 4; ++p) place(at, p, {3, 0, 0}, {2});
    Game game;
    game.position = at;
    game.opened = true;
    take(game);
    const QImage art = canvas.art(counterOf(1)).toImage();
    using PlaceOf = Place (*)(int);
    const std::pair<const char*, PlaceOf> places[] = {
        {"on the ring", [](int p) { return Place::ring(squareOf(p, 3)); }},
        {"in a start place", [](int) { return Place::start(); }},
        {"in a home column", [](int) { return Place::column(2); }}};

    double closest = 1;
    std::string which;
    for (QSize size : {QSize(543, 531), QSize(2160, 2160)}) {
        ASSERT_TRUE(canvasSize(size));
        const QImage board = shown();
        for (const auto& [where, placeOf] : places)
            for (const Sight& sight : sights)
                for (int a = 1; a <= 4; ++a)
                    for (int b = a + 1; b <= 4; ++b) {
                        const ViewId va = viewOf(a, placeOf(a)), vb = viewOf(b, placeOf(b));
                        ASSERT_TRUE(canvas.viewOf(va).picture == counterOf(a) &&
                                    canvas.viewOf(vb).picture == counterOf(b));
                        const double share = differing(board, device(rect(va)), device(rect(vb)), art, sight.seen);
                        const std::string pair = std::string(colours[a - 1]) + " and " + colours[b - 1] + " " + where +
                                                 ", " + sight.name + ", " + std::to_string(size.width()) + " by " +
                                                 std::to_string(size.height());
                        EXPECT_GE(share, 0.08) << pair;
                        if (share < closest) closest = share, which = pair;
                    }
    }
    std::cout << "The closest pair: " << which << ": " << std::round(closest * 1000) / 10
              << " % of a counter's pixels differ (8 % needed)\n";
}
