// The board on screens of every scale factor: the artwork as it is enlarged,
// the canvas as it is drawn in device pixels, and clicks landing on the view
// under the pointer. ctest runs the `Scaled` tests again with QT_SCALE_FACTOR
// set to 1.5 and to 2.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>

#include "board/canvas.h"
#include "board/window.h"
#include "state/numbering.h"
#include "tests/support/test_platform.h"

using namespace skarpo;

namespace {

QImage premultiplied(const QImage& img) { return img.convertToFormat(QImage::Format_ARGB32_Premultiplied); }

// The artwork of every picture, as the canvas loads it.
std::vector<QImage> allArtwork(const Canvas& canvas) {
    std::vector<QImage> out;
    for (int i = 1; i < pictureCount; ++i) out.push_back(premultiplied(canvas.art(static_cast<Picture>(i)).toImage()));
    return out;
}

struct ArtworkTest : ::testing::Test {
    Window window;
    std::vector<QImage> art = allArtwork(window.canvas());
};

}  // namespace

TEST_F(ArtworkTest, WholeFactorsMakeBlocksOfEveryArtworkPixel) {
    for (const QImage& a : art) {
        EXPECT_EQ(premultiplied(Canvas::scaledArt(a, 1)), a);
        for (int k : {2, 3}) {
            const QImage s = premultiplied(Canvas::scaledArt(a, k));
            ASSERT_EQ(s.size(), QSize(32 * k, 32 * k));
            for (int y = 0; y < s.height(); ++y)
                for (int x = 0; x < s.width(); ++x) ASSERT_EQ(s.pixel(x, y), a.pixel(x / k, y / k)) << x << "," << y;
        }
    }
}

// At 1.25 and 1.5 every artwork pixel keeps one size: a screen pixel that
// lies within one artwork pixel shows it unchanged, and one on an edge mixes
// only the artwork pixels it covers (no halo, no blur reaching further).
TEST_F(ArtworkTest, FractionalFactorsSoftenOnlyTheEdgesBetweenArtworkPixels) {
    for (double ratio : {1.25, 1.5}) {
        for (const QImage& a : art) {
            const QImage s = premultiplied(Canvas::scaledArt(a, ratio));
            ASSERT_EQ(s.size(), QSize(qRound(32 * ratio), qRound(32 * ratio)));
            for (int y = 0; y < s.height(); ++y) {
                for (int x = 0; x < s.width(); ++x) {
                    // the artwork pixels under this screen pixel
                    const int x0 = static_cast<int>(x / ratio), x1 = std::min(31, static_cast<int>((x + 1) / ratio - 1e-9));
                    const int y0 = static_cast<int>(y / ratio), y1 = std::min(31, static_cast<int>((y + 1) / ratio - 1e-9));
                    const QRgb got = s.pixel(x, y);
                    const bool within = x0 == x1 && y0 == y1;
                    // each channel within the range of the pixels under it (to
                    // a rounding), which for one pixel is its value
                    using Channel = int (*)(QRgb);
                    for (Channel channel : {Channel(qRed), Channel(qGreen), Channel(qBlue), Channel(qAlpha)}) {
                        int lo = 255, hi = 0;
                        for (int v = y0; v <= y1; ++v)
                            for (int u = x0; u <= x1; ++u) {
                                lo = std::min(lo, channel(a.pixel(u, v)));
                                hi = std::max(hi, channel(a.pixel(u, v)));
                            }
                        ASSERT_GE(channel(got), lo - 1) << ratio << " at " << x << "," << y << (within ? " within" : "");
                        ASSERT_LE(channel(got), hi + 1) << ratio << " at " << x << "," << y << (within ? " within" : "");
                    }
                }
            }
        }
    }
}

namespace {

// The real window at whatever scale factor the test runs under, clicked
// through its top-level window as the screen's own pointer events arrive.
struct Scaled : ::testing::Test {
    std::unique_ptr<Window> window = std::make_unique<Window>();
    Board& board = window->board();
    Canvas& canvas = window->canvas();

    void SetUp() override {
        window->exitProgram = [] {};
        window->timer1().stop();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    qreal factor() const { return qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0; }

    // a point of the canvas, in logical pixels
    void clickAt(QPointF p) {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, canvas.mapTo(window.get(), p.toPoint()));
    }

    // Clicks at `p` and waits, inside the handler's pauses, up to 3 seconds
    // for `seen`; then chooses "New Game" so that the handler unwinds at
    // once. Returns whether `seen` came true, there or once the click is over.
    bool clickAndSee(QPointF p, std::function<bool()> seen) {
        bool saw = false;
        int polls = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, &timer, [&] {
            saw = seen();
            if (!saw && ++polls < 300) return;
            timer.stop();
            window->newGameAction().trigger();
        });
        timer.start(10);
        clickAt(p);
        timer.stop();
        return saw || seen();
    }

    // Player 1 has thrown a 6 with counter 1 on square 20: square 20 and the
    // head of the start area are marked.
    void sixWithACounterOnTheRing() {
        test::openedPosition(board);
        test::placeOnRing(board, 1, 1, 20);
        board.whosego = 1;
        board.moves = 6;
        board.marksquares();
        ASSERT_TRUE(board.SQUARE(20).enabled);
        ASSERT_TRUE(board.start(0).enabled);
        canvas.update();
    }
};

QRectF rect(const View& v) { return Canvas::rectOf(v); }

}  // namespace

TEST_F(Scaled, TheCanvasIsDrawnInTheScreensPixels) {
    EXPECT_DOUBLE_EQ(canvas.devicePixelRatioF(), factor());
    EXPECT_EQ(canvas.size(), QSize(543, 531));  // the layout stays in logical pixels
    const QPixmap grabbed = canvas.grab();
    EXPECT_DOUBLE_EQ(grabbed.devicePixelRatio(), factor());
    if (factor() == 2) {
        EXPECT_EQ(grabbed.size(), QSize(1086, 1062));
    }
    EXPECT_EQ(grabbed.size(), (QSizeF(543, 531) * factor()).toSize());

    // each picture is the artwork for this factor, unresampled, on whole pixels
    const QImage img = grabbed.toImage().convertToFormat(QImage::Format_RGB32);
    const View* views[] = {&board.SQUARE(1), &board.SQUARE(5), &board.home(6), &board.home(16), &board.dicethrow(0)};
    for (const View* v : views) {
        const QImage art = Canvas::scaledArt(canvas.art(v->picture).toImage(), factor());
        QImage want(art.size(), QImage::Format_RGB32);
        want.fill(QColor::fromRgb(v->back));
        QPainter(&want).drawImage(0, 0, art);
        const QPoint at = (rect(*v).topLeft() * factor()).toPoint();
        EXPECT_EQ(img.copy(QRect(at, art.size())), want) << pictureName(v->picture);
    }
    // the centre frames' lines are as thick all round
    const View& frame = board.Label1(7);
    const QRect r((rect(frame).topLeft() * factor()).toPoint(), (rect(frame).size() * factor()).toSize());
    const int line = std::max(1, static_cast<int>(factor()));
    auto black = [&](int x, int y) { return img.pixel(x, y) == 0xFF000000u; };
    const int mx = r.center().x(), my = r.center().y();
    for (int i = 0; i < line; ++i) {
        EXPECT_TRUE(black(r.left() + i, my) && black(r.right() - i, my) && black(mx, r.top() + i) && black(mx, r.bottom() - i)) << i;
    }
    EXPECT_FALSE(black(r.left() + line, my) || black(r.right() - line, my) || black(mx, r.top() + line) ||
                 black(mx, r.bottom() - line));
}

TEST_F(Scaled, TheDieTakesAClickAnywhereOnIt) {
    const QRectF die = rect(board.dicethrow(0));
    // near the corner where the hidden roll position 12 overlaps it
    EXPECT_TRUE(clickAndSee(die.topLeft() + QPointF(1, 1), [&] { return board.paused() && !board.dicethrow(15).enabled; }));
    EXPECT_TRUE(clickAndSee(die.bottomRight() - QPointF(1, 1), [&] { return board.paused() && !board.dicethrow(15).enabled; }));
    EXPECT_FALSE(board.paused());
    EXPECT_TRUE(board.dicethrow(15).enabled);
}

TEST_F(Scaled, AMarkedCounterTakesClicksAndItsNeighboursDoNot) {
    sixWithACounterOnTheRing();
    const QRectF marked = rect(board.SQUARE(20));
    // one pixel over the edge onto the unmarked squares either side
    clickAt(QPointF(marked.left() + 1, marked.top() - 1));
    clickAt(QPointF(marked.left() + 1, marked.bottom() + 1));
    EXPECT_FALSE(board.paused());
    EXPECT_EQ(board.SQUARE(20).back, colour::yellow);
    EXPECT_EQ(board.players(1, 1), 20);

    // the counter leaves square 20 (square 19 and 21 lie above and below)
    EXPECT_TRUE(clickAndSee(marked.bottomLeft() + QPointF(1, -1),
                            [&] { return board.SQUARE(20).picture != counterOf(1) && board.start(0).back != colour::yellow; }));
}

TEST_F(Scaled, TheMarkedStartPlaceEntersACounter) {
    sixWithACounterOnTheRing();
    const QRectF head = rect(board.start(0));
    // start(1) lies just above the head of the start area
    clickAt(QPointF(head.center().x(), head.top() - 1));
    EXPECT_FALSE(board.paused());
    EXPECT_EQ(board.start(0).back, colour::yellow);

    EXPECT_TRUE(clickAndSee(head.topRight() + QPointF(-1, 1), [&] {
        return board.SQUARE(1).picture == counterOf(1) && board.SQUARE(20).back != colour::yellow;
    }));
}
