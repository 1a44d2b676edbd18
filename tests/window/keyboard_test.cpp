// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard in the real window: the focus among the views that can take a click, following the die and the
// marks; Enter and Space as clicks, refused where a click is; the focus ring on every background and scale (ctest
// runs `Scaled` again at 1.5 and 2); the menus' keys and check marks; tips only where the click would be taken;
// the status line's words.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QBackingStore>

#include "tests/window/keys.h"

using namespace skarpo;
using namespace skarpo::test;

// Player 1 has thrown a six with counters on squares 40 and 20, one on home-column position 1 and one waiting.
static void sixWithEverythingMarked(Window& window) {
    Board& board = window.board();
    openedPosition(board);
    placePlayer(board, 1, {40, 20}, {1});
    board.whosego = 1;
    board.moves = 6;
    board.dicethrow(0).visible = false;
    board.marksquares();
    window.followBoard();
}

TEST_F(Keys, TheFocusFollowsTheDieAndTheMarksAndTabGoesRoundThemInTheOrderOfTheJourney) {
    EXPECT_EQ(focus(), die);  // waiting for the first click
    EXPECT_FALSE(canvas.showsFocusRing());  // until a key is pressed
    key(Qt::Key_Tab);
    EXPECT_TRUE(focus() == die && canvas.showsFocusRing());

    sixWithEverythingMarked(window);
    const Hit start{Family::start, 0}, column{Family::home, 0};
    const std::vector<Hit> journey{start, square(20), square(40), column};
    EXPECT_EQ(canvas.focusChain(), journey);
    EXPECT_EQ(focus(), start);  // marks appeared: the first of them
    std::vector<Hit> visited;
    for (int i = 0; i < 4; ++i) {
        key(Qt::Key_Tab);
        visited.push_back(focus().value_or(die));
    }
    EXPECT_EQ(visited, (std::vector<Hit>{square(20), square(40), column, start}));  // and round again
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focus(), column);

    // the arrows go across the board to the nearest marked view that way, or stay
    ASSERT_TRUE(canvas.setFocusView(square(20)));  // on the left side
    ASSERT_FALSE(canvas.setFocusView(square(21)));
    std::vector<Hit> arrowed;
    for (Qt::Key k : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right}) {
        key(k);
        arrowed.push_back(focus().value_or(die));
    }
    // square 40 is on the top row, the home column below it and the start place beside that
    EXPECT_EQ(arrowed, (std::vector<Hit>{square(20), square(40), column, start, column}));

    // a move by the keyboard: the focus is never left on a view that cannot take the key, and a six gives the
    // die back, with the focus
    canvas.setFocusView(square(20));
    int stray = 0;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] { stray += focus() && !canvas.canTakeClick(*focus()); });
    look.start(1);
    key(Qt::Key_Return);
    EXPECT_EQ(board.players(1, 2), 26);
    EXPECT_EQ(focus(), die);
    EXPECT_EQ(stray, 0);
    EXPECT_EQ(boardFaults(board), "");
}

TEST_F(Keys, EnterAndSpaceClickTheFocusedViewAndAreRefusedWhereAClickIs) {
    thrown(20, 3);
    ASSERT_EQ(focus(), square(20));
    // while a handler is paused, on a view disabled or hidden behind the canvas's back, held down
    insideAPause([&] {
        key(Qt::Key_Space);
        key(Qt::Key_Tab);  // and no view to go to, no ring shown: the die rolling is no place for the focus
        EXPECT_TRUE(canvas.focusChain().empty() && !canvas.showsFocusRing());
    });
    board.SQUARE(20).enabled = false;
    key(Qt::Key_Return);
    EXPECT_EQ(focus(), std::nullopt);  // and the focus leaves it
    board.SQUARE(20).enabled = true;
    window.followBoard();
    ASSERT_EQ(focus(), square(20));
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&canvas, &held);
    key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(board.players(1, 1), 20);
    EXPECT_TRUE(board.SQUARE(20).enabled && board.SQUARE(20).back == colour::yellow);

    key(Qt::Key_Return);  // the move, then the computer players, then the die waits with the focus
    EXPECT_EQ(board.players(1, 1), 23);
    EXPECT_TRUE(focus() == die && board.dicethrow(0).visible);
    EXPECT_EQ(boardFaults(board), "");
}

// The ring around the die on the board's green, a yellow mark and player 1's marked start place: dark, light,
// dark bands just outside the view, nothing else changed, and gone again when the focus moves on.
TEST_F(Scaled, TheFocusRingShowsAroundTheFocusedViewOnEveryBackground) {
    if (!keysReachTheWindow()) GTEST_SKIP() << noKeys;
    auto onScreen = [&] {
        QTest::qWait(50);
        // the window's backing store: what was painted, partial repaints included
        QPaintDevice* store = window.backingStore()->paintDevice();
        if (store->devType() != QInternal::Image) return QImage();
        const QImage all = static_cast<QImage*>(store)->convertToFormat(QImage::Format_RGB32);
        return all.copy(QRectF(QPointF(canvas.mapTo(&window, QPoint())) * factor, QSizeF(canvas.size()) * factor)
                            .toAlignedRect());
    };
    auto device = [&](const QRectF& r) {
        return QRectF(r.topLeft() * factor, r.size() * factor).toAlignedRect();
    };
    auto tab = [&] { QTest::keyClick(window.windowHandle(), Qt::Key_Tab); };
    auto checkRing = [&](Hit h, const QImage& without) {
        SCOPED_TRACE(testing::Message() << "ring around " << testing::PrintToString(h));
        ASSERT_TRUE(canvas.focusView() == h && canvas.showsFocusRing());
        const QImage with = onScreen();
        const QRect view = device(rect(canvas.viewOf(h)));
        const QRect ring = device(canvas.focusRingRect(h));
        int changed = 0, astray = 0;
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x)
                if (with.pixel(x, y) != without.pixel(x, y)) {
                    ++changed;
                    astray += !ring.contains(x, y) || view.adjusted(1, 1, -1, -1).contains(x, y);
                }
        EXPECT_EQ(astray, 0);
        EXPECT_GT(changed, 4 * view.width());
        // leftwards from the view's edge, half way down: a dark band, a light one as wide, a dark one again
        const int y = view.center().y();
        const double edge = rect(canvas.viewOf(h)).left(), band = (edge - canvas.focusRingRect(h).left()) / 2.5;
        auto at = [&](double x) { return with.pixel(int(x * factor), y); };
        EXPECT_EQ(at(edge - band / 2), 0xFF000000u);
        EXPECT_EQ(at(edge - band * 1.5), 0xFFFFFFFFu);
        int dark = 0;
        for (int x = ring.left(); x < int((edge - band * 2) * factor); ++x) dark += with.pixel(x, y) == 0xFF000000u;
        EXPECT_GT(dark, 0);
    };

    marked(20, 6);  // square 20 and the start place, both yellow
    board.dicethrow(0).visible = false;
    window.followBoard();
    canvas.clearFocus();
    const QImage marks = onScreen();
    ASSERT_FALSE(marks.isNull()) << "the window is painted into an image (Qt's offscreen platform)";
    canvas.setFocus();
    tab();  // from the start place to square 20
    checkRing(square(20), marks);
    tab();
    checkRing({Family::start, 0}, marks);
    const QRect left = device(canvas.focusRingRect(square(20)));
    EXPECT_EQ(onScreen().copy(left), marks.copy(left));  // the ring's old place is repainted

    QTest::keyClick(window.windowHandle(), Qt::Key_N, Qt::ControlModifier);
    canvas.clearFocus();
    const QImage fresh = onScreen();
    canvas.setFocus();
    tab();
    checkRing(die, fresh);
    clickAt(QPointF(3, 3));  // the mouse: the ring goes until the next key
    EXPECT_EQ(onScreen(), fresh);
}

TEST_F(Keys, MenuKeysAndCheckMarksThatFollowTheBoardWhateverChangedIt) {
    thrown(20, 3);
    key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(differences(board, Game().board), "");
    EXPECT_TRUE(focus() == die && status() == "New game. Click the die to start");

    auto checks = [&] { return std::pair{window.autoAction().isChecked(), window.soundAction().isChecked()}; };
    board.chooseAuto();  // not through the menu
    board.chooseSound();
    window.followBoard();
    EXPECT_EQ(checks(), std::pair(true, true));
    int cancel = 0;
    board.Form_Unload(cancel);  // automatic play off, not through the menu
    board.sound = 0;
    window.followBoard();
    EXPECT_EQ(checks(), std::pair(false, false));

    key(Qt::Key_Q, Qt::ControlModifier);  // as closing the window
    EXPECT_TRUE(exits == 1 && board.closed());
}

TEST_F(Keys, TipsOnlyWhereTheClickTheyInviteWouldBeTaken) {
    const QPointF dieAt = rect(board.dicethrow(0)).center();
    EXPECT_EQ(tipAt(dieAt), "Click me to roll the dice");
    EXPECT_EQ(tipAt(rect(board.SQUARE(3)).center()), "");  // not marked
    thrown(8, 4);
    EXPECT_EQ(tipAt(rect(board.SQUARE(8)).center()), "Click me to move the counter");
    EXPECT_EQ(tipAt(rect(board.start(0)).center()), "");
    QString paused = "not asked";
    insideAPause([&] { paused = tipAt(rect(board.SQUARE(8)).center()); });
    EXPECT_EQ(paused, "");
    board.dicethrow(15).visible = true;  // the throw lying on the board: "Click me to start the game" no more
    EXPECT_EQ(tipAt(rect(board.dicethrow(15)).center()), "");
}

TEST_F(Keys, TheStatusLineSaysWhatHappenedAndWhatPlayerOneCanDo) {
    StatusLine& line = window.status();
    EXPECT_EQ(status(), "Click the die to start");
    EXPECT_EQ(line.throwLabel(2).accessibleName(), "Cyan's last throw: none yet");
    using K = Happening::Kind;
    auto say = [&](std::initializer_list<Happening> happened) {
        for (const Happening& h : happened) board.happenings.publish(h);
        window.followBoard();
        return status();
    };
    thrown(20, 5);
    EXPECT_EQ(say({{K::Threw, 1, 5}}), "Your throw: 5. Choose a yellow counter");
    board.clearmarks();  // player 1 has moved: nothing waits for player 1 now
    EXPECT_EQ(say({}), "Your throw: 5");
    EXPECT_EQ(say({{K::Captured, 1, 4}}), "You captured a green counter");
    EXPECT_EQ(say({{K::Threw, 2, 4}, {K::Captured, 2, 1}}), "Cyan threw 4. Cyan captured your counter");
    EXPECT_EQ(say({{K::Threw, 3, 2}, {K::NoMove, 3, 2}}), "Magenta threw 2. Magenta cannot move with 2");
    EXPECT_EQ(say({{K::Home, 4, 4}, {K::AllHome, 4}}),
              "A green counter reached a final place. Green has all four counters home");
    // every player's last throw stays until that player's next
    std::vector<std::string> tray;
    for (int p = 1; p <= 4; ++p) tray.push_back(line.throwLabel(p).text().toStdString());
    EXPECT_EQ(tray, (std::vector<std::string>{"5", "4", "2", "\u2013"}));
    EXPECT_EQ(line.throwLabel(3).accessibleName(), "Magenta's last throw: 2");

    board.dicethrow(0).visible = board.dicethrow(0).enabled = true;  // the die waits for player 1
    EXPECT_EQ(say({{K::Threw, 4, 1}}), "Green threw 1. Your turn: click the die");
    EXPECT_EQ(say({{K::Threw, 1, 6}, {K::NoMove, 1, 6}}), "Your throw: 6. No move with 6. Click the die to throw again");
    board.autoplay = true;
    EXPECT_EQ(say({{K::AutoOn}}), "Automatic play is on");
    board.autoplay = false;
    EXPECT_EQ(say({{K::AutoOff}, {K::SoundOn}}), "Automatic play is off. Sound is on. Click the die to throw again");
    EXPECT_EQ(line.textLabel().accessibleName(), QString::fromStdString(status()));  // what a screen reader reads
    board.chooseNewGame();
    EXPECT_EQ(say({}), "New game. Click the die to start");
    EXPECT_EQ(line.throwLabel(2).text(), "\u2013");
}
