// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/window.h"

#include <QAbstractNativeEventFilter>
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <cstdio>
#include <cstdlib>

#include "window/accessibility.h"
#include "window/canvas.h"
#include "window/help.h"
#include "window/outcomewords.h"
#include "window/speech.h"
#include "window/status.h"

#if __has_include(<xcb/xcb.h>)
#include <xcb/xcb.h>
#define SKARPO_XCB 1
#endif

namespace skarpo {

namespace {
constexpr int timer1Period = 1000;  // ms: Timer1 ticks once a second
}  // namespace

#ifdef SKARPO_XCB
// On X11 another program can destroy the window outright, without asking it
// to close; the program must not live on without it.
class Window::Destroyed : public QAbstractNativeEventFilter {
public:
    explicit Destroyed(Window& window) : window_(window) { QCoreApplication::instance()->installNativeEventFilter(this); }
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

Window::Window(QWidget* parent) : QMainWindow(parent) {
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
    canvas_ = new Canvas(board_, this);
    setCentralWidget(canvas_);
    canvas_->afterEvent = [this] { afterCommand(); };
    // a key or the mouse on a mark: the status line says where its move ends
    canvas_->foreseenChanged = [this] {
        if (status_) status_->follow(foreseenWords());
    };
    // every pause shows the board as it stands: the words around it follow,
    // and the views that changed are painted inside the pause, by its event
    // loop
    platform_.beforePause = [this] {
        followBoard();
        canvas_->refresh();
    };

    QMenuBar* bar = menuBar();
    newGame_ = bar->addAction(tr("&New Game"));
    newGame_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QMenu* autoPlay = bar->addMenu(tr("&AutoPlay"));
    auto_ = autoPlay->addAction(tr("&Auto"));
    auto_->setCheckable(true);
    QMenu* options = bar->addMenu(tr("&Options"));
    sound_ = options->addAction(tr("&Sound"));
    sound_->setCheckable(true);
    // Ctrl+Q ends the game as closing the window does
    quit_ = new QAction(tr("&Quit"), this);
    quit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    addAction(quit_);
    connect(quit_, &QAction::triggered, this, &QWidget::close);
    fullScreen_ = options->addAction(tr("&Full Screen"));
    fullScreen_->setCheckable(true);
    // F11 first, then whatever else the desktop calls full screen
    QList<QKeySequence> keys{QKeySequence(Qt::Key_F11)};
    for (const QKeySequence& k : QKeySequence::keyBindings(QKeySequence::FullScreen))
        if (!keys.contains(k)) keys << k;
    fullScreen_->setShortcuts(keys);
    // the game said aloud: while a screen reader runs, or when chosen here
    speak_ = options->addAction(QCoreApplication::translate("Speech", "S&peak the Game"));
    speak_->setCheckable(true);

    connect(newGame_, &QAction::triggered, this, [this] {
        board_.chooseNewGame();
        // a handler paused in an animation belongs to the old game: wake it
        // so that it unwinds now rather than at the end of its pause
        platform_.interrupt();
        afterCommand();
    });
    connect(auto_, &QAction::triggered, this, [this] {
        board_.chooseAuto();
        afterCommand();
    });
    connect(sound_, &QAction::triggered, this, [this] {
        board_.chooseSound();
        afterCommand();
    });
    connect(fullScreen_, &QAction::triggered, this, [this](bool on) {
        // leaving full screen goes back to a maximised window if it was one
        setWindowState(on ? windowState() | Qt::WindowFullScreen : windowState() & ~Qt::WindowFullScreen);
    });
    QMenu* help = addHelpMenu(*this);
    help->addSeparator();
    standings_ = help->addAction(QCoreApplication::translate("Speech", "&Where the Counters Stand"));
    standings_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    repeat_ = help->addAction(QCoreApplication::translate("Speech", "Sa&y Again"));
    repeat_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));

    timer1Phase_.start();
    timer1_.setTimerType(Qt::PreciseTimer);  // on the second, not within a twentieth of it
    connect(&timer1_, &QTimer::timeout, this, [this] {
        // a timer started in mid-second has come to a whole one: from now on
        // once a second
        if (timer1_.interval() != timer1Period) timer1_.setInterval(timer1Period);
        board_.tick();
        afterCommand();
    });

    board_.Form_Load();
    status_ = new StatusLine(board_, this);
    setStatusBar(status_);
    speech_ = new Speech(board_, this);
    connect(speak_, &QAction::triggered, this, [this](bool on) { speech_->choose(on); });
    connect(standings_, &QAction::triggered, this, [this] { speech_->readBoard(); });
    connect(repeat_, &QAction::triggered, this, [this] { speech_->repeat(); });
    canvas_->onBusy = [this] { speech_->busy(); };
    afterCommand();
    canvas_->setFocus();

    if (QGuiApplication::platformName() == QLatin1String("xcb")) destroyed_ = std::make_unique<Destroyed>(*this);
}

Window::~Window() {
    // The widgets that read the board go before it does (Qt would delete them
    // only after the members, the board among them).
    delete takeCentralWidget();
    setStatusBar(nullptr);
}

QString Window::foreseenWords() const {
    const auto hit = canvas_->foreseenHit();
    const auto outcome = hit ? words::foresee(board_, hit->family, hit->index) : std::nullopt;
    return outcome ? words::outcomeLine(*outcome) : QString();
}

void Window::followBoard() {
    status_->follow(foreseenWords());
    speech_->follow();
    speak_->setChecked(speech_->speaks());
    auto_->setChecked(board_.autoplay);
    sound_->setChecked(board_.sound != 0);
    canvas_->followBoard();
}

void Window::afterCommand() {
    followBoard();
    keepTimer1();
    canvas_->refresh();
}

// Timer1 ticks once a second from the window's creation to its end. A tick
// does nothing while automatic play is off, so the window sleeps through
// those ticks rather than wake for nothing: the timer runs while automatic
// play is on and, started again, keeps in step with the ticks it slept
// through.
void Window::keepTimer1() {
    if (!board_.autoplay) {
        timer1_.stop();
        return;
    }
    if (timer1_.isActive()) return;
    timer1_.start(static_cast<int>(timer1Period - timer1Phase_.elapsed() % timer1Period));
}

void Window::changeEvent(QEvent* event) {
    // the window manager may also take the window in and out of full screen
    if (event->type() == QEvent::WindowStateChange && fullScreen_) fullScreen_->setChecked(isFullScreen());
    QMainWindow::changeEvent(event);
}

void Window::closeEvent(QCloseEvent* event) {
    endProgram();
    event->accept();
}

void Window::endProgram() {
    board_.close();
    platform_.interrupt();
    exitProgram();
}

}  // namespace skarpo
