// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/status.h"

#include <QFontMetrics>

#include "window/words.h"

namespace skarpo {

StatusLine::StatusLine(const Board& board, QWidget* parent) : QStatusBar(parent), board_(board) {
    setSizeGripEnabled(false);
    setAccessibleName(tr("Status line"));
    text_ = new StatusText(this);
    // long words are cut off rather than widening the window
    text_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    text_->setAccessibleDescription(words::statusDescription());
    addWidget(text_, 1);

    // every player's last throw, on the player's colour
    const QFontMetrics metrics(font());
    for (int p = 1; p <= 4; ++p) {
        auto* label = new QLabel(this);
        label->setAlignment(Qt::AlignCenter);
        label->setFixedWidth(metrics.height() * 3 / 2);
        label->setStyleSheet(QStringLiteral("QLabel { background: #%1; color: black; font-weight: bold; }")
                                 .arg(colour::ofPlayer(p), 6, 16, QLatin1Char('0')));
        tray_[static_cast<std::size_t>(p - 1)] = label;
        addPermanentWidget(label);
    }
    // the new game the board was laid out with is no news
    seen_ = board_.happenings.count();
    showThrows();
    follow();
}

void StatusLine::follow(const QString& foreseen) {
    const auto fresh = board_.happenings.since(seen_);
    seen_ = board_.happenings.count();
    if (!fresh.empty()) {
        QString said;
        for (const Happening& h : fresh) {
            if (h.kind == Happening::Kind::NewGame) {
                throws_.fill(0);
                lastThrower_ = 0;
            } else if (h.kind == Happening::Kind::Threw && h.player >= 1 && h.player <= 4) {
                throws_[static_cast<std::size_t>(h.player - 1)] = h.value;
                lastThrower_ = h.player;
            }
            said = words::joined(said, words::sentence(h, board_.soleRed()));
        }
        // a move alone says nothing here: the news before it stays
        if (!said.isEmpty()) news_ = said;
        showThrows();
    }
    const QString now = words::joined(news_, foreseen.isEmpty() ? words::prompt(board_, lastThrower_) : foreseen);
    if (now == text_->text()) return;
    // The words are the status text's accessible name: setting it tells a
    // listening screen reader (a NameChanged event; nothing is sent, or
    // built, while none listens). Named first, the label does not tell again.
    text_->setAccessibleName(now);
    text_->setText(now);
}

void StatusLine::showThrows() {
    for (int p = 1; p <= 4; ++p) {
        QLabel* label = tray_[static_cast<std::size_t>(p - 1)];
        const int value = lastThrow(p);
        const QString words = words::lastThrow(p, value, board_.soleRed());
        label->setText(value > 0 ? QString::number(value) : QStringLiteral("\u2013"));
        if (label->accessibleName() != words) {
            label->setAccessibleName(words);
            label->setToolTip(words);
        }
    }
}

}  // namespace skarpo
