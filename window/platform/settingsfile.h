// SPDX-License-Identifier: GPL-3.0-or-later
// What the game remembers from one start to the next: the options (who plays
// each colour, how fast and how strong the computer plays), the window's
// size and whether it is maximised or full screen, and the tally. Kept with
// Qt's settings in the desktop's configuration folder, in one file written
// whole or not at all. A file that cannot be used gives the defaults and one
// line on the standard error; a file that cannot be written is left as it is.
#pragma once

#include <QSize>
#include <QString>

#include "core/game/game.h"
#include "window/dialogs/tally.h"

namespace skarpo {

struct Remembered {
    Options options;
    QSize size;  // the window's size when neither maximised nor full screen;
                 // invalid: the window's own
    bool maximised = false;
    bool fullScreen = false;
    Tally tally;
    bool operator==(const Remembered&) const = default;
};

class SettingsFile {
public:
    // The file at `path`; standardPath() is the game's own.
    explicit SettingsFile(QString path);
    static QString standardPath();
    const QString& path() const { return path_; }

    // What the file holds, or the defaults (and one line on the standard
    // error) when it is unreadable, not a regular file, too large,
    // incomplete, of another version or holds a value out of place. No file
    // at all gives the defaults without a word.
    Remembered read();
    // Why the last read() gave the defaults; empty when it did not.
    const QString& problem() const { return problem_; }
    // Whether the file holds what the last read() gave or the last write() wrote.
    bool current() const { return current_; }

    // Writes `r`, its tally counts added to what the file holds then (so that
    // two windows both add theirs), or put in their place when `replaceTally`.
    // Returns the tally as it now stands. A file that cannot be written is
    // left alone; the first time, one line on the standard error says so.
    Tally write(const Remembered& r, const Tally& added, bool replaceTally);

    static constexpr int version = 1;

private:
    QString path_;
    QString problem_;
    bool writeFailed_ = false;
    bool current_ = false;
};

}  // namespace skarpo
