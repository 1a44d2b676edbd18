// SPDX-License-Identifier: GPL-3.0-or-later
// The game as text: a first line naming the format and its version, then a line a part, its name first:
//
//   skarpo-game 1
//   phase marks            die, marks, moving or closed
//   opened yes
//   seats person computer computer computer
//   speed normal           normal, fast or fastest
//   strength normal        easy, normal or strong
//   auto no
//   sound yes
//   turn 1 1 5             who threw last, who throws next, the throw
//   last 5 3 0 2           each player's last throw
//   scene hidden 5 1       the resting die (hidden, shown, waits), the face lying (0 none), the frames' colour
//   marks ring:12 column:3
//   player 1 12 40 0 -5 column 3 home 1    each counter (0 or -5 waiting, 1..60 on the ring, 100 in the home
//   ...                                    column, 101 home), the home column's places taken, how many are home
//   stage move 3 ring:12 person            what is moving, how far it has got, and what it is
//   news threw 2 5 captured 2 1            the happenings the status line words: kind, player, value
//
// Reading checks every value and the rules' invariants: a text that does not read back gives the reason, never a
// position the rules cannot reach. A game that has ended (closed) is written but never read back: it takes nothing.
#include "core/game/game.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>
#include <sstream>
#include <vector>

namespace skarpo {

PersonBits Game::persons() const {
    PersonBits bits = 0;
    for (int p = 1; p <= 4; ++p) bits |= person(p) ? 1u << (p - 1) : 0u;
    return bits;
}

namespace {

constexpr const char* heading = "skarpo-game ";  // and the version
const std::vector<const char*> phases = {"die", "marks", "moving", "closed"};
const std::vector<const char*> speeds = {"normal", "fast", "fastest"};
const std::vector<const char*> strengths = {"easy", "normal", "strong"};
const std::vector<const char*> dies = {"hidden", "shown", "waits"};
const std::vector<const char*> stages = {"rest", "opening", "roll", "marking", "lost", "glance", "move", "pause"};
const std::vector<const char*> placeKinds = {"none", "ring", "start", "column", "final"};
const std::vector<const char*> stepKinds = {"move", "pause", "lost", "back"};
const std::vector<const char*> newsKinds = {"new",  "opening", "threw", "nomove",  "captured", "home",  "allhome",
                                            "auto", "noauto",  "sound", "nosound", "entered",  "moved", "resumed"};
constexpr int mostNews = 8;

std::string placeText(Place p) {
    return std::string(placeKinds[static_cast<int>(p.kind)]) + ":" + std::to_string(p.index);
}
const char* yes(bool b) { return b ? "yes" : "no"; }

std::string floatText(float f) {
    char out[32];
    std::snprintf(out, sizeof out, "%.9g", static_cast<double>(f));
    return out;
}

// The words of one line, taken one at a time; the first failure is kept.
class Words {
public:
    Words(std::vector<std::string> words, std::string& error) : words_(std::move(words)), error_(error) {}
    bool fail(const std::string& why) {
        if (error_.empty()) error_ = why;
        return false;
    }
    std::string word() {
        if (at_ < words_.size()) return words_[at_++];
        fail("a line ends too soon");
        return {};
    }
    int number(int lo, int hi) {
        const std::string w = word();
        int v = 0;
        const auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), v);
        if (ec == std::errc() && end == w.data() + w.size() && v >= lo && v <= hi) return v;
        fail("'" + w + "' is not a number from " + std::to_string(lo) + " to " + std::to_string(hi));
        return lo;
    }
    template <class E>
    E named(const std::vector<const char*>& names) {
        const std::string w = word();
        for (std::size_t i = 0; i < names.size(); ++i)
            if (w == names[i]) return static_cast<E>(i);
        fail("'" + w + "' is not a word this line takes");
        return E{};
    }
    bool flag() { return named<int>({"no", "yes"}) == 1; }
    Place place() {
        const std::string w = word();
        const auto colon = w.find(':');
        Words parts({w.substr(0, colon), colon == std::string::npos ? "" : w.substr(colon + 1)}, error_);
        const auto kind = parts.named<Place::Kind>(placeKinds);
        const int most[] = {0, 60, 3, 6, 4};
        return {kind, static_cast<std::int8_t>(parts.number(kind == Place::Kind::None    ? 0
                                                            : kind == Place::Kind::Start ? 0
                                                                                         : 1,
                                                            most[static_cast<int>(kind)]))};
    }
    float seconds() {
        const std::string w = word();
        char* end = nullptr;
        const float v = std::strtof(w.c_str(), &end);
        if (end != w.c_str() + w.size() || !(v >= 0 && v <= 1)) fail("'" + w + "' is not a pause in seconds");
        return v;
    }
    bool more() const { return at_ < words_.size(); }
    void end() {
        if (more()) fail("'" + words_[at_] + "' is one word too many");
    }

private:
    std::vector<std::string> words_;
    std::size_t at_ = 0;
    std::string& error_;
};

void writeAnimation(std::ostream& out, const Animation& a) {
    out << "stage " << stages[static_cast<int>(a.stage)] << ' ' << a.step << ' ' << placeText(a.from) << ' '
        << (a.computer ? "computer" : "person") << " roll " << int(a.roll);
    for (auto f : a.faces) out << ' ' << int(f);
    out << " turn " << a.turnAt << ' ' << a.turn.count;
    for (const TurnStep& s : a.turn)
        out << ' ' << stepKinds[static_cast<int>(s.kind)] << ' ' << placeText(s.from) << ' ' << floatText(s.sec);
    out << " moved " << static_cast<int>(a.moved.kind) << ' ' << a.moved.player << ' ' << a.moved.value << '\n';
}

Animation readAnimation(Words& w) {
    Animation a;
    a.stage = w.named<Stage>(stages);
    a.step = w.number(0, 2000);
    a.from = w.place();
    a.computer = w.named<int>({"person", "computer"}) == 1;
    if (w.word() != "roll") w.fail("the roll is missing");
    a.roll = static_cast<std::int8_t>(w.number(0, 6));
    for (auto& f : a.faces) f = static_cast<std::int8_t>(w.number(0, 6));
    if (w.word() != "turn") w.fail("the turn is missing");
    a.turnAt = w.number(-1, 4);
    const int count = w.number(0, 4);
    for (int i = 0; i < count; ++i) {
        const auto kind = w.named<TurnStep::Kind>(stepKinds);
        const Place from = w.place();
        a.turn.add({kind, from, w.seconds()});
    }
    if (w.word() != "moved") w.fail("where the computer's move ended is missing");
    a.moved.kind = static_cast<Happening::Kind>(w.number(0, static_cast<int>(Happening::Kind::Moved)));
    a.moved.player = w.number(0, 4);
    a.moved.value = w.number(0, Happening::columnBase + 6);
    return a;
}

void readPlayer(Words& w, Position& at, int p) {
    int inColumn = 0;
    for (int j = 1; j <= 4; ++j) {
        const int k = w.number(captured, finished);
        if (k < 0 ? k != captured : k > 60 && k < inHomeColumn) w.fail("no counter is ever " + std::to_string(k));
        at.players(p, j) = static_cast<std::int16_t>(k);
        inColumn += k >= inHomeColumn;
        if (k < 1 || k > 60) continue;
        const int s = squareOf(p, k);
        if (at.squares(s) != 0) w.fail("two counters on square " + std::to_string(s));
        at.squares(s) = static_cast<std::int16_t>(p);
        if (s <= 9) at.squares(s + 60) = static_cast<std::int16_t>(p);
    }
    at.players(p, 5) = static_cast<std::int16_t>(inColumn);
    if (w.word() != "column") w.fail("the home column is missing");
    while (w.more()) {
        const std::string next = w.word();
        if (next == "home") break;
        int k = 0;
        const auto [end, ec] = std::from_chars(next.data(), next.data() + next.size(), k);
        if (ec != std::errc() || end != next.data() + next.size() || k < 1 || k > 6 || at.homerow(p, k) != 0)
            return void(w.fail("'" + next + "' is no free place of a home column"));
        at.homerow(p, k) = 1;
    }
    at.homerow(p, 7) = w.number(0, 3);
}

}  // namespace

std::string textOf(const Game& g, const std::vector<Happening>& news) {
    std::ostringstream out;
    const Position& at = g.position;
    out << heading << textVersion << "\nphase " << phases[static_cast<int>(g.phase)] << "\nopened " << yes(g.opened)
        << "\nseats";
    for (int p = 1; p <= 4; ++p) out << (g.person(p) ? " person" : " computer");
    out << "\nspeed " << speeds[static_cast<int>(g.options.speed)] << "\nstrength "
        << strengths[static_cast<int>(g.options.strength)] << "\nauto " << yes(g.autoplay) << "\nsound " << yes(g.sound)
        << "\nturn " << g.thrower << ' ' << g.next << ' ' << g.thrown << "\nlast";
    for (int p = 1; p <= 4; ++p) out << ' ' << g.lastThrows[static_cast<std::size_t>(p)];
    out << "\nscene " << dies[static_cast<int>(g.scene.die)] << ' ' << int(g.scene.result) << ' ' << int(g.scene.frames)
        << "\nmarks";
    for (const Place& p : g.marks) out << ' ' << placeText(p);
    for (int p = 1; p <= 4; ++p) {
        out << "\nplayer " << p;
        for (int j = 1; j <= 4; ++j) out << ' ' << at.players(p, j);
        out << " column";
        for (int k = 1; k <= 6; ++k)
            if (at.homerow(p, k) == 1) out << ' ' << k;
        out << " home " << at.homerow(p, 7);
    }
    out << '\n';
    if (g.animation.stage != Stage::Rest) writeAnimation(out, g.animation);
    if (!news.empty()) {
        out << "news";
        for (std::size_t i = news.size() > mostNews ? news.size() - mostNews : 0; i < news.size(); ++i)
            out << ' ' << newsKinds[static_cast<std::size_t>(news[i].kind)] << ' ' << news[i].player << ' '
                << news[i].value;
        out << '\n';
    }
    return out.str();
}

int versionOf(const std::string& text) {
    const std::string first = text.substr(0, text.find('\n'));
    int v = 0;
    const char* end = first.data() + first.size();
    if (first.rfind(heading, 0) != 0) return 0;
    const auto [at, ec] = std::from_chars(first.data() + std::string(heading).size(), end, v);
    return ec == std::errc() && at == end && v > 0 ? v : 0;
}

ReadGame readGame(const std::string& text) {
    ReadGame read;
    Game& g = read.game;
    std::string& error = read.error;
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != heading + std::to_string(textVersion))
        return {{}, {}, "not a saved game of this version"};
    g.position = Position::fresh();
    std::map<std::string, int> seen;
    while (std::getline(in, line) && error.empty()) {
        std::istringstream split(line);
        std::vector<std::string> parts;
        for (std::string word; split >> word;) parts.push_back(word);
        if (parts.empty()) continue;
        Words w(std::vector<std::string>(parts.begin() + 1, parts.end()), error);
        const std::string& key = parts[0];
        if (++seen[key] > (key == "player" ? 4 : 1)) w.fail("'" + key + "' comes too often");
        if (key == "phase")
            g.phase = w.named<Phase>(phases);
        else if (key == "opened")
            g.opened = w.flag();
        else if (key == "seats")
            for (int p = 1; p <= 4; ++p)
                g.options.seats[static_cast<std::size_t>(p)] =
                    w.named<int>({"person", "computer"}) ? Seat::Computer : Seat::Person;
        else if (key == "speed")
            g.options.speed = w.named<Speed>(speeds);
        else if (key == "strength")
            g.options.strength = w.named<Strength>(strengths);
        else if (key == "auto")
            g.autoplay = w.flag();
        else if (key == "sound")
            g.sound = w.flag();
        else if (key == "turn")
            g.thrower = w.number(0, 4), g.next = w.number(1, 4), g.thrown = w.number(0, 6);
        else if (key == "last")
            for (int p = 1; p <= 4; ++p) g.lastThrows[static_cast<std::size_t>(p)] = w.number(0, 6);
        else if (key == "scene")
            g.scene = {w.named<Scene::Die>(dies), static_cast<std::int8_t>(w.number(0, 6)),
                       static_cast<std::int8_t>(w.number(0, 4))};
        else if (key == "marks")
            while (w.more() && g.marks.count < 10) g.marks.at[static_cast<std::size_t>(g.marks.count++)] = w.place();
        else if (key == "player" && seen[key] <= 4)
            readPlayer(w, g.position, w.number(seen[key], seen[key]));
        else if (key == "stage")
            g.animation = readAnimation(w);
        else if (key == "news")
            while (w.more() && read.news.size() < mostNews)
                read.news.push_back(
                    {w.named<Happening::Kind>(newsKinds), w.number(0, 4), w.number(0, Happening::columnBase + 6)});
        else
            w.fail("'" + key + "' is not part of a game");
        w.end();
    }
    for (const char* key :
         {"phase", "opened", "seats", "speed", "strength", "auto", "sound", "turn", "last", "scene", "marks", "player"})
        if (error.empty() && seen[key] < (std::string(key) == "player" ? 4 : 1))
            error = std::string("'") + key + "' is missing";
    if (error.empty()) error = faultsOf(g.position, g.persons());
    if (!error.empty()) return {{}, {}, error};
    // what the game waits for, and how it came to it
    const bool moving = g.animation.stage != Stage::Rest;
    const LegalMoves legal = g.thrower > 0 ? legalMoves(g.position, g.thrower, g.thrown) : LegalMoves{};
    if (g.phase == Phase::Closed)
        error = "a game that has ended";
    else if ((g.phase == Phase::Animating) != moving)
        error = "a game moves exactly while it is moving";
    else if (g.phase == Phase::MarksWait &&
             (!(g.marks == legal) || legal.count == 0 || !g.person(g.thrower) || g.thrown == 0))
        error = "the marks are not the moves the throw allows";
    else if (g.phase != Phase::MarksWait && g.marks.count > 0)
        error = "marks while none wait";
    else if (g.phase == Phase::DieWaits && g.scene.die != Scene::Die::Waits)
        error = "the die waits but is not shown so";
    else if (!g.opened && !(g.position == Position::fresh()))
        error = "counters out before the game began";
    else if (moving && g.thrower == 0 && g.animation.stage != Stage::Opening && g.animation.stage != Stage::Roll)
        error = "a turn shown before anyone threw";
    else if (moving && g.animation.computer != (g.animation.stage != Stage::Opening &&
                                                !g.person(g.animation.stage == Stage::Roll ? g.next : g.thrower)))
        error = "a turn shown as another player's";
    else if (g.animation.stage == Stage::Move &&
             !outcome(g.position, g.thrower, g.animation.from, g.thrown, !g.animation.computer).moves)
        error = "a move the rules cannot make";
    else if (g.animation.stage == Stage::Roll &&
             (g.animation.roll < 1 ||
              std::find(g.animation.faces.begin(), g.animation.faces.end(), 0) != g.animation.faces.end()))
        error = "a roll without its faces";
    if (!error.empty()) return {{}, {}, error};
    return read;
}

}  // namespace skarpo
