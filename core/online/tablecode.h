// SPDX-License-Identifier: GPL-3.0-or-later
// A table's short code, such as K7Q-3MX: six of 31 letters and digits that cannot be mistaken for one another (no
// 0, O, 1, I or L), about 30 bits. It names the table's room on the server's group-chat service, and a link
// xmpp:k7q-3mx@service?join carries both.
#pragma once

#include <string>
#include <string_view>

#include "core/online/dice.h"

namespace skarpo::online {

std::string tableCodeOf(const Digest& random);

struct TableAddress {
    std::string code;          // K7Q-3MX; empty when the text is neither a code nor a link
    std::string service;       // the group-chat service, from a link; empty for a code alone
    std::string room() const;  // the room's name on the service: k7q-3mx
};
// A code, typed loosely (any case, with or without the dash, spaces round it), or a link.
TableAddress tableAddressOf(std::string_view text);
std::string linkOf(const std::string& code, const std::string& service);

}  // namespace skarpo::online
