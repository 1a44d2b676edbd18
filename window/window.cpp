// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/window.h"

#include <QAbstractNativeEventFilter>
#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <cstdio>
#include <cstdlib>

#include "window/board/canvas.h"
#include "window/dialogs/help.h"
#include "window/dialogs/players.h"
#include "window/dialogs/statistics.h"
#include "window/dialogs/tables.h"
#include "window/online/onlinetable.h"
#include "window/words/accessibility.h"
#include "window/words/outcomewords.h"
#include "window/words/speech.h"
#include "window/words/status.h"
#include "window/words/words.h"

#ifdef SKARPO_XCB
#include <xcb/xcb.h>
#endif

namespace skarpo {

namespace {
constexpr int timer1Period = 1000;  // ms: Timer1 ticks once a second
constexpr int saveDelay = 3000;     // ms: the tally is written this long after it changed

QString computerWords(const char* text) { return QCoreApplication::translate("Computer", text); }

// A menu item's words without "&".
QString caption(const QAction& item) { return item.iconText(); }

// What a menu item does, shown in the status line while the item is under the mouse or the keys, and given to a
// screen reader as the item's description.
void explain(QAction* item, const QString& what) {
    item->setStatusTip(what);
    item->setWhatsThis(what);
    item->setToolTip(what);
}
QString tip(const char* text) { return QCoreApplication::translate("Menu", text); }
}  // namespace

#ifdef SKARPO_XCB
// On X11 another program can destroy the window outright, without asking it
// to close; the program must not live on without it.
class Window::Destroyed : public QAbstractNativeEventFilter {
public:
    explicit Destroyed(Window& window) : window_(window) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~Destroyed() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY) return false;
        const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
        if (window_.testAttribute(Qt::WA_WState_Created) && destroyed->window == window_.winId()) window_.endProgram();
        return false;
    }

private:
    Window& window_;
};
#else
class Window::Destroyed {
public:
    explicit Destroyed(Window&) {}
};
#endif

Window::Window(QWidget* parent, const QString& settingsPath, const QString& gamePath)
    : QMainWindow(parent), saved_(readSettings(settingsPath)), table_(platform_, saved_.options) {
    tally_ = saved_.tally;
    saveTimer_.setSingleShot(true);
    saveTimer_.setInterval(saveDelay);
    connect(&saveTimer_, &QTimer::timeout, this, &Window::saveSettings);
    exitProgram = [] {
        std::fflush(nullptr);
        std::_Exit(0);
    };

    setWindowTitle(QStringLiteral("Skarpo"));
    // the desktop icon, at the sizes a window manager asks for
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);

    accessibility::install();
    canvas_ = new Canvas(table_, this);
    setCentralWidget(canvas_);
    addMenus();
    connectBoard();
    tallySeen_ = table_.happenings().count();
    status_ = new StatusLine(table_, this);
    setStatusBar(status_);
    speech_ = new Speech(table_, this);
    addHelpItems();
    takeUpSavedGame(gamePath);
    afterCommand();
    canvas_->setFocus();
    if (QGuiApplication::platformName() == QLatin1String("xcb")) destroyed_ = std::make_unique<Destroyed>(*this);
}

Remembered Window::readSettings(const QString& path) {
    if (path.isEmpty()) return {};
    settings_ = std::make_unique<SettingsFile>(path);
    return settings_->read();
}

// The game saved at the last end, taken up again: its news as the status line showed it, the stage it was in
// finished at once, and written again (its news at least is new). A file that cannot be used leaves the new game
// and says so.
void Window::takeUpSavedGame(const QString& path) {
    gameDecided_ = table_.decided();  // a fresh game is written at its first decision
    if (path.isEmpty()) return;
    gameFile_ = std::make_unique<GameFile>(path);
    const GameFile::Saved saved = gameFile_->read();
    using Problem = GameFile::Problem;
    const char* const notices[] = {
        nullptr, QT_TRANSLATE_NOOP("SavedGame", "The saved game could not be used: a new game begins"),
        QT_TRANSLATE_NOOP("SavedGame", "The saved game is from a newer version and was put aside: a new game begins"),
        QT_TRANSLATE_NOOP("SavedGame", "Another window keeps its game: this game is not saved")};
    if (saved.problem != Problem::None)
        status_->tell(QCoreApplication::translate("SavedGame", notices[static_cast<int>(saved.problem)]));
    if (!saved.game) return;
    table_.resume(*saved.game);
    status_->restore(saved.news);
    gameDecided_ = ~table_.decided();
}

// The menu bar: New Game, AutoPlay > Auto, Options, Help; and Ctrl+Q.
void Window::addMenus() {
    QMenuBar* bar = menuBar();
    newGame_ = bar->addAction(tr("&New Game"));
    newGame_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QMenu* autoPlay = bar->addMenu(tr("&AutoPlay"));
    auto_ = autoPlay->addAction(tr("&Auto"));
    auto_->setCheckable(true);
    explain(newGame_, tip(QT_TRANSLATE_NOOP("Menu", "Lays out a new game; every option stays as it is")));
    explain(auto_, tip(QT_TRANSLATE_NOOP("Menu", "The computer also throws and moves for the people, once a second")));
    addOptionsMenu(bar->addMenu(tr("&Options")));
    // Ctrl+Q ends the game as closing the window does
    quit_ = new QAction(tr("&Quit"), this);
    quit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    addAction(quit_);
    connect(quit_, &QAction::triggered, this, &QWidget::close);
    connect(newGame_, &QAction::triggered, this, [this] {
        table_.newGame();
        afterCommand();
    });
    connect(auto_, &QAction::triggered, this, [this] {
        table_.toggleAuto();
        afterCommand();
    });
    connect(sound_, &QAction::triggered, this, [this] {
        table_.toggleSound();
        afterCommand();
    });
}

// Options: Sound, Players…, Host a Table…, Join a Table…, Speed, Full Screen, Speak the Game, Computer, Statistics.
void Window::addOptionsMenu(QMenu* options) {
    sound_ = options->addAction(tr("&Sound"));
    sound_->setCheckable(true);
    explain(sound_, tip(QT_TRANSLATE_NOOP("Menu", "A beep whenever a counter is captured")));
    players_ = options->addAction(QCoreApplication::translate("Seats", "&Players…"));
    explain(players_,
            tip(QT_TRANSLATE_NOOP("Menu",
                                  "Chooses for each colour whether a person or the computer plays it, from the next "
                                  "new game")));
    connect(players_, &QAction::triggered, this, &Window::choosePlayers);
    host_ = options->addAction(QCoreApplication::translate("Tables", "&Host a Table…"));
    explain(host_,
            tip(QT_TRANSLATE_NOOP("Menu", "Shares this game with people at other machines, through a chat server")));
    connect(host_, &QAction::triggered, this, [this] { openTableDialog(true); });
    join_ = options->addAction(QCoreApplication::translate("Tables", "&Join a Table…"));
    explain(join_, tip(QT_TRANSLATE_NOOP("Menu", "Takes a seat at a table someone else hosts, by its code or link")));
    connect(join_, &QAction::triggered, this, [this] { openTableDialog(false); });
    QMenu* speed = options->addMenu(QCoreApplication::translate("Seats", "Spee&d"));
    auto* speeds = new QActionGroup(this);
    const char* const speedNames[] = {QT_TRANSLATE_NOOP("Seats", "&Normal"), QT_TRANSLATE_NOOP("Seats", "&Fast"),
                                      QT_TRANSLATE_NOOP("Seats", "Fa&stest")};
    const char* const speedTips[] = {
        QT_TRANSLATE_NOOP("Menu", "The computer plays at its usual pace"),
        QT_TRANSLATE_NOOP("Menu", "The computer's pauses are a quarter as long"),
        QT_TRANSLATE_NOOP("Menu", "Each throw of the computer's, and its move, is shown for a tenth of a second")};
    for (int k = 0; k < 3; ++k) {
        QAction* a = speeds_[static_cast<std::size_t>(k)] =
            speed->addAction(QCoreApplication::translate("Seats", speedNames[k]));
        explain(a, tip(speedTips[k]));
        a->setCheckable(true);
        speeds->addAction(a);
        connect(a, &QAction::triggered, this, [this, k] {
            table_.setSpeed(static_cast<Speed>(k));
            afterCommand();
        });
    }
    fullScreen_ = options->addAction(tr("&Full Screen"));
    fullScreen_->setCheckable(true);
    explain(fullScreen_, tip(QT_TRANSLATE_NOOP("Menu", "The board fills the whole screen")));
    // F11 first, then whatever else the desktop calls full screen
    QList<QKeySequence> keys{QKeySequence(Qt::Key_F11)};
    for (const QKeySequence& k : QKeySequence::keyBindings(QKeySequence::FullScreen))
        if (!keys.contains(k)) keys << k;
    fullScreen_->setShortcuts(keys);
    connect(fullScreen_, &QAction::triggered, this, [this](bool on) {
        // leaving full screen goes back to a maximised window if it was one
        setWindowState(on ? windowState() | Qt::WindowFullScreen : windowState() & ~Qt::WindowFullScreen);
    });
    // the game said aloud: while a screen reader runs, or when chosen here
    speak_ = options->addAction(QCoreApplication::translate("Speech", "Speak the &Game"));
    speak_->setCheckable(true);
    explain(speak_, tip(QT_TRANSLATE_NOOP("Menu", "Says the game aloud, also without a screen reader")));
    // how strong the computer plays: takes effect with its next move
    QMenu* computer = options->addMenu(QCoreApplication::translate("Computer", "&Computer"));
    auto* strengths = new QActionGroup(this);
    const char* strengthNames[] = {QT_TRANSLATE_NOOP("Computer", "&Easy"), QT_TRANSLATE_NOOP("Computer", "&Normal"),
                                   QT_TRANSLATE_NOOP("Computer", "&Strong")};
    for (std::size_t i = 0; i < strength_.size(); ++i) {
        QAction* a = strength_[i] = computer->addAction(computerWords(strengthNames[i]));
        explain(a, words::strengthTip(static_cast<Strength>(i)));
        a->setCheckable(true);
        strengths->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] {
            table_.setStrength(static_cast<Strength>(i));
            afterCommand();
        });
    }
    options->addSeparator();
    statistics_ = options->addAction(StatisticsDialog::tr("S&tatistics…"));
    explain(statistics_, tip(QT_TRANSLATE_NOOP(
                             "Menu", "How often each colour brought all four counters home, and how fair the die is")));
    connect(statistics_, &QAction::triggered, this, [this] {
        if (statisticsDialog_ == nullptr) statisticsDialog_ = new StatisticsDialog(*this);
        statisticsDialog_->refresh();
        statisticsDialog_->show();
        statisticsDialog_->raise();
        statisticsDialog_->activateWindow();
    });
}

// Help, with Where the Counters Stand (Ctrl+B) and Say Again (Ctrl+R) said aloud.
void Window::addHelpItems() {
    QMenu* help = addHelpMenu(*this);
    help->addSeparator();
    standings_ = help->addAction(QCoreApplication::translate("Speech", "&Where the Counters Stand"));
    standings_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    repeat_ = help->addAction(QCoreApplication::translate("Speech", "Sa&y Again"));
    repeat_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    explain(standings_,
            tip(QT_TRANSLATE_NOOP("Menu", "Where every counter stands: said aloud, or shown without speech")));
    explain(repeat_, tip(QT_TRANSLATE_NOOP("Menu", "The last round again, in full: aloud, or shown without speech")));
    connect(speak_, &QAction::triggered, this, [this](bool on) { speech_->choose(on); });
    // without speech, what would be said is shown
    connect(standings_, &QAction::triggered, this, [this] {
        speech_->readBoard();
        if (!speech_->speaks()) showNote(*this, caption(*standings_), Speech::standingsLines(table_));
    });
    connect(repeat_, &QAction::triggered, this, [this] {
        speech_->repeat();
        if (!speech_->speaks())
            showNote(*this, caption(*repeat_), {speech_->last().isEmpty() ? status_->text() : speech_->last()});
    });
    canvas_->onBusy = [this] { speech_->busy(); };
    // the player's acting ends the game's own words; a computer's throw waits for the words before it
    canvas_->onTaken = [this] { speech_->interrupt(); };
    platform_.speaking = [this](Platform::Words until) {
        speech_->follow();
        return speech_->talking(until);
    };
    speech_->quiet = [this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!table_.waitsForWords()) return;
                table_.wordsSaid();
                afterCommand();
            },
            Qt::QueuedConnection);
    };
}

// The board's steps, the canvas's clicks and keys, and the once-a-second timer.
void Window::connectBoard() {
    canvas_->afterEvent = [this] { afterCommand(); };
    // a key or the mouse on a mark: the status line says where its move ends
    canvas_->foreseenChanged = [this] {
        if (status_) status_->follow(statusWords());
    };
    // every step of the board is shown as it comes: the words around it follow, and the views that changed are
    // painted while the next step waits
    platform_.due = [this] {
        table_.advance();
        afterCommand();
    };
    timer1Phase_.start();
    timer1_.setTimerType(Qt::PreciseTimer);  // on the second, not within a twentieth of it
    connect(&timer1_, &QTimer::timeout, this, [this] {
        // a timer started in mid-second has come to a whole one: from now on once a second
        if (timer1_.interval() != timer1Period) timer1_.setInterval(timer1Period);
        table_.tick();
        afterCommand();
    });
}

Window::~Window() {
    // The widgets that read the board go before it does (Qt would delete them
    // only after the members, the board among them).
    delete takeCentralWidget();
    setStatusBar(nullptr);
}

QString Window::foreseenWords() const {
    const auto hit = canvas_->foreseenHit();
    const auto outcome = hit ? table_.foresee(*hit) : std::nullopt;
    return outcome ? words::outcomeLine(*outcome) : QString();
}

QString Window::statusWords() const {
    const QString foreseen = foreseenWords();
    return foreseen.isEmpty() && online_ ? online_->waitingWords() : foreseen;
}

void Window::followBoard() {
    status_->follow(statusWords());
    // what was decided is kept before the board shows any of it, with the news the status line now words
    if (gameChanged()) saveGame();
    speech_->follow();
    speak_->setChecked(speech_->speaks());
    const Game& game = table_.game();
    auto_->setChecked(game.autoplay);
    sound_->setChecked(game.sound);
    speeds_[static_cast<std::size_t>(game.options.speed)]->setChecked(true);
    // at a table shared across machines the game and the computer's strength are the table's, not this window's
    newGame_->setEnabled(!table_.shared());
    for (std::size_t i = 0; i < strength_.size(); ++i) {
        strength_[i]->setChecked(game.options.strength == static_cast<Strength>(i));
        strength_[i]->setEnabled(!table_.shared());
    }
    canvas_->followBoard();
    keepTally();
}

void Window::keepTally() {
    const auto fresh = table_.happenings().since(tallySeen_);
    tallySeen_ = table_.happenings().count();
    bool counted = false;
    for (const Happening& h : fresh) {
        if (h.kind != Happening::Kind::Threw && h.kind != Happening::Kind::AllHome) continue;
        tally_.count(h);
        unsaved_.count(h);
        counted = true;
    }
    if (counted) emit tallyChanged();
    if (!settings_) return;
    if (options() != saved_.options)
        saveSettings();  // a choice of the player's, kept at once
    else if (counted && !saveTimer_.isActive())
        saveTimer_.start();
}

Remembered Window::remembered() const {
    Remembered r;
    r.options = options();
    const bool plain = !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    r.size = plain || !normalGeometry().isValid() ? size() : normalGeometry().size();
    if (!isVisible()) r.size = saved_.size;  // not shown yet: nothing new to know
    r.maximised = isVisible() ? bool(windowState() & Qt::WindowMaximized) : saved_.maximised;
    r.fullScreen = isVisible() ? bool(windowState() & Qt::WindowFullScreen) : saved_.fullScreen;
    r.tally = tally_;
    return r;
}

void Window::saveSettings() {
    saveTimer_.stop();
    if (!settings_) return;
    Remembered r = remembered();
    // nothing new since the last write: the file holds it all already (a window closing does not wait for the disk)
    if (settings_->current() && r == saved_ && unsaved_ == Tally{} && !replaceTally_) return;
    r.tally = settings_->write(r, unsaved_, replaceTally_);
    unsaved_ = Tally{};
    replaceTally_ = false;
    saved_ = r;
    if (r.tally != tally_) {
        tally_ = r.tally;  // with what another window added
        emit tallyChanged();
    }
}

// Something decided, or news told, since the game was last written: what a step of the board shows otherwise (how
// far a stage has got) a game taken up finishes the same way.
bool Window::gameChanged() const { return table_.decided() != gameDecided_ || status_->news() != gameNews_; }

void Window::saveGame() {
    gameDecided_ = table_.decided();
    gameNews_ = status_->news();
    GameFile* file = fileOfGame();
    if (file && table_.phase() != Phase::Closed)
        file->write(table_.game(), status_->news(), file == tableFile_.get() ? tableLines_ : std::string());
}

QString Window::tablePath() const {
    return gameFile_ ? QFileInfo(gameFile_->path()).absolutePath() + QStringLiteral("/table.txt") : QString();
}

QString Window::tableFieldsPath() const {
    return settings_ ? QFileInfo(settings_->path()).absolutePath() + QStringLiteral("/tables.conf") : QString();
}

GameFile* Window::fileOfGame() {
    if (!gameFile_ || !table_.shared()) return gameFile_.get();
    if (!tableFile_) {
        tableFile_ = std::make_unique<GameFile>(tablePath());
        tableFile_->take();  // another window at a table on this machine may keep it: then this one writes nothing
    }
    return tableFile_.get();
}

void Window::resetTally() {
    tally_ = Tally{};
    unsaved_ = Tally{};
    replaceTally_ = true;
    emit tallyChanged();
    saveSettings();
}

void Window::showAsRemembered() {
    if (saved_.size.isValid()) resize(saved_.size);
    if (saved_.fullScreen)
        showFullScreen();
    else if (saved_.maximised)
        showMaximized();
    else
        show();
}

void Window::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (settings_ && isVisible() && !saveTimer_.isActive()) saveTimer_.start();
}

void Window::choosePlayers() {
    if (playersDialog_) {
        playersDialog_->raise();
        playersDialog_->activateWindow();
        return;
    }
    // open, not run: a game animating goes on while the dialog is up
    playersDialog_ = new PlayersDialog(table_.chosenSeats(), this);
    playersDialog_->setAttribute(Qt::WA_DeleteOnClose);
    connect(playersDialog_, &QDialog::accepted, this, [this] {
        table_.chooseSeats(playersDialog_->seats());
        afterCommand();
    });
    connect(playersDialog_, &QObject::destroyed, this, [this] {
        playersDialog_ = nullptr;
        canvas_->setFocus();
    });
    playersDialog_->open();
}

void Window::openTableDialog(bool host) {
    QPointer<TableDialog>& open = host ? hostDialog_ : joinDialog_;
    if (!open) {
        open = host ? static_cast<TableDialog*>(new HostDialog(*this)) : new JoinDialog(*this);
        open->setAttribute(Qt::WA_DeleteOnClose);
    }
    open->show();
    open->raise();
    open->activateWindow();
}

Options Window::options() const {
    const Game& game = table_.game();
    return {table_.chosenSeats(), game.options.speed, game.options.strength};
}

void Window::afterCommand() {
    if (online_) online_->pump();
    followBoard();
    keepTimer1();
    canvas_->refresh();
}

// Timer1 ticks once a second from the window's creation to its end. A tick
// does nothing while automatic play is off (unless the die waits for a
// computer player), so the window sleeps through those ticks rather than wake
// for nothing: the timer runs while they matter and, started again, keeps in
// step with the ticks it slept through.
void Window::keepTimer1() {
    if (!table_.ticksMatter()) {
        timer1_.stop();
        return;
    }
    if (timer1_.isActive()) return;
    timer1_.start(static_cast<int>(timer1Period - timer1Phase_.elapsed() % timer1Period));
}

void Window::changeEvent(QEvent* event) {
    // the window manager may also take the window in and out of full screen
    if (event->type() == QEvent::WindowStateChange && fullScreen_) fullScreen_->setChecked(isFullScreen());
    if (event->type() == QEvent::WindowStateChange && settings_ && !saveTimer_.isActive()) saveTimer_.start();
    QMainWindow::changeEvent(event);
}

void Window::closeEvent(QCloseEvent* event) {
    endProgram();
    event->accept();
}

void Window::endProgram() {
    // first: a statistic lost is better than one counted twice; and only when it changed, for a write waits for the
    // disk, and the program is to end at once
    if (gameChanged()) saveGame();
    if (gameFile_) gameFile_->release();  // the program ends at once, past any destructor
    if (tableFile_) tableFile_->release();
    saveSettings();
    table_.close();
    exitProgram();
}

}  // namespace skarpo
