// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/dialogs/tables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "core/online/tablecode.h"
#include "window/online/onlinetable.h"
#include "window/platform/gamefile.h"
#include "window/window.h"

namespace skarpo {

namespace {

QString words(const char* text) { return QCoreApplication::translate("Tables", text); }

// A label whose text is only ever plain text: it may hold names from the network.
QLabel* plainLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

QLineEdit* field(QFormLayout* form, const char* label, QWidget* parent, const char* hint = nullptr) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(200);
    if (hint) edit->setPlaceholderText(words(hint));
    form->addRow(words(label), edit);
    return edit;
}

}  // namespace

TableDialog::TableDialog(Window& window, const QString& title, const QString& go) : QDialog(&window), window_(window) {
    setWindowTitle(title);
    setMinimumWidth(480);
    auto* layout = new QVBoxLayout(this);
    form_ = new QFormLayout;
    layout->addLayout(form_);
    auto* seats = new QGroupBox(words(QT_TRANSLATE_NOOP("Tables", "Seats")), this);
    auto* seatLines = new QVBoxLayout(seats);
    for (int p = 1; p <= 4; ++p) seatLines->addWidget(seats_[std::size_t(p - 1)] = plainLabel(seats));
    layout->addWidget(seats);
    news_ = plainLabel(this);
    news_->setAccessibleName(words(QT_TRANSLATE_NOOP("Tables", "What happens")));
    layout->addWidget(news_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    go_ = buttons->addButton(go, QDialogButtonBox::ActionRole);
    go_->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    tableChanged();
}

void TableDialog::addServerFields(QFormLayout* form) {
    domain_ = field(form, QT_TRANSLATE_NOOP("Tables", "&Server:"), this, QT_TRANSLATE_NOOP("Tables", "example.org"));
    address_ = field(form, QT_TRANSLATE_NOOP("Tables", "Connect &to:"), this,
                     QT_TRANSLATE_NOOP("Tables", "host:port, when not the server's own"));
    service_ = field(form, QT_TRANSLATE_NOOP("Tables", "&Group chat:"), this,
                     QT_TRANSLATE_NOOP("Tables", "conference.example.org"));
    account_ = field(form, QT_TRANSLATE_NOOP("Tables", "&Account:"), this,
                     QT_TRANSLATE_NOOP("Tables", "empty: sign in anonymously"));
    password_ = field(form, QT_TRANSLATE_NOOP("Tables", "Pass&word:"), this,
                      QT_TRANSLATE_NOOP("Tables", "asked each time, never kept"));
    password_->setEchoMode(QLineEdit::Password);
    name_ = field(form, QT_TRANSLATE_NOOP("Tables", "Your &name:"), this);
    name_->setMaxLength(static_cast<int>(online::maxName));
    connect(domain_, &QLineEdit::textChanged, this, [this](const QString& domain) {
        service_->setPlaceholderText(QStringLiteral("conference.") +
                                     (domain.isEmpty() ? QStringLiteral("example.org") : domain));
    });
    // the fields of the last table (never the password), in a file of their own beside the settings
    if (window_.tableFieldsPath().isEmpty()) return;
    const QSettings kept(window_.tableFieldsPath(), QSettings::IniFormat);
    for (auto [edit, key] : remembered()) edit->setText(kept.value(key).toString().left(edit->maxLength()));
}

std::vector<std::pair<QLineEdit*, QString>> TableDialog::remembered() const {
    return {{domain_, QStringLiteral("server")},
            {address_, QStringLiteral("connectTo")},
            {service_, QStringLiteral("groupChat")},
            {account_, QStringLiteral("account")},
            {name_, QStringLiteral("name")}};
}

void TableDialog::remember() const {
    if (window_.tableFieldsPath().isEmpty()) return;
    QSettings kept(window_.tableFieldsPath(), QSettings::IniFormat);
    for (auto [edit, key] : remembered()) kept.setValue(key, edit->text().trimmed());
}

RoomClient::Server TableDialog::server() const {
    RoomClient::Server s;
    s.domain = domain_->text().trimmed();
    const QString address = address_->text().trimmed();
    s.host = address.section(QLatin1Char(':'), 0, 0);
    s.port = static_cast<quint16>(address.section(QLatin1Char(':'), 1).toUInt());
    s.jid = account_->text().trimmed();
    s.password = password_->text();
    return s;
}

QString TableDialog::service() const {
    const QString given = service_->text().trimmed();
    return given.isEmpty() ? QStringLiteral("conference.") + domain_->text().trimmed() : given;
}

OnlineTable& TableDialog::freshTable() {
    delete window_.online();
    auto* table = new OnlineTable(window_, name_->text().trimmed());
    table->changed = [this] {
        tableChanged();
        window_.afterCommand();
    };
    return *table;
}

void TableDialog::say(const QString& text) {
    news_->setText(text);
    news_->setAccessibleDescription(text);
}

// Who sits where, as the table knows it.
void TableDialog::tableChanged() {
    OnlineTable* table = window_.online();
    for (int p = 1; p <= 4; ++p) {
        QString who = words(QT_TRANSLATE_NOOP("Tables", "not known yet"));
        if (table && table->shared().seatingKnown()) {
            const std::string& name = table->shared().names()[std::size_t(p)];
            who = name.empty()                  ? words(QT_TRANSLATE_NOOP("Tables", "the computer"))
                  : name == online::invitedSeat ? words(QT_TRANSLATE_NOOP("Tables", "invited, free"))
                                                : QString::fromStdString(name);
        }
        seats_[std::size_t(p - 1)]->setText(
            words(QT_TRANSLATE_NOOP("Tables", "%1: %2")).arg(OnlineTable::nameOf(p), who));
    }
    if (table && !table->trouble().isEmpty())
        say(table->trouble());
    else if (table && table->shared().started())
        say(words(QT_TRANSLATE_NOOP("Tables", "Everyone is seated: the game begins")));
}

HostDialog::HostDialog(Window& window)
    : TableDialog(window, words(QT_TRANSLATE_NOOP("Tables", "Host a Table")),
                  words(QT_TRANSLATE_NOOP("Tables", "&Host"))) {
    addServerFields(form_);
    link_ = new QLineEdit(this);
    link_->setReadOnly(true);
    form_->addRow(words(QT_TRANSLATE_NOOP("Tables", "Table &link:")), link_);
    // a table that stopped (its host gone) goes on from its last game, hosted here
    playOn_ = new QCheckBox(words(QT_TRANSLATE_NOOP("Tables", "&Play on from the last table's game")), this);
    playOn_->setEnabled(keptGame().has_value());
    form_->insertRow(form_->rowCount() - 1, playOn_);
    connect(go_, &QPushButton::clicked, this, &HostDialog::host);
    domain_->setFocus();
}

std::optional<Game> HostDialog::keptGame() const {
    if (window_.tableFile() != nullptr) return window_.table().game();  // this window sat at a table: on the board
    if (window_.tablePath().isEmpty()) return {};
    GameFile kept(window_.tablePath());
    std::optional<Game> game = kept.read().game;
    kept.release();
    return game;
}

void HostDialog::host() {
    const std::array<Seat, 5>& chosen = window_.table().chosenSeats();
    std::array<std::string, 5> seats;
    bool invited = false;
    for (std::size_t p = 1; p <= 4; ++p) {
        seats[p] = chosen[p] == Seat::Person    ? name_->text().trimmed().toStdString()
                   : chosen[p] == Seat::Invited ? online::invitedSeat
                                                : online::computerSeat;
        invited = invited || chosen[p] == Seat::Invited;
    }
    if (!invited)
        return say(words(QT_TRANSLATE_NOOP("Tables", "Choose Invited for a colour in Options > Players... first")));
    if (domain_->text().trimmed().isEmpty() || name_->text().trimmed().isEmpty())
        return say(words(QT_TRANSLATE_NOOP("Tables", "Give the server and your name")));
    remember();
    go_->setEnabled(false);
    const std::optional<Game> from = playOn_->isChecked() ? keptGame() : std::nullopt;
    OnlineTable& table = freshTable();
    connect(&table.room(), &RoomClient::entered, this, [this, &table] {
        link_->setText(table.link());
        say(words(QT_TRANSLATE_NOOP("Tables", "Table %1 is open: send its code or its link to the others"))
                .arg(table.code()));
        tableChanged();
    });
    table.host(server(), service(), seats, window_.table().game().options.strength, from);
    say(words(QT_TRANSLATE_NOOP("Tables", "Signing in...")));
}

void HostDialog::tableChanged() { TableDialog::tableChanged(); }

JoinDialog::JoinDialog(Window& window)
    : TableDialog(window, words(QT_TRANSLATE_NOOP("Tables", "Join a Table")),
                  words(QT_TRANSLATE_NOOP("Tables", "&Join"))) {
    code_ = field(form_, QT_TRANSLATE_NOOP("Tables", "Table &code or link:"), this,
                  QT_TRANSLATE_NOOP("Tables", "K7Q-3MX, or xmpp:...?join"));
    addServerFields(form_);
    seat_ = new QComboBox(this);
    form_->addRow(words(QT_TRANSLATE_NOOP("Tables", "S&eat:")), seat_);
    sit_ = new QPushButton(words(QT_TRANSLATE_NOOP("Tables", "Ta&ke the Seat")), this);
    sit_->setEnabled(false);
    form_->addRow(QString(), sit_);
    connect(go_, &QPushButton::clicked, this, &JoinDialog::join);
    connect(sit_, &QPushButton::clicked, this, [this] {
        if (window_.online() && seat_->currentData().toInt() > 0)
            window_.online()->askSeat(seat_->currentData().toInt());
    });
    code_->setFocus();
}

void JoinDialog::join() {
    const online::TableAddress address = online::tableAddressOf(code_->text().toStdString());
    if (address.code.empty())
        return say(words(QT_TRANSLATE_NOOP("Tables", "That is neither a table's code nor its link")));
    // a link names the table's server, unless another was typed here (rather than remembered)
    if (!address.service.empty() && (domain_->text().trimmed().isEmpty() || !domain_->isModified()))
        domain_->setText(QString::fromStdString(address.service).section(QLatin1Char('.'), 1));
    if (domain_->text().trimmed().isEmpty() || name_->text().trimmed().isEmpty())
        return say(words(QT_TRANSLATE_NOOP("Tables", "Give the server and your name")));
    const QString room = QString::fromStdString(address.room()) + QLatin1Char('@') +
                         (address.service.empty() ? service() : QString::fromStdString(address.service));
    remember();
    go_->setEnabled(false);
    OnlineTable& table = freshTable();
    table.join(server(), room, 0);
    say(words(QT_TRANSLATE_NOOP("Tables", "Signing in...")));
}

// The free invited seats to choose from.
void JoinDialog::tableChanged() {
    TableDialog::tableChanged();
    OnlineTable* table = window_.online();
    if (!seat_) return;
    const int was = seat_->currentData().toInt();
    seat_->clear();
    if (table && !table->shared().started()) {
        for (int p = 1; p <= 4; ++p)
            if (table->shared().names()[std::size_t(p)] == online::invitedSeat)
                seat_->addItem(OnlineTable::nameOf(p), p);
    }
    if (const int at = seat_->findData(was); at >= 0) seat_->setCurrentIndex(at);
    sit_->setEnabled(seat_->count() > 0);
    if (seat_->count() > 0 && table->trouble().isEmpty())
        say(words(QT_TRANSLATE_NOOP("Tables", "Choose a free seat, then take it")));
}

}  // namespace skarpo
