// The celebration when a player's fourth counter comes home.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/test_platform.h"

using namespace skarpo;
using skarpo::test::Game;

TEST(EndDisplay, FlashesTheRingThenPutsItBackAndDarkensTheFrames) {
    Game g;
    Board& b = g.board;
    test::openedPosition(b);
    // counters on special squares of every kind, and one on a plain square
    test::placeOnRing(b, 2, 1, progressOf(2, 35));
    test::placeOnRing(b, 3, 1, progressOf(3, 12));
    test::placeOnRing(b, 4, 1, 1);
    test::placeOnRing(b, 1, 1, 60);
    test::placeOnRing(b, 1, 2, 7);
    b.colourframes(colour::magenta);  // magenta's own turn colour
    b.dicethrow(15).visible = true;
    const Players players = b.players;
    const Homerow homerow = b.homerow;
    const Squares squares = b.squares;

    // the first two beats: every other square shows magenta's counter, and
    // the frames blink in magenta
    std::vector<std::vector<Picture>> beats;
    std::vector<Colour> frames;
    for (double t : {0.1, 0.3})
        g.platform.at(t, [&] {
            beats.emplace_back();
            for (int s = 1; s <= 4; ++s) beats.back().push_back(b.SQUARE(s).picture);
            frames.push_back(b.Label1(0).back);
            frames.push_back(b.Label1(1).back);
        });
    b.enddisp(3);

    EXPECT_EQ(beats, (std::vector<std::vector<Picture>>{
                         {Picture::Blank, Picture::Counter3, Picture::Blank, Picture::Counter3},
                         {Picture::Counter3, Picture::Blank, Picture::Counter3, Picture::Blank}}));
    EXPECT_EQ(frames, (std::vector<Colour>{colour::magenta, colour::window, colour::window, colour::magenta}));
    EXPECT_NEAR(g.platform.now, 5.2, 1e-3);
    for (int s = 1; s <= 60; ++s) {
        const int q = b.squares(s);
        EXPECT_EQ(b.SQUARE(s).picture, q > 0 ? counterOf(q) : b.ownPicture(s)) << s;
    }
    EXPECT_EQ(b.SQUARE(35).picture, Picture::Counter2);
    EXPECT_EQ(b.SQUARE(12).picture, Picture::Counter3);
    EXPECT_EQ(b.SQUARE(46).picture, Picture::Counter4);
    EXPECT_EQ(b.SQUARE(60).picture, Picture::Counter1);
    EXPECT_EQ(b.SQUARE(5).picture, Picture::Two);
    for (int k = 0; k <= 7; ++k) EXPECT_EQ(b.Label1(k).back, colour::window) << k;
    EXPECT_FALSE(b.dicethrow(15).visible);
    EXPECT_TRUE(b.players == players && b.homerow == homerow && b.squares == squares);
}
