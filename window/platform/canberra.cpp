// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's alert sound through libcanberra: the event "bell" of the
// desktop's sound theme, mixed by its sound server.
#include <canberra.h>

#include "window/platform/alertsound.h"

namespace skarpo {

namespace {

class CanberraPlayer : public AlertSound::Player {
public:
    explicit CanberraPlayer(ca_context* context) : context_(context) {}
    ~CanberraPlayer() override { ca_context_destroy(context_); }
    CanberraPlayer(const CanberraPlayer&) = delete;
    CanberraPlayer& operator=(const CanberraPlayer&) = delete;

    bool play() override {
        return ca_context_play(context_, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                               "A counter is captured", static_cast<const char*>(nullptr)) == CA_SUCCESS;
    }

private:
    ca_context* context_;
};

}  // namespace

std::unique_ptr<AlertSound::Player> AlertSound::openDesktop() {
    ca_context* context = nullptr;
    if (ca_context_create(&context) != CA_SUCCESS) return nullptr;
    // Only through a sound server: straight to the sound card there is
    // nothing to mix with, and the card's library reports a missing card on
    // the terminal.
    const bool open = ca_context_set_driver(context, "pulse") == CA_SUCCESS &&
                      ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Skarpo", CA_PROP_APPLICATION_ID,
                                              SKARPO_APP_ID, CA_PROP_APPLICATION_ICON_NAME, SKARPO_APP_ID,
                                              static_cast<const char*>(nullptr)) == CA_SUCCESS &&
                      ca_context_open(context) == CA_SUCCESS;
    if (!open) {
        ca_context_destroy(context);
        return nullptr;
    }
    return std::make_unique<CanberraPlayer>(context);
}

}  // namespace skarpo
