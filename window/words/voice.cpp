// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/words/voice.h"

#include <libspeechd.h>

#include <QLocale>
#include <QMutex>
#include <algorithm>
#include <functional>
#include <map>
#include <vector>

namespace skarpo {

namespace {

// The service's events come on its library's own thread, with no word of the connection they belong to: the one
// connection open at a time is where they go.
class Connection;
QMutex eventsLock;
Connection* listener = nullptr;  // told of every text begun, ended or cut
void textEvent(std::size_t message, std::size_t, SPDNotificationType type);

// The connection, on the voice's thread.
class Connection : public QObject {
public:
    // What `tell` is told, on the voice's thread: the connection made or failed, a text begun, a text ended or cut
    // (before it began, for EndedUnbegun).
    enum class Event { Connected, Failed, Begun, Ended, EndedUnbegun };
    explicit Connection(std::function<void(Event)> tell) : tell_(std::move(tell)) {}
    ~Connection() override {
        {
            const QMutexLocker lock(&eventsLock);
            listener = nullptr;
        }
        if (spd_) spd_close(spd_);
    }
    void open(const QLocale& locale) {
        char* error = nullptr;
        spd_ = spd_open2("skarpo", "game", nullptr, SPD_MODE_THREADED, nullptr, 1, &error);
        free(error);
        if (!spd_) return tell_(Event::Failed);
        spd_->callback_begin = spd_->callback_end = spd_->callback_cancel = textEvent;
        spd_set_notification_on(spd_, SPD_BEGIN);
        spd_set_notification_on(spd_, SPD_END);
        spd_set_notification_on(spd_, SPD_CANCEL);
        spd_set_language(spd_, locale.bcp47Name().toUtf8().constData());
        {
            const QMutexLocker lock(&eventsLock);
            listener = this;
        }
        tell_(Event::Connected);
    }
    void say(const QString& text) {
        const int said = spd_ ? spd_say(spd_, SPD_MESSAGE, text.toUtf8().constData()) : -1;
        if (said < 0) return tell_(Event::Failed);
        const auto message = static_cast<std::size_t>(said);
        unsaid_[message] = false;
        // what the service told of the text before it answered with its number
        for (auto it = early_.begin(); it != early_.end();) {
            if (it->first == message) {
                heard(message, it->second);
                it = early_.erase(it);
            } else {
                ++it;
            }
        }
    }
    void stop() {
        if (spd_ && !unsaid_.empty()) spd_cancel(spd_);
    }
    void heard(std::size_t message, SPDNotificationType type) {
        const auto it = unsaid_.find(message);
        if (it == unsaid_.end()) {
            if (early_.size() < 64) early_.emplace_back(message, type);
            return;
        }
        if (type == SPD_EVENT_BEGIN) {
            if (!it->second) it->second = true, tell_(Event::Begun);
            return;
        }
        tell_(it->second ? Event::Ended : Event::EndedUnbegun);
        unsaid_.erase(it);
    }

private:
    std::function<void(Event)> tell_;
    SPDConnection* spd_ = nullptr;
    std::map<std::size_t, bool> unsaid_;  // the texts given and not yet said, and whether each has begun
    std::vector<std::pair<std::size_t, SPDNotificationType>> early_;  // told before their text's number came
};

void textEvent(std::size_t message, std::size_t, SPDNotificationType type) {
    const QMutexLocker lock(&eventsLock);
    if (Connection* c = listener) QMetaObject::invokeMethod(c, [c, message, type] { c->heard(message, type); });
}

}  // namespace

Voice::Voice(const QLocale& locale, QObject* parent) : QObject(parent) {
    auto* connection = new Connection([this](Connection::Event event) {
        QMetaObject::invokeMethod(this, [this, event] {
            using Event = Connection::Event;
            if (event == Event::Begun || event == Event::EndedUnbegun) unbegun_ = std::max(0, unbegun_ - 1);
            if (event == Event::Ended || event == Event::EndedUnbegun) unsaid_ = std::max(0, unsaid_ - 1);
            if (event == Event::Connected || event == Event::Failed)
                state_ = event == Event::Connected ? State::Connected : State::Failed;
            emit changed();
        });
    });
    home_ = connection;
    home_->moveToThread(&thread_);
    thread_.start();
    QMetaObject::invokeMethod(home_, [connection, locale] { connection->open(locale); });
}

Voice::~Voice() {
    QMetaObject::invokeMethod(
        home_, [this] { delete home_; }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

void Voice::say(const QString& text) {
    ++unsaid_, ++unbegun_;
    auto* connection = static_cast<Connection*>(home_);
    QMetaObject::invokeMethod(home_, [connection, text] { connection->say(text); });
}

void Voice::stop() {
    auto* connection = static_cast<Connection*>(home_);
    QMetaObject::invokeMethod(home_, [connection] { connection->stop(); });
}

}  // namespace skarpo
