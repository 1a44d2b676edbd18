// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/online/sharedtable.h"

#include <memory>
#include <utility>

namespace skarpo::online {

namespace {
using Act = Message::Act;
constexpr std::size_t maxSenders = 64;  // sequence numbers kept for so many names
constexpr ViewId theDie{Family::Die, 0};

Message messageOf(Act act, std::uint32_t throwNumber = 0) {
    Message m;
    m.act = act;
    m.throwNumber = throwNumber;
    return m;
}
}  // namespace

SharedTable::SharedTable(Table& table, DiceStream& dice, std::string me, Fresh fresh)
    : table_(table), dice_(dice), me_(std::move(me)), fresh_(std::move(fresh)) {}

void SharedTable::send(Message m) {
    m.seq = ++seq_;
    outgoing_.push_back(std::move(m));
}

void SharedTable::ignore(std::string_view who, std::string why) {
    notices_.push_back({Notice::Kind::Ignored, std::string(who), std::move(why)});
}

int SharedTable::seatOf(std::string_view name) const {
    for (int s = 1; s <= 4; ++s)
        if (names_[std::size_t(s)] == name && !name.empty() && name != invitedSeat) return s;
    return 0;
}

// ---- the seating ----

void SharedTable::host(const std::array<std::string, 5>& names, Strength strength) {
    hostName_ = me_;
    names_ = names;
    strength_ = strength;
    seatingKnown_ = true;
    chain_ = std::make_unique<SecretChain>(fresh_());
    arrived();
}

void SharedTable::arrived() {
    if (!isHost() || !chain_ || started_) return;
    Message m = messageOf(Act::Table);
    m.value = chain_->commitment(), m.strength = strength_, m.names = names_;
    send(std::move(m));
}

void SharedTable::askSeat(int seat) {
    if (started_) return;
    Message m = messageOf(Act::Sit);
    m.seat = seat;
    send(std::move(m));
}

void SharedTable::sitAsked(std::string_view sender, int seat) {
    if (!isHost() || started_) return;
    if (names_[std::size_t(seat)] != invitedSeat || seatOf(sender) != 0 || sender.size() > maxName)
        return ignore(sender, "the seat is not free");
    names_[std::size_t(seat)] = std::string(sender);
    arrived();
}

void SharedTable::seatingReceived(const Message& m) {
    if (started_ || (isHost() && m.names != names_)) return;  // the host's own latest seating counts
    names_ = m.names;
    commitment_ = m.value;
    seatingKnown_ = true;
    notices_.push_back({Notice::Kind::Seated, {}, {}});
    for (int s = 1; s <= 4; ++s)
        if (names_[std::size_t(s)] == invitedSeat) return;
    begin(m.strength);
}

// Every seat is taken: a fresh game with a person wherever someone sits, the speed and the sound as chosen here.
void SharedTable::begin(Strength strength) {
    started_ = true;
    Game fresh;
    std::array<Seat, 5> seats{};
    std::array<bool, 5> here{};
    for (std::size_t s = 1; s <= 4; ++s) {
        seats[s] = names_[s].empty() ? Seat::Computer : Seat::Person;
        here[s] = names_[s] == me_;
    }
    fresh.options = {seats, table_.game().options.speed, strength};
    fresh.sound = table_.game().sound;
    table_.chooseSeats(seats);
    table_.takeUp(fresh);
    table_.share(here);
    table_.newGame();
    notices_.push_back({Notice::Kind::Started, {}, {}});
}

// ---- the messages ----

bool SharedTable::fromHost(std::string_view sender) {
    if (!hostName_.empty() && sender == hostName_) return true;
    ignore(sender, "only the host sends that");
    return false;
}

void SharedTable::receive(std::string_view sender, std::string_view payload) {
    if (stopped_) return;
    const ReadPayload read = readPayload(payload);
    if (!read.error.empty()) return ignore(sender, read.error);
    const Message& m = read.message;
    auto last = lastSeq_.find(sender);
    if (last == lastSeq_.end() && lastSeq_.size() >= maxSenders) return ignore(sender, "too many senders");
    if (last != lastSeq_.end() && m.seq <= last->second) return ignore(sender, "replayed or out of sequence");
    lastSeq_[std::string(sender)] = m.seq;
    const int seat = seatOf(sender);
    switch (m.act) {
        case Act::Table:
            if (fromHost(sender)) seatingReceived(m);
            break;
        case Act::Sit: sitAsked(sender, m.seat); break;
        case Act::Throw:
            if (seat == 0) return ignore(sender, "not seated");
            if (names_[std::size_t(m.seat)] != sender) return ignore(sender, "not seated there");
            if (!pendingInRange(m.throwNumber)) return ignore(sender, "a throw out of turn");
            thrown_.try_emplace(m.throwNumber, Thrown{m.seat, m.value, std::string(sender)});
            break;
        case Act::Reveal:
            if (!fromHost(sender)) return;
            if (!pendingInRange(m.throwNumber)) return ignore(sender, "a reveal out of turn");
            revealedBy_.try_emplace(m.throwNumber, Revealed{m.value, m.check});
            break;
        case Act::Move:
            if (seat == 0) return ignore(sender, "not seated");
            if (m.throwNumber + 1 < next_ || !pendingInRange(m.throwNumber + 1))
                return ignore(sender, "a move out of turn");
            moved_.try_emplace(m.throwNumber, Moved{m.at, std::string(sender)});
            break;
        case Act::Differs:
            if (seat == 0 && sender != hostName_) return ignore(sender, "not seated");
            stopped_ = true;
            notices_.push_back({Notice::Kind::Differs, std::string(sender), "throw " + std::to_string(m.throwNumber)});
            break;
    }
}

bool SharedTable::click(ViewId view) {
    if (!started_ || stopped_ || !table_.takesClick(view)) return false;
    const int seat = table_.toPlay();
    if (table_.phase() == Phase::DieWaits) {
        if (thrownHere_ == next_) return false;  // sent already
        thrownHere_ = next_;
        Message m = messageOf(Act::Throw, next_);
        m.seat = seat, m.value = fresh_();
        send(std::move(m));
        return true;
    }
    if (movedHere_ == next_ - 1) return false;
    movedHere_ = next_ - 1;
    Place at;
    playerOf(view, at);
    Message m = messageOf(Act::Move, next_ - 1);
    m.at = at;
    send(std::move(m));
    return true;
}

// ---- acting on them ----

void SharedTable::pump() {
    for (int guard = 0; guard < 64 && started_ && !stopped_; ++guard) {
        const Phase now = table_.phase();
        if (now == Phase::DieWaits ? !throwDue() : now == Phase::MarksWait ? !moveDue() : true) return;
    }
}

// The die waits for throw next_: the host reveals its secret once the thrower's value has come (at once for the
// computer); with both, every client checks the reveal and its game, and throws.
bool SharedTable::throwDue() {
    const int seat = table_.toPlay();
    const bool computer = names_[std::size_t(seat)].empty();
    auto thrown = thrown_.find(next_);
    if (thrown != thrown_.end() && thrown->second.seat != seat) {
        ignore(thrown->second.sender, "a throw out of turn");
        thrown_.erase(thrown);
        return true;
    }
    const bool valueCame = computer || thrown != thrown_.end();
    if (isHost() && chain_ && valueCame && revealed_ < next_ && next_ <= SecretChain::length) {
        revealed_ = next_;
        Message m = messageOf(Act::Reveal, next_);
        m.value = chain_->secret(next_), m.check = check();
        send(std::move(m));
    }
    auto revealed = revealedBy_.find(next_);
    if (!valueCame || revealed == revealedBy_.end()) return false;
    const Revealed r = revealed->second;
    revealedBy_.erase(revealed);
    if (sha256(r.secret) != commitment_) {
        notices_.push_back({Notice::Kind::WrongReveal, hostName_, "throw " + std::to_string(next_)});
        return true;
    }
    if (r.check != check()) {
        stopped_ = true;
        Message m = messageOf(Act::Differs, next_);
        m.check = check();
        send(std::move(m));
        notices_.push_back({Notice::Kind::Differs, me_, "throw " + std::to_string(next_)});
        return false;
    }
    const Digest value = computer ? mixedValue(latest_) : thrown->second.value;
    if (!computer) latest_[std::size_t(seat)] = value, thrown_.erase(thrown);
    commitment_ = r.secret;
    if (onThrow) onThrow(next_, check());
    dice_.start(throwDigest(r.secret, value, next_));
    ++next_;
    table_.decide(theDie);
    return true;
}

// The marks wait: the mover's choice, if legal.
bool SharedTable::moveDue() {
    auto moved = moved_.find(next_ - 1);
    if (moved == moved_.end()) return false;
    const Moved m = moved->second;
    moved_.erase(moved);
    const int seat = table_.toPlay();
    if (names_[std::size_t(seat)] != m.sender) return ignore(m.sender, "not seated there"), true;
    if (table_.decide(viewOf(seat, m.at))) return true;
    ignore(m.sender, "an illegal move");
    if (m.sender == me_) movedHere_ = 0;  // the person here may choose again
    return true;
}

// ---- what the window asks ----

int SharedTable::waitingFor() const {
    if (!started_ || stopped_) return 0;
    const int seat = table_.toPlay();
    return seat != 0 && names_[std::size_t(seat)] != me_ ? seat : 0;
}

std::uint64_t SharedTable::check() const {
    Game game = table_.game();
    game.options.speed = Speed::Normal;
    game.autoplay = game.sound = false;
    return checkOf(textOf(game));
}

}  // namespace skarpo::online
