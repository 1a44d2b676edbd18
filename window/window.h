// SPDX-License-Identifier: GPL-3.0-or-later
// The game's one window: the board's canvas under a menu bar with "New Game",
// "AutoPlay" > "Auto" and "Options" > "Sound" and "Full Screen" (F11), the
// status line below it, and the once-a-second timer that drives automatic
// play. The window can be resized, maximised and made full screen; the
// board grows with it. Closing the window (or Ctrl+Q) ends the program at
// once.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>

#include "window/qtplatform.h"
#include "state/board.h"

class QAction;

namespace skarpo {

class Canvas;
class Speech;
class StatusLine;

class Window : public QMainWindow {
    Q_OBJECT
public:
    explicit Window(QWidget* parent = nullptr);
    ~Window() override;

    Board& board() { return board_; }
    QtPlatform& platform() { return platform_; }
    Canvas& canvas() { return *canvas_; }
    StatusLine& status() { return *status_; }
    Speech& speech() { return *speech_; }
    QAction& newGameAction() { return *newGame_; }
    QAction& autoAction() { return *auto_; }
    QAction& soundAction() { return *sound_; }
    QAction& fullScreenAction() { return *fullScreen_; }
    QAction& speakAction() { return *speak_; }
    QAction& standingsAction() { return *standings_; }
    QAction& repeatAction() { return *repeat_; }
    QTimer& timer1() { return timer1_; }
    // Time since the window was made: Timer1 ticks on its whole seconds.
    const QElapsedTimer& timer1Phase() const { return timer1Phase_; }

    // Brings everything around the board up to date with it: the status
    // line's words, the menu check marks (from `autoplay` and `sound`,
    // whichever way they changed) and the keyboard focus. Runs at every pause
    // and after every event; a test that changes the board itself calls it.
    void followBoard();

    // How the program ends when the window closes; a test puts something
    // gentler here.
    std::function<void()> exitProgram;

    // Ends the game as closing the window does: automatic play off, then
    // exitProgram. Also for the session's end and the display going away.
    void endProgram();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    class Destroyed;

    void afterCommand();
    // The move of the marked view the canvas foresees, in words; empty for none.
    QString foreseenWords() const;
    // Runs Timer1 while automatic play is on, in step with its ticks since the
    // window was made.
    void keepTimer1();

    QtPlatform platform_;
    Board board_{platform_};
    Canvas* canvas_ = nullptr;
    StatusLine* status_ = nullptr;
    Speech* speech_ = nullptr;
    QAction* newGame_ = nullptr;
    QAction* auto_ = nullptr;
    QAction* sound_ = nullptr;
    QAction* quit_ = nullptr;
    QAction* fullScreen_ = nullptr;
    QAction* speak_ = nullptr;
    QAction* standings_ = nullptr;
    QAction* repeat_ = nullptr;
    QTimer timer1_;
    QElapsedTimer timer1Phase_;  // Timer1's ticks fall on its whole seconds
    std::unique_ptr<Destroyed> destroyed_;  // watches for the window being destroyed by another program
};

}  // namespace skarpo
