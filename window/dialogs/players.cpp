// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/dialogs/players.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "window/board/shapes.h"

namespace skarpo {

PlayersDialog::PlayersDialog(const std::array<Seat, 5>& chosen, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("Seats", "Players"));
    auto* layout = new QVBoxLayout(this);
    const QString note =
        QCoreApplication::translate("Seats", "Who plays each colour. The change takes effect with a new game.") +
        QLatin1Char(' ') +
        QCoreApplication::translate("Seats",
                                    "An invited seat waits for a person at another machine when you host a "
                                    "table; until then the computer plays it.");
    auto* said = new QLabel(note, this);
    said->setWordWrap(true);
    layout->addWidget(said);

    const char* const names[] = {
        QT_TRANSLATE_NOOP("Seats", "&Red:"),
        QT_TRANSLATE_NOOP("Seats", "&Cyan:"),
        QT_TRANSLATE_NOOP("Seats", "&Magenta:"),
        QT_TRANSLATE_NOOP("Seats", "&Green:"),
    };
    auto* form = new QFormLayout;
    for (int p = 1; p <= 4; ++p) {
        auto* box = new QComboBox(this);
        box->addItem(QCoreApplication::translate("Seats", "Person"));
        box->addItem(QCoreApplication::translate("Seats", "Computer"));
        // a person at another machine, at a table this one hosts; the computer plays it meanwhile
        box->addItem(QCoreApplication::translate("Seats", "Invited"));
        box->setCurrentIndex(static_cast<int>(chosen[static_cast<std::size_t>(p)]));
        box->setAccessibleDescription(note);
        auto* label = new ShapedLabel(p, Ink::OwnColour, QCoreApplication::translate("Seats", names[p - 1]), this);
        label->setBuddy(box);
        form->addRow(label, box);
        choices_[static_cast<std::size_t>(p - 1)] = box;
    }
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    choices_[0]->setFocus();
}

std::array<Seat, 5> PlayersDialog::seats() const {
    std::array<Seat, 5> out = Options{}.seats;
    for (int p = 1; p <= 4; ++p) out[static_cast<std::size_t>(p)] = static_cast<Seat>(choice(p).currentIndex());
    return out;
}

}  // namespace skarpo
