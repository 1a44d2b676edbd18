// The real window's canvas, every device pixel of it, against the board's
// views as they stand: at a new game, after the opening march and while the
// die rolls, with a counter marked, and while a corner blinks. ctest runs the
// `Pixels` tests again with QT_SCALE_FACTOR set to 2, where the canvas is
// 1086 by 1062 and every artwork pixel a 2 by 2 block. (Clicks at other
// factors are the `Scaled` tests' business.)
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <QTimer>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "board/canvas.h"
#include "board/window.h"
#include "tests/support/test_platform.h"

using namespace skarpo;

namespace {

constexpr QRgb boardGreen = 0xFF008000;

using ViewRef = std::pair<const ViewFamily*, int>;

// The views in the order the canvas draws them, later ones on top: the
// centre frames from the largest to the smallest, the ring, the start and
// home places, the picture stores, and last the dice.
std::vector<ViewRef> drawingOrder(const Board& b) {
    std::vector<ViewRef> out;
    for (int k = 7; k >= 0; --k) out.emplace_back(&b.Label1, k);
    for (const ViewFamily* f : {&b.SQUARE, &b.start, &b.home, &b.dice, &b.boardcount, &b.homecount, &b.two, &b.corner,
                                &b.dicethrow})
        for (int i : f->indices()) out.emplace_back(f, i);
    return out;
}

std::string hex(QRgb c) {
    char s[8];
    std::snprintf(s, sizeof s, "#%06X", c & 0xFFFFFFu);
    return s;
}

// Checks every pixel of `img`, grabbed at `k` device pixels to a logical
// pixel, against the board `b`. The topmost visible view over a pixel shows
// its artwork where that is opaque, the artwork's top left pixel at the
// view's top left and each artwork pixel a k by k block; a frame shows a
// black line one logical pixel wide round its edge; the rest of the view
// shows its background. Where no visible view lies, the board's green shows.
// Returns how many pixels are wrong, and reports the first few.
int wrongPixels(const Board& b, const Canvas& canvas, const QImage& img, int k, const std::string& moment) {
    const std::vector<ViewRef> order = drawingOrder(b);
    auto view = [&](std::size_t n) -> const View& { return (*order[n].first)(order[n].second); };
    auto name = [&](std::size_t n) { return std::string(order[n].first->name()) + "(" + std::to_string(order[n].second) + ")"; };
    std::vector<QImage> art(pictureCount);
    for (int i = 1; i < pictureCount; ++i)
        art[static_cast<std::size_t>(i)] = canvas.art(static_cast<Picture>(i)).toImage().convertToFormat(QImage::Format_ARGB32);

    constexpr std::size_t none = ~std::size_t{0};
    const auto width = static_cast<std::size_t>(img.width());
    std::vector<std::size_t> top(width * static_cast<std::size_t>(img.height()), none);  // topmost view per pixel
    std::vector<QRect> rects;
    for (std::size_t n = 0; n < order.size(); ++n) {
        const View& v = view(n);
        // twips to device pixels, exactly: the layout lies on whole logical pixels
        auto at = [&](int twips) {
            EXPECT_EQ(twips * k % Canvas::twipsPerPixel, 0) << name(n);
            return twips * k / Canvas::twipsPerPixel;
        };
        rects.emplace_back(at(v.left), at(v.top), at(v.width), at(v.height));
        if (!v.visible) continue;
        const QRect r = rects.back() & img.rect();
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) top[static_cast<std::size_t>(y) * width + static_cast<std::size_t>(x)] = n;
    }

    int wrong = 0;
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const std::size_t n = top[static_cast<std::size_t>(y) * width + static_cast<std::size_t>(x)];
            QRgb want = boardGreen;
            int slack = 0;  // for artwork pixels only partly opaque
            if (n != none) {
                const View& v = view(n);
                const QRect& r = rects[n];
                const int dx = x - r.left(), dy = y - r.top();
                const bool edge = dx < k || dy < k || dx >= r.width() - k || dy >= r.height() - k;
                want = v.framed && edge ? 0xFF000000u : 0xFF000000u | v.back;
                if (v.picture != Picture::None && dx < 32 * k && dy < 32 * k) {
                    const QRgb a = art[static_cast<std::size_t>(v.picture)].pixel(dx / k, dy / k);
                    const int alpha = qAlpha(a);
                    auto mix = [&](int (*ch)(QRgb)) { return (ch(a) * alpha + ch(want) * (255 - alpha) + 127) / 255; };
                    want = qRgb(mix(qRed), mix(qGreen), mix(qBlue));
                    slack = alpha == 0 || alpha == 255 ? 0 : 2;
                }
            }
            const QRgb got = line[x];
            if (std::abs(qRed(got) - qRed(want)) <= slack && std::abs(qGreen(got) - qGreen(want)) <= slack &&
                std::abs(qBlue(got) - qBlue(want)) <= slack)
                continue;
            if (++wrong <= 5)
                ADD_FAILURE() << moment << ": pixel " << x << "," << y << " of " << (n == none ? "the board" : name(n))
                              << " is " << hex(got) << ", not " << hex(want);
        }
    }
    return wrong;
}

// The real window at the test's scale factor, clicked through its top-level
// window as a screen's pointer events arrive.
struct Pixels : ::testing::Test {
    std::unique_ptr<Window> window = std::make_unique<Window>();
    Board& board = window->board();
    Canvas& canvas = window->canvas();
    int k = 1;

    void SetUp() override {
        window->exitProgram = [] {};
        window->timer1().stop();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        const qreal ratio = canvas.devicePixelRatioF();
        ASSERT_DOUBLE_EQ(ratio, qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
        k = qRound(ratio);
        ASSERT_EQ(ratio, k) << "whole scale factors only";
    }

    // Grabs the canvas as it is drawn now and checks it against the board.
    void check(const std::string& moment) {
        const QPixmap shot = canvas.grab();
        ASSERT_EQ(shot.size(), QSize(543 * k, 531 * k)) << moment;
        EXPECT_EQ(wrongPixels(board, canvas, shot.toImage().convertToFormat(QImage::Format_RGB32), k, moment), 0)
            << moment;
    }

    void clickOn(const View& v) {
        const QPoint p = Canvas::rectOf(v).center().toPoint();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, canvas.mapTo(window.get(), p));
    }

    // Runs `step` every 10 ms, also inside the game's pauses, until it
    // returns true.
    void watch(std::function<bool()> step) {
        auto* timer = new QTimer(window.get());
        QObject::connect(timer, &QTimer::timeout, timer, [timer, step] {
            if (step()) timer->stop();
        });
        timer->start(10);
    }
};

}  // namespace

TEST_F(Pixels, ANewGame) {
    ASSERT_EQ(board.Label1(7).back, colour::red);
    check("a new game");
}

// The counters march into the start areas, the resting die goes and the
// rolling die crosses the centre frames.
TEST_F(Pixels, TheOpeningMarchAndTheRoll) {
    bool marched = false, rolling = false;
    watch([&] {
        if (!marched) {
            for (int i = 0; i <= 15; ++i)
                if (board.start(i).picture != counterOf(i / 4 + 1)) return false;
            if (board.dicethrow(0).visible) return false;
            marched = true;
            check("after the opening march");
        }
        // the roll shows the die at 1..14 in turn, and the throw at 15
        for (int i = 1; i <= 15; ++i)
            if (board.dicethrow(i).visible) {
                rolling = true;
                check("the die rolling, shown at " + std::to_string(i));
                window->newGameAction().trigger();
                return true;
            }
        return false;
    });
    clickOn(board.dicethrow(0));
    EXPECT_TRUE(marched);
    EXPECT_TRUE(rolling);
}

// A 4 takes player 1's counter from square 8 onto the corner square 12,
// which blinks grey and yellow under it before the counter jumps.
TEST_F(Pixels, AMarkedCounterAndABlinkingCorner) {
    test::openedPosition(board);
    test::placeOnRing(board, 1, 1, 8);
    board.whosego = 1;
    board.moves = 4;
    board.marksquares();
    ASSERT_EQ(board.SQUARE(8).back, colour::yellow);
    board.dicethrow(5).picture = dieFace(6);  // hidden over the frames
    check("square 8 marked");

    bool grey = false, yellow = false;
    watch([&] {
        if (!board.paused() || board.SQUARE(12).picture != counterOf(1)) return false;
        if (!grey && board.SQUARE(12).back == colour::lightGrey) {
            grey = true;
            check("corner 12 blinking grey");
        } else if (grey && board.SQUARE(12).back == colour::yellow) {
            yellow = true;
            check("corner 12 blinking yellow");
            window->newGameAction().trigger();
            return true;
        }
        return false;
    });
    clickOn(board.SQUARE(8));
    EXPECT_TRUE(grey);
    EXPECT_TRUE(yellow);
}
