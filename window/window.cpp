// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/window.h"

#include <QAbstractNativeEventFilter>
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <cstdio>
#include <cstdlib>

#include "window/accessibility.h"
#include "window/canvas.h"
#include "window/help.h"
#include "window/status.h"

#if __has_include(<xcb/xcb.h>)
#include <xcb/xcb.h>
#define SKARPO_XCB 1
#endif

namespace skarpo {

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
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    canvas_->afterEvent = [this] { afterCommand(); };
    platform_.beforePause = [this] {
        followBoard();
        canvas_->repaint();
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
    addHelpMenu(*this);

    board_.Form_Load();
    status_ = new StatusLine(board_, this);
    setStatusBar(status_);
    afterCommand();
    canvas_->setFocus();

    timer1_.setInterval(1000);
    connect(&timer1_, &QTimer::timeout, this, [this] {
        board_.tick();
        afterCommand();
    });
    timer1_.start();

    if (QGuiApplication::platformName() == QLatin1String("xcb")) destroyed_ = std::make_unique<Destroyed>(*this);
}

Window::~Window() {
    // The widgets that read the board go before it does (Qt would delete them
    // only after the members, the board among them).
    delete takeCentralWidget();
    setStatusBar(nullptr);
}

void Window::followBoard() {
    status_->follow();
    auto_->setChecked(board_.autoplay);
    sound_->setChecked(board_.sound != 0);
    canvas_->followBoard();
}

void Window::afterCommand() {
    followBoard();
    canvas_->update();
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
