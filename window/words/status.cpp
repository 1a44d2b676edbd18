// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/words/status.h"

#include <QFontMetrics>
#include <QResizeEvent>

#include "window/board/shapes.h"
#include "window/words/words.h"

namespace skarpo {

StatusLine::StatusLine(const Table& table, QWidget* parent) : QStatusBar(parent), table_(table) {
    setSizeGripEnabled(false);
    setAccessibleName(tr("Status line"));
    text_ = new StatusText(this);
    text_->setTextFormat(Qt::PlainText);  // it may name people from the network
    // long words wrap rather than widening the window
    text_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    text_->setAccessibleDescription(words::statusDescription());
    text_->setMinimumHeight(linesKept * text_->fontMetrics().lineSpacing());
    addWidget(text_, 1);

    // every player's last throw, on the player's colour after the player's shape
    const QFontMetrics metrics(font());
    for (int p = 1; p <= 4; ++p) {
        auto* label = new ShapedLabel(p, Ink::Black, {}, this);
        label->setAlignment(Qt::AlignCenter);
        label->setFixedWidth(metrics.height() * 2 + 2);
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
        std::vector<Happening> saying;
        for (const Happening& h : fresh) {
            // where a computer's counter went goes on the sentence of its throw
            if (const QString went = words::computerMove(table_, h); went.isEmpty()) {
                said = words::joined(said, words::sentence(h, table_.soleRed()));
                saying.push_back(h);
            } else if (said.isEmpty()) {
                news_ = words::listed(news_, went);
                told_.push_back(h);
            } else {
                said = words::listed(said, went);
                saying.push_back(h);
            }
        }
        // a person's move alone says nothing here: the news before it stays; a game resumed is told after it
        const bool resumed = fresh.size() == 1 && fresh[0].kind == Happening::Kind::Resumed;
        if (resumed) news_ = words::joined(news_, said), told_.push_back(fresh[0]);
        if (!said.isEmpty() && !resumed) news_ = said, told_ = saying;
        showThrows();
    }
    setWords(words::joined(news_, foreseen.isEmpty() ? words::prompt(table_, table_.game().thrower) : foreseen));
}

void StatusLine::setWords(const QString& now) {
    if (now == text_->text()) return;
    // The words are the status text's accessible name: setting it tells a
    // listening screen reader (a NameChanged event; nothing is sent, or
    // built, while none listens). Named first, the label does not tell again.
    text_->setAccessibleName(now);
    text_->setText(now);
    keepRoom();
}

// Room for the words as they wrap at the label's width: never less than the
// lines kept, and grown (never shrunk again) for words that need more, so
// that the board moves at most once.
void StatusLine::keepRoom() {
    if (text_->width() <= 0) return;
    const int needed = text_->heightForWidth(text_->width());
    if (needed > text_->minimumHeight()) text_->setMinimumHeight(needed);
}

void StatusLine::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    keepRoom();
}

void StatusLine::restore(const std::vector<Happening>& news) {
    told_.clear();
    news_.clear();
    // the news as it was built while the game went on
    for (const Happening& h : news) {
        if (h.kind == Happening::Kind::Resumed) continue;
        told_.push_back(h);
        if (const QString went = words::computerMove(table_, h); went.isEmpty())
            news_ = words::joined(news_, words::sentence(h, table_.soleRed()));
        else
            news_ = words::listed(news_, went);
    }
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
        const bool person = table_.game().person(p);
        const QString words = words::lastThrow(p, value, table_.soleRed());
        const QString who = words::playedBy(person);
        label->setText(value > 0 ? QString::number(value) : QStringLiteral("\u2013"));
        // a person's colour framed in black, a computer's without a frame
        const QString style = QStringLiteral("QLabel { background: #%1; color: black; font-weight: bold; border: %2; }")
                                  .arg(colour::ofPlayer(p), 6, 16, QLatin1Char('0'))
                                  .arg(person ? QStringLiteral("2px solid black") : QStringLiteral("none"));
        if (label->styleSheet() != style) label->setStyleSheet(style);
        if (label->accessibleName() != words || label->accessibleDescription() != who) {
            label->setAccessibleName(words);
            label->setAccessibleDescription(who);
            label->setToolTip(words::joined(words, who));
        }
    }
}

}  // namespace skarpo
