// SPDX-License-Identifier: GPL-3.0-or-later
// The Statistics dialog: for each colour (its name beside its shape) how
// many times all four of its counters came home, how often each face of the die came up (a table, and bars beside
// it with a fair die's share marked), and in plain
// words whether the die throws like a fair one. Its tables are read by the
// keyboard and a screen reader cell by cell; "Reset" sets every count back
// to zero after asking. It follows the game while it is open, and does not
// hold the game up.
#pragma once

#include <QDialog>
#include <QWidget>

#include <array>

class QLabel;
class QTableWidget;
class QPushButton;

namespace skarpo {

class Window;

// Each face's share of the throws as a bar, and a fair die's share as a line across them. Reached by Tab; a screen
// reader reads its name and, as its description, every face's share.
class FaceChart : public QWidget {
public:
    explicit FaceChart(QWidget* parent);
    // The shares in percent of faces 1..6; `any`: whether any throw was counted.
    void setShares(const std::array<double, 6>& shares, bool any);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<double, 6> shares_{};
    bool any_ = false;
};

class StatisticsDialog : public QDialog {
    Q_OBJECT
public:
    explicit StatisticsDialog(Window& window);
    // Shows the counts as they stand now.
    void refresh();
    // The verdict on the die as shown.
    QString verdict() const;
    QPushButton& resetButton() { return *reset_; }

private:
    Window& window_;
    QTableWidget* homes_ = nullptr;
    QTableWidget* faces_ = nullptr;
    FaceChart* chart_ = nullptr;
    QLabel* verdict_ = nullptr;
    QPushButton* reset_ = nullptr;
};

}  // namespace skarpo
