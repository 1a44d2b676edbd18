// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/online/tablecode.h"

#include <cctype>

namespace skarpo::online {

namespace {
constexpr std::string_view alphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

// The code in six characters of the alphabet, an optional dash after the third; empty otherwise.
std::string codeOf(std::string_view text) {
    std::string letters;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
        if (c == '-' && i == 3 && letters.size() == 3) continue;
        if (alphabet.find(c) == std::string_view::npos || letters.size() == 6) return {};
        letters += c;
    }
    return letters.size() == 6 ? letters.substr(0, 3) + "-" + letters.substr(3) : std::string();
}
}  // namespace

std::string tableCodeOf(const Digest& random) {
    std::string letters;
    for (std::size_t i = 0; letters.size() < 6 && i < random.size(); ++i)
        if (random[i] < 248) letters += alphabet[random[i] % alphabet.size()];  // 248 = 8 * 31: each as likely
    while (letters.size() < 6) letters += alphabet[letters.size()];             // 26 of 32 bytes drawn no letter
    return letters.substr(0, 3) + "-" + letters.substr(3);
}

std::string TableAddress::room() const {
    std::string out;
    for (char c : code) out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

TableAddress tableAddressOf(std::string_view text) {
    text = trimmed(text);
    if (text.size() > 300) return {};
    if (text.substr(0, 5) != "xmpp:") return {codeOf(text), {}};
    text.remove_prefix(5);
    const std::size_t at = text.find('@');
    const std::size_t query = text.find('?');
    if (at == std::string_view::npos || (query != std::string_view::npos && query < at)) return {};
    const std::string_view service = text.substr(at + 1, query == std::string_view::npos ? query : query - at - 1);
    if (query != std::string_view::npos && text.substr(query) != "?join") return {};
    for (char c : service)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-') return {};
    TableAddress address{codeOf(text.substr(0, at)), std::string(service)};
    if (address.code.empty() || service.empty()) return {};
    return address;
}

std::string linkOf(const std::string& code, const std::string& service) {
    return "xmpp:" + TableAddress{code, service}.room() + "@" + service + "?join";
}

}  // namespace skarpo::online
