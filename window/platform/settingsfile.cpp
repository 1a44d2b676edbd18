// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/platform/settingsfile.h"

#include <sys/file.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QThread>
#include <array>
#include <cerrno>
#include <cstdio>
#include <optional>

namespace skarpo {

namespace {

// the words stored for each choice, in the order of its enum
constexpr std::array<const char*, 3> seatWords{"person", "computer", "invited"};
constexpr std::array<const char*, 3> speedWords{"normal", "fast", "fastest"};
constexpr std::array<const char*, 3> strengthWords{"easy", "normal", "strong"};
constexpr std::array<const char*, 5> colourKeys{"", "red", "cyan", "magenta", "green"};
constexpr qint64 largest = 64 * 1024;                    // a settings file is a few hundred bytes
constexpr qulonglong countLimit = 1'000'000'000'000ULL;  // more than any tally reaches

QString faceKey(int f) { return QStringLiteral("statistics/face%1").arg(f); }
QString homeKey(int p) { return QStringLiteral("statistics/%1").arg(QLatin1String(colourKeys[p])); }

template <std::size_t N>
std::optional<int> wordOf(const QSettings& s, const QString& key, const std::array<const char*, N>& words) {
    const QVariant v = s.value(key);
    if (v.typeId() != QMetaType::QString) return std::nullopt;
    for (std::size_t i = 0; i < N; ++i)
        if (v.toString() == QLatin1String(words[i])) return static_cast<int>(i);
    return std::nullopt;
}

std::optional<qulonglong> numberOf(const QSettings& s, const QString& key, qulonglong low, qulonglong high) {
    const QVariant v = s.value(key);
    if (v.typeId() != QMetaType::QString) return std::nullopt;
    bool ok = false;
    const qulonglong n = v.toString().toULongLong(&ok);
    if (!ok || n < low || n > high) return std::nullopt;
    return n;
}

std::optional<bool> flagOf(const QSettings& s, const QString& key) {
    const QVariant v = s.value(key);
    if (v.typeId() != QMetaType::QString) return std::nullopt;
    if (v.toString() == QLatin1String("true")) return true;
    if (v.toString() == QLatin1String("false")) return false;
    return std::nullopt;
}

// The tally the file holds, if it holds a whole one.
std::optional<Tally> tallyOf(const QSettings& s) {
    Tally t;
    for (int p = 1; p <= 4; ++p) {
        const auto n = numberOf(s, homeKey(p), 0, countLimit);
        if (!n) return std::nullopt;
        t.allHome[p] = *n;
    }
    for (int f = 1; f <= 6; ++f) {
        const auto n = numberOf(s, faceKey(f), 0, countLimit);
        if (!n) return std::nullopt;
        t.faces[f] = *n;
    }
    return t;
}

// The counts the file holds now, read afresh. A program keeps what QSettings
// read of a file and reads it again only when the file's time or size changed,
// which another window's write in the same moment can leave as they were; a
// copy under a name of its own is read anew.
bool copyOf(const QString& path, QTemporaryFile& copy) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !copy.open()) return false;
    copy.write(file.readAll());
    copy.close();
    return true;
}

std::optional<Tally> countsNow(const QString& path) {
    QTemporaryFile copy;
    if (!copyOf(path, copy)) return std::nullopt;
    return tallyOf(QSettings(copy.fileName(), QSettings::IniFormat));
}

// One window at a time reads the counts and writes them back added to: a lock the kernel keeps on a file beside the
// settings, taken if it can be within `ms` (asked again every 5 ms; another window holds it only while it writes, a
// few milliseconds) and let go when the lock goes, or when its program ends in any way. Unlike a lock file of Qt's,
// taking it writes nothing to the disk and waits for no flush of it: on a busy disk each such flush took a few
// hundred milliseconds, and a window being closed waited for them.
class WriteLock {
public:
    WriteLock(const QString& path, int ms) : file_(path) {
        if (!file_.open(QIODevice::ReadWrite)) return;
        const QDeadlineTimer deadline(ms);
        while (::flock(file_.handle(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK && !deadline.hasExpired())
            QThread::msleep(5);
    }
    // closing the file lets the lock go
    ~WriteLock() = default;

private:
    QFile file_;
};

QString line(const char* key, const QString& value) {
    return QLatin1String(key) + QLatin1Char('=') + value + QLatin1Char('\n');
}
QString line(const QString& key, const QString& value) { return key + QLatin1Char('=') + value + QLatin1Char('\n'); }

// The file's text as Qt's settings read it: sections in brackets, a key and its value a line. Every key and value is
// a plain word or number, which the format keeps as it is.
QByteArray textOf(const Remembered& r, const Tally& t) {
    QString text = QStringLiteral("[General]\n") + line("version", QString::number(SettingsFile::version));
    text += QStringLiteral("\n[computer]\n") +
            line("speed", QLatin1String(speedWords[static_cast<std::size_t>(r.options.speed)])) +
            line("strength", QLatin1String(strengthWords[static_cast<std::size_t>(r.options.strength)]));
    text += QStringLiteral("\n[players]\n");
    for (int p = 1; p <= 4; ++p)
        text +=
            line(QLatin1String(colourKeys[p]), QLatin1String(seatWords[static_cast<std::size_t>(r.options.seats[p])]));
    text += QStringLiteral("\n[statistics]\n");
    for (int p = 1; p <= 4; ++p) text += line(QLatin1String(colourKeys[p]), QString::number(t.allHome[p]));
    for (int f = 1; f <= 6; ++f) text += line(QStringLiteral("face%1").arg(f), QString::number(t.faces[f]));
    text += QStringLiteral("\n[window]\n") + line("fullScreen", QLatin1String(r.fullScreen ? "true" : "false")) +
            line("height", QString::number(r.size.isValid() ? r.size.height() : 0)) +
            line("maximised", QLatin1String(r.maximised ? "true" : "false")) +
            line("width", QString::number(r.size.isValid() ? r.size.width() : 0));
    return text.toUtf8();
}

void tell(const QString& line) { std::fprintf(stderr, "skarpo: %s\n", line.toLocal8Bit().constData()); }

}  // namespace

SettingsFile::SettingsFile(QString path) : path_(std::move(path)) {}

QString SettingsFile::standardPath() {
    // ~/.config/skarpo/Skarpo.conf, as QSettings names it for the organisation
    // and application
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/skarpo/Skarpo.conf");
}

Remembered SettingsFile::read() {
    problem_.clear();
    current_ = false;
    const Remembered defaults;
    const QFileInfo info(path_);
    if (!info.exists() && !info.isSymLink()) return defaults;

    auto fail = [&](const QString& why) {
        problem_ = why;
        tell(QCoreApplication::translate("Settings",
                                         "the settings in %1 cannot be used (%2); "
                                         "the game starts with its defaults")
                 .arg(path_, why));
        return defaults;
    };
    // never open what could block or never end (a pipe, a device) or is far too
    // large
    if (!info.isFile()) return fail(QCoreApplication::translate("Settings", "not a regular file"));
    if (info.size() > largest) return fail(QCoreApplication::translate("Settings", "far too large"));
    // read afresh, as countsNow does
    QTemporaryFile copy;
    if (!copyOf(path_, copy)) return fail(QCoreApplication::translate("Settings", "unreadable"));
    QSettings s(copy.fileName(), QSettings::IniFormat);
    if (s.status() != QSettings::NoError) return fail(QCoreApplication::translate("Settings", "not a settings file"));
    const auto v = numberOf(s, QStringLiteral("version"), 0, countLimit);
    if (!v) return fail(QCoreApplication::translate("Settings", "not a settings file"));
    if (*v != version) return fail(QCoreApplication::translate("Settings", "of another version"));

    Remembered r;
    for (int p = 1; p <= 4; ++p) {
        const auto seat = wordOf(s, QStringLiteral("players/%1").arg(QLatin1String(colourKeys[p])), seatWords);
        if (!seat) return fail(QCoreApplication::translate("Settings", "incomplete or out of place"));
        r.options.seats[p] = static_cast<Seat>(*seat);
    }
    const auto speed = wordOf(s, QStringLiteral("computer/speed"), speedWords);
    const auto strength = wordOf(s, QStringLiteral("computer/strength"), strengthWords);
    const auto width = numberOf(s, QStringLiteral("window/width"), 0, 100000);
    const auto height = numberOf(s, QStringLiteral("window/height"), 0, 100000);
    const auto maximised = flagOf(s, QStringLiteral("window/maximised"));
    const auto fullScreen = flagOf(s, QStringLiteral("window/fullScreen"));
    const auto tally = tallyOf(s);
    if (!speed || !strength || !width || !height || !maximised || !fullScreen || !tally)
        return fail(QCoreApplication::translate("Settings", "incomplete or out of place"));
    r.options.speed = static_cast<Speed>(*speed);
    r.options.strength = static_cast<Strength>(*strength);
    // 0 by 0: the window's own size
    if (*width > 0 && *height > 0) r.size = QSize(static_cast<int>(*width), static_cast<int>(*height));
    r.maximised = *maximised;
    r.fullScreen = *fullScreen;
    r.tally = *tally;
    current_ = true;
    return r;
}

Tally SettingsFile::write(const Remembered& r, const Tally& added, bool replaceTally) {
    auto failed = [&] {
        if (!writeFailed_)
            tell(QCoreApplication::translate("Settings",
                                             "the settings cannot be saved in %1; "
                                             "the game goes on without saving them")
                     .arg(path_));
        writeFailed_ = true;
        current_ = false;
    };
    // something other than a file in its place (a folder, a pipe) is left alone
    const QFileInfo info(path_);
    if ((info.exists() || info.isSymLink()) && !info.isFile()) {
        failed();
        return r.tally;
    }
    QDir().mkpath(info.absolutePath());
    // where no lock can be made (a folder that cannot be written) the write
    // fails anyway; a window that waits longer than ten seconds, on a machine
    // far too busy, writes all the same: a count lost is better than a game
    // that hangs
    const WriteLock lock(path_ + QStringLiteral(".write-lock"), 10000);
    Tally t = r.tally;
    if (!replaceTally) {
        // the counts in the file now, plus ours since the last write
        t = countsNow(path_).value_or(Tally{});
        for (int p = 1; p <= 4; ++p) t.allHome[p] += added.allHome[p];
        for (int f = 1; f <= 6; ++f) t.faces[f] += added.faces[f];
    }
    // written whole under another name and renamed into place, flushed to the disk once
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(textOf(r, t)) < 0 || !file.commit())
        failed();
    else
        current_ = true;
    return t;
}

}  // namespace skarpo
