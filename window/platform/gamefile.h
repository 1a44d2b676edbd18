// SPDX-License-Identifier: GPL-3.0-or-later
// The game in progress, kept between starts in one file in the user's state folder ($XDG_STATE_HOME/skarpo/game.txt,
// ~/.local/state/skarpo/game.txt by default): the game's text form with the news its status line shows, written
// whole or not at all (QSaveFile). One program keeps it at a time: it holds a lock beside the file from its start to
// its end, and a second program started meanwhile writes nothing. A file that cannot be used gives nothing, one
// line on the standard error and a reason for the status line; one written by a newer version is first put aside
// under a name of its own, never written over.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "core/game/game.h"

namespace skarpo {

class GameFile {
public:
    // The file at `path`; standardPath() is the game's own.
    explicit GameFile(QString path);
    static QString standardPath();
    const QString& path() const { return path_; }

    enum class Problem { None, Broken, Newer, Taken };
    struct Saved {
        std::optional<Game> game;  // nothing: no game to take up
        std::vector<Happening> news;
        Problem problem = Problem::None;
    };
    // Takes the file for this program without reading it: false when another program keeps it.
    bool take();
    // Takes the file for this program and reads it. No file at all gives nothing, and not a word.
    Saved read();

    // Writes the game and its news, and lines of the caller's after them (a table's seat secret), when this program
    // keeps the file; false when it was not written (the first failure says so on the standard error).
    bool write(const Game& game, const std::vector<Happening>& news, const std::string& after = {});
    // Lets the file go, as the program ends: nothing more is written, and the lock beside it is gone.
    void release();
    // How many times the file was written.
    long writes() const { return writes_; }

private:
    Saved refuse(Problem problem, const QString& line);
    QString putAside(int version);

    QString path_;
    QLockFile lock_;
    bool keeps_ = false;  // the lock is this program's, and no newer version's file is in the way
    bool writeFailed_ = false;
    long writes_ = 0;
};

}  // namespace skarpo
