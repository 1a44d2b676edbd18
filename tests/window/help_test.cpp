// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu and its two dialogs on the real window. ctest runs them again at QT_SCALE_FACTOR 2.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include "tests/window/live.h"

using namespace skarpo;
using namespace skarpo::test;

namespace {

struct Help : Live {
    void SetUp() override {
        Live::SetUp();
        keysReachTheWindow();
    }
    // F1, or its menu item where the platform never makes the window active (a headless compositor), which a
    // shortcut needs
    void pressF1() {
        if (window.isActiveWindow())
            QTest::keyClick(&window, Qt::Key_F1);
        else
            helpMenu()->actions().first()->trigger();
    }
    QMenu* helpMenu() {
        const auto bar = window.menuBar()->actions();
        return bar.isEmpty() ? nullptr : bar.last()->menu();
    }
    // The dialog of that name, once it has been asked for; its text.
    QDialog* dialog(const char* name) { return window.findChild<QDialog*>(name); }
    static QTextBrowser* textOf(QDialog* d) { return d ? d->findChild<QTextBrowser*>() : nullptr; }
    // What a screen reader is given to read, from start to end.
    static QString spoken(QTextBrowser* text) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(text);
        return a && a->textInterface() ? a->textInterface()->text(0, a->textInterface()->characterCount()) : QString();
    }
    // Every picture in a text, as the text draws it.
    static std::vector<QImage> pictures(QTextBrowser* text) {
        std::vector<QImage> out;
        QTextDocument* doc = text->document();
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            for (auto f = b.begin(); !f.atEnd(); ++f)
                if (f.fragment().charFormat().isImageFormat())
                    out.push_back(doc->resource(QTextDocument::ImageResource,
                                                QUrl(f.fragment().charFormat().toImageFormat().name()))
                                      .value<QImage>());
        return out;
    }
    // A dialog on screen, its text holding the focus from its first character.
    static void expectOpenAtTheStart(QDialog* d) {
        ASSERT_TRUE(d && textOf(d));
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->focusWidget(), textOf(d));
        EXPECT_EQ(textOf(d)->textCursor().position(), 0);
    }
};

}  // namespace

// After Options: "Help" with "How to Play" on F1 and "About Skarpo", reached by the keyboard.
TEST_F(Help, TheMenuFollowsOptions) {
    const auto bar = window.menuBar()->actions();
    ASSERT_GE(bar.size(), 2);
    EXPECT_EQ(bar[bar.size() - 2]->iconText(), "Options");
    EXPECT_EQ(texts(bar.last()->menu() ? bar.last()->menu()->actions() : QList<QAction*>()),
              "&How to Play, &About Skarpo");
    EXPECT_EQ(bar.last()->text(), "&Help");
    EXPECT_EQ(helpMenu()->actions().first()->shortcut(), QKeySequence(Qt::Key_F1));
}

// How to Play: opened by F1 with the focus at the start of its text, the rules in the order a screen reader reads
// them and the menus named as the menu bar names them; the game goes on while it is open; Escape and Close close
// it, and it opens again at the start.
TEST_F(Help, HowToPlayReadsFromTheStartAndLetsTheGameGoOn) {
    pressF1();
    QDialog* d = dialog("howToPlay");
    ASSERT_NO_FATAL_FAILURE(expectOpenAtTheStart(d));
    EXPECT_EQ(d->windowTitle(), "How to Play");
    EXPECT_FALSE(d->isModal());

    const QString text = spoken(textOf(d));
    qsizetype last = -1;
    for (const QString& said : {QString("A six always earns another throw"), QString("only with a six"),
                                QString("x2"), QString("opposite corner"), QString("exact throw"),
                                QString("AutoPlay \u25B8 Auto"), QString("Options \u25B8 Sound"),
                                QString("F1 opens this help"), QString("screen reader")}) {
        const qsizetype at = text.indexOf(said, last + 1);
        EXPECT_GT(at, last) << said.toStdString() << " missing or out of order";
        last = std::max(last, at);
    }

    EXPECT_TRUE(clickAndSee(rect(board.dicethrow(0)).center(), [&] { return board.paused(); }))
        << "the board takes the click while the rules are open";

    textOf(d)->moveCursor(QTextCursor::End);
    QTest::keyClick(textOf(d), Qt::Key_Escape);
    EXPECT_FALSE(d->isVisible());
    keysReachTheWindow();  // activated, as a window manager does when a dialog closes
    pressF1();
    ASSERT_NO_FATAL_FAILURE(expectOpenAtTheStart(d));
    d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->click();
    EXPECT_FALSE(d->isVisible());
    helpMenu()->actions().first()->trigger();
    EXPECT_EQ(window.findChildren<QDialog*>().size(), 1) << "made once, shown again";
}

// The pictures of How to Play are the game's artwork, every one loaded, at twice its size on the board in the
// screen's own pixels: whole blocks of pixels, crisp.
TEST_F(Help, HowToPlayShowsTheArtworkInWholeBlocks) {
    helpMenu()->actions().first()->trigger();
    const std::vector<QImage> shown = pictures(textOf(dialog("howToPlay")));
    EXPECT_GE(shown.size(), 5u);
    const int block = qRound(2 * factor);
    for (const QImage& image : shown) {
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.devicePixelRatio(), factor);
        EXPECT_EQ(image.size(), QSize(32, 32) * block);
        int uneven = 0, colours = 0;
        QRgb seen = image.pixel(0, 0);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                uneven += image.pixel(x, y) != image.pixel(x - x % block, y - y % block);
                if (image.pixel(x, y) != seen) ++colours;
            }
        EXPECT_EQ(uneven, 0);
        EXPECT_GT(colours, 0) << "a plain square, not the artwork";
    }
}

// About: modal over the board, the version, the licence, no warranty and no files, the icon loaded; Escape
// closes it.
TEST_F(Help, AboutGivesVersionLicenceAndThatNothingIsKept) {
    helpMenu()->actions().last()->trigger();
    QDialog* d = dialog("aboutSkarpo");
    ASSERT_NO_FATAL_FAILURE(expectOpenAtTheStart(d));
    EXPECT_EQ(d->windowTitle(), "About Skarpo");
    EXPECT_EQ(d->windowModality(), Qt::WindowModal);
    const QString text = spoken(textOf(d));
    for (const char* said : {"Version " SKARPO_VERSION, "GPL-3.0-or-later", "free software", "no warranty",
                             "keeps no files", "LICENSE", "https://www.gnu.org/licenses/gpl-3.0.html"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(said))) << said;
    const std::vector<QImage> icon = pictures(textOf(d));
    ASSERT_EQ(icon.size(), 1u);
    EXPECT_FALSE(icon[0].isNull());
    QTest::keyClick(textOf(d), Qt::Key_Escape);
    EXPECT_FALSE(d->isVisible());
}
