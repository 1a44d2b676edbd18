// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's speech service as the game's voice, made and spoken through on a thread of its own. Making it asks
// the service for every voice it has, which takes seconds with eSpeak NG's hundreds of voices: the window must not
// wait for that, above all at its start, when a player with a screen reader waits for the board.
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

    // Whether it is ready for a text (made, and quiet), or has failed (no speech service, or none any more).
    bool ready() const { return state_ == State::Ready; }
    bool failed() const { return state_ == State::Failed; }
    // Says `text`; busy until the service says it is done.
    void say(const QString& text);

signals:
    // Ready, busy or failed, as the service has just said.
    void changed();

private:
    enum class State { Busy, Ready, Failed };
    void told(State state);

    QThread thread_;
    QObject* home_ = nullptr;  // lives on the thread: the speech service is made, used and deleted there
    State state_ = State::Busy;
};

}  // namespace skarpo
