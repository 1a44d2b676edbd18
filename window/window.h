// SPDX-License-Identifier: GPL-3.0-or-later
// The game's one window: the board's canvas under a menu bar with "New Game",
// "AutoPlay" > "Auto" and "Options" > "Sound" and "Full Screen" (F11), and
// the once-a-second timer that drives automatic play (it runs while
// automatic play is on: its ticks do nothing otherwise). The window can be
// resized, maximised and made full screen; the board grows with it. Closing
// the window ends the program at once.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>

#include "window/qtplatform.h"
#include "state/board.h"

class QAction;

namespace skarpo {

class Canvas;

class Window : public QMainWindow {
public:
    explicit Window(QWidget* parent = nullptr);
    ~Window() override;

    Board& board() { return board_; }
    QtPlatform& platform() { return platform_; }
    Canvas& canvas() { return *canvas_; }
    QAction& newGameAction() { return *newGame_; }
    QAction& autoAction() { return *auto_; }
    QAction& soundAction() { return *sound_; }
    QAction& fullScreenAction() { return *fullScreen_; }
    QTimer& timer1() { return timer1_; }

    // How the program ends when the window closes; a test puts something
    // gentler here.
    std::function<void()> exitProgram;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    class Destroyed;

    void afterCommand();
    // Sets automatic play off and ends the program at once.
    void endProgram();

    QtPlatform platform_;
    Board board_{platform_};
    Canvas* canvas_ = nullptr;
    QAction* newGame_ = nullptr;
    QAction* auto_ = nullptr;
    QAction* sound_ = nullptr;
    QAction* fullScreen_ = nullptr;
    QTimer timer1_;
    std::unique_ptr<Destroyed> destroyed_;  // watches for the window being destroyed by another program
};

}  // namespace skarpo
