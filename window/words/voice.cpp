// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/words/voice.h"

#include <QLocale>
#include <QTextToSpeech>

namespace skarpo {

Voice::Voice(const QLocale& locale, QObject* parent) : QObject(parent) {
    home_ = new QObject;
    home_->moveToThread(&thread_);
    thread_.start();
    QMetaObject::invokeMethod(home_, [this, locale] {
        auto* engine = new QTextToSpeech(QStringLiteral("speechd"), home_);
        engine->setObjectName(QStringLiteral("engine"));
        engine->setLocale(locale);
        auto tell = [this](QTextToSpeech::State s) {
            const State now = s == QTextToSpeech::Ready   ? State::Ready
                              : s == QTextToSpeech::Error ? State::Failed
                                                          : State::Busy;
            QMetaObject::invokeMethod(this, [this, now] { told(now); });
        };
        connect(engine, &QTextToSpeech::stateChanged, home_, tell);
        tell(engine->state());
    });
}

Voice::~Voice() {
    QMetaObject::invokeMethod(
        home_, [this] { delete home_; }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

void Voice::say(const QString& text) {
    state_ = State::Busy;
    QMetaObject::invokeMethod(home_, [this, text] {
        if (auto* engine = home_->findChild<QTextToSpeech*>(QStringLiteral("engine"))) engine->say(text);
    });
}

void Voice::told(State state) {
    state_ = state;
    emit changed();
}

}  // namespace skarpo
