// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/platform/gamefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

namespace skarpo {

namespace {

constexpr qint64 largest = 64 * 1024;  // a saved game is a few hundred bytes

QString words(const char* text) { return QCoreApplication::translate("SavedGame", text); }

void sayLine(const QString& line) {
    std::fprintf(stderr, "skarpo: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

}  // namespace

GameFile::GameFile(QString path) : path_(std::move(path)), lock_(path_ + QStringLiteral(".lock")) {
    lock_.setStaleLockTime(0);  // held for the program's life: stale only when its program has gone
}

QString GameFile::standardPath() {
    // the XDG base directories: $XDG_STATE_HOME when it is an absolute path, else ~/.local/state
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state)) state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/skarpo/game.txt");
}

GameFile::Saved GameFile::refuse(Problem problem, const QString& line) {
    sayLine(line);
    return {std::nullopt, {}, problem};
}

bool GameFile::take() {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    if (!lock_.tryLock(0) && lock_.error() == QLockFile::LockFailedError) return false;
    keeps_ = true;  // where no lock can be made at all, the writes say why
    return true;
}

GameFile::Saved GameFile::read() {
    if (!take())
        return refuse(Problem::Taken, words(QT_TRANSLATE_NOOP("SavedGame",
                                                              "the game in %1 is kept by another "
                                                              "window of the game; this window's game "
                                                              "is not saved"))
                                          .arg(path_));
    const QFileInfo info(path_);
    if (!info.exists() && !info.isSymLink()) return {};
    auto broken = [&](const QString& why) {
        return refuse(Problem::Broken, words(QT_TRANSLATE_NOOP("SavedGame",
                                                               "the saved game in %1 cannot be used (%2); a new game "
                                                               "begins"))
                                           .arg(path_, why));
    };
    // never open what could block or never end (a pipe, a device), or is far too large
    if (!info.isFile()) return broken(QCoreApplication::translate("Settings", "not a regular file"));
    if (info.size() > largest) return broken(QCoreApplication::translate("Settings", "far too large"));
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) return broken(QCoreApplication::translate("Settings", "unreadable"));
    std::string text = file.read(largest).toStdString();
    // a table's lines after the game are the table's to read
    if (const std::size_t table = text.find("\ntable "); table != std::string::npos) text.resize(table + 1);
    if (const int version = versionOf(text); version > textVersion) {
        const QString aside = putAside(version);
        keeps_ = !aside.isEmpty();  // never written over
        return refuse(Problem::Newer, keeps_
                                          ? words(QT_TRANSLATE_NOOP("SavedGame",
                                                                    "the saved game in %1 is from a newer version of "
                                                                    "the game; it is kept as %2 and a new game "
                                                                    "begins"))
                                                .arg(path_, aside)
                                          : words(QT_TRANSLATE_NOOP("SavedGame",
                                                                    "the saved game in %1 is from a newer version of "
                                                                    "the game and is left as it is; a new game "
                                                                    "begins and is not saved"))
                                                .arg(path_));
    }
    ReadGame read = readGame(text);
    // the reader's reason is for the game's developers (the tests name it); the player is told what it means
    if (!read.error.empty())
        return broken(words(QT_TRANSLATE_NOOP("SavedGame", "not a game this version can take up")));
    return {read.game, std::move(read.news), Problem::None};
}

// A name of its own beside the file for a newer version's game, and the file moved there; empty when it cannot be.
QString GameFile::putAside(int version) {
    const QString aside = path_ + QStringLiteral(".version-%1").arg(version);
    for (int n = 0; n < 10; ++n) {
        const QString name = n == 0 ? aside : aside + QStringLiteral("-%1").arg(n);
        if (!QFileInfo::exists(name) && QFile::rename(path_, name)) return name;
    }
    return {};
}

void GameFile::release() {
    if (lock_.isLocked()) lock_.unlock();
    keeps_ = false;
}

bool GameFile::write(const Game& game, const std::vector<Happening>& news, const std::string& after) {
    if (!keeps_) return false;
    QSaveFile file(path_);
    bool written = false;
    if (!QFileInfo(path_).isDir() && file.open(QIODevice::WriteOnly)) {
        file.write(QByteArray::fromStdString(textOf(game, news) + after));
        written = file.commit();  // synced to the disk, then renamed over the last one
    }
    if (!written && !writeFailed_)
        sayLine(words(QT_TRANSLATE_NOOP("SavedGame", "the game cannot be saved in %1; it goes on without saving"))
                    .arg(path_));
    writeFailed_ = writeFailed_ || !written;
    writes_ += written;
    return written;
}

}  // namespace skarpo
