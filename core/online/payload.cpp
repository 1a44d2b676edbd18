// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/online/payload.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>

namespace skarpo::online {

namespace {

using Act = Message::Act;

constexpr std::array<std::string_view, 11> actNames = {"table", "sit",   "throw", "reveal", "move", "differs",
                                                       "seat",  "claim", "key",   "secret", "game"};

// Which fields each action carries, besides the version, the sequence number and the action.
struct Fields {
    bool throwNumber, seat, value, at, check, table, who, game;
};
constexpr std::array<Fields, 11> fieldsOf = {{
    {false, false, true, false, false, true, false, false},   // table
    {false, true, false, false, false, false, false, false},  // sit
    {true, true, true, false, false, false, false, false},    // throw
    {true, false, true, false, true, false, false, false},    // reveal
    {true, false, false, true, false, false, false, false},   // move
    {true, false, false, false, true, false, false, false},   // differs
    {true, true, false, false, false, false, true, false},    // seat
    {false, true, true, false, false, false, false, false},   // claim
    {false, true, true, false, false, false, false, false},   // key
    {false, true, true, false, false, false, false, false},   // secret
    {true, false, true, false, false, true, false, true},     // game
}};
constexpr std::size_t maxText = 1000;  // bytes of a game's text

const Fields& fields(Act act) { return fieldsOf[static_cast<std::size_t>(act)]; }

bool plain(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '_';
}

// A name percent-encoded: letters, digits, '.' and '_' as they are, every other byte as %XX; "-" for none.
std::string encodedName(std::string_view name) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : name.substr(0, maxName)) {
        if (plain(c)) {
            out += static_cast<char>(c);
        } else {
            out += '%', out += digits[c >> 4], out += digits[c & 15];
        }
    }
    return out.empty() ? "-" : out;
}

bool decodedName(std::string_view text, std::string& out) {
    out.clear();
    if (text == "-") return true;
    auto hex = [](char c) { return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1; };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            if (!plain(static_cast<unsigned char>(text[i]))) return false;
            out += text[i];
        } else {
            if (i + 2 >= text.size()) return false;
            const int high = hex(text[i + 1]), low = hex(text[i + 2]);
            if (high < 0 || low < 0) return false;
            if (high < 2 || (high == 7 && low == 15)) return false;  // no control characters
            out += static_cast<char>(high << 4 | low);
            i += 2;
        }
        if (out.size() > maxName) return false;
    }
    return !out.empty();
}

// A game's text in one field: a space as '_', a line's end as '/'; lower-case letters, digits, '.', '-' and ':' as
// they are, and nothing else.
std::string encodedText(std::string_view text) {
    std::string out(text.substr(0, maxText));
    for (char& c : out) c = c == ' ' ? '_' : c == '\n' ? '/' : c;
    return out;
}

bool decodedText(std::string_view text, std::string& out) {
    if (text.size() > maxText) return false;
    out.clear();
    for (char c : text) {
        if (c == '_' || c == '/') {
            out += c == '_' ? ' ' : '\n';
        } else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '-' || c == ':') {
            out += c;
        } else {
            return false;
        }
    }
    return true;
}

std::string placeText(Place p) {
    const char kind = p.kind == Place::Kind::Start ? 's' : p.kind == Place::Kind::Ring ? 'r' : 'c';
    return kind + std::to_string(p.index);
}

template <typename N>
bool number(std::string_view text, N& out, N low, N high) {
    if (text.empty() || text.size() > 19 || (text.size() > 1 && text[0] == '0')) return false;
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), out);
    return fault == std::errc() && end == text.data() + text.size() && out >= low && out <= high;
}

bool placeOf(std::string_view text, Place& out) {
    if (text.empty()) return false;
    int index = 0;
    if (text[0] == 's' && number<int>(text.substr(1), index, 0, 3)) return out = Place::start(index), true;
    if (text[0] == 'r' && number<int>(text.substr(1), index, 1, 60)) return out = Place::ring(index), true;
    if (text[0] == 'c' && number<int>(text.substr(1), index, 1, 6)) return out = Place::column(index), true;
    return false;
}

bool checkOfText(std::string_view text, std::uint64_t& out) {
    if (text.size() != 16) return false;
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), out, 16);
    return fault == std::errc() && end == text.data() + text.size();
}

std::string checkText(std::uint64_t check) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(check));
    return text;
}

// One field into the message; an error in words, empty when taken.
std::string field(std::string_view key, std::string_view value, Message& m) {
    bool ok = true;
    if (key == "n") {
        ok = number<std::uint32_t>(value, m.throwNumber, 1, 1000000000);
    } else if (key == "seat") {
        ok = number<int>(value, m.seat, 1, 4);
    } else if (key == "val") {
        ok = digestOf(value, m.value);
    } else if (key == "at") {
        ok = placeOf(value, m.at);
    } else if (key == "sum") {
        ok = checkOfText(value, m.check);
    } else if (key == "str") {
        int s = 0;
        ok = number<int>(value, s, 0, 2);
        m.strength = static_cast<Strength>(s);
    } else if (key.size() == 2 && key[0] == 's' && key[1] >= '1' && key[1] <= '4') {
        ok = decodedName(value, m.names[static_cast<std::size_t>(key[1] - '0')]);
    } else if (key == "from") {
        int from = 0;
        ok = number<int>(value, from, 0, 1);
        m.resumed = from == 1;
    } else if (key == "who") {
        ok = decodedName(value, m.who);
    } else if (key == "mv") {
        ok = number<std::uint32_t>(value, m.moves, 0, 1000000000);
    } else if (key.size() == 2 && (key[0] == 'v' || key[0] == 'k') && key[1] >= '1' && key[1] <= '4') {
        ok = digestOf(value, (key[0] == 'v' ? m.latest : m.keys)[static_cast<std::size_t>(key[1] - '0')]);
    } else if (key == "txt") {
        ok = decodedText(value, m.text);
    } else {
        return "unknown field " + std::string(key.substr(0, 16));
    }
    return ok ? "" : "bad " + std::string(key);
}

bool present(const std::map<std::string_view, std::string_view>& all, std::string_view key) {
    return all.find(key) != all.end();
}

std::string missing(const std::map<std::string_view, std::string_view>& all, Act act) {
    const Fields& f = fields(act);
    const std::pair<bool, std::string_view> wanted[] = {{f.throwNumber, "n"},
                                                        {f.seat, "seat"},
                                                        {f.value, "val"},
                                                        {f.at, "at"},
                                                        {f.check, "sum"},
                                                        {f.table, "str"},
                                                        {f.table, "s1"},
                                                        {f.table, "s2"},
                                                        {f.table, "s3"},
                                                        {f.table, "s4"},
                                                        {f.who, "who"},
                                                        {f.game, "mv"},
                                                        {f.table && !f.game, "from"},
                                                        {f.game, "v1"},
                                                        {f.game, "v2"},
                                                        {f.game, "v3"},
                                                        {f.game, "v4"},
                                                        {f.game, "k1"},
                                                        {f.game, "k2"},
                                                        {f.game, "k3"},
                                                        {f.game, "k4"},
                                                        {f.game, "txt"}};
    std::size_t count = 3;
    for (const auto& [wants, key] : wanted) {
        if (wants && !present(all, key)) return "missing " + std::string(key);
        count += wants;
    }
    return count == all.size() ? "" : "a field too many";
}

}  // namespace

std::string payloadOf(const Message& m) {
    const Fields& f = fields(m.act);
    std::string out = "skarpo=" + std::to_string(protocolVersion) + " seq=" + std::to_string(m.seq) +
                      " act=" + std::string(actNames[static_cast<std::size_t>(m.act)]);
    if (f.throwNumber) out += " n=" + std::to_string(m.throwNumber);
    if (f.seat) out += " seat=" + std::to_string(m.seat);
    if (f.value) out += " val=" + hexOf(m.value);
    if (f.at) out += " at=" + placeText(m.at);
    if (f.check) out += " sum=" + checkText(m.check);
    if (f.table) {
        out += " str=" + std::to_string(static_cast<int>(m.strength));
        for (int s = 1; s <= 4; ++s) out += " s" + std::to_string(s) + "=" + encodedName(m.names[std::size_t(s)]);
        if (!f.game) out += m.resumed ? " from=1" : " from=0";
    }
    if (f.who) out += " who=" + encodedName(m.who);
    if (f.game) {
        out += " mv=" + std::to_string(m.moves);
        for (int s = 1; s <= 4; ++s) out += " v" + std::to_string(s) + "=" + hexOf(m.latest[std::size_t(s)]);
        for (int s = 1; s <= 4; ++s) out += " k" + std::to_string(s) + "=" + hexOf(m.keys[std::size_t(s)]);
        out += " txt=" + encodedText(m.text);
    }
    return out;
}

ReadPayload readPayload(std::string_view bytes) {
    ReadPayload read;
    auto fail = [&read](std::string why) { return read.error = std::move(why), read; };
    if (bytes.size() > maxPayload) return fail("oversized");
    std::map<std::string_view, std::string_view> all;
    for (std::size_t at = 0; at <= bytes.size();) {
        const std::size_t end = std::min(bytes.find(' ', at), bytes.size());
        const std::string_view word = bytes.substr(at, end - at);
        const std::size_t eq = word.find('=');
        if (eq == std::string_view::npos || eq == 0) return fail("not key=value");
        if (!all.emplace(word.substr(0, eq), word.substr(eq + 1)).second) return fail("a repeated field");
        at = end + 1;
    }
    if (bytes.substr(0, 7) != "skarpo=" || all["skarpo"] != std::to_string(protocolVersion))
        return fail("wrong version");
    Message& m = read.message;
    if (!number<std::uint64_t>(all["seq"], m.seq, 1, 1000000000000000)) return fail("bad seq");
    const auto act = std::find(actNames.begin(), actNames.end(), all["act"]);
    if (act == actNames.end()) return fail("unknown action");
    m.act = static_cast<Act>(act - actNames.begin());
    if (std::string why = missing(all, m.act); !why.empty()) return fail(why);
    for (const auto& [key, value] : all) {
        if (key == "skarpo" || key == "seq" || key == "act") continue;
        if (std::string why = field(key, value, m); !why.empty()) return fail(why);
    }
    return read;
}

}  // namespace skarpo::online
