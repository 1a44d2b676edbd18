// SPDX-License-Identifier: GPL-3.0-or-later
// The game's one window: the board's canvas under a menu bar with "New Game",
// "AutoPlay" > "Auto" and "Options" > "Sound", "Players...", "Speed" and
// "Full Screen" (F11), the
// status line below it, and the once-a-second timer that drives automatic
// play. The window can be resized, maximised and made full screen; the
// board grows with it. Closing the window (or Ctrl+Q) ends the program at
// once. "Options" > "Computer" sets how strong the computer plays, and
// "Options" > "Statistics" shows the tally. Given a settings file, the
// window remembers the options, its size and state and the tally in it;
// given a game file, it takes up the game saved there and keeps the game
// in it after every decision and when it ends.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "core/turns/table.h"
#include "window/dialogs/tally.h"
#include "window/platform/gamefile.h"
#include "window/platform/qtplatform.h"
#include "window/platform/settingsfile.h"

class QAction;
class QMenu;

namespace skarpo {

class Canvas;
class Speech;
class StatusLine;
class StatisticsDialog;

class Window : public QMainWindow {
    Q_OBJECT
public:
    // With a settings file the window starts from what it remembers and keeps
    // it up to date; with a game file it resumes the game saved there and
    // keeps the game in it; without them nothing is read or written.
    explicit Window(QWidget* parent = nullptr, const QString& settingsPath = {}, const QString& gamePath = {});
    ~Window() override;

    Table& table() { return table_; }
    QtPlatform& platform() { return platform_; }
    Canvas& canvas() { return *canvas_; }
    StatusLine& status() { return *status_; }
    Speech& speech() { return *speech_; }
    QAction& newGameAction() { return *newGame_; }
    QAction& autoAction() { return *auto_; }
    QAction& soundAction() { return *sound_; }
    QAction& fullScreenAction() { return *fullScreen_; }
    QAction& playersAction() { return *players_; }
    // Options > Host a Table... and Join a Table...
    QAction& hostAction() { return *host_; }
    QAction& joinAction() { return *join_; }
    // Options > Speed > Normal, Fast, Fastest
    QAction& speedAction(Speed speed) { return *speeds_[static_cast<std::size_t>(speed)]; }
    // The Players dialog while it is open.
    class PlayersDialog* playersDialog() {
        return playersDialog_;
    }
    QAction& strengthAction(Strength s) { return *strength_[static_cast<std::size_t>(s)]; }
    QAction& statisticsAction() { return *statistics_; }
    // The Statistics dialog, made when first opened (null before).
    StatisticsDialog* statisticsDialog() { return statisticsDialog_; }
    QAction& speakAction() { return *speak_; }
    QAction& standingsAction() { return *standings_; }
    QAction& repeatAction() { return *repeat_; }
    QTimer& timer1() { return timer1_; }
    // Time since the window was made: Timer1 ticks on its whole seconds.
    const QElapsedTimer& timer1Phase() const { return timer1Phase_; }

    // Brings everything around the board up to date with it: the status
    // line's words, the menu check marks (from automatic play and the sound,
    // whichever way they changed) and the keyboard focus. Runs at every step
    // of the board and after every event.
    void followBoard();

    // Brings the window up to date after a command or a step of the board;
    // at a shared table, first acts on what the room decided.
    void afterCommand();
    // The table shared across machines, while there is one (null otherwise).
    class OnlineTable* online() {
        return online_;
    }
    void setOnline(class OnlineTable* online) { online_ = online; }

    // How the program ends when the window closes; a test puts something
    // gentler here.
    std::function<void()> exitProgram;

    // Ends the game as closing the window does: automatic play off, then
    // exitProgram. Also for the session's end and the display going away.
    void endProgram();

    // Shows the window at the size and in the state it was left in.
    void showAsRemembered();
    // The tally: the remembered one and what happened since.
    const Tally& tally() const { return tally_; }
    void resetTally();
    // Writes the settings file now, if there is one.
    void saveSettings();
    // The game file, if there is one; writes it now. While the table is shared the game goes to the table's file
    // beside it (table.txt), and the player's own game stays as it was.
    const GameFile* gameFile() const { return gameFile_.get(); }
    const GameFile* tableFile() const { return tableFile_.get(); }
    void saveGame();
    // Lines written after the table's game in its file (each "table ..."), at once while the table is shared.
    void keepTableLines(const std::string& lines) {
        tableLines_ = lines;
        if (table_.shared()) saveGame();
    }
    // Where the table's game is written; empty without a game file.
    QString tablePath() const;
    // Where the table dialogs keep the fields of the last table, beside the settings; empty without a settings file.
    QString tableFieldsPath() const;
    // What the window would write.
    Remembered remembered() const;

signals:
    void tallyChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    class Destroyed;

    Remembered readSettings(const QString& path);
    void takeUpSavedGame(const QString& path);
    bool gameChanged() const;
    // Where the game is written: the table's file while the table is shared, else the player's own (or none).
    GameFile* fileOfGame();
    void addMenus();
    void addOptionsMenu(QMenu* options);
    void addHelpItems();
    void connectBoard();
    // The options as chosen: the seats for the next new game, the speed and the strength now.
    Options options() const;
    // The move of the marked view the canvas foresees, in words; empty for none.
    QString foreseenWords() const;
    // What the status line says the player can do: the foreseen move, or at a shared table whom it waits for.
    QString statusWords() const;
    // Runs Timer1 while its ticks matter (automatic play is on, or the die
    // waits for a computer player), in step with its ticks since the window
    // was made.
    void keepTimer1();
    // Opens the Players dialog; its choice takes effect with a new game.
    void choosePlayers();
    // Opens Host a Table... or Join a Table..., one of each at a time.
    void openTableDialog(bool host);
    // Counts the throws and celebrations since the last call, and saves what
    // changed: options at once, the rest a little later.
    void keepTally();

    std::unique_ptr<SettingsFile> settings_;
    std::unique_ptr<GameFile> gameFile_;
    std::unique_ptr<GameFile> tableFile_;  // made when a shared table first writes
    std::uint64_t gameDecided_ = 0;        // the table's decisions when the game was last written ...
    std::vector<Happening> gameNews_;      // ... and the news written with it
    Remembered saved_;                     // as last read or written
    QtPlatform platform_;
    Table table_;
    Canvas* canvas_ = nullptr;
    StatusLine* status_ = nullptr;
    Speech* speech_ = nullptr;
    QAction* newGame_ = nullptr;
    QAction* auto_ = nullptr;
    QAction* sound_ = nullptr;
    QAction* quit_ = nullptr;
    QAction* fullScreen_ = nullptr;
    QAction* players_ = nullptr;
    QAction *host_ = nullptr, *join_ = nullptr;
    std::array<QAction*, 3> speeds_{};
    class PlayersDialog* playersDialog_ = nullptr;
    std::array<QAction*, 3> strength_{};
    QAction* statistics_ = nullptr;
    StatisticsDialog* statisticsDialog_ = nullptr;
    Tally tally_;                  // as shown
    Tally unsaved_;                // counted since the last write
    bool replaceTally_ = false;    // reset since the last write
    std::uint64_t tallySeen_ = 0;  // happenings counted
    QTimer saveTimer_;             // a write a little after a change
    QAction* speak_ = nullptr;
    QAction* standings_ = nullptr;
    QAction* repeat_ = nullptr;
    class OnlineTable* online_ = nullptr;
    std::string tableLines_;
    QPointer<class TableDialog> hostDialog_, joinDialog_;
    QTimer timer1_;
    QElapsedTimer timer1Phase_;             // Timer1's ticks fall on its whole seconds
    std::unique_ptr<Destroyed> destroyed_;  // watches for the window being destroyed by another program
};

}  // namespace skarpo
