// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/dialogs/statistics.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "window/board/shapes.h"
#include "window/window.h"

namespace skarpo {

namespace {

// A read-only table of counts: each row a name and its count (and a share),
// reachable by Tab, moved through by the arrow keys.
QTableWidget* countTable(QWidget* parent, const QString& name, const QStringList& columns, int rows) {
    auto* t = new QTableWidget(rows, static_cast<int>(columns.size()), parent);
    t->setAccessibleName(name);
    t->setHorizontalHeaderLabels(columns);
    t->verticalHeader()->hide();
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setTabKeyNavigation(false);  // Tab leaves the table for the next control
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    t->horizontalHeader()->setHighlightSections(false);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns.size(); ++c) {
            auto* item = new QTableWidgetItem;
            if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            t->setItem(r, c, item);
        }
    // the keys start from the first cell, which does not look chosen
    t->selectionModel()->setCurrentIndex(t->model()->index(0, 0), QItemSelectionModel::NoUpdate);
    return t;
}

}  // namespace

FaceChart::FaceChart(QWidget* parent) : QWidget(parent) {
    setAccessibleName(StatisticsDialog::tr("Share of each face as bars; the line marks a fair die's share"));
    setFocusPolicy(Qt::TabFocus);  // reached by Tab, as the table is, for a screen reader to read it
    setMinimumSize(fontMetrics().height() * 6, fontMetrics().height() * 6);
}

void FaceChart::setShares(const std::array<double, 6>& shares, bool any) {
    shares_ = shares;
    any_ = any;
    update();
}

// Six bars, each face's share, scaled so that twice a fair share fills the height (a higher one is cut at the top);
// a dashed line across them at a fair die's share, one in six; the faces' numbers below.
void FaceChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QRectF area = QRectF(rect()).adjusted(2, 2, -2, -metrics.height() - 4);
    const double fair = 100.0 / 6, top = 2 * fair;
    const double slot = area.width() / 6;
    const QColor ink = palette().color(QPalette::WindowText);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    for (int f = 0; f < 6; ++f) {
        const double share = std::min(any_ ? shares_[static_cast<std::size_t>(f)] : 0.0, top);
        const double h = area.height() * share / top;
        const QRectF bar(area.left() + slot * f + slot * 0.2, area.bottom() - h, slot * 0.6, h);
        painter.fillRect(bar, palette().color(QPalette::Highlight));
        painter.setPen(ink);
        painter.drawText(QRectF(area.left() + slot * f, area.bottom() + 2, slot, metrics.height()), Qt::AlignCenter,
                         QLocale().toString(f + 1));
    }
    painter.setPen(QPen(ink, 1.5, Qt::DashLine));
    const double y = area.bottom() - area.height() * fair / top;
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    painter.setPen(QPen(ink, 1));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

namespace {

// Tall enough for every row without scrolling.
void fitRows(QTableWidget* t) {
    int h = t->horizontalHeader()->sizeHint().height() + 2 * t->frameWidth();
    for (int r = 0; r < t->rowCount(); ++r) h += t->rowHeight(r);
    t->setFixedHeight(h);
}

}  // namespace

StatisticsDialog::StatisticsDialog(Window& window) : QDialog(&window), window_(window) {
    setObjectName(QStringLiteral("statistics"));
    setWindowTitle(tr("Statistics"));

    auto* homesLabel = new QLabel(tr("All four counters home"), this);
    homes_ = countTable(this, tr("All four counters home"), {tr("Colour"), tr("Times")}, 4);
    const QString colours[] = {tr("Red"), tr("Cyan"), tr("Magenta"), tr("Green")};
    // each colour's name after its shape
    const int side = shapeSide(fontMetrics().height());
    homes_->setIconSize(QSize(side, side));
    for (int p = 0; p < 4; ++p) {
        homes_->item(p, 0)->setText(colours[p]);
        const QPixmap drawn = shapePixmap(p + 1, side, devicePixelRatioF(), Ink::OwnColour);
        QIcon shape(drawn);
        shape.addPixmap(drawn, QIcon::Selected);  // on a selected row as on any other
        homes_->item(p, 0)->setIcon(shape);
    }
    homesLabel->setBuddy(homes_);

    auto* facesLabel = new QLabel(tr("Faces of the die"), this);
    faces_ = countTable(this, tr("Faces of the die"), {tr("Face"), tr("Times"), tr("Share")}, 6);
    for (int f = 0; f < 6; ++f) faces_->item(f, 0)->setText(QLocale().toString(f + 1));
    facesLabel->setBuddy(faces_);

    verdict_ = new QLabel(this);
    verdict_->setWordWrap(true);
    verdict_->setObjectName(QStringLiteral("verdict"));
    // the focus can rest on the verdict, so that a screen reader reads it
    verdict_->setFocusPolicy(Qt::TabFocus);
    verdict_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    reset_ = buttons->addButton(tr("&Reset"), QDialogButtonBox::ResetRole);
    reset_->setAccessibleDescription(tr("Sets every count back to zero"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(reset_, &QPushButton::clicked, this, [this] {
        const auto answer = QMessageBox::question(this, tr("Reset the statistics"),
                                                  tr("Set every count back to zero? This cannot be undone."),
                                                  QMessageBox::Reset | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer == QMessageBox::Reset) window_.resetTally();
    });
    connect(&window_, &Window::tallyChanged, this, [this] {
        if (isVisible()) refresh();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(homesLabel);
    layout->addWidget(homes_);
    layout->addWidget(facesLabel);
    auto* facesRow = new QHBoxLayout;
    chart_ = new FaceChart(this);
    facesRow->addWidget(faces_, 3);
    facesRow->addWidget(chart_, 2);
    layout->addLayout(facesRow);
    layout->addWidget(verdict_);
    layout->addStretch();
    layout->addWidget(buttons);
    refresh();
    fitRows(homes_);
    fitRows(faces_);
    const int line = fontMetrics().height();
    resize(QSize(24 * line, sizeHint().height()).expandedTo(sizeHint()));
}

void StatisticsDialog::refresh() {
    const Tally& t = window_.tally();
    const QLocale here;
    for (int p = 1; p <= 4; ++p) homes_->item(p - 1, 1)->setText(here.toString(static_cast<qulonglong>(t.allHome[p])));
    const std::uint64_t n = t.throws();
    std::array<double, 6> shares{};
    QStringList told;
    for (int f = 1; f <= 6; ++f) {
        faces_->item(f - 1, 1)->setText(here.toString(static_cast<qulonglong>(t.faces[f])));
        const double share = n == 0 ? 0 : 100.0 * static_cast<double>(t.faces[f]) / static_cast<double>(n);
        shares[static_cast<std::size_t>(f - 1)] = share;
        faces_->item(f - 1, 2)->setText(n == 0 ? QStringLiteral("–") : tr("%1 %").arg(here.toString(share, 'f', 1)));
        told << QStringLiteral("%1: %2").arg(here.toString(f), faces_->item(f - 1, 2)->text());
    }
    chart_->setShares(shares, n > 0);
    chart_->setAccessibleDescription(told.join(QStringLiteral("; ")));

    const DieVerdict v = judgeDie(t.faces);
    const QString p = here.toString(v.p, 'f', 2);  // "0.50", "0.43": always two places
    const QString throws = tr("Throws counted: %1.").arg(here.toString(static_cast<qulonglong>(n)));
    QString words;
    switch (v.kind) {
        case DieVerdict::Kind::TooFew: words = tr("Too few throws yet to judge the die."); break;
        case DieVerdict::Kind::Fair: words = tr("As fair as a real die: p = %1.").arg(p); break;
        case DieVerdict::Kind::Doubtful:
            words = tr("Somewhat uneven, as a fair die is now and then: p = %1.").arg(p);
            break;
        case DieVerdict::Kind::Unfair: words = tr("Far more uneven than a fair die throws: p = %1.").arg(p); break;
    }
    // "p = 0.43" kept on one line
    words.replace(QStringLiteral("p = "), QStringLiteral("p\u00a0=\u00a0"));
    verdict_->setText(throws + QLatin1Char(' ') + words);
    verdict_->setAccessibleName(verdict_->text());
}

QString StatisticsDialog::verdict() const { return verdict_->text(); }

}  // namespace skarpo
