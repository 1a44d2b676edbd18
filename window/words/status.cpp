// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/words/status.h"

#include <QFontMetrics>

#include "window/board/shapes.h"
#include "window/words/words.h"

namespace skarpo {

StatusLine::StatusLine(const Table& table, QWidget* parent) : QStatusBar(parent), table_(table) {
    setSizeGripEnabled(false);
    setAccessibleName(tr("Status line"));
    text_ = new StatusText(this);
    text_->setTextFormat(Qt::PlainText);  // it may name people from the network
    // long words are cut off rather than widening the window
    text_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    text_->setAccessibleDescription(words::statusDescription());
    addWidget(text_, 1);

    // every player's last throw, on the player's colour after the player's shape
    const QFontMetrics metrics(font());
    for (int p = 1; p <= 4; ++p) {
        auto* label = new ShapedLabel(p, Ink::Black, {}, this);
        label->setAlignment(Qt::AlignCenter);
        label->setFixedWidth(metrics.height() * 5 / 2);
        label->setStyleSheet(QStringLiteral("QLabel { background: #%1; color: black; font-weight: bold; }")
                                 .arg(colour::ofPlayer(p), 6, 16, QLatin1Char('0')));
        tray_[static_cast<std::size_t>(p - 1)] = label;
        addPermanentWidget(label);
    }
    // the new game the board was laid out with is no news
    seen_ = table_.happenings().count();
    showThrows();
    follow();
}

void StatusLine::follow(const QString& foreseen) {
    const auto fresh = table_.happenings().since(seen_);
    seen_ = table_.happenings().count();
    if (!fresh.empty()) {
        QString said;
        for (const Happening& h : fresh) said = words::joined(said, words::sentence(h, table_.soleRed()));
        // a move alone says nothing here: the news before it stays; a game resumed is told after it
        const bool resumed = fresh.size() == 1 && fresh[0].kind == Happening::Kind::Resumed;
        if (resumed) news_ = words::joined(news_, said), told_.push_back(fresh[0]);
        if (!said.isEmpty() && !resumed) news_ = said, told_ = fresh;
        showThrows();
    }
    const QString now =
        words::joined(news_, foreseen.isEmpty() ? words::prompt(table_, table_.game().thrower) : foreseen);
    if (now == text_->text()) return;
    // The words are the status text's accessible name: setting it tells a
    // listening screen reader (a NameChanged event; nothing is sent, or
    // built, while none listens). Named first, the label does not tell again.
    text_->setAccessibleName(now);
    text_->setText(now);
}

void StatusLine::restore(const std::vector<Happening>& news) {
    told_.clear();
    news_.clear();
    for (const Happening& h : news)
        if (h.kind != Happening::Kind::Resumed)
            told_.push_back(h), news_ = words::joined(news_, words::sentence(h, table_.soleRed()));
}

void StatusLine::tell(const QString& notice) {
    news_ = notice;
    told_.clear();
    follow();
}

void StatusLine::showThrows() {
    for (int p = 1; p <= 4; ++p) {
        QLabel* label = tray_[static_cast<std::size_t>(p - 1)];
        const int value = lastThrow(p);
        const QString words = words::lastThrow(p, value, table_.soleRed());
        label->setText(value > 0 ? QString::number(value) : QStringLiteral("\u2013"));
        if (label->accessibleName() != words) {
            label->setAccessibleName(words);
            label->setToolTip(words);
        }
    }
}

}  // namespace skarpo
