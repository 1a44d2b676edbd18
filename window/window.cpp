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

#include "window/canvas.h"

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
    // the artwork of the desktop icon, at the sizes a window manager asks for
    QIcon icon(QStringLiteral(":/pictures/icon.xpm"));
    for (int size : {16, 24, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);

    canvas_ = new Canvas(board_, this);
    setCentralWidget(canvas_);
    // every pause shows the board as it stands: the views that changed are
    // painted inside the pause, by its event loop
    platform_.beforePause = [this] { canvas_->refresh(); };

    QMenuBar* bar = menuBar();
    newGame_ = bar->addAction(QStringLiteral("New Game"));
    QMenu* autoPlay = bar->addMenu(QStringLiteral("AutoPlay"));
    auto_ = autoPlay->addAction(QStringLiteral("Auto"));
    auto_->setCheckable(true);
    QMenu* options = bar->addMenu(QStringLiteral("Options"));
    sound_ = options->addAction(QStringLiteral("Sound"));
    sound_->setCheckable(true);
    fullScreen_ = options->addAction(QCoreApplication::translate("Window", "&Full Screen"));
    fullScreen_->setCheckable(true);
    // F11 first, then whatever else the desktop calls full screen
    QList<QKeySequence> keys{QKeySequence(Qt::Key_F11)};
    for (const QKeySequence& k : QKeySequence::keyBindings(QKeySequence::FullScreen))
        if (!keys.contains(k)) keys << k;
    fullScreen_->setShortcuts(keys);

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

    timer1_.setInterval(1000);
    connect(&timer1_, &QTimer::timeout, this, [this] {
        board_.tick();
        canvas_->refresh();
    });

    board_.Form_Load();
    afterCommand();

    if (QGuiApplication::platformName() == QLatin1String("xcb")) destroyed_ = std::make_unique<Destroyed>(*this);
}

Window::~Window() = default;

void Window::afterCommand() {
    auto_->setChecked(board_.autoChecked);
    sound_->setChecked(board_.soundopChecked);
    // A tick does nothing while automatic play is off: the timer sleeps
    // then, and so does the idle window, instead of waking once a second.
    if (!board_.autoplay) timer1_.stop();
    else if (!timer1_.isActive()) timer1_.start();
    canvas_->refresh();
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
