// SPDX-License-Identifier: GPL-3.0-or-later
// The table dialogs: the fields of the last table filled in again, never the password; the game a stopped table
// left offered to play on only when it can be read.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "window/dialogs/tables.h"
#include "window/online/onlinetable.h"
#include "window/platform/gamefile.h"
#include "window/window.h"

using namespace skarpo;

namespace {

struct TableDialogs : ::testing::Test {
    QTemporaryDir dir;
    std::unique_ptr<Window> open() {
        auto w = std::make_unique<Window>(nullptr, dir.filePath(QStringLiteral("config/Skarpo.conf")),
                                          dir.filePath(QStringLiteral("state/game.txt")));
        w->exitProgram = [] {};
        w->timer1().stop();
        return w;
    }
};

}  // namespace

TEST_F(TableDialogs, TheLastTablesFieldsComeBackButNeverThePassword) {
    auto w = open();
    w->table().chooseSeats({Seat::Person, Seat::Person, Seat::Invited, Seat::Computer, Seat::Computer});
    {
        HostDialog host(*w);
        host.serverField().setText(QStringLiteral("skarpo.localhost"));
        host.addressField().setText(QStringLiteral("127.0.0.1:1"));  // nobody answers there
        host.passwordField().setText(QStringLiteral("hunter2"));
        host.nameField().setText(QStringLiteral("Anna"));
        host.goButton().click();
    }
    delete w->online();
    QFile kept(dir.filePath(QStringLiteral("config/tables.conf")));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_FALSE(kept.readAll().contains("hunter2"));
    JoinDialog join(*w);
    EXPECT_EQ(join.serverField().text(), QStringLiteral("skarpo.localhost"));
    EXPECT_EQ(join.addressField().text(), QStringLiteral("127.0.0.1:1"));
    EXPECT_EQ(join.nameField().text(), QStringLiteral("Anna"));
    EXPECT_TRUE(join.passwordField().text().isEmpty());
    // a link names its own server, over the one remembered
    join.codeField().setText(QStringLiteral("xmpp:k7q-3mx@conference.example.org?join"));
    join.goButton().click();
    EXPECT_EQ(join.serverField().text(), QStringLiteral("example.org"));
    delete w->online();
}

TEST_F(TableDialogs, PlayingOnIsOfferedOnlyWithATablesGameThatReads) {
    auto w = open();
    const QString table = w->tablePath();
    EXPECT_FALSE(HostDialog(*w).playOnBox().isEnabled());
    QFile broken(table);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("skarpo-game 1\nnot a game\n");
    broken.close();
    EXPECT_FALSE(HostDialog(*w).playOnBox().isEnabled());
    GameFile file(table);
    ASSERT_TRUE(file.take());
    ASSERT_TRUE(file.write(w->table().game(), {}));
    file.release();
    EXPECT_TRUE(HostDialog(*w).playOnBox().isEnabled());
}
