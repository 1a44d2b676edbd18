// The artwork, and the board on screens of every scale factor: the artwork
// as it is enlarged, the canvas drawn in device pixels, and clicks landing on
// the view under the pointer. ctest runs the `Scaled` tests again with
// QT_SCALE_FACTOR set to 1.5 and to 2.
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "tests/window/window_support.h"

using namespace skarpo;
using namespace skarpo::test;

namespace {

QRgb rgb(Colour c) { return 0xFF000000u | c; }

struct ArtworkTest : ::testing::Test {
    Window window;
    QImage art(Picture p) {
        return window.canvas().art(p).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
};

}  // namespace

// The empty place is only a rim: its player's colour or a mark shows through.
TEST_F(ArtworkTest, TheEmptyPlaceAndTheCountersLetTheBackgroundThrough) {
    EXPECT_EQ(qAlpha(art(Picture::Blank).pixel(16, 16)), 0);
    EXPECT_EQ(qAlpha(art(Picture::Blank).pixel(3, 16)), 0);
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(qAlpha(art(counterOf(p)).pixel(3, 3)), 0) << p;
        EXPECT_EQ(art(counterOf(p)).pixel(13, 13), rgb(colour::ofPlayer(p))) << p;
    }
}

// Each player's counters and direction markers carry a mark of their own, so
// that they differ in shape and not only in colour. (The markers' arrows
// point four ways; turned back to one direction they must still differ.)
TEST_F(ArtworkTest, PlayersPicturesDifferWithoutTheirColours) {
    auto shape = [&](Picture p, int quarterTurnsBack) {
        return art(p).transformed(QTransform().rotate(-90.0 * quarterTurnsBack)).createMaskFromColor(rgb(colour::black));
    };
    constexpr int none = -1;
    // quarter turns of player p's arrow from "up": turns + p - 1, or none
    const std::pair<Picture, int> kinds[] = {
        {Picture::Counter1, none}, {Picture::CounterLarge1, none}, {Picture::HomeTurn1, 0}, {Picture::Entry1, 3}};
    for (const auto& [first, turns] : kinds) {
        auto nth = [&](int p) { return static_cast<Picture>(static_cast<int>(first) + p - 1); };
        auto turnsOf = [&](int p) { return turns == none ? 0 : turns + p - 1; };
        for (int p = 1; p <= 4; ++p)
            for (int q = p + 1; q <= 4; ++q)
                EXPECT_NE(shape(nth(p), turnsOf(p)), shape(nth(q), turnsOf(q)))
                    << pictureName(nth(p)) << " and " << pictureName(nth(q));
    }
}

// At a whole factor every artwork pixel becomes a block. At 1.25 and 1.5
// every artwork pixel keeps one size: a screen pixel that lies within one
// artwork pixel shows it unchanged, and one on an edge mixes only the artwork
// pixels it covers (no halo, no blur reaching further).
TEST_F(ArtworkTest, EnlargedArtworkKeepsEveryArtworkPixel) {
    for (double ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        const int slack = ratio == std::floor(ratio) ? 0 : 1;  // a rounding
        for (int i = 1; i < pictureCount; ++i) {
            const QImage a = art(static_cast<Picture>(i));
            const QImage s = Canvas::scaledArt(a, ratio).convertToFormat(QImage::Format_ARGB32_Premultiplied);
            ASSERT_EQ(s.size(), QSize(qRound(32 * ratio), qRound(32 * ratio)));
            for (int y = 0; y < s.height(); ++y) {
                for (int x = 0; x < s.width(); ++x) {
                    // the artwork pixels under this screen pixel
                    const int x0 = static_cast<int>(x / ratio), x1 = std::min(31, static_cast<int>((x + 1) / ratio - 1e-9));
                    const int y0 = static_cast<int>(y / ratio), y1 = std::min(31, static_cast<int>((y + 1) / ratio - 1e-9));
                    // each channel within the range of the pixels under it
                    using Channel = int (*)(QRgb);
                    for (Channel channel : {Channel(qRed), Channel(qGreen), Channel(qBlue), Channel(qAlpha)}) {
                        int lo = 255, hi = 0;
                        for (int v = y0; v <= y1; ++v)
                            for (int u = x0; u <= x1; ++u) {
                                lo = std::min(lo, channel(a.pixel(u, v)));
                                hi = std::max(hi, channel(a.pixel(u, v)));
                            }
                        const int got = channel(s.pixel(x, y));
                        ASSERT_TRUE(got >= lo - slack && got <= hi + slack)
                            << pictureName(static_cast<Picture>(i)) << " at " << ratio << ": " << x << "," << y;
                    }
                }
            }
        }
    }
}

namespace {

using Scaled = LiveWindow;

qreal factor() { return qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble(); }

}  // namespace

// (Every pixel at whole factors is the `Pixels` tests' business.)
TEST_F(Scaled, TheCanvasIsDrawnInTheScreensPixels) {
    EXPECT_EQ(canvas.size(), QSize(543, 531));  // the layout stays in logical pixels
    const QPixmap grabbed = canvas.grab();
    EXPECT_DOUBLE_EQ(grabbed.devicePixelRatio(), factor());
    EXPECT_EQ(grabbed.size(), (QSizeF(543, 531) * factor()).toSize());

    // each picture is the artwork for this factor, unresampled, on whole pixels
    const QImage img = grabbed.toImage().convertToFormat(QImage::Format_RGB32);
    for (const View* v : {&board.SQUARE(1), &board.SQUARE(5), &board.home(6), &board.home(16), &board.dicethrow(0)}) {
        const QImage art = Canvas::scaledArt(canvas.art(v->picture).toImage(), factor());
        QImage want(art.size(), QImage::Format_RGB32);
        want.fill(QColor::fromRgb(v->back));
        QPainter(&want).drawImage(0, 0, art);
        EXPECT_EQ(img.copy(QRect((rect(*v).topLeft() * factor()).toPoint(), art.size())), want) << pictureName(v->picture);
    }
    // the centre frames' lines are as thick all round, a whole number of pixels
    const QRect r = QTransform::fromScale(factor(), factor()).mapRect(rect(board.Label1(7))).toRect();
    const int line = std::max(1, static_cast<int>(factor())), mx = r.center().x(), my = r.center().y();
    auto black = [&](int x, int y) { return img.pixel(x, y) == 0xFF000000u; };
    for (int i = 0; i <= line; ++i)
        EXPECT_EQ(black(r.left() + i, my) + black(r.right() - i, my) + black(mx, r.top() + i) + black(mx, r.bottom() - i),
                  i < line ? 4 : 0) << i;
}

TEST_F(Scaled, TheDieTakesAClickAnywhereOnIt) {
    const QRectF die = rect(board.dicethrow(0));
    auto rolling = [&] { return board.paused() && !board.dicethrow(15).enabled; };
    // near the corner where the hidden roll position 12 overlaps it
    EXPECT_TRUE(clickAndSee(die.topLeft() + QPointF(1, 1), rolling));
    EXPECT_TRUE(clickAndSee(die.bottomRight() - QPointF(1, 1), rolling));
    EXPECT_FALSE(board.paused());
    EXPECT_TRUE(board.dicethrow(15).enabled);
}

// With a 6, the counter on square 20 and the head of the start area are
// marked; clicks one pixel over their edges land on their unmarked neighbours.
TEST_F(Scaled, MarkedPlacesTakeClicksToTheirCornersAndTheirNeighboursDoNot) {
    for (bool ring : {true, false}) {
        sixWithACounterOnTheRing();
        const QRectF r = rect(ring ? board.SQUARE(20) : board.start(0));
        clickAt(QPointF(r.left() + 1, r.top() - 1));
        clickAt(QPointF(r.left() + 1, r.bottom() + 1));
        EXPECT_FALSE(board.paused());
        EXPECT_TRUE(board.SQUARE(20).back == colour::yellow && board.start(0).back == colour::yellow);
        EXPECT_EQ(board.players(1, 1), 20);

        // the counter leaves square 20, or a new one enters on square 1
        const auto moved = [&] {
            return board.start(0).back != colour::yellow && board.SQUARE(20).back != colour::yellow &&
                   (ring ? board.SQUARE(20).picture != counterOf(1) : board.SQUARE(1).picture == counterOf(1));
        };
        EXPECT_TRUE(clickAndSee(ring ? r.bottomLeft() + QPointF(1, -1) : r.topRight() + QPointF(-1, 1), moved)) << ring;
    }
}
