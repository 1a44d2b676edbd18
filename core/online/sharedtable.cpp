// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/online/sharedtable.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace skarpo::online {

namespace {
using Act = Message::Act;
constexpr std::size_t maxSenders = 64;   // sequence numbers kept for so many names
constexpr std::size_t maxEarly = 256;    // messages a newcomer keeps until the game comes
constexpr std::size_t maxNewcomers = 8;  // newcomers the host sends the game to at one rest
constexpr std::size_t maxPerThrow = 4;   // reveals, and moves, kept for one throw
constexpr ViewId theDie{Family::Die, 0};

// A seat played from now on by a person or the computer. A person's counters home stand at 100, with those in the
// home column; the computer's at 101.
void reseat(Game& game, int seat, Seat to) {
    const bool person = to == Seat::Person;
    if (game.person(seat) == person) return;
    game.options.seats[std::size_t(seat)] = to;
    Position& at = game.position;
    int home = at.homerow(seat, 7);
    for (int j = 1; j <= 4; ++j) {
        std::int16_t& k = at.players(seat, j);
        if (person && k == finished) {
            k = inHomeColumn;
        } else if (!person && k == inHomeColumn && home > 0) {
            k = finished;
            --home;
        }
    }
}

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

void SharedTable::host(const std::array<std::string, 5>& names, Strength strength, std::optional<Game> from) {
    hostName_ = me_;
    resumed_ = std::move(from);
    names_ = names;
    strength_ = strength;
    seatingKnown_ = true;
    chain_ = std::make_unique<SecretChain>(fresh_());
    arrived();
}

void SharedTable::arrived(const std::string& who) {
    if (!isHost() || !chain_) return;
    std::vector<std::string>& told = started_ ? newcomers_ : present_;
    if (!who.empty() && who != me_ && told.size() < maxNewcomers &&
        std::find(told.begin(), told.end(), who) == told.end())
        told.push_back(who);
    if (started_) return;
    Message m = messageOf(Act::Table);
    m.value = chain_->commitment(), m.strength = strength_, m.names = names_, m.resumed = resumed_.has_value();
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
    // every seat taken: the room closes; whoever is in it now knows the word that opens it again
    if (onClosed) onClosed(hexOf(sha256("door " + hexOf(m.value))));
    if (m.resumed && !isHost()) return;  // the game comes from the host
    begin(m.strength);
}

// Every seat is taken: a fresh game (or the host's game taken up) with a person wherever someone sits, the speed
// and the sound as chosen here.
void SharedTable::begin(Strength strength) {
    started_ = true;
    Game game = resumed_.value_or(Game{});
    std::array<Seat, 5> seats{};
    std::array<bool, 5> here{};
    for (std::size_t s = 1; s <= 4; ++s) {
        seats[s] = names_[s].empty() ? Seat::Computer : Seat::Person;
        here[s] = names_[s] == me_;
        reseat(game, int(s), seats[s]);
    }
    game.options = {seats, table_.game().options.speed, strength};
    game.sound = table_.game().sound;
    table_.chooseSeats(seats);
    table_.takeUp(game);
    table_.share(here);
    if (resumed_) {
        table_.resume(game);  // what it was showing is finished at once; what follows plays on, up to a rest
        resting_ = true;
        newcomers_ = std::exchange(present_, {});
    } else {
        table_.newGame();
    }
    notices_.push_back({Notice::Kind::Started, {}, {}});
    for (int s = 1; s <= 4 && isHost(); ++s)
        if (!names_[std::size_t(s)].empty() && names_[std::size_t(s)] != me_) giveSecret(s);
}

// ---- the seats after the game began ----

// A fresh secret for the seat: its SHA-256 to everyone, the secret to its occupant alone.
void SharedTable::giveSecret(int seat) {
    const auto s = std::size_t(seat);
    secrets_[s] = fresh_();
    Message key = messageOf(Act::Key);
    key.seat = seat, key.value = sha256(secrets_[s]);
    send(std::move(key));
    Message secret = messageOf(Act::Secret);
    secret.seat = seat, secret.value = secrets_[s], secret.to = names_[s];
    send(std::move(secret));
}

void SharedTable::strand(int seat) {
    const auto s = std::size_t(seat);
    if (isHost() && started_ && seat >= 1 && seat <= 4 && !names_[s].empty() && names_[s] != me_) stranded_[s] = true;
}

void SharedTable::left(const std::string& who) {
    lastSeq_.erase(who);
    present_.erase(std::remove(present_.begin(), present_.end(), who), present_.end());
    if (!isHost() && who == hostName_ && !stopped_) {
        stopped_ = true;
        notices_.push_back({Notice::Kind::HostLeft, who, {}});
        return;
    }
    const int seat = seatOf(who);
    if (seat != 0) strand(seat);
}

bool SharedTable::away() const {
    const auto s = std::size_t(secret_.first);
    return started_ && !stopped_ && !comingBack_ && s != 0 && names_[s].empty() && keys_[s] == sha256(secret_.second);
}

void SharedTable::comeBack() {
    if (away()) claimDue_ = true;
}

void SharedTable::claimed(std::string_view sender, const Message& m) {
    const auto s = std::size_t(m.seat);
    if (!started_ || keys_[s] == Digest{} || sha256(m.value) != keys_[s] || !names_[s].empty() || seatOf(sender) != 0 ||
        sender.size() > maxName)
        return ignore(sender, "a wrong claim");
    if (claims_[s].empty()) claims_[s] = std::string(sender);
}

// The host's word on a seat: taken at once for who may send what, and changed in the game at its rest.
void SharedTable::seatReceived(std::string_view sender, const Message& m) {
    if (sender == me_) --seatsInFlight_;
    const auto s = std::size_t(m.seat);
    if (!started_ || (!m.who.empty() && claims_[s] != m.who)) return ignore(sender, "a seat nobody claimed");
    seatChanges_.push_back({m.throwNumber, m.seat, names_[s], m.who, arrivals_});
    names_[s] = m.who;
    claims_[s].clear();
    if (std::size_t(secret_.first) == s && !m.who.empty()) comingBack_ = false;  // back, or someone else's
    if (!m.who.empty()) keys_[s] = {};  // that secret is spent: a fresh one comes
}

// A seat change whose rest has come, in the room's order. Where marks wait, a move that came before the change
// goes first, and the change follows at the next rest: a client that made the move before the change came is
// there already. Whether a seat changed.
bool SharedTable::seatsDue() {
    for (auto c = seatChanges_.begin(); c != seatChanges_.end(); ++c) {
        if (c->rest > rest()) continue;
        const auto moved = moved_.find(next_ - 1);
        if (table_.phase() == Phase::MarksWait && c->rest == rest() && moved != moved_.end() &&
            moved->second.arrival < c->arrival)
            continue;
        const SeatChange change = *c;
        seatChanges_.erase(c);
        changeSeat(change);
        return true;
    }
    return false;
}

void SharedTable::changeSeat(const SeatChange& change) {
    Game game = table_.game();
    const bool person = !change.who.empty();
    reseat(game, change.seat, person ? Seat::Person : Seat::Computer);
    table_.takeUp(game);
    std::array<bool, 5> here{};
    for (std::size_t s = 1; s <= 4; ++s) here[s] = game.person(int(s)) && names_[s] == me_;
    table_.share(here);
    notices_.push_back(
        {person ? Notice::Kind::SeatBack : Notice::Kind::SeatTaken, person ? change.who : change.was, {}, change.seat});
    if (person && isHost()) giveSecret(change.seat);
    computerMoves();
}

// Marks that wait for a seat the computer plays now: it chooses the move.
void SharedTable::computerMoves() {
    const Game& game = table_.game();
    if (table_.phase() != Phase::MarksWait || game.person(game.thrower)) return;
    const Turn turn = computerPlayer(game.options.strength).turn(game.position, game.thrower, game.thrown, dice_);
    for (const TurnStep& step : turn) {
        if (step.kind != TurnStep::Kind::Move) continue;
        if (table_.decide(viewOf(game.thrower, step.from))) ++moves_;
        return;
    }
}

// The host's changes at this rest, before the throw is released: the computer to the seats stranded (at marks that
// wait, only to theirs), a seat claimed back to its claimer when its die waits, and the game to newcomers. Whether a
// seat change is on its way: the rest waits for it.
bool SharedTable::hostSeats() {
    if (seatsInFlight_ > 0) return true;
    const bool dieWaits = table_.phase() == Phase::DieWaits;
    const int toPlay = table_.toPlay();
    for (int seat = 1; seat <= 4; ++seat) {
        const auto s = std::size_t(seat);
        const bool person = table_.game().person(seat);
        std::string who;
        if (stranded_[s] && person && (dieWaits || seat == toPlay)) {
            stranded_[s] = false;
        } else if (!claims_[s].empty() && !person && dieWaits && seat == toPlay) {
            who = claims_[s];
        } else {
            continue;
        }
        Message m = messageOf(Act::Seat, rest());
        m.seat = seat, m.who = who;
        send(std::move(m));
        ++seatsInFlight_;
    }
    if (seatsInFlight_ > 0) return true;
    if (thrown_.find(next_) == thrown_.end() && (dieWaits || moved_.find(next_ - 1) == moved_.end()))
        for (const std::string& newcomer : std::exchange(newcomers_, {})) sendGame(newcomer);
    return false;
}

// The game as it rests, for someone who came after it began.
void SharedTable::sendGame(const std::string& to) {
    Message m = messageOf(Act::Game, next_);
    Game game = table_.game();
    game.options.speed = Speed::Normal;
    game.autoplay = game.sound = false;
    m.to = to, m.names = names_, m.strength = strength_, m.value = commitment_, m.moves = moves_;
    m.latest = latest_, m.keys = keys_, m.text = textOf(game);
    send(std::move(m));
}

// A newcomer's messages wait for the host's game; then it takes the game up and reads them again. Whether the
// message was taken so.
bool SharedTable::late(std::string_view sender, std::string_view payload, const Message& m) {
    if (m.act == Act::Game) {
        if (started_ || !fromHost(sender)) return true;
        caughtUp(m);
        const std::size_t told = notices_.size();
        for (const auto& [who, said] : std::exchange(early_, {})) receive(who, said);
        // what the game had passed already is no one's fault
        notices_.erase(std::remove_if(notices_.begin() + std::ptrdiff_t(told), notices_.end(),
                                      [](const Notice& n) { return n.kind == Notice::Kind::Ignored; }),
                       notices_.end());
        return true;
    }
    if (started_ || m.act == Act::Table || m.act == Act::Sit) return false;
    if (early_.size() < maxEarly) early_.emplace_back(sender, payload);
    return true;
}

void SharedTable::caughtUp(const Message& m) {
    ReadGame read = readGame(m.text);
    if (!read.error.empty() || (read.game.phase != Phase::DieWaits && read.game.phase != Phase::MarksWait))
        return ignore(hostName_, "a game that cannot be taken up: " + read.error);
    names_ = m.names, strength_ = m.strength, commitment_ = m.value, latest_ = m.latest, keys_ = m.keys;
    next_ = m.throwNumber, moves_ = m.moves;
    seatingKnown_ = started_ = claimDue_ = true;
    Game& game = read.game;
    game.options.speed = table_.game().options.speed;
    game.sound = table_.game().sound;
    std::array<bool, 5> here{};
    for (std::size_t s = 1; s <= 4; ++s) here[s] = game.person(int(s)) && names_[s] == me_;
    table_.chooseSeats(game.options.seats);
    table_.takeUp(game);
    table_.share(here);
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
    if (late(sender, payload, m)) return;
    auto last = lastSeq_.find(sender);
    if (last == lastSeq_.end() && lastSeq_.size() >= maxSenders) return ignore(sender, "too many senders");
    if (last != lastSeq_.end() && m.seq <= last->second) return ignore(sender, "replayed or out of sequence");
    lastSeq_[std::string(sender)] = m.seq;
    ++arrivals_;
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
            if (revealedBy_.count(m.throwNumber) < maxPerThrow)
                revealedBy_.emplace(m.throwNumber, Revealed{m.value, m.check});
            break;
        case Act::Move:
            if (seat == 0) return ignore(sender, "not seated");
            if (m.throwNumber + 1 < next_ || !pendingInRange(m.throwNumber + 1))
                return ignore(sender, "a move out of turn");
            if (moved_.count(m.throwNumber) < maxPerThrow)
                moved_.emplace(m.throwNumber, Moved{m.at, std::string(sender), seat, arrivals_});
            break;
        case Act::Differs:
            if (seat == 0 && sender != hostName_) return ignore(sender, "not seated");
            stopped_ = true;
            notices_.push_back({Notice::Kind::Differs, std::string(sender), "throw " + std::to_string(m.throwNumber)});
            break;
        case Act::Seat:
            if (fromHost(sender)) seatReceived(sender, m);
            break;
        case Act::Claim: claimed(sender, m); break;
        case Act::Key:
            if (fromHost(sender)) keys_[std::size_t(m.seat)] = m.value;
            break;
        case Act::Secret:
            if (!fromHost(sender) || names_[std::size_t(m.seat)] != me_) break;
            secret_ = {m.seat, m.value};
            if (onSecret) onSecret(m.seat, m.value);
            break;
        case Act::Game: break;  // taken by late()
    }
}

bool SharedTable::click(ViewId view) {
    if (!started_ || stopped_ || resting_ || !table_.takesClick(view)) return false;
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
    if (!started_ || stopped_) return;
    // a newcomer with a seat's secret kept from before takes the seat back from the computer
    if (const auto s = std::size_t(secret_.first);
        s != 0 && claimDue_ && names_[s].empty() && keys_[s] == sha256(secret_.second)) {
        claimDue_ = false;
        comingBack_ = true;
        Message m = messageOf(Act::Claim);
        m.seat = secret_.first, m.value = secret_.second;
        send(std::move(m));
    }
    for (int guard = 0; guard < 64 && !stopped_; ++guard) {
        const Phase now = table_.phase();
        if (now != Phase::DieWaits && now != Phase::MarksWait) return;
        if (std::exchange(resting_, false)) {
            firstRest();  // the computer may have moved: the phase is to be read again
            continue;
        }
        if (seatsDue()) continue;
        if (now == Phase::DieWaits ? !throwDue() : !moveDue()) return;
    }
}

// The host's game taken up from a kept one comes to its first rest (before anyone is sent the game). Marks that wait
// for a seat the computer plays now are its to choose; marks that wait for a person are a throw made before: it
// counts as this table's first, its secret as revealed.
void SharedTable::firstRest() {
    computerMoves();
    if (table_.phase() == Phase::MarksWait && chain_) {
        next_ = 2, revealed_ = 1;
        commitment_ = chain_->secret(1);
    }
}

// The die waits for throw next_: the host reveals its secret once the thrower's value has come (at once for the
// computer); with both, every client checks the reveal and its game, and throws.
bool SharedTable::throwDue() {
    const int seat = table_.toPlay();
    const bool computer = !table_.game().person(seat);
    auto thrown = thrown_.find(next_);
    if (thrown != thrown_.end() && thrown->second.seat != seat) {
        ignore(thrown->second.sender, "a throw out of turn");
        thrown_.erase(thrown);
        return true;
    }
    const bool valueCame = computer || thrown != thrown_.end();
    if (isHost() && chain_ && revealed_ < next_ && hostSeats()) return false;
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
    if (!computer) latest_[std::size_t(seat)] = value;
    if (thrown != thrown_.end()) thrown_.erase(thrown);
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
    if (moved == moved_.end()) {
        if (isHost()) hostSeats();
        return false;
    }
    const Moved m = moved->second;
    moved_.erase(moved);
    const int seat = table_.toPlay();
    if (m.seat != seat) return ignore(m.sender, "not seated there"), true;
    if (table_.decide(viewOf(seat, m.at))) {
        if (onMove) onMove(next_ - 1);
        return ++moves_, true;
    }
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
