// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/dialogs/help.h"

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <QtMath>

#include "window/board/canvas.h"
#include "window/platform/settingsfile.h"
#include "window/window.h"
#include "window/words/words.h"

namespace skarpo {

namespace {

// Every text of the menu and its dialogs, in one translation context. The
// markup is added around the translated words, never inside them.
class Help {
    Q_DECLARE_TR_FUNCTIONS(Help)

public:
    static QString howToPlay(Window& window);
    static QString howToSet(Window& window);
    static QString howToUse(Window& window);
    static QString about();
};

// The pictures of the board that the rules show, each on the colour of the
// place where it is seen in play.
struct Illustration {
    const char* key;
    Picture picture;
    Colour back;
};
constexpr Illustration illustrations[] = {
    {"die", Picture::DieQuestion, colour::window},   {"six", Picture::Die6, colour::window},
    {"marked", Picture::Counter1, colour::yellow},   {"entry", Picture::Entry1, colour::lightGrey},
    {"two", Picture::Doubling, colour::lightGrey},   {"corner", Picture::Corner1, colour::lightGrey},
    {"home", Picture::HomeTurn1, colour::lightGrey},
};
constexpr QLatin1String scheme("picture");

// An illustration at twice its size on the board, for a screen with `ratio`
// device pixels to a logical pixel: whole blocks of pixels where the ratio
// allows, enlarged and reduced as the board does in between. Null when the
// artwork cannot be read.
QImage illustration(const QString& key, qreal ratio) {
    for (const Illustration& it : illustrations) {
        if (key != QLatin1String(it.key)) continue;
        const QImage art(Canvas::resourceOf(it.picture));
        if (art.isNull()) return {};
        QImage shown = Canvas::scaledArt(art, it.back, 2 * ratio);
        shown.setDevicePixelRatio(ratio);
        return shown;
    }
    return {};
}

// A read-only text that gives the illustrations, and the game's icon, at the
// screen's own pixels.
class Text : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

protected:
    QVariant loadResource(int type, const QUrl& name) override {
        if (type != QTextDocument::ImageResource || name.scheme() != scheme)
            return QTextBrowser::loadResource(type, name);
        if (name.path() == QLatin1String("icon"))
            return window()->windowIcon().pixmap(QSize(64, 64), devicePixelRatioF()).toImage();
        return illustration(name.path(), devicePixelRatioF());
    }
};

// A dialog holding one text to read from start to end, and a Close button.
// Escape closes it too. The focus is in the text, where a screen reader
// reads it line by line as the caret moves.
class TextDialog : public QDialog {
public:
    TextDialog(QWidget* parent, const QString& name, const QString& title) : QDialog(parent) {
        setObjectName(name);
        setWindowTitle(title);
        text_ = new Text(this);
        text_->setAccessibleName(title);
        text_->setOpenExternalLinks(true);
        text_->setTabChangesFocus(true);
        text_->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(text_);
        layout->addWidget(buttons);
    }

    // Shows the dialog (again) from the start of its text, without waiting
    // for it to close: the game goes on meanwhile.
    void present() {
        if (ratio_ != devicePixelRatioF()) setHtml(html_);  // illustrations for this screen's pixels
        text_->moveCursor(QTextCursor::Start);
        text_->setFocus();
        show();
        raise();
        activateWindow();
    }

    void setTitle(const QString& title) { text_->setAccessibleName(title); }

    void setHtml(const QString& html) {
        html_ = html;
        ratio_ = devicePixelRatioF();
        text_->setHtml(html_);
    }

    // A size in lines of the text's font, within the screen's free space.
    void fit(double widthInLines, double heightInLines) {
        const int line = text_->fontMetrics().height();
        resize(bounded(QSize(qRound(widthInLines * line), qRound(heightInLines * line))));
    }

    // As wide as given in lines of the text's font, and as tall as the whole
    // text then needs.
    void fitText(double widthInLines) {
        fit(widthInLines, 10);
        layout()->activate();
        QTextDocument& doc = *text_->document();
        doc.setTextWidth(text_->viewport()->width());
        const int around = height() - text_->viewport()->height();
        resize(bounded(QSize(width(), qCeil(doc.size().height()) + around)));
    }

private:
    QSize bounded(QSize want) const {
        if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen())
            want = want.boundedTo(screen->availableGeometry().size() * 9 / 10);
        return want;
    }

    Text* text_ = nullptr;
    QString html_;
    qreal ratio_ = 0;
};

QString paragraph(const QString& text) { return QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped()); }
QString heading(const QString& text) { return QStringLiteral("<h3>%1</h3>").arg(text.toHtmlEscaped()); }

// Paragraphs beside their illustrations, in two columns; a paragraph
// without one leaves the first column empty. While a screen reader (or any
// accessibility client) listens, the paragraphs alone: a picture in a text
// is read out as an unnamed object between the sentences.
QString pictured(std::initializer_list<std::pair<const char*, QString>> rows) {
    if (QAccessible::isActive()) {
        QString html;
        for (const auto& row : rows) html += paragraph(row.second);
        return html;
    }
    const QString cell = QStringLiteral("<td valign=\"top\" style=\"padding-bottom: 6px\"%1>%2</td>");
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\">");
    for (const auto& [key, text] : rows) {
        const QString picture = key ? QStringLiteral("<img src=\"%1:%2\">").arg(scheme, QLatin1String(key)) : QString();
        html += QStringLiteral("<tr>%1%2</tr>")
                    .arg(cell.arg(QStringLiteral(" width=\"80\""), picture), cell.arg(QString(), paragraph(text)));
    }
    return html + QStringLiteral("</table>");
}

// An item's words as a menu shows them, without the mark of a dialog to
// come: the toolkit drops "&" and "...", a translation may end in "…".
QString caption(const QAction& item) {
    QString words = item.iconText();
    if (words.endsWith(QChar(0x2026))) words.chop(1);
    return words.trimmed();
}

// The menu that holds an item, if any.
QMenu* menuOf(const QAction& item) {
    for (QObject* o : item.associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(o)) return menu;
    return nullptr;
}

// A menu item as a person finds it: "Menu ▸ Item", or the item alone on the
// menu bar. Read from the menus themselves, so the rules always name them as
// the menu bar does.
QString menuPath(const QAction& item) {
    if (const QMenu* menu = menuOf(item))
        return QStringLiteral("%1 \u25B8 %2").arg(caption(*menu->menuAction()), caption(item));
    return caption(item);
}

QString key(const QKeySequence& k) { return k.toString(QKeySequence::NativeText); }

// Who plays each colour in the game on the board: "In this game: Red, a person; Cyan, the computer; ...".
QString seating(Window& window) {
    QStringList colours;
    for (int p = 1; p <= 4; ++p)
        colours << QCoreApplication::translate("Help", "%1, %2")
                       .arg(words::colourName(p), words::playedBy(window.table().game().person(p)));
    return QCoreApplication::translate("Help", "In this game: %1.")
        .arg(colours.join(QCoreApplication::translate("Help", "; ")));
}

QString Help::howToPlay(Window& window) {
    const QString newGame = menuPath(window.newGameAction());
    QString html;
    // the colours with their shapes, and who plays them whatever the seats
    html += paragraph(
        QCoreApplication::translate(
            "Shapes",
            "Skarpo is a dice race for four players round a ring of 60 squares: red, the circle; cyan, the square; "
            "magenta, the triangle; and green, the star. Each colour's shape stands on its counters and its places, "
            "so that whose they are shows even without the colour.") +
        QLatin1Char(' ') +
        tr("A person or the computer plays each colour, as chosen in %1; unless chosen otherwise, you play red and "
           "the computer plays the other three. Each player has four counters. They wait in the player's start area, "
           "travel once round the ring, clockwise, then turn into the player's own home column and end in its four "
           "final places.")
            .arg(menuPath(window.playersAction())) +
        QLatin1Char(' ') + seating(window));

    html += heading(tr("Throwing the die"));
    html += pictured({
        {"die", tr("When the die in the middle of the board shows a question mark, it is your turn: click it to "
                   "throw. The die rolls across the middle and shows your throw where it stops. The coloured frames "
                   "round the middle show whose turn it is.")},
        {"six", tr("A six always earns another throw, as often as it comes. A new game begins with every counter in "
                   "the final places: your first click on the die marches them into the start areas before it "
                   "throws.")},
    });

    html += heading(tr("Moving your counters"));
    html += pictured({
        {"marked", tr("After your throw, each of your counters that can move turns yellow. Click one to move it on by "
                      "the throw. A counter cannot move if its move would end on one of your own counters, but it may "
                      "pass over any counter. If none can move, the turn passes on by itself (after a six you throw "
                      "again).")},
        {nullptr, QCoreApplication::translate(
                      "Outcome",
                      "You can see where a move lands before you make it: put the keyboard focus on one of your "
                      "yellow counters, or rest the mouse on it. The board then shows a target where the counter "
                      "would end, a circle round each x2 square or corner that carries it on, dots on the squares it "
                      "passes and a cross on any counter it would capture. The status line and the tooltip say the "
                      "same in words.")},
        {nullptr, tr("Then the turn passes on round the board: the computer throws and moves for each colour it plays, "
                     "and the die waits for each colour a person plays. While counters move, the board takes no "
                     "clicks; the menus always answer.")},
        {"entry", tr("A counter leaves the start area only with a six. It comes onto the ring on its player's entry "
                     "square, the one with an arrow in the player's colour pointing the way round. After a six, click "
                     "the yellow place of your start area to bring in a counter, or move one already on the ring. No "
                     "counter can come in while one of the player's own counters stands on the entry square.")},
    });

    html += heading(tr("Special squares"));
    html += pictured({
        {"two", tr("A counter whose move ends on a square marked x2 moves on once more by the same throw. If that "
                   "second move ends on another x2 square or on a corner, that square counts too.")},
        {"corner", tr("A counter whose move ends on a corner jumps diagonally across the board to the opposite corner, "
                      "the way the arrow points. On the first half of a counter's journey the jump takes it 30 squares "
                      "ahead; on the second half, 30 squares back.")},
    });

    html += heading(tr("Captures"));
    html += paragraph(
        tr("A counter that lands on an opponent's counter captures it, also on either corner of a jump. No "
           "square is safe, not even an entry square: a counter coming in captures an opponent standing there. "
           "A counter that reaches a corner from an x2 square captures whatever stands on that corner, even a "
           "counter of its own colour, and the computer's counters now and then land on one of their own. The "
           "captured counter runs back round the ring to its start area and must come in again with a six."));

    html += heading(tr("The home column"));
    html += pictured({
        {"home", tr("After a full lap a counter turns into its home column. The column starts beside the last square "
                    "before the player's entry square, which shows an arrow pointing into it. Steps beyond that square "
                    "go on into the column: from the square itself a 1 reaches the column's first place and a 6 its "
                    "last. A counter cannot move if the place it would reach is taken.")},
        {nullptr, tr("In the column a counter moves on by the throw to a free place, and into a final place only with "
                     "the exact throw: a 1 from the last place of the column, a 6 from the first.")},
    });
    html += paragraph(
        tr("When all four of a player's counters are home, the whole ring flashes with that player's counters. "
           "Then they go back to the start area and that player begins again, while the others play on. The "
           "game never ends by itself; %1 starts afresh.")
            .arg(newGame));

    return html + howToSet(window) + howToUse(window);
}

// The menus that set how the game plays, and the statistics.
QString Help::howToSet(Window& window) {
    const QString newGame = menuPath(window.newGameAction());
    QString html = heading(tr("Automatic play and sound"));
    html += paragraph(
        tr("%1 lets the computer play for you as well: once a second it throws for you and moves one of your "
           "yellow counters. With a throw below six it moves the counter farthest along; with a six it brings "
           "in a new counter if it can, otherwise it moves the one farthest behind; a counter in the home "
           "column only when none on the ring can move. Choose %2 again to play yourself.")
            .arg(menuPath(window.autoAction()), window.autoAction().iconText()));
    html += paragraph(
        tr("With %1 on, a beep sounds whenever a counter is captured. %2 lays out a new game at any moment and "
           "keeps both settings; at the next start both are off again.")
            .arg(menuPath(window.soundAction()), newGame));
    html += paragraph(
        QCoreApplication::translate(
            "Seats",
            "%1 chooses for each colour whether a person or the computer plays it; the change takes effect with a "
            "new game. Several people can play on one screen: the die then waits for each person's colour in "
            "turn, and the status line names it (\"Red: click the die\"). The boxes of the last throws beside it "
            "are framed in black for the colours people play. When the die passes from one person to another, "
            "the keyboard waits %2 seconds before it throws, so that the keys of the one who just played do not "
            "throw for the next.")
            .arg(menuPath(window.playersAction()), QLocale().toString(Canvas::handOverMs / 1000.0, 'f', 1)));
    html +=
        paragraph(QCoreApplication::translate(
                      "Seats",
                      "%1 sets how fast the computer plays. %2 is its usual pace; with %3 its pauses are a "
                      "quarter as long; with %4 each of its throws, and the move that follows, is shown for "
                      "only a tenth of a second. Your own throws and moves keep their pace. The players and the speed "
                      "are remembered from one start to the next.")
                      .arg(menuPath(*menuOf(window.speedAction(Speed::Normal))->menuAction()),
                           caption(window.speedAction(Speed::Normal)), caption(window.speedAction(Speed::Fast)),
                           caption(window.speedAction(Speed::Fastest))));
    const QAction& easy = window.strengthAction(Strength::Easy);
    html += paragraph(tr("%1 sets how strong the computer plays, from its next move on. %2: %3 %4: %5 %6: %7")
                          .arg(menuPath(*menuOf(easy)->menuAction()) + QStringLiteral(" \u25B8 ") + caption(easy),
                               caption(easy), words::strengthTip(Strength::Easy),
                               caption(window.strengthAction(Strength::Normal)), words::strengthTip(Strength::Normal),
                               caption(window.strengthAction(Strength::Strong)), words::strengthTip(Strength::Strong)));
    html += paragraph(
        tr("%1 shows how often each colour has brought all four counters home and how often each face of the die "
           "has come up, with a verdict on whether the die looks fair. The strength, the window's size and these "
           "counts are remembered from one start to the next.")
            .arg(menuPath(window.statisticsAction())));

    return html;
}

// The mouse, the keyboard and a screen reader.
QString Help::howToUse(Window& window) {
    QString html = heading(tr("Mouse, keyboard and screen reader"));
    html += paragraph(tr("With the mouse, click the die, then one of your yellow counters."));
    html +=
        paragraph(tr("With the keyboard, %1 and %2 move among the things that can be clicked now, the arrow keys move "
                     "along the board, and %3 or %4 chooses, exactly like a click. %5 starts a new game, %6 quits, %7 "
                     "switches full screen on and off, and %8 opens this help. Alt and the underlined letter of a menu "
                     "open it.")
                      .arg(key(Qt::Key_Tab), key(Qt::SHIFT | Qt::Key_Tab), key(Qt::Key_Enter), key(Qt::Key_Space),
                           key(Qt::CTRL | Qt::Key_N), key(Qt::CTRL | Qt::Key_Q), key(Qt::Key_F11), key(Qt::Key_F1)));
    html +=
        paragraph(tr("A screen reader can follow the game: the status line below the board says what is happening and "
                     "what you can do, and every place on the board tells what stands on it when the focus reaches "
                     "it."));
    html += paragraph(
        QCoreApplication::translate(
            "Speech",
            "While a screen reader runs, the game also speaks: your throw and what can move, each computer "
            "player's turn in one sentence when it ends, every capture, every counter reaching a final place, "
            "and \"Your turn\" whenever the die waits for you. A key pressed while counters move is not taken, "
            "and you hear that the board is moving. %1 reads where every counter stands, %2 says the last thing "
            "again, and %3 switches the speech on or off, also without a screen reader.")
            .arg(key(window.standingsAction().shortcut()), key(window.repeatAction().shortcut()),
                 menuPath(window.speakAction())));
    return html;
}

QString Help::about() {
    const QString licence = QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html");
    QString html = QStringLiteral("<p><img src=\"%1:icon\"></p><h2>Skarpo</h2>").arg(scheme);
    html += paragraph(tr("Version %1").arg(QStringLiteral(SKARPO_VERSION)));
    html +=
        paragraph(tr("A dice race for four colours round a ring of 60 squares, each colour played by a person or by "
                     "the computer: one person against the computer, several people together, or the computer "
                     "alone."));
    html +=
        paragraph(tr("Skarpo keeps one file on your computer, %1: its options, the window's size and the statistics. "
                     "Every game itself lives in memory, and is gone when the window closes.")
                      .arg(SettingsFile::standardPath()));
    html +=
        paragraph(tr("Skarpo is free software under the GNU General Public License, version 3 or (at your choice) any "
                     "later version (GPL-3.0-or-later): you may share and change it under the terms of that licence."));
    html += paragraph(tr("It comes with no warranty of any kind, as far as the law allows."));
    html += QStringLiteral("<p>%1</p>")
                .arg(tr("The full text of the licence comes with the game's source code, in the file LICENSE, "
                        "and is published at %1.")
                         .toHtmlEscaped()
                         .arg(QStringLiteral("<a href=\"%1\">%1</a>").arg(licence)));
    return html;
}

}  // namespace

void showNote(Window& window, const QString& title, const QStringList& lines) {
    // the one dialog of that name is a text dialog
    auto* note =
        static_cast<TextDialog*>(window.findChild<QDialog*>(QStringLiteral("note"), Qt::FindDirectChildrenOnly));
    if (note == nullptr) note = new TextDialog(&window, QStringLiteral("note"), title);
    note->setWindowTitle(title);
    note->setTitle(title);
    QString html;
    for (const QString& line : lines) html += paragraph(line);
    note->setHtml(html);
    note->fitText(24);
    note->present();
}

QMenu* addHelpMenu(Window& window) {
    QMenu* menu = window.menuBar()->addMenu(Help::tr("&Help"));
    QAction* howToPlay = menu->addAction(Help::tr("&How to Play"));
    howToPlay->setShortcut(QKeySequence(Qt::Key_F1));
    QAction* about = menu->addAction(Help::tr("&About Skarpo"));
    about->setMenuRole(QAction::AboutRole);

    // The rules stay open beside the board while the game goes on.
    QObject::connect(howToPlay, &QAction::triggered, &window, [&window, made = QPointer<TextDialog>()]() mutable {
        if (!made) {
            made = new TextDialog(&window, QStringLiteral("howToPlay"), Help::tr("How to Play"));
            made->fit(40, 46);
            // beside the window when the screen has room for it there
            const QRect free = window.screen()->availableGeometry();
            const QPoint beside = window.frameGeometry().topRight() + QPoint(8, 0);
            if (free.contains(QRect(beside, made->frameGeometry().size()))) made->move(beside);
        }
        made->setHtml(Help::howToPlay(window));  // for the seats in force
        made->present();
    });
    // About closes before the board takes input again; the game goes on
    // meanwhile.
    QObject::connect(about, &QAction::triggered, &window, [&window, made = QPointer<TextDialog>()]() mutable {
        if (!made) {
            made = new TextDialog(&window, QStringLiteral("aboutSkarpo"), Help::tr("About Skarpo"));
            made->setWindowModality(Qt::WindowModal);
            made->setHtml(Help::about());
            made->fitText(28);
        }
        made->present();
    });
    return menu;
}

}  // namespace skarpo
