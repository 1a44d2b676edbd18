// SPDX-License-Identifier: GPL-3.0-or-later
// The game's voice: its own connection to the desktop's speech service (speech-dispatcher), the one a screen reader
// speaks through. Its texts have the service's "message" priority, as the screen reader's have: neither cuts the
// other, and the service speaks them one after the other. When the player acts the game ends its own text, and only
// its own (the service cancels the texts of this connection alone; the screen reader's go on). The connection is
// made on a thread of its own, for the service may first have to be started: the window never waits for it.
#pragma once

#include <QObject>
#include <QString>
#include <QThread>

class QLocale;

namespace skarpo {

class Voice : public QObject {
    Q_OBJECT
public:
    explicit Voice(const QLocale& locale, QObject* parent = nullptr);
    ~Voice() override;

    // Whether it is connected, or has failed (no speech service, or none any more).
    bool connected() const { return state_ == State::Connected; }
    bool failed() const { return state_ == State::Failed; }
    // Gives `text` to the service at once, to be said after the texts before it (the game's and the screen
    // reader's): the words keep the order in which things happened.
    void say(const QString& text);
    // How many of the texts given are not yet said (nor cut), and how many have not even begun to sound.
    int unsaid() const { return unsaid_; }
    int unbegun() const { return unbegun_; }
    // Ends the game's texts being said and waiting; the screen reader's are not touched.
    void stop();

signals:
    // Connected, a text begun, said or cut, or failed.
    void changed();

private:
    enum class State { Connecting, Connected, Failed };

    QThread thread_;
    QObject* home_ = nullptr;  // lives on the thread: the connection is made, used and closed there
    State state_ = State::Connecting;
    int unsaid_ = 0, unbegun_ = 0;
};

}  // namespace skarpo
