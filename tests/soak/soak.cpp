#include "tests/soak/soak.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cmath>
#include <exception>
#include <memory>
#include <random>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "tests/support/picture_check.h"
#include "tests/support/test_platform.h"

namespace skarpo::soak {

const char* eventName(Event e) {
    switch (e) {
        case Event::NewGame: return "New Game";
        case Event::Auto: return "Auto";
        case Event::Sound: return "Sound";
        case Event::Click: return "click";
        case Event::Tick: return "tick";
        case Event::Close: return "close";
    }
    return "?";
}

long Figures::injected() const {
    long n = 0;
    for (int k = 0; k < eventKinds; ++k) n += duringPauses[k] + betweenHandlers[k];
    return n;
}

long Figures::celebrated() const { return celebrations[1] + celebrations[2] + celebrations[3] + celebrations[4]; }

namespace {

using FamilyOf = ViewFamily Board::*;
constexpr FamilyOf families[] = {&Board::SQUARE,     &Board::start,    &Board::home, &Board::dicethrow,
                                 &Board::dice,       &Board::boardcount, &Board::homecount, &Board::two,
                                 &Board::corner,     &Board::Label1};
// The picture stores: nothing in a game ever changes them.
constexpr FamilyOf stores[] = {&Board::dice, &Board::boardcount, &Board::homecount, &Board::two, &Board::corner};

// The indices a family has; the same on every board.
const std::vector<int>& indicesOf(FamilyOf fam) {
    static const auto all = [] {
        test::TestPlatform platform;
        const Board b{platform};
        std::vector<std::pair<FamilyOf, std::vector<int>>> out;
        for (FamilyOf f : families) out.push_back({f, (b.*f).indices()});
        return out;
    }();
    for (const auto& [f, indices] : all)
        if (f == fam) return indices;
    throw std::logic_error("not a view family");
}

// ---- a quick fingerprint of everything a person or the game can change ----
//
// The public variables, the menu check marks, the tables, and every view's
// colour, pictures and states, in a fixed order. Where views stand and their
// tooltips never change and are checked apart.

constexpr std::size_t autoplaySlot = 2, soundSlot = 3, autoCheckSlot = 4, soundCheckSlot = 5;

template <class F>
void walk(const Board& b, F&& f) {
    f("moves", 0, b.moves);
    f("whosego", 0, b.whosego);
    f("autoplay", 0, b.autoplay);
    f("sound", 0, b.sound);
    f("autoChecked", 0, b.autoChecked);
    f("soundopChecked", 0, b.soundopChecked);
    for (int p = 1; p <= 4; ++p)
        for (int j = 0; j <= 5; ++j) f("players", 10 * p + j, b.players(p, j));
    for (int p = 1; p <= 4; ++p)
        for (int k = 1; k <= 7; ++k) f("homerow", 10 * p + k, b.homerow(p, k));
    for (int i = 1; i <= 70; ++i) f("squares", i, b.squares(i));
    for (FamilyOf fam : families) {
        const ViewFamily& views = b.*fam;
        for (int i : indicesOf(fam)) {
            const View& v = views(i);
            const long long packed = static_cast<long long>(v.back) << 24 |
                                     static_cast<long long>(v.picture) << 16 |
                                     static_cast<long long>(v.spare) << 8 | (v.enabled ? 2 : 0) | (v.visible ? 1 : 0);
            f(views.name(), i, packed);
        }
    }
}

using Fingerprint = std::vector<long long>;

Fingerprint fingerprint(const Board& b) {
    Fingerprint out;
    out.reserve(400);
    walk(b, [&](const char*, int, long long v) { out.push_back(v); });
    return out;
}

// Names the first few places where two fingerprints of the same board differ.
std::string changes(const Board& b, const Fingerprint& before, const Fingerprint& after) {
    std::ostringstream out;
    std::size_t k = 0;
    int shown = 0;
    walk(b, [&](const char* what, int i, long long) {
        if (k < before.size() && k < after.size() && before[k] != after[k] && shown++ < 6)
            out << what << "(" << i << ") " << before[k] << " -> " << after[k] << "; ";
        ++k;
    });
    return out.str();
}

// ---- what holds at every pause ----
//
// In the middle of an animation the pictures show counters on their way and
// the tables are half rewritten: a counter that has left its square is not
// yet recorded where it lands, a counter walking into its home column is
// counted as having left the ring before its column position is taken. What
// the game keeps even then: the look-ahead copy of squares 1..9 and the zero
// at 70, every cell within its range, the entry squares, no two counters of
// a player on one progress, the counts of each player's counters within one
// of their records, and the picture stores untouched.

std::string pauseFaults(const Board& b, const Board& fresh) {
    std::string why;
    auto fault = [&](const std::string& s) { why += s + "; "; };
    for (int s = 1; s <= 60; ++s)
        if (b.squares(s) < 0 || b.squares(s) > 4) fault("squares(" + std::to_string(s) + ") is " + std::to_string(b.squares(s)));
    for (int s = 1; s <= 9; ++s)
        if (b.squares(s + 60) != b.squares(s))
            fault("squares(" + std::to_string(s + 60) + ") is " + std::to_string(b.squares(s + 60)) + ", squares(" +
                  std::to_string(s) + ") " + std::to_string(b.squares(s)));
    if (b.squares(70) != 0) fault("squares(70) is " + std::to_string(b.squares(70)));
    for (int p = 1; p <= 4; ++p) {
        const std::string P = std::to_string(p);
        if (b.players(p, 0) != entrySquare(p)) fault("players(" + P + ",0) is " + std::to_string(b.players(p, 0)));
        for (int j = 1; j <= 4; ++j) {
            const int k = b.players(p, j);
            const bool ok = k == 0 || k == captured || (k >= 1 && k <= 60) || k == inHomeColumn ||
                            (k == finished && p != 1);
            if (!ok) fault("players(" + P + "," + std::to_string(j) + ") is " + std::to_string(k));
            for (int i = 1; i < j; ++i)
                if (k >= 1 && k <= 60 && b.players(p, i) == k)
                    fault("counters " + P + "/" + std::to_string(i) + " and " + std::to_string(j) + " share progress " +
                          std::to_string(k));
        }
        // One counter at a time is in motion: while it moves along the ring
        // its player may be recorded on one square more or one fewer than it
        // has counters there (a captured counter runs home still recorded on
        // the square it was taken on), and while it walks into its home
        // column it has already left the ring. A computer player's counter
        // stepping out of its column into a final place has freed its column
        // position before it is counted home; player 1's column and final
        // places are always counted as they are recorded.
        int ring = 0, column = 0, done = 0, held = 0, inColumn = 0;
        for (int j = 1; j <= 4; ++j) {
            const int k = b.players(p, j);
            ring += k >= 1 && k <= 60;
            column += k == inHomeColumn;
            done += k == finished;
        }
        for (int s = 1; s <= 60; ++s) held += b.squares(s) == p;
        for (int k = 1; k <= 6; ++k) inColumn += b.homerow(p, k);
        auto counts = [&] {
            return " (" + std::to_string(ring) + " on the ring, " + std::to_string(held) + " squares held, " +
                   std::to_string(column) + " at 100, " + std::to_string(done) + " at 101, " +
                   std::to_string(inColumn) + " column places, " + std::to_string(b.homerow(p, 7)) + " home)";
        };
        if (std::abs(ring - held) > 1) fault("player " + P + " is recorded on the ring unlike its counters" + counts());
        if (b.players(p, 5) < column + done || b.players(p, 5) > column + done + 1)
            fault("players(" + P + ",5) is " + std::to_string(b.players(p, 5)) + counts());
        if (p == 1 ? column != inColumn + b.homerow(1, 7)
                   : done != b.homerow(p, 7) || column < inColumn || column > inColumn + 1)
            fault("player " + P + "'s home column is recorded unlike its counters" + counts());
        for (int k = 1; k <= 6; ++k)
            if (b.homerow(p, k) != 0 && b.homerow(p, k) != 1)
                fault("homerow(" + P + "," + std::to_string(k) + ") is " + std::to_string(b.homerow(p, k)));
        if (b.homerow(p, 7) < 0 || b.homerow(p, 7) > 4) fault("homerow(" + P + ",7) is " + std::to_string(b.homerow(p, 7)));
    }
    if (b.whosego < 0 || b.whosego > 4) fault("whosego is " + std::to_string(b.whosego));
    if (b.autoplay != b.autoChecked) fault("autoplay and its check mark disagree");
    if ((b.sound != 0) != b.soundopChecked || (b.sound != 0 && b.sound != -1)) fault("sound is " + std::to_string(b.sound));
    for (FamilyOf fam : stores)
        for (int i : indicesOf(fam))
            if (!((b.*fam)(i) == (fresh.*fam)(i))) fault(std::string((b.*fam).name()) + "(" + std::to_string(i) + ") changed");
    if (!(b.SQUARE(100) == fresh.SQUARE(100))) fault("SQUARE(100) changed");
    return why;
}

// ---- what holds between two handlers, beyond the tables and pictures ----
//
// The board offers exactly one way on: either the die waits for player 1
// (visible, clickable, nothing marked) or player 1's movable counters are
// marked after a throw (the result shown, the die hidden), and only those
// views take clicks. Everything else a person sees is in its resting state.

std::string visibleFaults(const Board& b, const Board& fresh) {
    std::string why;
    auto fault = [&](const std::string& s) { why += s + "; "; };
    auto name = [](const char* fam, int i) { return std::string(fam) + "(" + std::to_string(i) + ")"; };
    auto clickable = [](const View& v) { return v.visible && v.enabled; };

    if (b.autoplay != b.autoChecked) fault("autoplay and its check mark disagree");
    if ((b.sound != 0) != b.soundopChecked || (b.sound != 0 && b.sound != -1)) fault("sound is " + std::to_string(b.sound));
    for (int p = 1; p <= 4; ++p)
        if (b.homerow(p, 7) > 3) fault("player " + std::to_string(p) + " has four home and was not reset");

    // marks and what takes clicks
    int marks = 0;
    for (int i = 1; i <= 60; ++i) {
        const View& v = b.SQUARE(i);
        if (v.back == colour::yellow) ++marks;
        if (clickable(v) && v.back != colour::yellow) fault(name("SQUARE", i) + " takes clicks unmarked");
    }
    for (int p = 1; p <= 4; ++p)
        for (int k = 0; k <= 3; ++k) {
            const int i = 4 * (p - 1) + k;
            const View& v = b.start(i);
            const bool mark = i == 0 && v.back == colour::yellow;
            marks += mark;
            if (!mark && v.back != colour::ofPlayer(p)) fault(name("start", i) + " has a foreign background");
            if (clickable(v) != mark) fault(name("start", i) + (mark ? " is marked but takes no clicks" : " takes clicks unmarked"));
        }
    for (int p = 1; p <= 4; ++p)
        for (int k = 0; k <= 9; ++k) {
            const int i = 10 * (p - 1) + k;
            const View& v = b.home(i);
            const bool mark = p == 1 && k <= 5 && v.back == colour::yellow;
            marks += mark;
            const Colour own = k <= 5 ? colour::ofPlayer(p) : colour::finalOf(p);
            if (!mark && v.back != own) fault(name("home", i) + " has a foreign background");
            if (clickable(v) != mark) fault(name("home", i) + (mark ? " is marked but takes no clicks" : " takes clicks unmarked"));
        }
    for (int i = 1; i <= 15; ++i)
        if (clickable(b.dicethrow(i))) fault(name("dicethrow", i) + " takes clicks");
    for (int i = 0; i <= 15; ++i)
        if (b.dicethrow(i).back != colour::window) fault(name("dicethrow", i) + " has a foreign background");

    const View& die = b.dicethrow(0);
    if (clickable(die)) {
        if (marks > 0) fault("the die waits while counters are marked");
        if (b.whosego != 0 && b.whosego != 4) fault("the die waits for player 1 with whosego " + std::to_string(b.whosego));
        for (int i = 1; i <= 15; ++i)
            if (b.dicethrow(i).visible) fault(name("dicethrow", i) + " shows while the die waits");
        if (die.picture != Picture::DieQuestion) fault("the waiting die does not show the question mark");
    } else {
        if (die.visible) fault("the die shows but takes no clicks");
        if (marks == 0) fault("stuck: the die does not wait and nothing is marked");
        if (b.whosego != 1) fault("counters are marked with whosego " + std::to_string(b.whosego));
        if (b.moves < 1 || b.moves > 6) fault("counters are marked for a throw of " + std::to_string(b.moves));
        else if (!b.dicethrow(15).visible || b.dicethrow(15).picture != dieFace(b.moves))
            fault("the throw of " + std::to_string(b.moves) + " is not shown");
        for (int i = 1; i <= 14; ++i)
            if (b.dicethrow(i).visible) fault(name("dicethrow", i) + " shows after the roll");
    }

    // the centre frames: the even ones in the window's colour, the odd ones
    // alike, red for player 1's turn or, after a celebration, the window's
    for (int k : {0, 2, 4, 6})
        if (b.Label1(k).back != colour::window) fault(name("Label1", k) + " is lit");
    const Colour odd = b.Label1(1).back;
    for (int k : {3, 5, 7})
        if (b.Label1(k).back != odd) fault("the odd frames differ");
    if (odd != colour::red && odd != colour::window) fault("the frames do not show player 1's turn");

    // nothing moves, and the stores keep their artwork
    for (FamilyOf fam : families)
        for (int i : indicesOf(fam)) {
            const View& v = (b.*fam)(i);
            const View& w = (fresh.*fam)(i);
            if (v.left != w.left || v.top != w.top || v.width != w.width || v.height != w.height ||
                v.tooltip != w.tooltip || v.framed != w.framed)
                fault(name((b.*fam).name(), i) + " moved or changed its tooltip");
        }
    for (FamilyOf fam : stores)
        for (int i : indicesOf(fam))
            if (!((b.*fam)(i) == (fresh.*fam)(i))) fault(name((b.*fam).name(), i) + " changed");
    if (!(b.SQUARE(100) == fresh.SQUARE(100))) fault("SQUARE(100) changed");
    if (clickable(b.SQUARE(99)) || b.SQUARE(99).visible) fault("the scratch store SQUARE(99) shows");
    return why;
}

// ---- the runner ----

class Runner;

// The test platform, with every pause handed to the runner first.
class SoakPlatform : public test::TestPlatform {
public:
    explicit SoakPlatform(Runner& r) : runner_(r) {}
    void wait(float sec) override;

private:
    Runner& runner_;
};

// One window: a board on its own platform, laid out as at start.
struct Window {
    SoakPlatform platform;
    Board board{platform};
    explicit Window(Runner& r) : platform(r) {}
};

// How often "New Game" and closing strike. Some seeds play long undisturbed
// games (so that players finish and celebrate), some are interrupted every
// few turns.
struct Mood {
    double newGameInPause, closeInPause;      // per pause
    double newGameBetween, closeBetween;      // per handler
};
constexpr Mood moods[] = {
    {1.0 / 400000, 1.0 / 4000000, 1.0 / 50000, 1.0 / 500000},  // calm
    {1.0 / 2500, 1.0 / 30000, 1.0 / 300, 1.0 / 20000},         // busy
    {1.0 / 40000, 1.0 / 1000000, 1.0 / 5000, 1.0 / 100000},    // mixed
};
constexpr double clickInPause = 1.0 / 30;
constexpr double menuInPause = 1.0 / 3000;  // each of "Auto" and "Sound"
constexpr double newGameInCelebration = 1.0 / 1500;
constexpr double newGameInOpening = 1.0 / 400;
// No handler pauses this often: one that does never returns, and is ended
// by an exception out of the pause.
constexpr long runaway = 200000;
struct Runaway {};

class Runner {
public:
    Runner(const Options& o, Figures& f) : opt_(o), fig_(f) {}

    void runSeed(unsigned seed, long turns, const Mood& mood) {
        seed_ = seed;
        mood_ = mood;
        rng_.seed(seed);
        const long target = fig_.turns + turns;
        int window = 0, idle = 0;
        while (fig_.turns < target) {
            const long before = fig_.turns;
            playWindow(seed * 1000u + static_cast<unsigned>(++window), target);
            idle = fig_.turns == before ? idle + 1 : 0;
            if (idle == 10) {
                violation("ten windows in a row without a throw");
                break;
            }
        }
    }

    void atPause(float sec);

private:
    // ---- randomness of the person, apart from the game's dice ----
    double uniform() { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }
    bool chance(double p) { return uniform() < p; }
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    void violation(const std::string& what) {
        ++fig_.violations;
        if (fig_.reports.size() < opt_.reports) {
            std::ostringstream out;
            out << "seed " << seed_ << " window " << fig_.windows << " throw " << fig_.turns << " handler "
                << fig_.handlers << " (" << doing_ << "): " << what;
            fig_.reports.push_back(out.str());
        }
        broken_ = true;
    }

    void playWindow(unsigned platformSeed, long target);
    void step();
    bool deliver(const char* what, const std::function<bool()>& event);
    void afterHandler();
    void checkBetween();
    void watchCelebrations();
    void interrupting();
    void injectInPause(Event e, bool rolling, bool opening);
    void strayClick(bool inPause);
    void chooseNewGame(bool inPause);
    void chooseMenu(Event e, bool inPause);
    void closeWindow(bool inPause);
    void checkClosedIsInert();
    std::pair<Family, int> randomView();

    const Options& opt_;
    Figures& fig_;
    test::Game fresh_;  // a new game, laid out once, to compare with
    std::mt19937_64 rng_;
    unsigned seed_ = 0;
    Mood mood_{};

    std::unique_ptr<Window> w_;
    bool broken_ = false;          // a breach was found: the window is given up
    bool inHandler_ = false;
    long pausesInHandler_ = 0;
    bool newGameInHandler_ = false;  // the running handler was dropped by a new game
    bool closedInHandler_ = false;
    Fingerprint closedPrint_;  // the board as it was closed
    std::array<bool, 5> celebrating_{};
    std::string doing_ = "starting";
};

void SoakPlatform::wait(float sec) {
    runner_.atPause(sec);
    now += static_cast<double>(sec);
}

void Runner::playWindow(unsigned platformSeed, long target) {
    w_ = std::make_unique<Window>(*this);
    w_->platform.seed = platformSeed;
    w_->board.Form_Load();
    ++fig_.windows;
    broken_ = false;
    celebrating_ = {};
    doing_ = "the window opens";
    checkBetween();
    long idle = 0;
    long lastTurns = fig_.turns;
    while (fig_.turns < target && !broken_ && !w_->board.closed()) {
        step();
        if (broken_ || w_->board.closed()) break;
        checkBetween();
        if (fig_.turns != lastTurns) {
            lastTurns = fig_.turns;
            idle = 0;
        } else if (++idle > 2000) {
            violation("no throw in 2000 handlers");
        }
    }
    w_.reset();
}

// One thing a person does between two handlers.
void Runner::step() {
    Board& b = w_->board;
    test::TestPlatform& clock = w_->platform;
    const double r = uniform();
    if (r < 0.03) return strayClick(false);
    if (r < 0.035) return chooseMenu(Event::Auto, false);
    if (r < 0.04) return chooseMenu(Event::Sound, false);
    if (chance(mood_.newGameBetween)) return chooseNewGame(false);
    if (chance(mood_.closeBetween)) return closeWindow(false);

    if (b.autoplay && r < 0.9) {
        clock.now = std::floor(clock.now) + 1;  // the timer's next tick
        deliver("a tick with automatic play", [&] { return b.tick(); });
        return;
    }
    if (!b.autoplay && r < 0.1) {
        // the timer ticks on with automatic play off, and nothing happens
        clock.now = std::floor(clock.now) + 1;
        ++fig_.betweenHandlers[static_cast<int>(Event::Tick)];
        const Fingerprint before = fingerprint(b);
        if (!deliver("a tick without automatic play", [&] { return b.tick(); })) return;
        const Fingerprint after = fingerprint(b);
        if (after != before) violation("a tick without automatic play changed " + changes(b, before, after));
        return;
    }
    // a person clicks the die, or one of the marked counters
    clock.now += 0.2 + uniform();
    if (b.dicethrow(0).visible && b.dicethrow(0).enabled) {
        deliver("a click on the die", [&] { return b.click(Family::dicethrow, 0); });
        return;
    }
    std::vector<std::pair<Family, int>> marked;
    for (int i = 1; i <= 60; ++i)
        if (b.SQUARE(i).back == colour::yellow) marked.push_back({Family::SQUARE, i});
    if (b.start(0).back == colour::yellow) marked.push_back({Family::start, 0});
    for (int i = 0; i <= 5; ++i)
        if (b.home(i).back == colour::yellow) marked.push_back({Family::home, i});
    if (marked.empty()) return violation("nothing to click between handlers");
    const auto [family, index] = marked[static_cast<std::size_t>(between(0, static_cast<int>(marked.size()) - 1))];
    deliver("a click on a marked counter", [&, f = family, i = index] { return b.click(f, i); });
}

// Delivers an event that is expected to reach a handler, and checks what
// holds when the handler has returned.
bool Runner::deliver(const char* what, const std::function<bool()>& event) {
    doing_ = what;
    newGameInHandler_ = closedInHandler_ = false;
    inHandler_ = true;
    pausesInHandler_ = 0;
    bool taken = false;
    try {
        taken = event();
    } catch (const std::exception& e) {
        inHandler_ = false;
        violation(std::string("exception: ") + e.what());
        return false;
    } catch (const Runaway&) {
        inHandler_ = false;
        return false;
    } catch (...) {
        inHandler_ = false;
        violation("an unknown exception left the handler");
        return false;
    }
    inHandler_ = false;
    if (!taken) {
        violation("refused between handlers");
        return false;
    }
    ++fig_.handlers;
    afterHandler();
    return true;
}

void Runner::afterHandler() {
    Board& b = w_->board;
    if (b.paused()) violation("still paused after the handler returned");
    if (closedInHandler_) {
        if (!b.closed()) violation("the window closed in a pause is open again");
        const Fingerprint after = fingerprint(b);
        if (after != closedPrint_) violation("the handler went on after closing: " + changes(b, closedPrint_, after));
        checkClosedIsInert();
        return;
    }
    if (newGameInHandler_) {
        // the interrupted handler unwound without touching the new game
        const std::string d = test::differences(b, fresh_.board);
        if (!d.empty()) violation("after a new game inside the handler, the board is not a new game's: " + d);
    }
}

void Runner::checkBetween() {
    if (broken_ || !w_ || w_->board.closed()) return;
    Board& b = w_->board;
    watchCelebrations();
    std::string why;
    if (b.paused()) why += "paused between handlers; ";
    if (b.dicethrow(15).enabled) {
        // the opening march is still due: the board is exactly a new game's
        const std::string d = test::differences(b, fresh_.board);
        if (!d.empty()) why += "before the opening march the board is not a new game's: " + d;
    } else {
        why += b.checkInvariants();
        why += test::pictureFaults(b);
    }
    why += visibleFaults(b, fresh_.board);
    if (!why.empty()) violation(why);
}

void Runner::watchCelebrations() {
    const Board& b = w_->board;
    for (int p = 1; p <= 4; ++p) {
        if (b.homerow(p, 7) == 4) {
            celebrating_[p] = true;
        } else if (celebrating_[p]) {
            celebrating_[p] = false;
            ++fig_.celebrations[p];
        }
    }
}

// A new game or the window closing drops whatever celebration is on.
void Runner::interrupting() {
    for (int p = 1; p <= 4; ++p)
        if (celebrating_[p]) {
            celebrating_[p] = false;
            ++fig_.interruptedCelebrations;
        }
}

void Runner::atPause(float sec) {
    if (!w_) return;
    Board& b = w_->board;
    test::TestPlatform& clock = w_->platform;
    ++fig_.pauses;
    if (inHandler_ && ++pausesInHandler_ > runaway) {
        violation("a handler that never returns");
        throw Runaway{};
    }
    if (opt_.sabotage) opt_.sabotage(b, fig_.pauses);
    if (sec == 0.04f) ++fig_.turns;  // the die's first position on its roll
    if (broken_) return;

    if (!inHandler_) violation("a pause outside any handler");
    if (!b.paused()) violation("a pause the board does not know of");
    if (b.closed()) violation("the handler paused again after the window closed");
    if (newGameInHandler_) violation("the handler paused again after a new game dropped it");
    const std::string why = pauseFaults(b, fresh_.board);
    if (!why.empty()) violation("at a pause of " + std::to_string(sec) + " s: " + why);
    if (broken_) return;
    watchCelebrations();

    // What happens while the pause lasts, in time order: the timer ticks at
    // every whole second, and now and then a person does something.
    bool rolling = false;
    for (int i = 1; i <= 14; ++i) rolling = rolling || b.dicethrow(i).visible;
    const bool celebration = celebrating_[1] || celebrating_[2] || celebrating_[3] || celebrating_[4];
    // the counters march out at the first click of a game: the die stays
    // shown, no longer clickable, while they step at 0.07 s
    const bool opening = sec == 0.07f && b.dicethrow(0).visible && !b.dicethrow(0).enabled;
    std::vector<std::pair<double, Event>> events;
    const double from = clock.now, to = clock.now + static_cast<double>(sec);
    for (double t = std::floor(from) + 1; t <= to; t += 1) events.push_back({t, Event::Tick});
    auto sometimes = [&](double p, Event e) {
        if (chance(p)) events.push_back({from + uniform() * (to - from), e});
    };
    sometimes(clickInPause, Event::Click);
    sometimes(menuInPause, Event::Auto);
    sometimes(menuInPause, Event::Sound);
    const double newGame = celebration ? std::max(mood_.newGameInPause, newGameInCelebration)
                           : opening   ? std::max(mood_.newGameInPause, newGameInOpening)
                                       : mood_.newGameInPause;
    sometimes(newGame, Event::NewGame);
    sometimes(mood_.closeInPause, Event::Close);
    if (events.size() > 1) std::sort(events.begin(), events.end(), [](auto& x, auto& y) { return x.first < y.first; });
    for (const auto& [t, e] : events) {
        if (broken_) break;
        clock.now = t;
        injectInPause(e, rolling, opening);
    }
}

void Runner::injectInPause(Event e, bool rolling, bool opening) {
    Board& b = w_->board;
    const std::string was = doing_;
    doing_ = std::string(eventName(e)) + " inside a pause of " + was;
    ++fig_.duringPauses[static_cast<int>(e)];
    switch (e) {
        case Event::Click: strayClick(true); break;
        case Event::Tick: {
            const Fingerprint before = fingerprint(b);
            if (b.tick()) violation("a tick reached the game inside a pause");
            const Fingerprint after = fingerprint(b);
            if (after != before) violation("a refused tick changed " + changes(b, before, after));
            break;
        }
        case Event::Auto:
        case Event::Sound: chooseMenu(e, true); break;
        case Event::NewGame:
            if (rolling && !b.closed()) ++fig_.interruptedRolls;
            if (opening && !b.closed()) ++fig_.interruptedOpenings;
            chooseNewGame(true);
            break;
        case Event::Close:
            if (rolling && !b.closed()) ++fig_.interruptedRolls;
            if (opening && !b.closed()) ++fig_.interruptedOpenings;
            closeWindow(true);
            break;
    }
    doing_ = was;
}

std::pair<Family, int> Runner::randomView() {
    // half the time a view that invites a click: one that shows and is
    // enabled, or one that is yellow (marked, or a special square blinking)
    if (chance(0.5)) {
        const Board& b = w_->board;
        std::vector<std::pair<Family, int>> tempting;
        auto look = [&](Family f, const ViewFamily& views, int lo, int hi) {
            for (int i = lo; i <= hi; ++i)
                if ((views(i).visible && views(i).enabled) || views(i).back == colour::yellow) tempting.push_back({f, i});
        };
        look(Family::SQUARE, b.SQUARE, 1, 60);
        look(Family::start, b.start, 0, 15);
        look(Family::home, b.home, 0, 39);
        look(Family::dicethrow, b.dicethrow, 0, 15);
        if (!tempting.empty()) return tempting[static_cast<std::size_t>(between(0, static_cast<int>(tempting.size()) - 1))];
    }
    // any view of the four clickable families, with a margin of indices the
    // family does not have
    switch (between(0, 3)) {
        case 0: return {Family::SQUARE, between(-1, 102)};
        case 1: return {Family::start, between(-1, 16)};
        case 2: return {Family::home, between(-1, 40)};
        default: return {Family::dicethrow, between(-1, 16)};
    }
}

// A click anywhere. Inside a pause it must be refused and change nothing;
// between handlers it reaches the game exactly when it falls on a visible,
// enabled view of the ring, the start or home places or the die.
void Runner::strayClick(bool inPause) {
    Board& b = w_->board;
    const auto [family, index] = randomView();
    const ViewFamily& views = family == Family::SQUARE ? b.SQUARE
                              : family == Family::start ? b.start
                              : family == Family::home  ? b.home
                                                        : b.dicethrow;
    const bool takes = views.has(index) && !(family == Family::SQUARE && index > 60) && views(index).visible &&
                       views(index).enabled;
    if (!inPause) {
        ++fig_.betweenHandlers[static_cast<int>(Event::Click)];
        if (takes) {
            deliver("a click anywhere that fell on a clickable view", [&, f = family, i = index] { return b.click(f, i); });
            return;
        }
    }
    const Fingerprint before = fingerprint(b);
    bool taken = false;
    try {
        taken = b.click(family, index);
    } catch (const std::exception& e) {
        return violation(std::string("a stray click threw: ") + e.what());
    }
    const std::string where = std::string(views.name()) + "(" + std::to_string(index) + ")";
    if (taken) violation("a click on " + where + " reached the game " + (inPause ? "inside a pause" : "unclickable"));
    const Fingerprint after = fingerprint(b);
    if (after != before) violation("a refused click on " + where + " changed " + changes(b, before, after));
}

// "New Game": the board becomes a fresh game's, whatever was interrupted;
// the last throw, automatic play and sound are kept. Inside a pause the
// interrupted handler is dropped.
void Runner::chooseNewGame(bool inPause) {
    Board& b = w_->board;
    if (!inPause) ++fig_.betweenHandlers[static_cast<int>(Event::NewGame)];
    const Fingerprint before = fingerprint(b);
    const bool wasClosed = b.closed();
    const int moves = b.moves;
    const bool autoplay = b.autoplay, autoChecked = b.autoChecked, soundChecked = b.soundopChecked;
    const auto sound = b.sound;
    try {
        b.chooseNewGame();
    } catch (const std::exception& e) {
        return violation(std::string("New Game threw: ") + e.what());
    }
    if (wasClosed) {
        const Fingerprint after = fingerprint(b);
        if (after != before) violation("New Game after closing changed " + changes(b, before, after));
        return;
    }
    interrupting();
    const std::string d = test::differences(b, fresh_.board);
    if (!d.empty()) violation("after New Game the board is not a new game's: " + d);
    if (b.moves != moves || b.autoplay != autoplay || b.sound != sound || b.autoChecked != autoChecked ||
        b.soundopChecked != soundChecked)
        violation("New Game changed the last throw or the options");
    if (inPause) {
        if (!b.paused()) violation("New Game ended the pause it was chosen in");
        newGameInHandler_ = true;
    } else {
        ++fig_.handlers;
    }
}

// "Auto" and "Sound" toggle their flag and check mark and nothing else, in a
// pause or not; after closing they do nothing.
void Runner::chooseMenu(Event e, bool inPause) {
    Board& b = w_->board;
    if (!inPause) ++fig_.betweenHandlers[static_cast<int>(e)];
    Fingerprint before = fingerprint(b);
    if (!b.closed()) {
        if (e == Event::Auto) {
            before[autoplaySlot] = !before[autoplaySlot];
            before[autoCheckSlot] = !before[autoCheckSlot];
        } else {
            before[soundSlot] = before[soundSlot] == 0 ? -1 : 0;
            before[soundCheckSlot] = !before[soundCheckSlot];
        }
    }
    if (e == Event::Auto) b.chooseAuto();
    else b.chooseSound();
    const Fingerprint after = fingerprint(b);
    if (after != before) violation(std::string(eventName(e)) + " did more than toggle: " + changes(b, before, after));
    if (!inPause) ++fig_.handlers;
}

// Closing the window: automatic play goes off, a paused handler unwinds at
// the end of its pause, and nothing is taken any more.
void Runner::closeWindow(bool inPause) {
    Board& b = w_->board;
    if (!inPause) ++fig_.betweenHandlers[static_cast<int>(Event::Close)];
    const bool wasClosed = b.closed();
    Fingerprint before = fingerprint(b);
    before[autoplaySlot] = 0;
    b.close();
    if (!b.closed()) return violation("the window did not close");
    const Fingerprint after = fingerprint(b);
    if (after != before) violation("closing changed " + changes(b, before, after));
    if (wasClosed) return;
    interrupting();
    closedPrint_ = after;
    if (inPause) closedInHandler_ = true;
    else checkClosedIsInert();
}

// A closed window takes nothing: no click, no tick, no menu command.
void Runner::checkClosedIsInert() {
    Board& b = w_->board;
    const Fingerprint before = fingerprint(b);
    bool taken = b.click(Family::dicethrow, 0) || b.tick();
    for (int i = 1; i <= 60; ++i) taken = taken || b.click(Family::SQUARE, i);
    b.chooseNewGame();
    b.chooseAuto();
    b.chooseSound();
    if (taken) violation("a closed window took an event");
    const Fingerprint after = fingerprint(b);
    if (after != before) violation("events after closing changed " + changes(b, before, after));
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
    std::ostringstream out;
    auto total = [](const std::array<long, eventKinds>& a) {
        long n = 0;
        for (long x : a) n += x;
        return n;
    };
    auto kinds = [&](const std::array<long, eventKinds>& a) {
        for (int k = 0; k < eventKinds; ++k)
            out << (k ? ", " : "") << eventName(static_cast<Event>(k)) << " " << a[static_cast<std::size_t>(k)];
    };
    out << "turns (throws): " << f.turns << "\n"
        << "handlers: " << f.handlers << "\n"
        << "pauses: " << f.pauses << "\n"
        << "windows opened: " << f.windows << "\n"
        << "injected inside pauses: " << total(f.duringPauses) << " (";
    kinds(f.duringPauses);
    out << ")\n"
        << "delivered between handlers: " << total(f.betweenHandlers) << " (";
    kinds(f.betweenHandlers);
    out << ")\n"
        << "new games or closing that cut into a roll: " << f.interruptedRolls
        << ", into the opening march: " << f.interruptedOpenings
        << ", into a celebration: " << f.interruptedCelebrations << "\n"
        << "celebrations by player 1..4: " << f.celebrations[1] << ", " << f.celebrations[2] << ", "
        << f.celebrations[3] << ", " << f.celebrations[4] << "\n"
        << "violations: " << f.violations << "\n"
        << "wall time: " << f.seconds << " s\n";
    for (const std::string& r : f.reports) out << "  " << r << "\n";
    return out.str();
}

}  // namespace skarpo::soak
