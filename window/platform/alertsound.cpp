// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/platform/alertsound.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <utility>

namespace skarpo {

AlertSound::AlertSound(Opener open, std::function<void()> fallback)
    : open_(std::move(open)), fallback_(std::move(fallback)) {}

AlertSound::~AlertSound() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable()) thread_.join();
}

void AlertSound::ring() {
    if (failed_) {
        fallback_();
        return;
    }
    {
        std::lock_guard lock(mutex_);
        ++pending_;
        if (!thread_.joinable()) thread_ = std::thread(&AlertSound::run, this);
    }
    wake_.notify_one();
}

void AlertSound::run() {
    std::unique_ptr<Player> player = open_();
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stop_ || pending_ > 0; });
        if (stop_) break;
        int rings = std::exchange(pending_, 0);
        lock.unlock();
        for (; rings > 0; --rings) {
            if (player && player->play()) continue;
            player.reset();
            failed_ = true;
            // this ring still sounds, the way every later one will
            if (QCoreApplication* app = QCoreApplication::instance())
                QMetaObject::invokeMethod(app, fallback_, Qt::QueuedConnection);
        }
        lock.lock();
    }
    lock.unlock();
    player.reset();  // closed on the thread that opened it
}

#ifndef SKARPO_CANBERRA
std::unique_ptr<AlertSound::Player> AlertSound::openDesktop() { return nullptr; }
#endif

}  // namespace skarpo
