// SPDX-License-Identifier: GPL-3.0-or-later
// The status line below the board: in words, what just happened and what
// player 1 can do now ("Your throw: 5. Choose a yellow counter", "Magenta
// captured your counter"), and beside it every player's last throw, kept
// until that player's next, after the player's shape on its colour; the boxes
// of the colours people play are framed. The words are what a screen reader
// announces. They wrap: the line keeps room for two lines of words, so that
// the longest news does not make the board below jump, and grows only for
// words that even two lines cannot hold.
#pragma once

#include <QLabel>
#include <QStatusBar>
#include <array>
#include <cstdint>
#include <vector>

#include "core/turns/table.h"

namespace skarpo {

// The words of the status line: a live status text for a screen reader.
class StatusText : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};

class StatusLine : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusLine(const Table& table, QWidget* parent = nullptr);

    // Reads what happened since the last call and what waits for player 1,
    // and words it; announces the words when they change. `foreseen`, the
    // move of the marked view with the focus in words, stands for what
    // player 1 can do while there is one.
    void follow(const QString& foreseen = {});

    // The happenings the news is made of, and the news taken up from them (at a new start, in a resumed game).
    const std::vector<Happening>& news() const { return told_; }
    void restore(const std::vector<Happening>& news);
    // A notice in place of the news, until the next.
    void tell(const QString& notice);

    QString text() const { return text_->text(); }
    // The last throw of player 1..4 as shown, 0 for none.
    int lastThrow(int player) const { return table_.game().lastThrows[static_cast<std::size_t>(player)]; }
    StatusText& textLabel() { return *text_; }
    // The lines of words the status line keeps room for, whatever it says.
    static constexpr int linesKept = 2;

    QLabel& throwLabel(int player) { return *tray_[static_cast<std::size_t>(player - 1)]; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showThrows();
    void setWords(const QString& words);
    void keepRoom();

    const Table& table_;
    StatusText* text_ = nullptr;
    std::array<QLabel*, 4> tray_{};
    std::uint64_t seen_ = 0;       // happenings read
    QString news_;                 // what the latest happenings said
    std::vector<Happening> told_;  // ... and they
};

}  // namespace skarpo
