// SPDX-License-Identifier: GPL-3.0-or-later
// What the window remembers: options, size and state and the tally, read from a file as the game writes it and back
// at the next start; broken files of every kind giving the defaults and one line on the standard error; a folder that
// cannot be written; two writers at once; the Statistics dialog.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "tests/window/live.h"
#include "window/dialogs/statistics.h"

using namespace skarpo;
using skarpo::test::settle;

namespace {

// A good file as the game writes it.
const char* const good =
    "[General]\nversion=1\n\n[computer]\nspeed=fast\nstrength=strong\n\n[players]\ncyan=computer\ngreen=person\n"
    "magenta=computer\nred=person\n\n[statistics]\ncyan=2\nface1=10\nface2=11\nface3=9\nface4=12\nface5=8\nface6=10\n"
    "green=1\nmagenta=0\nred=3\n\n[window]\nfullScreen=false\nheight=800\nmaximised=false\nwidth=700\n";

// What the standard error receives while `f` runs.
std::string stderrOf(const std::function<void()>& f) {
    testing::internal::CaptureStderr();
    f();
    return testing::internal::GetCapturedStderr();
}

struct Settings : ::testing::Test {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("skarpo/Skarpo.conf"));
    void put(const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
};

// Every kind of file the game cannot use: the defaults and exactly one line on
// the standard error, and the window starts with them and writes a good file
// over them.
TEST_F(Settings, BrokenFilesGiveTheDefaultsAndOneLine) {
    const QByteArray g(good);
    QByteArray random(3000, '\0');
    for (int i = 0; i < random.size(); ++i) random[i] = static_cast<char>((i * 7919 + 13) % 251);
    const std::vector<std::pair<const char*, std::function<void()>>> kinds = {
        {"empty", [&] { put(""); }},
        {"cut in a key", [&] { put(g.left(g.indexOf("strength") + 4)); }},
        {"cut in a number", [&] { put(g.left(g.indexOf("face3=") + 5)); }},
        {"random bytes", [&] { put(random); }},
        {"a newer version", [&] { put(QByteArray(g).replace("version=1", "version=2")); }},
        {"no version", [&] { put(QByteArray(g).replace("version=1", "")); }},
        {"an unknown strength", [&] { put(QByteArray(g).replace("strength=strong", "strength=mighty")); }},
        {"an unknown seat", [&] { put(QByteArray(g).replace("cyan=computer", "cyan=dog")); }},
        {"a negative width", [&] { put(QByteArray(g).replace("width=700", "width=-700")); }},
        {"a vast count", [&] { put(QByteArray(g).replace("face1=10", "face1=99999999999999999999999")); }},
        {"a flag that is no flag", [&] { put(QByteArray(g).replace("maximised=false", "maximised=perhaps")); }},
        {"far too large", [&] { put(g + QByteArray(100 * 1024, '#')); }},
        {"a folder in its place", [&] { QDir().mkpath(path); }},
        {"a pipe in its place", [&] { ASSERT_EQ(mkfifo(path.toLocal8Bit(), 0600), 0); }},
        {"a link to itself", [&] { QFile::link(path, path); }},
    };
    int k = 0;
    for (const auto& [name, make] : kinds) {
        SCOPED_TRACE(name);
        // Each kind in a folder of its own. QSettings keeps what it read or wrote of a file and reads it again only
        // if its size or time changed: a file of the same size put in the last one's place within the file system's
        // tick (as on a busy machine) would be taken for the one the last window wrote.
        path = dir.filePath(QStringLiteral("%1/skarpo/Skarpo.conf").arg(++k));
        QDir().mkpath(QFileInfo(path).path());
        make();
        std::unique_ptr<Window> window;
        const std::string said = stderrOf([&] { window = std::make_unique<Window>(nullptr, path); });
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find(path.toStdString()), std::string::npos) << said;
        EXPECT_EQ(window->table().game().options, Options{});
        EXPECT_EQ(window->tally(), Tally{});
        EXPECT_TRUE(window->strengthAction(Strength::Normal).isChecked());
        window->exitProgram = [] {};
        window->endProgram();  // writes a good file where it can
        const QFileInfo info(path);
        if (info.isFile() && !info.isSymLink()) {
            SettingsFile again(path);
            EXPECT_EQ(again.read(), window->remembered());
            EXPECT_TRUE(again.problem().isEmpty());
        }
    }
}

// No file: the defaults, and not a word. A folder where nothing can be written: the game goes on, one line at most
// on the standard error, however often it tries.
TEST_F(Settings, NoFileOrNoWayToWriteOneIsNoError) {
    std::unique_ptr<Window> window;
    EXPECT_EQ(stderrOf([&] { window = std::make_unique<Window>(nullptr, path); }), "");
    EXPECT_EQ(window->table().game().options, Options{});
    const std::string said = stderrOf([&] {
        window = std::make_unique<Window>(nullptr, QStringLiteral("/proc/self/skarpo-settings/Skarpo.conf"));
        window->exitProgram = [] {};
        window->strengthAction(Strength::Strong).trigger();
        window->strengthAction(Strength::Easy).trigger();
        window->endProgram();
    });
    EXPECT_LE(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(window->table().game().options.strength, Strength::Easy);
}

// The window starts from a file as the game writes it and remembers the strength chosen (written at once), its size
// and state, and the tally (here a celebration of red's and the throws after it), from one start to the next; Auto
// and Sound start off.
TEST_F(Settings, TheWindowRemembersAcrossStarts) {
    put(good);
    QSize size;
    Tally tally;
    {
        Window w(nullptr, path);
        const Options& options = w.table().game().options;
        EXPECT_TRUE(options.strength == Strength::Strong && options.speed == Speed::Fast && options.person(4) &&
                    !options.person(2));
        EXPECT_EQ(w.tally().allHome, (std::array<std::uint64_t, 5>{0, 3, 2, 0, 1}));
        EXPECT_EQ(w.tally().throws(), 60u);
        w.exitProgram = [] {};
        w.timer1().stop();
        w.showAsRemembered();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        size = w.size();
        EXPECT_EQ(size.width(), 700);
        w.strengthAction(Strength::Easy).trigger();
        EXPECT_EQ(SettingsFile(path).read().options.strength, Strength::Easy);
        w.autoAction().trigger();
        w.soundAction().trigger();
        w.autoAction().trigger();
        Position at = Position::fresh();
        test::place(at, 1, {}, {5}, 3);
        Game g = test::thrownOn(at, 1, 2);
        g.options = options;
        w.table().takeUp(g);
        w.table().click({Family::Home, 4});
        settle(w);
        tally = w.tally();
        EXPECT_TRUE(tally.allHome[1] == 4 && tally.throws() > 60);
        w.endProgram();
        // closed again with nothing new, the window leaves the file as it is: a close waits for no disk
        struct stat before {
        }, after{};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &before), 0);
        w.endProgram();
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &after), 0);
        EXPECT_EQ(before.st_ino, after.st_ino);
    }
    Window w(nullptr, path);
    EXPECT_EQ(w.table().game().options.strength, Strength::Easy);
    EXPECT_TRUE(w.strengthAction(Strength::Easy).isChecked());
    EXPECT_FALSE(w.table().game().autoplay || w.table().game().sound);
    EXPECT_EQ(w.tally(), tally);
    w.showAsRemembered();
    EXPECT_EQ(w.size(), size);
}

// Two programs writing the same file over and over at once: a good file at the
// end, every count added.
TEST_F(Settings, TwoWritersAtOnce) {
    if (const QByteArray writer = qgetenv("SKARPO_SETTINGS_WRITER"); !writer.isEmpty()) {
        SettingsFile file(QString::fromLocal8Bit(writer));
        Tally one;
        one.allHome[1] = 1;
        for (int i = 0; i < 40; ++i) file.write(Remembered{}, one, false);
        return;
    }
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int i = 0; i < 2; ++i) {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("SKARPO_SETTINGS_WRITER"), path);
        p->setProcessEnvironment(env);
        p->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=Settings.TwoWritersAtOnce")});
        writers.push_back(std::move(p));
    }
    for (auto& p : writers) {
        ASSERT_TRUE(p->waitForFinished(60000));
        EXPECT_EQ(p->exitCode(), 0);
    }
    SettingsFile file(path);
    EXPECT_EQ(file.read().tally.allHome[1], 80u);
    EXPECT_TRUE(file.problem().isEmpty());
}

// The Statistics dialog: the counts, the verdict in words, Reset.
TEST_F(Settings, StatisticsShowAndReset) {
    Tally even;
    for (int f = 1; f <= 6; ++f) even.faces[static_cast<std::size_t>(f)] = 100;
    even.allHome[2] = 1;
    SettingsFile(path).write(Remembered{}, even, false);
    Window w(nullptr, path);
    w.exitProgram = [] {};
    w.timer1().stop();
    w.show();
    w.statisticsAction().trigger();
    StatisticsDialog* d = w.statisticsDialog();
    ASSERT_TRUE(d && d->isVisible());
    EXPECT_NE(d->verdict().indexOf(QStringLiteral("As fair as a real die: p\u00a0=\u00a01.")), -1)
        << d->verdict().toStdString();
    EXPECT_EQ(w.tally().allHome[2], 1u);
    // the question before the reset, answered Reset
    QTimer::singleShot(100, [] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(top)) box->button(QMessageBox::Reset)->click();
    });
    d->resetButton().click();
    EXPECT_EQ(w.tally(), Tally{});
    EXPECT_EQ(SettingsFile(path).read().tally, Tally{});
    EXPECT_NE(d->verdict().indexOf(QStringLiteral("Too few")), -1);
    w.endProgram();
}

}  // namespace
