// SPDX-License-Identifier: GPL-3.0-or-later
// Options > Host a Table... and Join a Table...: a table shared across machines through an XMPP server. Both ask
// for the server (and where to reach it, when that differs), the group-chat service, an account or anonymous login
// (a password is asked each time and never kept), and the player's name; all but the password are filled in as
// they were at the last table (tables.conf beside the settings). Hosting opens a room for the seats chosen
// in Options > Players... (with a fresh game, or on from the last table's game kept) and shows the table's code and
// link to send to the others; joining takes a code or a link
// and offers the free invited seats. Both show who sits where as people arrive and leave; names from the network
// are shown as plain text. Every field is labelled, reached by Tab and read by a screen reader.
#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "core/game/game.h"
#include "window/online/roomclient.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace skarpo {

class OnlineTable;
class Window;

// What both dialogs ask, and the seats and the news they show.
class TableDialog : public QDialog {
    Q_OBJECT
public:
    QLineEdit& nameField() { return *name_; }
    QLineEdit& serverField() { return *domain_; }
    QLineEdit& addressField() { return *address_; }
    QLineEdit& passwordField() { return *password_; }
    QLabel& seatLabel(int player) { return *seats_[static_cast<std::size_t>(player - 1)]; }
    QLabel& news() { return *news_; }
    QPushButton& goButton() { return *go_; }

protected:
    TableDialog(Window& window, const QString& title, const QString& go);
    // The fields of the server and the name, filled as they were at the last table (the password never kept).
    void addServerFields(QFormLayout* form);
    void remember() const;
    RoomClient::Server server() const;
    QString service() const;
    // A new table for the window in place of any it had, shown here as it changes.
    OnlineTable& freshTable();
    virtual void tableChanged();
    void say(const QString& words);

    std::vector<std::pair<QLineEdit*, QString>> remembered() const;

    Window& window_;
    QFormLayout* form_ = nullptr;
    QLineEdit *domain_ = nullptr, *address_ = nullptr, *service_ = nullptr, *account_ = nullptr, *password_ = nullptr,
              *name_ = nullptr;
    std::array<QLabel*, 4> seats_{};
    QLabel* news_ = nullptr;
    QPushButton* go_ = nullptr;
};

class HostDialog : public TableDialog {
    Q_OBJECT
public:
    explicit HostDialog(Window& window);
    QLineEdit& linkField() { return *link_; }
    QCheckBox& playOnBox() { return *playOn_; }

private:
    void host();
    void tableChanged() override;
    // The game of the last table this window or the last program sat at, if one is kept.
    std::optional<Game> keptGame() const;
    QLineEdit* link_ = nullptr;
    QCheckBox* playOn_ = nullptr;
};

class JoinDialog : public TableDialog {
    Q_OBJECT
public:
    explicit JoinDialog(Window& window);
    QLineEdit& codeField() { return *code_; }
    QComboBox& seatChoice() { return *seat_; }

private:
    void join();
    void tableChanged() override;
    QLineEdit* code_ = nullptr;
    QComboBox* seat_ = nullptr;
    QPushButton* sit_ = nullptr;
};

}  // namespace skarpo
