// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/platform/sessionend.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <iterator>
#include <utility>

namespace skarpo {

namespace {

int writeEnd = -1;  // the pipe's end that the signal handler writes to
struct sigaction before[std::size(SessionEnd::endingSignals)];

void onSignal(int signal) {
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    // a full pipe already holds a signal that ends the game
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &number, 1);
    errno = saved;
}

}  // namespace

SessionEnd::SessionEnd(std::function<void(int)> end) : end_(std::move(end)) {
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;  // the game then ends as the signals' defaults do
    writeEnd = pipe_[1];
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SessionEnd::read);

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(endingSignals); ++i) sigaction(endingSignals[i], &action, &before[i]);
}

SessionEnd::~SessionEnd() {
    if (notifier_ == nullptr) return;
    for (std::size_t i = 0; i < std::size(endingSignals); ++i) sigaction(endingSignals[i], &before[i], nullptr);
    writeEnd = -1;
    delete notifier_;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void SessionEnd::read() {
    unsigned char number = 0;
    if (::read(pipe_[0], &number, 1) == 1) end_(number);
}

}  // namespace skarpo
