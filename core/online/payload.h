// SPDX-License-Identifier: GPL-3.0-or-later
// A table's game message as it travels: one line of space-separated key=value fields, the protocol's version first,
// then the sender's sequence number and the action. Reading is a pure function from bytes to a checked message, and
// refuses anything not exactly of this form: another version, more than maxPayload bytes, an unknown or repeated
// key, a field missing or out of range.
//
//   skarpo=1 seq=7 act=throw n=12 seat=2 val=<64 hex digits>
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/online/dice.h"
#include "core/players/players.h"
#include "core/position/position.h"

namespace skarpo::online {

constexpr int protocolVersion = 1;
constexpr std::size_t maxPayload = 1600;  // the largest, a game taken up, is about 1,200
constexpr std::size_t maxName = 32;       // bytes of a seated player's name

struct Message {
    enum class Act : std::uint8_t {
        Table,    // the host: who sits at each seat ("" for the computer), the strength, the dice's commitment
        Sit,      // a guest asks for a seat
        Throw,    // the thrower: throw n, with its value
        Reveal,   // the host: throw n's secret, and the check of its game as the throw waited
        Move,     // the mover: with throw n, the counter at `at`
        Differs,  // a client whose game's check differs from the host's at throw n
        Seat,     // the host: seat's new occupant (who: a name, or "" for the computer) from the table's rest n on
        Claim,    // someone takes back a seat the computer took: the seat's secret (val)
        Key,      // the host: the SHA-256 of the seat's secret (val), which its occupant was told privately
        Secret,   // the host, privately to the seat's occupant: the seat's secret (val)
        Game,     // the host, privately to someone who came after the game began: the game as it rests at throw n
    };
    Act act = Act::Table;
    std::uint64_t seq = 0;
    std::uint32_t throwNumber = 0;
    int seat = 0;
    Digest value{};  // Throw: the thrower's value; Reveal: the secret; Table: the commitment
    Place at;
    std::uint64_t check = 0;
    Strength strength = Strength::Normal;
    std::array<std::string, 5> names;  // Table and Game: [1..4]
    bool resumed = false;              // Table: the game is one taken up, sent to each as Game when all are seated
    std::string who;                   // Seat
    // Game: the moves made, each seat's latest value and the SHA-256 of each seat's secret (zero for none), the text
    std::uint32_t moves = 0;
    std::array<Digest, 5> latest{}, keys{};
    std::string text;
    std::string to;  // not in the payload: a private message to this occupant, or empty for the whole room
    bool operator==(const Message&) const = default;
};

std::string payloadOf(const Message& message);
struct ReadPayload {
    Message message;
    std::string error;  // empty when read
};
ReadPayload readPayload(std::string_view bytes);

}  // namespace skarpo::online
