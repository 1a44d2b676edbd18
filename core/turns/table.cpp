// SPDX-License-Identifier: GPL-3.0-or-later
// The order of turns. A click on the die (or the timer's tick) throws for the player whose turn it is; a person's
// counters that may move are then marked and wait for a click, while the computer plays its whole turn at once; a
// six earns another throw; then the next colour throws, the computer ones one after another until the die waits for
// a person again, or for ever when nobody else plays.
#include "core/turns/table.h"

namespace skarpo {

namespace {

using Kind = Happening::Kind;

// Where a move ended, as the board tells it: the one place the player's counters hold after it and did not before
// (a new counter onto the ring is told as entered); nothing when the counter came home, or landed where one of its
// own stood (and captured it).
Happening movedTo(const Outcome& o, const Position& before) {
    const Place to = o.to;
    const bool held = to.kind == Place::Kind::Ring
                          ? before.squares(to.index) == o.player
                          : to.kind != Place::Kind::Column || before.homerow(o.player, to.index) == 1;
    if (held) return {};
    const int value = to.kind == Place::Kind::Ring ? to.index : Happening::columnBase + to.index;
    return {o.from.kind == Place::Kind::Start ? Kind::Entered : Kind::Moved, o.player, value};
}

}  // namespace

Table::Table(Platform& platform, const Options& options) : platform_(platform), seats_(options.seats) {
    game_.options = options;
    newGame();
}

Table::Table(Platform& platform, const Game& game) : platform_(platform), seats_(game.options.seats) { takeUp(game); }

void Table::takeUp(const Game& game) {
    replay(game);
    if (game_.phase == Phase::Animating) platform_.wake(0);
}

void Table::resume(Game game) {
    game.autoplay = game.sound = false;
    replay(game);
    pace_ = 0;  // the rest of the stage at once; the next one begins at its own pace
    run();
    told_.publish({Kind::Resumed, whoseTurn()});
}

// The game as it stood, what the board showed then, and a stage's script brought up to the step it had made,
// silently.
void Table::replay(const Game& game) {
    game_ = game;
    script_ = {};
    platform_.wake(-1);
    render(views_, game_);
    if (game_.phase != Phase::Animating) return;
    const Animation& a = game_.animation;
    if (a.stage == Stage::Move) moving_ = outcome(game_.position, game_.thrower, a.from, game_.thrown, !a.computer);
    show_.told = nullptr, show_.platform = nullptr;
    pace();
    script_ = scriptOf(show_, game_, moving_);
    for (int n = 0; n < a.step; ++n) nextPause();
    show_.told = &told_, show_.platform = &platform_;
}

const Player& Table::seated(int player) const {
    if (const Player* p = players_[static_cast<std::size_t>(player)]) return *p;
    return game_.person(player) ? personPlayer() : computerPlayer(game_.options.strength);
}

// ---- what the players do ----

bool Table::click(ViewId view) { return takesClick(view) && decide(view); }

bool Table::decide(ViewId view) {
    const bool die = game_.phase == Phase::DieWaits && view == ViewId{Family::Die, 0};
    if (!die && !isMark(view)) return false;
    Place place;
    playerOf(view, place);
    view.family == Family::Die ? throwDie() : move(place, false);
    run();
    return true;
}

bool Table::tick() {
    const Phase now = game_.phase;
    if (shared_) return false;
    if (now != Phase::DieWaits && now != Phase::MarksWait) return false;
    if (now == Phase::DieWaits && (game_.autoplay || !game_.person(game_.next))) {
        throwDie();
    } else if (now == Phase::MarksWait && game_.autoplay) {
        const Turn t = seated(game_.thrower).turn(game_.position, game_.thrower, game_.thrown, platform_);
        move(t.steps[0].from, false);
    }
    run();
    return true;
}

void Table::newGame() {
    if (game_.phase == Phase::Closed) return;
    script_ = {};
    platform_.wake(-1);
    Game fresh;
    fresh.options = {seats_, game_.options.speed, game_.options.strength};
    fresh.thrown = game_.thrown, fresh.autoplay = game_.autoplay, fresh.sound = game_.sound;
    game_ = fresh;
    ++decisions_;
    platform_.reseed();
    render(views_, game_);
    told_.publish({Kind::NewGame});
}

void Table::toggleAuto() {
    if (game_.phase == Phase::Closed) return;
    game_.autoplay = !game_.autoplay;
    told_.publish({game_.autoplay ? Kind::AutoOn : Kind::AutoOff});
}

void Table::toggleSound() {
    if (game_.phase == Phase::Closed) return;
    game_.sound = !game_.sound;
    told_.publish({game_.sound ? Kind::SoundOn : Kind::SoundOff});
}

void Table::close() {
    game_.autoplay = false;
    game_.phase = Phase::Closed;
    game_.animation = {};
    script_ = {};
    platform_.wake(-1);
}

// ---- the stages, one after another ----

void Table::advance() {
    if (game_.phase == Phase::Animating) run();
}

void Table::wordsSaid() {
    if (waitsForWords_ && game_.phase == Phase::Animating) run();
}

// The script goes on to its next pause, which the platform times; a script that is over hands on to the next stage,
// until the game comes to rest. A computer's throw, and the glance that ends a computer's turn before the die waits
// for a person, first wait for the words about what came before them, to a player who listens to them.
void Table::run() {
    waitsForWords_ = false;
    while (game_.phase == Phase::Animating) {
        const Animation& a = game_.animation;
        const bool waits = (a.stage == Stage::Roll || a.stage == Stage::Glance) && a.step == 0 && a.computer;
        if (waits && platform_.wordsPending(a.stage == Stage::Roll ? Platform::Words::Begun : Platform::Words::Said)) {
            waitsForWords_ = true;
            return;
        }
        if (const float sec = nextPause(); sec >= 0) {
            ++game_.animation.step;
            if (const float paused = sec * pace_; paused > 0 && !platform_.wake(paused)) return;
        } else if (!stageOver()) {
            return;
        }
    }
}

// A computer's pauses are a quarter as long at Fast (exactly: a quarter of a float is exact); at Fastest only the
// glances pause. Asked as each stage begins and whenever the speed changes.
void Table::pace() {
    const Animation& a = game_.animation;
    const Speed speed = game_.options.speed;
    pace_ = !a.computer || a.stage == Stage::Glance ? 1
            : speed == Speed::Fast                  ? 0.25f
            : speed == Speed::Fastest               ? 0
                                                    : 1;
}

// The stage's script on to its next pause, a move's motion after motion.
float Table::nextPause() {
    for (;;) {
        if (const float sec = script_.next(); sec >= 0) return sec;
        script_ = nextMotion(show_);
        if (script_.empty()) return -1;
    }
}

void Table::begin(Stage stage) {
    game_.animation.stage = stage;
    game_.animation.step = 0;
    pace();
    script_ = scriptOf(show_, game_, moving_);
}

bool Table::stageOver() {
    Animation& a = game_.animation;
    const Stage over = a.stage;  // the commonest first
    if (over == Stage::Roll) {
        rolled();
    } else if (over == Stage::Move) {
        moved();
    } else if (over == Stage::Pause) {
        turnStep(a.turnAt + 1);
    } else if (over == Stage::Marking) {
        marked();
    } else if (over == Stage::Glance) {
        a.turnAt < 0 ? turnStep(0) : turnOver();
    } else if (over == Stage::LostThrow) {
        game_.scene.result = 0;
        showDie();
        game_.thrown == 6 ? dieWaits(game_.thrower) : passTurn(game_.thrower);
    } else if (over == Stage::Opening) {
        roll();
    }
    return game_.phase == Phase::Animating;
}

// The die is clicked: at a game's first click the counters march out to the start areas first.
void Table::throwDie() {
    game_.phase = Phase::Animating;
    if (game_.opened) return roll();
    game_.opened = true;
    game_.scene.die = Scene::Die::Shown;
    game_.animation.computer = false;
    told_.publish({Kind::Opening});
    begin(Stage::Opening);
}

// The throw is made at once: the faces the die shows as it rolls, and where it comes to rest.
void Table::roll() {
    Animation& a = game_.animation;
    a.computer = !game_.person(game_.next);
    for (std::int8_t& f : a.faces) f = static_cast<std::int8_t>(static_cast<int>(platform_.random() * 6) + 1);
    a.roll = static_cast<std::int8_t>(platform_.random() * 6 + 1);
    ++decisions_;
    begin(Stage::Roll);
}

void Table::rolled() {
    Animation& a = game_.animation;
    game_.thrown = a.roll;
    game_.thrower = game_.next;
    game_.lastThrows[static_cast<std::size_t>(game_.thrower)] = a.roll;
    game_.scene.result = a.roll;
    game_.scene.die = Scene::Die::Hidden;
    told_.publish({Kind::Threw, game_.thrower, game_.thrown});
    if (game_.person(game_.thrower)) return begin(Stage::Marking);
    a.turnAt = -1;
    if (game_.options.speed == Speed::Fastest) return begin(Stage::Glance);
    turnStep(0);
}

// A person's counters that may move are marked; with none the throw is lost.
void Table::marked() {
    game_.marks = legalMoves(game_.position, game_.thrower, game_.thrown);
    if (game_.marks.count > 0) {
        for (const Place& p : game_.marks) views_[viewOf(game_.thrower, p)].back = colour::yellow;
        return rest(Phase::MarksWait);
    }
    told_.publish({Kind::NoMove, game_.thrower, game_.thrown});
    begin(Stage::LostThrow);
}

// A counter moves: decided by the rule book now, shown from now on, and made when the board has shown it.
void Table::move(Place from, bool computer) {
    if (!computer) {
        for (const Place& p : game_.marks)
            views_[viewOf(game_.thrower, p)].back =
                p.kind == Place::Kind::Ring ? colour::lightGrey : colour::ofPlayer(game_.thrower);
        game_.marks = {};
        game_.phase = Phase::Animating;
        game_.animation.computer = false;
        ++decisions_;
    }
    game_.animation.from = from;
    moving_ = outcome(game_.position, game_.thrower, from, game_.thrown, !computer);
    begin(Stage::Move);
}

void Table::moved() {
    Animation& a = game_.animation;
    const Happening told = movedTo(moving_, game_.position);
    game_.position = moving_.after;
    if (moving_.has(Motion::Kind::AllHome)) game_.scene.frames = 0, game_.scene.result = 0;
    if (a.computer) {  // a computer's one move is told when its turn ends; two in a turn are not told
        bool first = true;
        for (int i = 0; i < a.turnAt; ++i)
            first = first && a.turn.steps[static_cast<std::size_t>(i)].kind != TurnStep::Kind::Move;
        a.moved = first ? told : Happening{};
        return turnStep(a.turnAt + 1);
    }
    if (told.kind != Kind::NewGame) told_.publish(told);
    game_.scene.result = 0;
    showDie();
    game_.thrown == 6 ? dieWaits(game_.thrower) : passTurn(game_.thrower);
}

// The computer's turn, step by step: its moves, its pauses, a throw it cannot use.
void Table::turnStep(int at) {
    Animation& a = game_.animation;
    if (at == 0) {
        a.turn = seated(game_.thrower).turn(game_.position, game_.thrower, game_.thrown, platform_), a.moved = {};
        ++decisions_;
    }
    for (a.turnAt = at; a.turnAt < a.turn.count; ++a.turnAt) {
        const TurnStep& s = a.turn.steps[static_cast<std::size_t>(a.turnAt)];
        if (s.kind == TurnStep::Kind::Move) return move(s.from, true);
        if (s.kind == TurnStep::Kind::Pause || (s.kind == TurnStep::Kind::BackPause && wentBack()))
            return begin(Stage::Pause);
        if (s.kind == TurnStep::Kind::Lost) told_.publish({Kind::NoMove, game_.thrower, game_.thrown});
    }
    if (a.moved.kind != Kind::NewGame) told_.publish(a.moved);
    game_.next = game_.thrown == 6 ? game_.thrower : game_.thrower % 4 + 1;
    // a glance at where it moved; one that waits for the words about the turn, to a player who listens, before the
    // die waits for a person
    if (game_.options.speed == Speed::Fastest ||
        (game_.person(game_.next) && platform_.wordsPending(Platform::Words::Said)))
        return begin(Stage::Glance);
    turnOver();
}

// Whether the move just made took the counter back along its journey (a corner's jump).
bool Table::wentBack() const {
    const int p = game_.thrower;
    return moving_.to.kind == Place::Kind::Ring && progressOf(p, moving_.to.index) < progressOf(p, moving_.from.index);
}

// After the computer's turn the frames show who throws next; a person's die waits, a computer throws.
void Table::turnOver() {
    game_.scene.frames = static_cast<std::int8_t>(game_.next);
    game_.scene.result = 0;
    game_.scene.die = Scene::Die::Waits;
    showFrames();
    showDie();
    if (shared_ || game_.person(game_.next)) return rest(Phase::DieWaits);
    roll();
}

// The turn passes on from a player who did not throw a six.
void Table::passTurn(int from) {
    game_.next = from % 4 + 1;
    game_.scene.frames = static_cast<std::int8_t>(game_.next);
    showFrames();
    if (!game_.person(game_.next) && !shared_) return roll();
    if (!game_.person(game_.next)) {
        // at a shared table the computer's die waits, shown so, for the throw to be released
        game_.scene.die = Scene::Die::Waits;
        showDie();
        return rest(Phase::DieWaits);
    }
    game_.scene.result = 0;
    dieWaits(game_.next);
}

void Table::dieWaits(int player) {
    game_.next = player;
    game_.scene.die = Scene::Die::Waits;
    showDie();
    rest(Phase::DieWaits);
}

void Table::rest(Phase phase) {
    game_.phase = phase;
    game_.animation = {};
    script_ = {};
    show_.state = {};
}

void Table::showDie() {
    views_.die(0).visible = game_.scene.die != Scene::Die::Hidden;
    views_.die(15).visible = game_.scene.result > 0;
}

void Table::showFrames() {
    for (int k : {1, 3, 5, 7}) views_.frame(k).back = restingFrame(game_, k);
}

// ---- what the window asks ----

int Table::whoseTurn() const {
    const Stage stage = game_.animation.stage;
    if (game_.phase == Phase::DieWaits || stage == Stage::Roll || stage == Stage::Opening) return game_.next;
    return game_.thrower > 0 ? game_.thrower : game_.next;
}

int Table::toPlay() const {
    return game_.phase == Phase::DieWaits ? game_.next : game_.phase == Phase::MarksWait ? game_.thrower : 0;
}

bool Table::isMark(ViewId view) const {
    Place place;
    const int owner = playerOf(view, place);
    return game_.phase == Phase::MarksWait && (owner == 0 || owner == game_.thrower) && game_.marks.contains(place);
}

bool Table::takesClick(ViewId view) const {
    if (shared_ && !playedHere_[static_cast<std::size_t>(toPlay())]) return false;
    if (game_.phase == Phase::DieWaits) return view == ViewId{Family::Die, 0};
    return isMark(view);
}

std::vector<ViewId> Table::clickable() const {
    std::vector<ViewId> out;
    if (shared_ && !playedHere_[static_cast<std::size_t>(toPlay())]) return out;
    if (game_.phase == Phase::DieWaits) out.push_back({Family::Die, 0});
    if (game_.phase != Phase::MarksWait) return out;
    const int p = game_.thrower;
    if (game_.marks.contains(Place::start())) out.push_back(viewOf(p, Place::start()));
    for (int k = 1; k <= 60; ++k)
        if (game_.marks.contains(Place::ring(squareOf(p, k)))) out.push_back(viewOf(p, Place::ring(squareOf(p, k))));
    for (int k = 1; k <= 6; ++k)
        if (game_.marks.contains(Place::column(k))) out.push_back(viewOf(p, Place::column(k)));
    return out;
}

std::optional<Outcome> Table::foresee(ViewId mark) const {
    if (!isMark(mark)) return std::nullopt;
    Place place;
    playerOf(mark, place);
    return outcome(game_.position, game_.thrower, place, game_.thrown, true);
}

std::optional<Outcome> Table::comingMove() const {
    const Animation& a = game_.animation;
    if (game_.phase != Phase::Animating || !a.computer || a.turnAt < 0 ||
        (a.stage != Stage::Move && a.stage != Stage::Pause))
        return std::nullopt;
    for (int i = 0; i < a.turn.count; ++i) {
        const TurnStep& step = a.turn.steps[static_cast<std::size_t>(i)];
        if (step.kind == TurnStep::Kind::Lost) {
            Outcome none;
            none.player = game_.thrower, none.thrown = game_.thrown;
            return none;
        }
        // one not made yet: the position is still the one it moves from
        if (step.kind == TurnStep::Kind::Move && i >= a.turnAt)
            return outcome(game_.position, game_.thrower, step.from, game_.thrown, false);
        if (step.kind == TurnStep::Kind::Move) return std::nullopt;
    }
    return std::nullopt;
}

bool Table::ticksMatter() const {
    return !shared_ && game_.phase != Phase::Closed &&
           (game_.autoplay || (game_.phase == Phase::DieWaits && !game_.person(game_.next)));
}

bool Table::soleRed() const { return game_.person(1) && !game_.person(2) && !game_.person(3) && !game_.person(4); }

}  // namespace skarpo
