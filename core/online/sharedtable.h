// SPDX-License-Identifier: GPL-3.0-or-later
// A table shared across machines. Every client runs the same Table on the same game value; the only inputs are the
// decisions (a person's throw and move, the dice, who sits where), and they travel as messages through a group chat
// that hands every client the same messages in the same order, each client's own included. A client acts on a
// message only when its table rests waiting for it, so clients animate at their own pace while their game values
// agree at every decision; the host's reveal of each throw carries the check of its game as the throw waited, and a
// client whose check differs says so and the table stops.
//
// What comes from the network may be hostile: a message is taken only from whoever may send it (the host, or the
// person seated where the game waits), only with a sequence number above that sender's last, only with a legal move
// and a reveal that matches the commitment; anything else is ignored and told once as a notice naming the sender.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/online/dice.h"
#include "core/online/payload.h"
#include "core/turns/table.h"

namespace skarpo::online {

// A seat's occupant in a table's seating: the computer, a seat kept for an invited person, or a person's name.
inline const std::string computerSeat;
inline const std::string invitedSeat = "+";

struct Notice {
    enum class Kind : std::uint8_t {
        Seated,       // the seats changed (who: the one who sat down)
        Started,      // every seat is taken: the game begins
        Ignored,      // a message ignored (who sent it, why)
        WrongReveal,  // the host's secret does not match its commitment (who: the host)
        Differs,      // a client's game differs from the host's (who: that client); the table stops
        SeatTaken,    // the computer took a seat (who: the one who sat there)
        SeatBack,     // someone took a seat back from the computer (who)
        HostLeft,     // the host left the room: the table stops
    };
    Kind kind;
    std::string who;
    std::string why;
    int seat = 0;
};

class SharedTable {
public:
    // Random bytes that nobody else can foresee: the host's chain of secrets, a thrower's values.
    using Fresh = std::function<Digest()>;
    SharedTable(Table& table, DiceStream& dice, std::string me, Fresh fresh);

    // The host seats the players: [1..4] a name, computerSeat or invitedSeat. Sends the seating. With a game, the
    // table plays on from it (a table's game kept before), with a person wherever someone sits.
    void host(const std::array<std::string, 5>& names, Strength strength, std::optional<Game> from = {});
    // A guest, once it knows who hosts the table (the room's owner).
    void join(std::string hostName) { hostName_ = std::move(hostName); }
    // A guest asks for a free invited seat.
    void askSeat(int seat);
    // Someone entered the room: the host tells them the seating, or once the game began, the game.
    void arrived(const std::string& who = {});
    // The host: the computer takes the seat of whoever sits at `seat` (gone, or too long idle) at the next point
    // where every game can change it alike.
    void strand(int seat);
    // Someone left the room: the host strands their seat, and whoever comes back with that name counts its messages
    // afresh.
    void left(const std::string& who);
    // A seat's secret kept from before (a program started again at the table): once the game comes, it takes the
    // seat back from the computer.
    void keepSecret(int seat, const Digest& secret) { secret_ = {seat, secret}; }
    // Whether this client's seat is the computer's for now (its player was away) and can be claimed back with the
    // secret kept here; comeBack() claims it, to be played here again at its next turn.
    bool away() const;
    void comeBack();
    // Whether this client claimed its seat back and waits for it.
    bool comingBack() const { return comingBack_; }
    // The seat whose secret this client holds; 0 for none.
    int seatOfSecret() const { return secret_.first; }

    // A message of the room, in the room's order, this client's own included; `sender` the name it came from.
    void receive(std::string_view sender, std::string_view payload);
    // A click here on a view that takes one: turned into a message for the room (applied when it comes back).
    bool click(ViewId view);
    // Acts on what the messages decided, as far as the table rests. Call after every message and every step.
    void pump();

    // What to send to the room, and what to tell, since the last call.
    std::vector<Message> takeOutgoing() { return std::exchange(outgoing_, {}); }
    std::vector<Notice> takeNotices() { return std::exchange(notices_, {}); }

    const std::array<std::string, 5>& names() const { return names_; }
    bool isHost() const { return hostName_ == me_; }
    const std::string& me() const { return me_; }
    bool started() const { return started_; }
    // Whether the seating is known here: hosting, or told by the host.
    bool seatingKnown() const { return seatingKnown_; }
    bool stopped() const { return stopped_; }
    // Throws made so far.
    std::uint32_t throws() const { return next_ - 1; }
    // The seat the table waits for (its die or its marks) while that is someone's elsewhere or the dice's; 0 for none.
    int waitingFor() const;
    // The check of the table's game as it stands (the options each client chooses for itself left out).
    std::uint64_t check() const;
    // Told of each throw as it is made: its number, and the check of the game it was made in.
    std::function<void(std::uint32_t, std::uint64_t)> onThrow;
    // Told of each person's move as it is made: the number of its throw.
    std::function<void(std::uint32_t)> onMove;
    // For the tests of tampering: a message sent as it is (with this client's next sequence number).
    void sendAsIs(Message m) { send(std::move(m)); }
    // Told when the host gives this client a seat's secret, to keep it (seat, secret).
    std::function<void(int, const Digest&)> onSecret;
    // Told when every seat is taken: the room closes to anyone else, and this word lets in whoever comes back (the
    // host sets it as the room's password; the others keep it to enter again). It follows from the seating's
    // commitment, which only those in the room saw.
    std::function<void(const std::string&)> onClosed;
    // The table's rests so far: each throw and each person's move made adds one; a seat changes at a rest.
    std::uint32_t rest() const { return next_ + moves_; }

private:
    struct Thrown {
        int seat;
        Digest value;
        std::string sender;
    };
    struct Revealed {
        Digest secret;
        std::uint64_t check;
    };
    struct Moved {
        Place at;
        std::string sender;
        int seat;               // where the sender sat as the move came
        std::uint64_t arrival;  // the room's order
    };
    struct SeatChange {
        std::uint32_t rest;
        int seat;
        std::string was, who;
        std::uint64_t arrival;
    };

    void send(Message m);
    void ignore(std::string_view who, std::string why);
    bool fromHost(std::string_view sender);
    void seatingReceived(const Message& m);
    void sitAsked(std::string_view sender, int seat);
    void begin(Strength strength);
    void firstRest();
    bool throwDue();
    bool moveDue();
    bool late(std::string_view sender, std::string_view payload, const Message& m);
    void caughtUp(const Message& m);
    void seatReceived(std::string_view sender, const Message& m);
    void claimed(std::string_view sender, const Message& m);
    bool seatsDue();
    void changeSeat(const SeatChange& change);
    void computerMoves();
    bool hostSeats();
    void sendGame(const std::string& to);
    void giveSecret(int seat);
    int seatOf(std::string_view name) const;
    bool pendingInRange(std::uint32_t n) const { return n >= next_ && n < next_ + 16; }

    Table& table_;
    DiceStream& dice_;
    std::string me_, hostName_;
    Fresh fresh_;
    std::unique_ptr<SecretChain> chain_;  // the host's
    std::array<std::string, 5> names_;
    Strength strength_ = Strength::Normal;
    Digest commitment_{};             // the last secret revealed, or the chain's commitment
    std::array<Digest, 5> latest_{};  // each seat's latest value
    std::uint32_t next_ = 1;          // the next throw's number
    std::uint32_t thrownHere_ = 0, movedHere_ = 0, revealed_ = 0;  // the last throw this client acted on
    std::map<std::uint32_t, Thrown> thrown_;
    std::multimap<std::uint32_t, Revealed> revealedBy_;  // a few a throw, in the room's order: a wrong one goes
    std::multimap<std::uint32_t, Moved> moved_;          // a few a throw, in the room's order: an illegal one goes
    std::vector<SeatChange> seatChanges_;                // sent by the host, waiting for their rest
    std::array<Digest, 5> keys_{};                       // the SHA-256 of each seat's secret, zero for none
    std::array<std::string, 5> claims_;                  // who claimed each seat with its secret
    std::array<Digest, 5> secrets_{};                    // the host's: each seat's secret
    std::array<bool, 5> stranded_{};                     // the host's: seats for the computer to take
    std::pair<int, Digest> secret_{};                    // this client's seat and its secret
    std::vector<std::string> newcomers_;                 // the host's: who came after the game began
    std::vector<std::string> present_;                   // the host's: who came before it began
    std::optional<Game> resumed_;                        // the host's: the game the table plays on from
    bool resting_ = false;                               // the host's: that game is still on its way to its first rest
    std::vector<std::pair<std::string, std::string>> early_;  // a newcomer's: what came before the game did
    std::uint32_t moves_ = 0;                                 // persons' moves made
    std::uint64_t arrivals_ = 0;                              // messages taken, in the room's order
    int seatsInFlight_ = 0;                                   // the host's seat changes sent and not yet back
    bool claimDue_ = false;                                   // a newcomer's: its secret is to be tried
    bool comingBack_ = false;                                 // the claim sent, the seat not back yet
    std::map<std::string, std::uint64_t, std::less<>> lastSeq_;
    std::uint64_t seq_ = 0;
    bool started_ = false, stopped_ = false, seatingKnown_ = false;
    std::vector<Message> outgoing_;
    std::vector<Notice> notices_;
};

}  // namespace skarpo::online
