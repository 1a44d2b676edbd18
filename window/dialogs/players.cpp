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
        QCoreApplication::translate("Seats", "Who plays each colour. The change takes effect with a new game.");
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
        box->setCurrentIndex(chosen[static_cast<std::size_t>(p)] == Seat::Person ? 0 : 1);
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
    for (int p = 1; p <= 4; ++p)
        out[static_cast<std::size_t>(p)] = choice(p).currentIndex() == 0 ? Seat::Person : Seat::Computer;
    return out;
}

}  // namespace skarpo
