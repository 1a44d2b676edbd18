// SPDX-License-Identifier: GPL-3.0-or-later
// Options > Players...: for each of red, cyan, magenta and green, a person,
// the computer, or a person invited to a table this machine hosts. The choice takes effect with a new game, and the
// dialog says so. Every choice is a labelled list box, reached by Tab and read by a screen reader with its colour's
// name; the colour's shape stands beside it.
#pragma once

#include <QDialog>
#include <array>

#include "core/game/game.h"

class QComboBox;

namespace skarpo {

class PlayersDialog : public QDialog {
    Q_OBJECT
public:
    PlayersDialog(const std::array<Seat, 5>& seats, QWidget* parent = nullptr);

    // The seats as chosen (seats[0] unused).
    std::array<Seat, 5> seats() const;
    // The list box of player 1..4.
    QComboBox& choice(int player) const { return *choices_[static_cast<std::size_t>(player - 1)]; }

private:
    std::array<QComboBox*, 4> choices_{};
};

}  // namespace skarpo
