#include "tests/soak/soak.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <exception>
#include <memory>
#include <random>
#include <sstream>
#include <utility>

#include "tests/support/picture_check.h"
#include "tests/support/test_platform.h"

namespace skarpo::soak {

const char* eventName(Event e) {
    static const char* const names[eventKinds] = {"New Game", "Auto", "Sound", "click", "tick", "close"};
    const auto k = static_cast<std::size_t>(e);
    return k < eventKinds ? names[k] : "?";
}

namespace {

template <class... A>
std::string str(const A&... a) {
    std::ostringstream out;
    (out << ... << a);
    return out.str();
}

// What a check found wrong, each fault ended by "; "; empty when all holds.
struct Faults {
    std::string text;
    template <class... A>
    void operator()(const A&... a) { text += str(a..., "; "); }
};

using FamilyOf = ViewFamily Board::*;
struct FamilyInfo { FamilyOf of; bool store; };  // a picture store: nothing in a game changes it
constexpr FamilyInfo families[] = {
    {&Board::SQUARE, false}, {&Board::start, false},     {&Board::home, false},     {&Board::dicethrow, false},
    {&Board::dice, true},    {&Board::boardcount, true}, {&Board::homecount, true}, {&Board::two, true},
    {&Board::corner, true},  {&Board::Label1, false}};

// The indices of each family, the same on every board.
const std::vector<std::vector<int>>& familyIndices() {
    static const auto indices = [] {
        const test::Game probe;
        std::vector<std::vector<int>> out;
        for (const FamilyInfo& fam : families) out.push_back((probe.board.*fam.of).indices());
        return out;
    }();
    return indices;
}

// Calls f(family, index) for every view, or every view of the picture stores.
template <class F>
void eachView(F&& f, bool storesOnly = false) {
    for (std::size_t k = 0; k < std::size(families); ++k)
        if (families[k].store || !storesOnly)
            for (int i : familyIndices()[k]) f(families[k].of, i);
}

// ---- a fingerprint of everything a person or the game can change: the
// public variables, check marks, tables and every view's colour, pictures and
// states, in a fixed order (positions and tooltips are checked apart) ----

constexpr std::size_t autoplaySlot = 2, soundSlot = 3, autoCheckSlot = 4, soundCheckSlot = 5;

template <class F>
void walk(const Board& b, F&& f) {
    const char* const names[] = {"moves", "whosego", "autoplay", "sound", "autoChecked", "soundopChecked"};
    const long long vars[] = {b.moves, b.whosego, b.autoplay, b.sound, b.autoChecked, b.soundopChecked};
    for (std::size_t k = 0; k < std::size(vars); ++k) f(names[k], 0, vars[k]);
    for (int p = 1; p <= 4; ++p)
        for (int j = 0; j <= 5; ++j) f("players", 10 * p + j, b.players(p, j));
    for (int p = 1; p <= 4; ++p)
        for (int k = 1; k <= 7; ++k) f("homerow", 10 * p + k, b.homerow(p, k));
    for (int i = 1; i <= 70; ++i) f("squares", i, b.squares(i));
    eachView([&](FamilyOf fam, int i) {
        const View& v = (b.*fam)(i);
        f((b.*fam).name(), i,
          static_cast<long long>(v.back) << 24 | static_cast<long long>(v.picture) << 16 |
              static_cast<long long>(v.spare) << 8 | (v.enabled ? 2 : 0) | (v.visible ? 1 : 0));
    });
}

using Fingerprint = std::vector<long long>;

Fingerprint fingerprint(const Board& b) {
    Fingerprint out;
    out.reserve(400);
    walk(b, [&](const char*, int, long long v) { out.push_back(v); });
    return out;
}

// The first few places where two fingerprints of the same board differ.
std::string changes(const Board& b, const Fingerprint& before, const Fingerprint& after) {
    std::string out;
    std::size_t k = 0;
    int shown = 0;
    walk(b, [&](const char* what, int i, long long) {
        if (k < before.size() && k < after.size() && before[k] != after[k] && shown++ < 6)
            out += str(what, "(", i, ") ", before[k], " -> ", after[k], "; ");
        ++k;
    });
    return out;
}

std::string notNewGame(const Board& b, const Board& fresh, const char* when) {
    const std::string d = test::differences(b, fresh);
    return d.empty() ? d : str(when, " the board is not a new game's: ", d);
}

// Player 1's marked counters, in a fixed order: what a person may click after a throw.
std::vector<std::pair<Family, int>> marked(const Board& b) {
    std::vector<std::pair<Family, int>> out;
    for (int i = 1; i <= 60; ++i)
        if (b.SQUARE(i).back == colour::yellow) out.push_back({Family::SQUARE, i});
    if (b.start(0).back == colour::yellow) out.push_back({Family::start, 0});
    for (int i = 0; i <= 5; ++i)
        if (b.home(i).back == colour::yellow) out.push_back({Family::home, i});
    return out;
}

// The families a person can click: the indices that can take a click, and
// those a stray click picks from, with a margin the family lacks.
struct Clickable { Family family; FamilyOf of; int lo, hi, strayHi; };
constexpr Clickable clickables[] = {{Family::SQUARE, &Board::SQUARE, 1, 60, 102},
                                    {Family::start, &Board::start, 0, 15, 16},
                                    {Family::home, &Board::home, 0, 39, 40},
                                    {Family::dicethrow, &Board::dicethrow, 0, 15, 16}};

// ---- what is checked ----

// At a pause and between handlers alike: the options agree with their check
// marks, and the picture stores keep their artwork.
void optionAndStoreFaults(const Board& b, const Board& fresh, Faults& fault) {
    if (b.autoplay != b.autoChecked) fault("autoplay and its check mark disagree");
    if ((b.sound != 0) != b.soundopChecked || (b.sound != 0 && b.sound != -1)) fault("sound is ", b.sound);
    eachView([&](FamilyOf fam, int i) {
        if (!((b.*fam)(i) == (fresh.*fam)(i))) fault((b.*fam).name(), "(", i, ") changed");
    }, true);
    if (!(b.SQUARE(100) == fresh.SQUARE(100))) fault("SQUARE(100) changed");
}

// At a pause the tables are half rewritten, so Board::checkInvariants, which
// wants them to agree exactly, does not apply: a counter that has left its
// square is not yet recorded where it lands, a captured counter runs home
// still recorded where it was taken, a counter walking into its column has
// left the ring before it takes its column place, and a computer player's
// counter stepping into a final place has freed its column place before it
// is counted home (player 1's are counted as recorded). One counter at a
// time is in motion; what the game keeps even then is checked here.
void tableFaultsInMotion(const Board& b, Faults& fault) {
    for (int s = 1; s <= 60; ++s)
        if (b.squares(s) < 0 || b.squares(s) > 4) fault("squares(", s, ") is ", b.squares(s));
    for (int s = 1; s <= 9; ++s)
        if (b.squares(s + 60) != b.squares(s))
            fault("squares(", s + 60, ") is ", b.squares(s + 60), ", squares(", s, ") ", b.squares(s));
    if (b.squares(70) != 0) fault("squares(70) is ", b.squares(70));
    if (b.whosego < 0 || b.whosego > 4) fault("whosego is ", b.whosego);
    for (int p = 1; p <= 4; ++p) {
        if (b.players(p, 0) != entrySquare(p)) fault("players(", p, ",0) is ", b.players(p, 0));
        int ring = 0, column = 0, done = 0, held = 0, inColumn = 0;
        for (int j = 1; j <= 4; ++j) {
            const int k = b.players(p, j);
            const bool onRing = k >= 1 && k <= 60;
            ring += onRing;
            column += k == inHomeColumn;
            done += k == finished;
            if (!onRing && k != 0 && k != captured && k != inHomeColumn && !(k == finished && p != 1))
                fault("players(", p, ",", j, ") is ", k);
            for (int i = 1; i < j; ++i)
                if (onRing && b.players(p, i) == k) fault("counters ", p, "/", i, " and ", j, " share progress ", k);
        }
        for (int s = 1; s <= 60; ++s) held += b.squares(s) == p;
        for (int k = 1; k <= 6; ++k) {
            inColumn += b.homerow(p, k);
            if (b.homerow(p, k) != 0 && b.homerow(p, k) != 1) fault("homerow(", p, ",", k, ") is ", b.homerow(p, k));
        }
        const int home = b.homerow(p, 7);
        if (home < 0 || home > 4) fault("homerow(", p, ",7) is ", home);
        auto counts = [&] {
            return str(" (", ring, " on the ring, ", held, " squares held, ", column, " at 100, ", done, " at 101, ",
                       inColumn, " column places, ", home, " home)");
        };
        if (std::abs(ring - held) > 1) fault("player ", p, " is recorded on the ring unlike its counters", counts());
        if (b.players(p, 5) < column + done || b.players(p, 5) > column + done + 1)
            fault("players(", p, ",5) is ", b.players(p, 5), counts());
        if (p == 1 ? column != inColumn + home : done != home || column < inColumn || column > inColumn + 1)
            fault("player ", p, "'s home column is recorded unlike its counters", counts());
    }
}

// Between handlers, beyond the tables and pictures: the board offers exactly
// one way on. Either the die waits for player 1 (shown, clickable, nothing
// marked) or player 1's movable counters are marked after a throw (the
// result shown, the die hidden); only those views take clicks, and all else
// a person sees rests.
void restingFaults(const Board& b, const Board& fresh, Faults& fault) {
    auto clickable = [](const View& v) { return v.visible && v.enabled; };
    for (int p = 1; p <= 4; ++p)
        if (b.homerow(p, 7) > 3) fault("player ", p, " has four home and was not reset");
    for (int i = 1; i <= 60; ++i)
        if (clickable(b.SQUARE(i)) && b.SQUARE(i).back != colour::yellow) fault("SQUARE(", i, ") takes clicks unmarked");
    auto place = [&](const ViewFamily& views, int i, bool markable, Colour own) {
        const View& v = views(i);
        const bool mark = markable && v.back == colour::yellow;
        if (!mark && v.back != own) fault(views.name(), "(", i, ") has a foreign background");
        if (clickable(v) != mark)
            fault(views.name(), "(", i, mark ? ") is marked but takes no clicks" : ") takes clicks unmarked");
    };
    for (int p = 1; p <= 4; ++p) {
        for (int k = 0; k <= 3; ++k) place(b.start, 4 * (p - 1) + k, p == 1 && k == 0, colour::ofPlayer(p));
        for (int k = 0; k <= 9; ++k)
            place(b.home, 10 * (p - 1) + k, p == 1 && k <= 5, k <= 5 ? colour::ofPlayer(p) : colour::finalOf(p));
    }
    for (int i = 0; i <= 15; ++i) {
        if (i > 0 && clickable(b.dicethrow(i))) fault("dicethrow(", i, ") takes clicks");
        if (b.dicethrow(i).back != colour::window) fault("dicethrow(", i, ") has a foreign background");
    }
    const View& die = b.dicethrow(0);
    const bool waiting = clickable(die);
    if (waiting) {
        if (!marked(b).empty()) fault("the die waits while counters are marked");
        if (b.whosego != 0 && b.whosego != 4) fault("the die waits for player 1 with whosego ", b.whosego);
        if (die.picture != Picture::DieQuestion) fault("the waiting die does not show the question mark");
    } else {
        if (die.visible || die.enabled) fault("the die shows or is enabled but does not wait");
        if (marked(b).empty()) fault("stuck: the die does not wait and nothing is marked");
        if (b.whosego != 1) fault("counters are marked with whosego ", b.whosego);
        if (b.moves < 1 || b.moves > 6) fault("counters are marked for a throw of ", b.moves);
        else if (!b.dicethrow(15).visible || b.dicethrow(15).picture != dieFace(b.moves))
            fault("the throw of ", b.moves, " is not shown");
    }
    for (int i = 1; i <= (waiting ? 15 : 14); ++i)
        if (b.dicethrow(i).visible) fault("dicethrow(", i, waiting ? ") shows while the die waits" : ") shows after the roll");
    // the even centre frames in the window's colour; the odd ones alike, red
    // for player 1's turn or, after a celebration, the window's
    for (int k : {0, 2, 4, 6})
        if (b.Label1(k).back != colour::window) fault("Label1(", k, ") is lit");
    const Colour odd = b.Label1(1).back;
    for (int k : {3, 5, 7})
        if (b.Label1(k).back != odd) fault("the odd frames differ");
    if (odd != colour::red && odd != colour::window) fault("the frames do not show player 1's turn");
    eachView([&](FamilyOf fam, int i) {
        const View &v = (b.*fam)(i), &w = (fresh.*fam)(i);
        if (v.left != w.left || v.top != w.top || v.width != w.width || v.height != w.height ||
            v.tooltip != w.tooltip || v.framed != w.framed)
            fault((b.*fam).name(), "(", i, ") moved or changed its tooltip");
    });
    if (b.SQUARE(99).visible) fault("the scratch store SQUARE(99) shows");
}

// ---- the runner ----

// How often "New Game" and closing strike, per pause and per handler. Some
// seeds play long undisturbed games (so that players finish and celebrate),
// some are interrupted every few turns.
struct Mood { double newGameInPause, closeInPause, newGameBetween, closeBetween; };
constexpr Mood moods[] = {
    {1.0 / 400000, 1.0 / 4000000, 1.0 / 50000, 1.0 / 500000},  // calm
    {1.0 / 2500, 1.0 / 30000, 1.0 / 300, 1.0 / 20000},         // busy
    {1.0 / 40000, 1.0 / 1000000, 1.0 / 5000, 1.0 / 100000},    // mixed
};
constexpr double clickInPause = 1.0 / 30;
constexpr double menuInPause = 1.0 / 3000;  // each of "Auto" and "Sound"
constexpr double newGameInCelebration = 1.0 / 1500;
constexpr double newGameInOpening = 1.0 / 400;
// A handler that pauses this often never returns; an exception out of the pause ends it.
constexpr long runaway = 200000;
struct Runaway {};

class Runner;

// A board on the test platform, with every pause handed to the runner first.
struct Window : test::TestPlatform {
    Runner& runner;
    Board board{*this};
    explicit Window(Runner& r) : runner(r) {}
    void wait(float sec) override;
};

class Runner {
public:
    Runner(const Options& o, Figures& f) : opt_(o), fig_(f) {}

    void runSeed(unsigned seed, long turns, const Mood& mood) {
        seed_ = seed;
        mood_ = mood;
        rng_.seed(seed);
        const long target = fig_.turns + turns;
        for (int window = 1, idle = 0; fig_.turns < target; ++window) {
            const long before = fig_.turns;
            playWindow(seed * 1000u + static_cast<unsigned>(window), target);
            idle = fig_.turns == before ? idle + 1 : 0;
            if (idle == 10) return violation("ten windows in a row without a throw");
        }
    }

    void atPause(float sec) {
        if (!w_) return;
        Board& b = w_->board;
        ++fig_.pauses;
        if (inHandler_ && ++pausesInHandler_ > runaway) {
            violation("a handler that never returns");
            throw Runaway{};
        }
        if (opt_.sabotage) opt_.sabotage(b, fig_.pauses);
        if (sec == 0.04f) ++fig_.turns;  // the die's first position on its roll
        if (broken_) return;
        Faults fault;
        if (!inHandler_) fault("a pause outside any handler");
        if (!b.paused()) fault("a pause the board does not know of");
        if (b.closed()) fault("the handler paused again after the window closed");
        if (newGameInHandler_) fault("the handler paused again after a new game dropped it");
        // the die refuses clicks from the moment it is clicked, also while the counters march out
        if (b.dicethrow(0).visible && b.dicethrow(0).enabled) fault("the die is clickable inside a pause");
        tableFaultsInMotion(b, fault);
        optionAndStoreFaults(b, fresh_.board, fault);
        if (!fault.text.empty()) violation(str("at a pause of ", sec, " s: ", fault.text));
        if (broken_) return;
        celebrations(false);

        // While the pause lasts, in time order: the timer ticks at every
        // whole second, and now and then a person does something.
        bool rolling = false;
        for (int i = 1; i <= 14; ++i) rolling = rolling || b.dicethrow(i).visible;
        const bool celebration = celebrating_[1] || celebrating_[2] || celebrating_[3] || celebrating_[4];
        // the counters march out at a game's first click: the die stays
        // shown, no longer clickable, while they step at 0.07 s
        const bool opening = sec == 0.07f && b.dicethrow(0).visible && !b.dicethrow(0).enabled;
        std::vector<std::pair<double, Event>> events;
        const double from = w_->now, to = w_->now + static_cast<double>(sec);
        for (double t = std::floor(from) + 1; t <= to; t += 1) events.push_back({t, Event::Tick});
        auto sometimes = [&](double p, Event e) {
            if (chance(p)) events.push_back({from + uniform() * (to - from), e});
        };
        sometimes(clickInPause, Event::Click);
        sometimes(menuInPause, Event::Auto);
        sometimes(menuInPause, Event::Sound);
        sometimes(celebration ? std::max(mood_.newGameInPause, newGameInCelebration)
                  : opening   ? std::max(mood_.newGameInPause, newGameInOpening)
                              : mood_.newGameInPause,
                  Event::NewGame);
        sometimes(mood_.closeInPause, Event::Close);
        std::sort(events.begin(), events.end(), [](auto& x, auto& y) { return x.first < y.first; });
        const std::string was = doing_;
        for (const auto& [t, e] : events) {
            if (broken_) break;
            w_->now = t;
            doing_ = str(eventName(e), " inside a pause of ", was);
            ++fig_.duringPauses[static_cast<std::size_t>(e)];
            if (e == Event::Tick) {
                refused("tick", "inside a pause", [&] { return b.tick(); });
            } else if (e == Event::Click) {
                strayClick(true);
            } else if (e == Event::Auto || e == Event::Sound) {
                chooseMenu(e, true);
            } else {
                if (!b.closed()) {
                    fig_.interruptedRolls += rolling;
                    fig_.interruptedOpenings += opening;
                }
                interrupt(e, true);
            }
            doing_ = was;
        }
    }

private:
    // the person's randomness, apart from the game's dice
    double uniform() { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }
    bool chance(double p) { return uniform() < p; }
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    template <class T>
    const T& pick(const std::vector<T>& v) { return v[static_cast<std::size_t>(between(0, static_cast<int>(v.size()) - 1))]; }

    // Counts a breach, describes the first few and gives up the window; an
    // empty text is none.
    void violation(const std::string& what) {
        if (what.empty()) return;
        ++fig_.violations;
        if (fig_.reports.size() < opt_.reports)
            fig_.reports.push_back(str("seed ", seed_, " window ", fig_.windows, " throw ", fig_.turns, " handler ",
                                       fig_.handlers, " (", doing_, "): ", what));
        broken_ = true;
    }
    // The board must now be as `want`; returns its fingerprint.
    Fingerprint expect(const Fingerprint& want, const std::string& what) {
        Fingerprint now = fingerprint(w_->board);
        if (now != want) violation(what + " changed " + changes(w_->board, want, now));
        return now;
    }
    // An event that must be refused and change nothing.
    template <class F>
    void refused(const std::string& what, const char* where, F&& event) {
        const Fingerprint before = fingerprint(w_->board);
        try {
            if (event()) violation(str(what, " reached the game ", where));
        } catch (const std::exception& e) { return violation(str(what, " threw: ", e.what())); }
        expect(before, "a refused " + what);
    }
    void countBetween(Event e, bool inPause) {
        if (!inPause) ++fig_.betweenHandlers[static_cast<std::size_t>(e)];
    }
    // A celebration is over when the player's final places empty again, or
    // cut short by a new game or the window closing.
    void celebrations(bool interrupted) {
        for (std::size_t p = 1; p <= 4; ++p)
            if (!interrupted && w_->board.homerow(static_cast<int>(p), 7) == 4) {
                celebrating_[p] = true;
            } else if (celebrating_[p]) {
                celebrating_[p] = false;
                ++(interrupted ? fig_.interruptedCelebrations : fig_.celebrations[p]);
            }
    }

    void playWindow(unsigned platformSeed, long target) {
        w_ = std::make_unique<Window>(*this);
        w_->seed = platformSeed;
        w_->board.Form_Load();
        ++fig_.windows;
        broken_ = false;
        celebrating_ = {};
        doing_ = "the window opens";
        checkBetween();
        for (long idle = 0, lastTurns = fig_.turns; fig_.turns < target && !broken_ && !w_->board.closed();) {
            step();
            if (broken_ || w_->board.closed()) break;
            checkBetween();
            if (fig_.turns != lastTurns) lastTurns = fig_.turns, idle = 0;
            else if (++idle > 2000) violation("no throw in 2000 handlers");
        }
        w_.reset();
    }

    void checkBetween() {
        if (broken_ || !w_ || w_->board.closed()) return;
        const Board& b = w_->board;
        celebrations(false);
        Faults fault;
        if (b.paused()) fault("paused between handlers");
        // before the opening march the board is exactly a new game's, whose
        // tables and pictures are not yet those of a game in play
        fault.text += b.dicethrow(15).enabled ? notNewGame(b, fresh_.board, "before the opening march")
                                              : test::boardFaults(b);
        optionAndStoreFaults(b, fresh_.board, fault);
        restingFaults(b, fresh_.board, fault);
        violation(fault.text);
    }

    // One thing a person does between two handlers.
    void step() {
        Board& b = w_->board;
        const double r = uniform();
        if (r < 0.03) return strayClick(false);
        if (r < 0.035) return chooseMenu(Event::Auto, false);
        if (r < 0.04) return chooseMenu(Event::Sound, false);
        if (chance(mood_.newGameBetween)) return interrupt(Event::NewGame, false);
        if (chance(mood_.closeBetween)) return interrupt(Event::Close, false);
        if (b.autoplay && r < 0.9) {
            w_->now = std::floor(w_->now) + 1;  // the timer's next tick
            deliver("a tick with automatic play", [&] { return b.tick(); });
        } else if (!b.autoplay && r < 0.1) {  // the timer ticks on, and nothing happens
            w_->now = std::floor(w_->now) + 1;
            countBetween(Event::Tick, false);
            const Fingerprint before = fingerprint(b);
            if (deliver("a tick without automatic play", [&] { return b.tick(); }))
                expect(before, "a tick without automatic play");
        } else {  // a person clicks the die, or one of the marked counters
            w_->now += 0.2 + uniform();
            if (b.dicethrow(0).visible && b.dicethrow(0).enabled)
                return void(deliver("a click on the die", [&] { return b.click(Family::dicethrow, 0); }));
            const auto counters = marked(b);
            if (counters.empty()) return violation("nothing to click between handlers");
            const auto [family, index] = pick(counters);
            deliver("a click on a marked counter", [&, f = family, i = index] { return b.click(f, i); });
        }
    }

    // Delivers an event that must reach a handler, and checks what holds
    // when the handler has returned.
    bool deliver(const char* what, const std::function<bool()>& event) {
        Board& b = w_->board;
        doing_ = what;
        newGameInHandler_ = closedInHandler_ = false;
        inHandler_ = true;
        pausesInHandler_ = 0;
        bool taken = false, returned = false;
        try {
            taken = event();
            returned = true;
        } catch (const Runaway&) {  // already reported
        } catch (const std::exception& e) {
            violation(str("exception: ", e.what()));
        } catch (...) {
            violation("an unknown exception left the handler");
        }
        inHandler_ = false;
        if (!returned) return false;
        if (!taken) return violation("refused between handlers"), false;
        ++fig_.handlers;
        if (b.paused()) violation("still paused after the handler returned");
        if (closedInHandler_) {
            if (!b.closed()) violation("the window closed in a pause is open again");
            expect(closedPrint_, "the handler went on after closing and");
            checkClosedIsInert();
        } else if (newGameInHandler_) {  // the dropped handler unwound without touching the new game
            violation(notNewGame(b, fresh_.board, "after a new game inside the handler,"));
        }
        return true;
    }

    std::pair<const Clickable*, int> randomView() {
        // half the time a view that invites a click: shown and enabled, or
        // yellow (marked, or a special square blinking)
        if (chance(0.5)) {
            std::vector<std::pair<const Clickable*, int>> tempting;
            for (const Clickable& c : clickables)
                for (int i = c.lo; i <= c.hi; ++i) {
                    const View& v = (w_->board.*c.of)(i);
                    if ((v.visible && v.enabled) || v.back == colour::yellow) tempting.push_back({&c, i});
                }
            if (!tempting.empty()) return pick(tempting);
        }
        const Clickable& c = clickables[between(0, 3)];
        return {&c, between(-1, c.strayHi)};
    }

    // A click anywhere. Inside a pause it must be refused; between handlers
    // it reaches the game exactly when it falls on a visible, enabled view
    // of the ring, the start or home places or the die.
    void strayClick(bool inPause) {
        Board& b = w_->board;
        const auto [c, index] = randomView();
        const ViewFamily& views = b.*c->of;
        const Family family = c->family;
        countBetween(Event::Click, inPause);
        if (!inPause && index >= c->lo && index <= c->hi && views(index).visible && views(index).enabled)
            return void(deliver("a click anywhere that fell on a clickable view",
                                [&, i = index] { return b.click(family, i); }));
        refused(str("click on ", views.name(), "(", index, ")"), inPause ? "inside a pause" : "unclickable",
                [&, i = index] { return b.click(family, i); });
    }

    // "New Game" makes the board a fresh game's whatever was interrupted,
    // keeping the last throw, automatic play and sound; closing the window
    // turns automatic play off, and nothing is taken any more. Inside a pause
    // the interrupted handler is dropped, or unwinds at the end of the pause.
    // After closing, both change nothing.
    void interrupt(Event e, bool inPause) {
        Board& b = w_->board;
        const bool closing = e == Event::Close, wasClosed = b.closed();
        countBetween(e, inPause);
        Fingerprint want = fingerprint(b);
        if (closing) want[autoplaySlot] = 0;
        try {
            if (closing) b.close();
            else b.chooseNewGame();
        } catch (const std::exception& x) { return violation(str(eventName(e), " threw: ", x.what())); }
        if (closing && !b.closed()) return violation("the window did not close");
        if (wasClosed || closing) {
            const Fingerprint after = expect(want, wasClosed ? str(eventName(e), " after closing") : "closing");
            if (wasClosed) return;
            closedPrint_ = after;
        }
        celebrations(true);
        if (closing && inPause) closedInHandler_ = true;
        if (closing && !inPause) checkClosedIsInert();
        if (closing) return;
        violation(notNewGame(b, fresh_.board, "after New Game"));
        const Fingerprint after = fingerprint(b);
        bool kept = true;
        for (std::size_t slot : {0u, 2u, 3u, 4u, 5u}) kept = kept && after[slot] == want[slot];  // throw and options
        if (!kept) violation("New Game changed the last throw or the options");
        if (!inPause) return void(++fig_.handlers);
        if (!b.paused()) violation("New Game ended the pause it was chosen in");
        newGameInHandler_ = true;
    }

    // "Auto" and "Sound" toggle their flag and check mark and nothing else,
    // in a pause or not; after closing they do nothing.
    void chooseMenu(Event e, bool inPause) {
        Board& b = w_->board;
        const bool isAuto = e == Event::Auto;
        countBetween(e, inPause);
        Fingerprint want = fingerprint(b);
        if (!b.closed()) {
            if (isAuto) want[autoplaySlot] ^= 1;
            else want[soundSlot] = want[soundSlot] == 0 ? -1 : 0;
            want[isAuto ? autoCheckSlot : soundCheckSlot] ^= 1;
        }
        if (isAuto) b.chooseAuto();
        else b.chooseSound();
        expect(want, str(eventName(e), " did more than toggle: it"));
        if (!inPause) ++fig_.handlers;
    }

    // A closed window takes nothing: no click, no tick, no menu command.
    void checkClosedIsInert() {
        Board& b = w_->board;
        const Fingerprint before = fingerprint(b);
        bool taken = b.click(Family::dicethrow, 0) || b.tick();
        for (int i = 1; i <= 60; ++i) taken = taken || b.click(Family::SQUARE, i);
        b.chooseNewGame();
        b.chooseAuto();
        b.chooseSound();
        if (taken) violation("a closed window took an event");
        expect(before, "events after closing");
    }

    const Options& opt_;
    Figures& fig_;
    test::Game fresh_;  // a new game, to compare with
    std::mt19937_64 rng_;
    unsigned seed_ = 0;
    Mood mood_{};
    std::unique_ptr<Window> w_;
    bool broken_ = false;  // a breach was found: the window is given up
    bool inHandler_ = false;
    long pausesInHandler_ = 0;
    bool newGameInHandler_ = false;  // the running handler was dropped by a new game
    bool closedInHandler_ = false;
    Fingerprint closedPrint_;  // the board as it was closed
    std::array<bool, 5> celebrating_{};
    std::string doing_ = "starting";
};

void Window::wait(float sec) {
    runner.atPause(sec);
    now += static_cast<double>(sec);
}

}  // namespace

Figures run(const Options& options) {
    Figures fig;
    const auto start = std::chrono::steady_clock::now();
    Runner runner(options, fig);
    const int seeds = std::max(1, options.seeds);
    for (int k = 0; k < seeds; ++k) {
        const long share = options.turns / seeds + (k < options.turns % seeds ? 1 : 0);
        runner.runSeed(options.firstSeed + static_cast<unsigned>(k), share, moods[k % 3]);
    }
    fig.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return fig;
}

std::string summary(const Figures& f) {
    auto kinds = [](const std::array<long, eventKinds>& a) {
        long n = 0;
        std::string each;
        for (std::size_t k = 0; k < eventKinds; ++k) {
            n += a[k];
            each += str(k ? ", " : "", eventName(static_cast<Event>(k)), " ", a[k]);
        }
        return str(n, " (", each, ")");
    };
    std::string out = str("turns (throws): ", f.turns, "\nhandlers: ", f.handlers, "\npauses: ", f.pauses,
                          "\nwindows opened: ", f.windows, "\ninjected inside pauses: ", kinds(f.duringPauses),
                          "\ndelivered between handlers: ", kinds(f.betweenHandlers),
                          "\nnew games or closing that cut into a roll: ", f.interruptedRolls,
                          ", into the opening march: ", f.interruptedOpenings,
                          ", into a celebration: ", f.interruptedCelebrations,
                          "\ncelebrations by player 1..4: ", f.celebrations[1], ", ", f.celebrations[2], ", ",
                          f.celebrations[3], ", ", f.celebrations[4], "\nviolations: ", f.violations,
                          "\nwall time: ", f.seconds, " s\n");
    for (const std::string& r : f.reports) out += str("  ", r, "\n");
    return out;
}

}  // namespace skarpo::soak
