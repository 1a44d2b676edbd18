// SPDX-License-Identifier: GPL-3.0-or-later
// The shared table's parts on their own: the payload read back and refused, the chain of secrets and the faces drawn
// from a throw's digest, and four clients at one table through a room that hands every message to all of them in
// one order (the real server's test is tests/online).
#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <map>

#include "core/online/sharedtable.h"
#include "core/online/tablecode.h"
#include "tests/support/clock.h"

using namespace skarpo;
using namespace skarpo::online;

namespace {

Digest digestNumbered(std::uint64_t n) { return sha256(std::to_string(n)); }

Message sample(Message::Act act) {
    Message m;
    m.act = act, m.seq = 41, m.throwNumber = 7, m.seat = 3, m.value = digestNumbered(1), m.at = Place::ring(60);
    m.check = 0x0123456789abcdefull, m.strength = Strength::Strong, m.names = {"", "ann", "", invitedSeat, "Zoë %x"};
    m.who = "bob", m.moves = 12, m.latest[1] = digestNumbered(2), m.keys[4] = digestNumbered(3);
    m.text = "skarpo-game 1\nstage glance 1 none:0 computer roll 0.600000024\n";
    return m;
}

// A client of the room: its table on a virtual clock whose random numbers are the throws' dice.
struct Client {
    struct Platform : test::Clock {
        DiceStream dice;
        double random() override { return dice.random(); }
    };
    Platform clock;
    Table table{clock};
    std::uint64_t drawn;
    SharedTable shared;
    std::size_t read = 0;
    bool gone = false, throwsOnly = false;
    std::map<std::uint32_t, std::uint64_t> checks;  // each throw's game, as the throw was made
    Client(std::string name, std::uint64_t seed)
        : drawn(seed), shared(table, clock.dice, std::move(name), [this] { return digestNumbered(++drawn); }) {
        shared.onThrow = [this](std::uint32_t n, std::uint64_t check) { checks[n] = check; };
    }
};

struct Room {
    std::deque<Client> clients;
    std::vector<std::pair<std::string, std::string>> said;  // sender, payload
    std::vector<std::string> to;                            // each one's only reader, or "" for all
    std::vector<Notice> notices;
    std::function<void(const std::string& sender, std::string& payload)> rewrite;  // a client's own, tampered

    Client& add(std::string name) { return clients.emplace_back(std::move(name), clients.size() * 1000000); }
    void take(Client& c) {
        for (const Message& m : c.shared.takeOutgoing()) {
            said.emplace_back(c.shared.me(), payloadOf(m));
            to.push_back(m.to);
            if (rewrite) rewrite(said.back().first, said.back().second);
        }
        for (Notice& n : c.shared.takeNotices()) notices.push_back(std::move(n));
    }
    // Every client reads what was said, acts, rests, and clicks the first view it may click.
    void round() {
        to.resize(said.size());
        for (Client& c : clients) {
            if (c.gone) continue;
            for (; c.read < said.size(); ++c.read)
                if (to[c.read].empty() || to[c.read] == c.shared.me())
                    c.shared.receive(said[c.read].first, said[c.read].second);
            for (int k = 0; k < 2; ++k) c.shared.pump(), c.clock.runUntilRest(c.table);
            const auto views = c.table.clickable();
            if (!views.empty() && !(c.throwsOnly && c.table.phase() == Phase::MarksWait)) c.shared.click(views.front());
            take(c);
        }
    }
    bool noticed(Notice::Kind kind, const std::string& who, const std::string& why = {}) const {
        for (const Notice& n : notices)
            if (n.kind == kind && n.who == who && (why.empty() || n.why == why)) return true;
        return false;
    }
};

// A table of the host, two guests and the computer at green, all seated.
void seat(Room& room) {
    Client& host = room.add("host");
    room.add("ann"), room.add("bob");
    host.shared.host({"", "host", invitedSeat, invitedSeat, computerSeat}, Strength::Easy);
    room.clients[1].shared.join("host"), room.clients[2].shared.join("host");
    room.take(host);
    room.clients[1].shared.askSeat(2), room.take(room.clients[1]);
    room.clients[2].shared.askSeat(3), room.take(room.clients[2]);
    room.round(), room.round();
}

}  // namespace

// Every action is written and read back whole; a payload of another version, too big, with a field unknown,
// repeated, missing, malformed or out of range, is refused with its reason.
TEST(Payload, ReadsBackWhatItWritesAndRefusesTheRest) {
    using Act = Message::Act;
    for (Act act : {Act::Table, Act::Sit, Act::Throw, Act::Reveal, Act::Move, Act::Differs, Act::Seat, Act::Claim,
                    Act::Key, Act::Secret, Act::Game}) {
        const std::string text = payloadOf(sample(act));
        const ReadPayload read = readPayload(text);
        ASSERT_EQ(read.error, "") << text;
        EXPECT_EQ(payloadOf(read.message), text);
    }
    EXPECT_EQ(readPayload(payloadOf(sample(Act::Table))).message.names, sample(Act::Table).names);
    const Message game = readPayload(payloadOf(sample(Act::Game))).message;
    EXPECT_TRUE(game.text == sample(Act::Game).text && game.latest == sample(Act::Game).latest &&
                game.keys == sample(Act::Game).keys);
    const std::string move = "skarpo=1 seq=5 act=move n=9 at=c6";
    const std::pair<std::string, std::string> refused[] = {
        {"skarpo=2 seq=5 act=move n=9 at=c6", "wrong version"},
        {move + std::string(maxPayload, ' '), "oversized"},
        {move + " at=c5", "a repeated field"},
        {move + " colour=red", "a field too many"},
        {"skarpo=1 seq=5 act=move n=9", "missing at"},
        {"skarpo=1 seq=5 act=move n=9 at=r61", "bad at"},
        {"skarpo=1 seq=0 act=move n=9 at=c6", "bad seq"},
        {"skarpo=1 seq=05 act=move n=9 at=c6", "bad seq"},
        {"skarpo=1 seq=5 act=jump n=9 at=c6", "unknown action"},
        {"skarpo=1 seq=5  act=move n=9 at=c6", "not key=value"},
        {"skarpo=1 seq=5 act=throw n=9 seat=5 val=" + std::string(64, 'a'), "bad seat"},
        {"skarpo=1 seq=5 act=throw n=9 seat=1 val=" + std::string(64, 'A'), "bad val"},
        {"skarpo=1 seq=5 act=seat n=9 seat=1 who=%0A", "bad who"},
    };
    for (const auto& [text, why] : refused) EXPECT_EQ(readPayload(text).error, why) << text;
}

// Each secret is the one before it revealed further: the commitment checks the first, each the next. The faces of a
// throw follow from its digest alone, and come up equally often.
TEST(Dice, TheChainChecksAndTheFacesAreFair) {
    const SecretChain chain(digestNumbered(5));
    Digest before = chain.commitment();
    for (std::uint32_t n = 1; n <= SecretChain::length; n += n < 4 ? 1 : 1000) {
        if (n > 4) before = sha256(chain.secret(n));
        EXPECT_EQ(sha256(chain.secret(n)), before) << n;
        before = chain.secret(n);
    }
    DiceStream dice, again;
    std::array<int, 6> counts{};
    constexpr int throws = 60000;
    for (int t = 0; t < throws; ++t) {
        const Digest d = throwDigest(chain.secret(1), digestNumbered(t), 1);
        dice.start(d), again.start(d);
        for (int k = 0; k < 15; ++k) {
            const double r = dice.random();
            ASSERT_EQ(r, again.random());
            if (k == 14) ++counts[static_cast<std::size_t>(r * 6)];
        }
        const double choice = dice.random();
        ASSERT_TRUE(choice >= 0 && choice < 1);
    }
    double chi = 0;
    for (int c : counts) chi += std::pow(c - throws / 6.0, 2) / (throws / 6.0);
    EXPECT_LT(chi, 20.5) << "p < 0.001 for 5 degrees of freedom";
}

// Two guests, the host and the computer play 300 throws: every reveal's check agrees with every client's game, and
// the games are equal at the end.
TEST(SharedTable, FourSeatsPlayAlikeThroughTheRoom) {
    Room room;
    seat(room);
    for (const Client& c : room.clients) ASSERT_TRUE(c.shared.started()) << c.shared.me();
    for (int rounds = 0; rounds < 20000 && room.clients[0].shared.throws() < 300; ++rounds) room.round();
    room.round(), room.round();
    EXPECT_GE(room.clients[0].shared.throws(), 300u);
    for (const Client& c : room.clients) {
        EXPECT_EQ(c.shared.throws(), room.clients[0].shared.throws());
        EXPECT_EQ(c.shared.check(), room.clients[0].shared.check());
    }
    for (const Notice& n : room.notices) EXPECT_LE(n.kind, Notice::Kind::Started) << n.who << ": " << n.why;
}

// Tampering is ignored and named, and the table plays on: a message replayed, one from someone not seated, a reveal
// not from the host, an illegal move (its mover may choose again); a reveal that does not match is named.
TEST(SharedTable, TamperingIsNamedAndTheTablePlaysOn) {
    Room room;
    seat(room);
    Client& host = room.clients[0];
    // the next message of `who` with `act` gets the field `to` in place of its own
    const auto once = [&room](const std::string& who, const std::string& act, const std::string& to) {
        room.rewrite = [=, &room](const std::string& sender, std::string& payload) {
            if (sender != who || payload.find(act) == std::string::npos) return;
            const std::size_t at = payload.find(to.substr(0, to.find('=') + 1));
            payload.replace(at, payload.find(' ', at) - at, to);
            room.rewrite = nullptr;
        };
    };
    once("ann", "act=move", "at=c6");
    for (int rounds = 0; rounds < 200 && room.said.size() < 20; ++rounds) room.round();
    const auto anns =
        std::find_if(room.said.rbegin(), room.said.rend(), [](const auto& s) { return s.first == "ann"; });
    room.said.push_back(*anns);
    room.said.emplace_back("eve", "skarpo=1 seq=1 act=move n=1 at=s0");
    room.said.emplace_back("eve", "skarpo=2 seq=2 act=move n=1 at=s0");
    room.said.emplace_back("eve", "skarpo=1 seq=3 act=reveal n=1 val=" + hexOf({}) + " sum=0000000000000000");
    for (int rounds = 0; rounds < 2000 && host.shared.throws() < 60; ++rounds) room.round();
    EXPECT_GE(host.shared.throws(), 60u);
    EXPECT_TRUE(room.noticed(Notice::Kind::Ignored, "ann", "replayed or out of sequence"));
    EXPECT_TRUE(room.noticed(Notice::Kind::Ignored, "eve", "not seated"));
    EXPECT_TRUE(room.noticed(Notice::Kind::Ignored, "eve", "wrong version"));
    EXPECT_TRUE(room.noticed(Notice::Kind::Ignored, "eve", "only the host sends that"));
    EXPECT_TRUE(room.noticed(Notice::Kind::Ignored, "ann", "an illegal move"));
    once("host", "act=reveal", "val=" + hexOf({}));
    for (int rounds = 0; rounds < 200 && !room.noticed(Notice::Kind::WrongReveal, "host"); ++rounds) room.round();
    EXPECT_TRUE(room.noticed(Notice::Kind::WrongReveal, "host"));
}

// A client whose game differs from the host's says so, and the table stops everywhere.
TEST(SharedTable, AGameThatDiffersStopsTheTable) {
    Room room;
    seat(room);
    Client &host = room.clients[0], &ann = room.clients[1];
    for (int rounds = 0; rounds < 200 && host.shared.throws() < 10; ++rounds) room.round();
    Game changed = ann.table.game();
    changed.lastThrows[4] = 7;
    ann.table.takeUp(changed);
    for (int rounds = 0; rounds < 50 && !host.shared.stopped(); ++rounds) room.round();
    EXPECT_TRUE(host.shared.stopped() && room.noticed(Notice::Kind::Differs, "ann"));
}

// A guest who leaves while its marks wait, with a counter home, has the computer play its seat from there on, in
// every game alike; started again, it takes up the host's game, and its seat back with the secret it kept, at its next
// turn.
TEST(SharedTable, ASeatLeftToTheComputerIsTakenBack) {
    Room room;
    seat(room);
    Client &host = room.clients[0], &ann = room.clients[1];
    for (int rounds = 0; rounds < 20000 && host.table.game().position.homerow(2, 7) == 0; ++rounds) room.round();
    ann.throwsOnly = true;  // it leaves while its marks wait
    for (int rounds = 0; rounds < 400 && !(host.table.phase() == Phase::MarksWait && host.table.toPlay() == 2);
         ++rounds)
        room.round();
    ASSERT_EQ(host.table.toPlay(), 2);
    Message kept;  // the secret told to ann alone
    for (std::size_t k = 0; k < room.said.size(); ++k)
        if (room.to[k] == "ann") kept = readPayload(room.said[k].second).message;
    ASSERT_EQ(kept.act, Message::Act::Secret);
    ASSERT_EQ(kept.seat, 2);
    ann.gone = true;
    for (Client& c : room.clients) c.shared.left("ann");
    for (int rounds = 0; rounds < 200 && !room.noticed(Notice::Kind::SeatTaken, "ann"); ++rounds) room.round();
    ASSERT_TRUE(room.noticed(Notice::Kind::SeatTaken, "ann"));
    const std::uint32_t taken = host.shared.throws();
    for (int rounds = 0; rounds < 2000 && host.shared.throws() < taken + 20; ++rounds) room.round();
    ASSERT_GE(host.shared.throws(), taken + 20);
    Client& again = room.add("ann");
    again.read = room.said.size();
    again.shared.keepSecret(kept.seat, kept.value);
    again.shared.join("host");
    host.shared.arrived("ann");
    for (int rounds = 0; rounds < 400 && !room.noticed(Notice::Kind::SeatBack, "ann"); ++rounds) room.round();
    ASSERT_TRUE(room.noticed(Notice::Kind::SeatBack, "ann"));
    const std::uint32_t back = host.shared.throws();
    for (int rounds = 0; rounds < 4000 && host.shared.throws() < back + 40; ++rounds) room.round();
    ASSERT_GE(host.shared.throws(), back + 40);
    room.round(), room.round();
    for (const Client& c : room.clients) {
        if (c.gone) continue;
        for (const auto& [n, check] : c.checks) {
            if (host.checks.count(n)) {
                EXPECT_EQ(check, host.checks.at(n)) << c.shared.me() << " at throw " << n;
            }
        }
        EXPECT_EQ(c.shared.names()[2], "ann");
        EXPECT_EQ(readGame(textOf(c.table.game())).error, "") << c.shared.me();
    }
    EXPECT_TRUE(again.table.game().person(2));
    for (const Notice& n : room.notices) EXPECT_NE(n.kind, Notice::Kind::Ignored) << n.who << ": " << n.why;
}

// A table's code is drawn from unmistakable letters; typed loosely or in a link it names the same room, and
// anything else names none.
TEST(TableCode, ACodeOrALinkNamesTheRoom) {
    const std::string code = tableCodeOf(digestNumbered(3));
    ASSERT_EQ(code.size(), 7u);
    EXPECT_EQ(code.find_first_of("01OIL"), std::string::npos);
    const std::string link = linkOf(code, "tables.example.org");
    EXPECT_EQ(link, "xmpp:" + tableAddressOf(code).room() + "@tables.example.org?join");
    for (const std::string& typed : {code, " " + code.substr(0, 3) + code.substr(4) + "\n", link}) {
        const TableAddress a = tableAddressOf(typed);
        EXPECT_EQ(a.code, code) << typed;
        EXPECT_EQ(a.service, typed == link ? "tables.example.org" : "") << typed;
    }
    for (const char* wrong : {"K7Q-3M", "K7Q-3MXX", "K7Q-3M0", "K7-Q3MX", "xmpp:k7q-3mx@tables.example.org?leave",
                              "xmpp:k7q-3mx@tables/evil?join", "xmpp:k7q-3mx?join", "xmpp:@t.org?join"})
        EXPECT_EQ(tableAddressOf(wrong).code, "") << wrong;
}

// A table hosted again from a game kept as a person's die rolled: once the table takes the game up, the marks of
// that throw wait for the person here, or the computer now at that seat moves; the guest is sent a game it can take
// up, and the table plays on alike.
TEST(SharedTable, HostedAgainFromAGameKeptAsADieRolled) {
    const ReadGame kept = readGame(
        "skarpo-game 1\nphase moving\nopened yes\nseats computer person person computer\nspeed fastest\n"
        "strength easy\nauto no\nsound no\nturn 2 2 3\nlast 5 3 1 3\nscene hidden 3 2\nmarks\n"
        "player 1 -5 -5 57 28 column home 0\nplayer 2 56 21 4 0 column home 0\nplayer 3 -5 -5 0 0 column home 0\n"
        "player 4 101 0 0 0 column home 1\n"
        "stage roll 1 none:0 person roll 3 3 6 4 5 2 2 3 5 4 2 2 5 6 5 turn -1 0 moved 0 0 0\n");
    ASSERT_EQ(kept.error, "");
    for (const std::string& thrower : {std::string("ann"), std::string(computerSeat)}) {
        Room room;
        Client& host = room.add("ann");
        room.add("bob");
        host.shared.host({"", computerSeat, thrower, invitedSeat, computerSeat}, Strength::Easy, kept.game);
        room.clients[1].shared.join("ann");
        host.shared.arrived("bob");
        room.take(host);
        room.clients[1].shared.askSeat(3), room.take(room.clients[1]);
        for (int i = 0; i < 20; ++i) room.round();
        ASSERT_GE(room.clients[1].checks.size(), 5u) << thrower;
        for (const auto& [n, check] : room.clients[1].checks) {
            if (host.checks.count(n)) {
                EXPECT_EQ(check, host.checks.at(n)) << thrower << " at throw " << n;
            }
        }
    }
}
