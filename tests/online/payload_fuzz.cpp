// SPDX-License-Identifier: GPL-3.0-or-later
// The payload reader against mutated payloads, for a given number of seconds: bytes flipped, inserted, deleted,
// repeated and spliced from other payloads, by a seeded generator. Whatever it reads must write back to a payload
// that reads as the same message; nothing may crash (the sanitizer build catches what a plain run would not).
// Usage: skarpo_payload_fuzz SECONDS [SEED]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/online/payload.h"
#include "tools/seeded.h"

using namespace skarpo;
using namespace skarpo::online;

namespace {

std::vector<std::string> samples() {
    std::vector<std::string> out;
    Message m;
    m.seq = 12, m.throwNumber = 345, m.seat = 2, m.value = sha256(std::string_view("value")), m.at = Place::ring(17);
    m.check = 0xfedcba9876543210ull, m.names = {"", "Ann", "+", "", "a b%c"};
    for (int act = 0; act <= static_cast<int>(Message::Act::Differs); ++act) {
        m.act = static_cast<Message::Act>(act);
        out.push_back(payloadOf(m));
    }
    return out;
}

std::string mutated(std::string text, const std::vector<std::string>& pool, Seeded& random) {
    static const std::string tokens[] = {" ",
                                         "=",
                                         "%",
                                         "%2",
                                         "seq=",
                                         "act=",
                                         "n=",
                                         "skarpo=1",
                                         "0",
                                         "99999999999999999999",
                                         "-",
                                         "\xff",
                                         std::string(1, '\0'),
                                         "at=r",
                                         "s1="};
    const int edits = random.between(1, 8);
    for (int e = 0; e < edits; ++e) {
        const std::size_t at = text.empty() ? 0 : static_cast<std::size_t>(random.between(0, int(text.size()) - 1));
        switch (random.between(0, 5)) {
            case 0:
                if (!text.empty()) text[at] = static_cast<char>(random.between(0, 255));
                break;
            case 1: text.insert(at, tokens[random.between(0, std::size(tokens) - 1)]); break;
            case 2: text.erase(at, static_cast<std::size_t>(random.between(1, 12))); break;
            case 3: text.insert(at, text.substr(at, static_cast<std::size_t>(random.between(1, 400)))); break;
            case 4: {
                const std::string& other = pool[static_cast<std::size_t>(random.between(0, int(pool.size()) - 1))];
                text = text.substr(0, at) + other.substr(std::min(at, other.size()));
                break;
            }
            default:
                if (!text.empty()) text[at] = static_cast<char>(text[at] ^ (1 << random.between(0, 7)));
        }
    }
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 2;
    Seeded random(argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 27);
    const std::vector<std::string> pool = samples();
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    long tried = 0, read = 0;
    while (tried % 1024 != 0 || std::chrono::steady_clock::now() < end) {
        const std::string text = mutated(pool[static_cast<std::size_t>(tried) % pool.size()], pool, random);
        ++tried;
        const ReadPayload first = readPayload(text);
        if (!first.error.empty()) continue;
        ++read;
        const ReadPayload again = readPayload(payloadOf(first.message));
        if (!again.error.empty() || again.message != first.message) {
            std::fprintf(stderr, "FAIL: read, written and read again differs: %s\n", text.c_str());
            return 1;
        }
    }
    std::printf("%ld mutated payloads, %ld of them read and written back alike\n", tried, read);
    return read > 0 ? 0 : 1;
}
