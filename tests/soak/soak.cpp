#include "tests/soak/soak.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <memory>
#include <numeric>
#include <random>
#include <sstream>

#include "tests/support/picture_check.h"
#include "tests/support/test_platform.h"

namespace skarpo::soak {
namespace {

const char* const names[eventKinds] = {"New Game", "Auto", "Sound", "click", "tick", "close"};
constexpr ViewFamily Board::*clickables[] = {&Board::SQUARE, &Board::start, &Board::home, &Board::dicethrow};
using Print = std::vector<long long>;

// Everything an event can change: moves, whosego, autoplay, sound and the two
// check marks (slots 0..5), the tables, and every view's colour, pictures and states.
Print print(const Board& b) {
    Print out{b.moves, b.whosego, b.autoplay, b.sound, b.autoChecked, b.soundopChecked};
    for (int p = 1; p <= 4; ++p)
        for (int j = 0; j <= 12; ++j) out.push_back(j <= 5 ? b.players(p, j) : b.homerow(p, j - 5));
    for (int i = 1; i <= 70; ++i) out.push_back(b.squares(i));
    for (auto f : {&Board::SQUARE, &Board::start, &Board::home, &Board::dicethrow, &Board::dice, &Board::boardcount,
                   &Board::homecount, &Board::two, &Board::corner, &Board::Label1})
        for (int i : (b.*f).indices()) {
            const View& v = (b.*f)(i);
            out.push_back(static_cast<long long>(v.back) << 24 | static_cast<long long>(v.picture) << 16 |
                          static_cast<long long>(v.spare) << 8 | v.enabled * 2 | v.visible);
        }
    return out;
}

// What holds even at a pause, with a counter on its way and the tables half rewritten.
const char* pauseFaults(const Board& b) {
    bool ok = b.paused() && !b.closed() && !(b.dicethrow(0).visible && b.dicethrow(0).enabled) && b.squares(70) == 0;
    for (int s = 1; s <= 60; ++s)
        ok = ok && b.squares(s) >= 0 && b.squares(s) <= 4 && (s > 9 || b.squares(s + 60) == b.squares(s));
    for (int p = 1; p <= 4; ++p)
        for (int j = 1; j <= 7; ++j)
            ok = ok && b.homerow(p, j) >= 0 && b.homerow(p, j) <= (j < 7 ? 1 : 4) &&
                 (j > 4 || (b.players(p, j) >= captured && b.players(p, j) <= finished));
    return ok && b.whosego >= 0 && b.whosego <= 4 ? "" : "at a pause: a table out of range or the die clickable";
}

// The platform of one board after another: a window is closed, another opened.
struct Runner : test::TestPlatform {
    Runner(const Options& o, Figures& f) : opt_(o), fig_(f) {}

    // Calm seeds play long games in which players finish and celebrate; in others "New Game" and
    // closing strike every few turns. After a close a window opens; ten in a row without a throw are hopeless.
    void runSeed(unsigned s, long turns, double calm) {
        rng_.seed(seed_ = s);
        calm_ = calm;
        const long target = fig_.turns + turns;
        for (unsigned window = 1, idle = 0; fig_.turns < target && idle < 10; ++window) {
            const long before = fig_.turns;
            seed = s * 1000u + window;
            b_ = std::make_unique<Board>(*this);
            b_->Form_Load();
            ++fig_.windows;
            broken_ = false, celebrating_ = {};
            for (long stuck = 0, last = fig_.turns; check() && fig_.turns < target; step())
                if (fig_.turns != last) last = fig_.turns, stuck = 0;
                else if (++stuck > 2000) fail("stuck: no throw in 2000 steps");
            idle = fig_.turns == before ? idle + 1 : 0;
        }
    }

    void wait(float sec) override {
        Board& b = *b_;
        ++fig_.pauses;
        if (sec == 0.04f) ++fig_.turns;  // the die's first position on its roll
        if (opt_.sabotage) opt_.sabotage(b, fig_.pauses);
        fail(dropped_ ? "a handler dropped by New Game paused again" : pauseFaults(b));
        celebrations(false);
        // while the pause lasts the timer ticks (once a second), and now and then a person acts
        bool rolling = false, celebration = celebrating_[1] || celebrating_[2] || celebrating_[3] || celebrating_[4];
        for (int i = 1; i <= 14; ++i) rolling = rolling || b.dicethrow(i).visible;
        const bool opening = sec == 0.07f && b.dicethrow(0).visible;  // the counters march out
        const double odds[eventKinds] = {std::max(1.0 / 2500 / calm_, celebration ? 1.0 / 1500 : opening ? 1.0 / 400 : 0),
                                         1.0 / 3000, 1.0 / 3000, 1.0 / 30, sec, 1.0 / 30000 / calm_};
        std::vector<Event> events;
        for (int e = 0; e < eventKinds; ++e) if (chance(odds[e])) events.push_back(Event(e));
        std::shuffle(events.begin(), events.end(), rng_);
        for (Event e : events) {
            if (broken_ || b.closed()) break;
            if (e == NewGame || e == Close) fig_.cutRolls += rolling, fig_.cutOpenings += opening;
            if (e == Tick) tick();
            else if (e == Click) click(0.5);
            else command(e);
        }
    }

    double uniform() { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }
    bool chance(double p) { return uniform() < p; }
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    // A violation when `faults` is not empty: counted, the first few described, the window given up.
    void fail(const std::string& faults) {
        if (faults.empty() || broken_) return;
        if (++fig_.violations <= 10)
            fig_.reports.push_back("seed " + std::to_string(seed_) + " throw " + std::to_string(fig_.turns) + ": " + faults);
        broken_ = true;
    }
    void celebrations(bool cut) {  // over when the final places empty again, or cut short
        for (int p = 1; p <= 4; ++p)
            if (!cut && b_->homerow(p, 7) == 4) celebrating_[p] = true;
            else if (celebrating_[p]) celebrating_[p] = false, ++(cut ? fig_.cutCelebrations : fig_.celebrations[p]);
    }

    // Between handlers the tables and pictures agree (before the opening march the board is a new game's: a
    // handler dropped by New Game left it alone); a closed window takes nothing. Whether the window plays on.
    bool check() {
        Board& b = *b_;
        if (b.closed()) {
            const bool taken = b.click(Family::dicethrow, 0) || b.tick() || b.click(Family::SQUARE, between(1, 60));
            b.chooseNewGame(), b.chooseAuto(), b.chooseSound();
            return fail(taken || print(b) != closed_ ? "the closed window took an event or changed" : ""), false;
        }
        celebrations(false);
        fail(b.dicethrow(15).enabled ? test::differences(b, fresh_.board) : test::boardFaults(b));
        if (b.paused() || b.autoplay != b.autoChecked || (b.sound != 0) != b.soundopChecked)
            fail("paused between handlers, or an option unlike its check mark");
        return !broken_;
    }

    // One thing a person does between handlers.
    void step() {
        const double r = uniform();
        if (r < 0.03) return click(0.5);
        if (r < 0.04) return command(r < 0.035 ? Auto : Sound);
        if (chance(1.0 / 300 / calm_)) return command(NewGame);
        if (chance(1.0 / 20000 / calm_)) return command(Close);
        if (b_->autoplay ? r > 0.9 : r > 0.1) return click(1);  // the die or a marked counter
        tick();
    }
    void tick() { send(Tick, [&] { return b_->tick(); }, true, !b_->autoplay); }  // idle without automatic play

    // An event that must reach a handler between handlers if it `takes`, and then with `idle` change
    // nothing; one that does not reach a handler changes nothing.
    void send(Event e, const std::function<bool()>& event, bool takes, bool idle) {
        ++(b_->paused() ? fig_.inPauses : fig_.between)[e];
        const bool taken = takes && !b_->paused(), still = !taken || idle;
        const Print before = still ? print(*b_) : Print{};
        dropped_ = dropped_ && !taken;
        bool reached = false;
        try { reached = event(); } catch (const std::exception& x) { return fail(std::string("exception: ") + x.what()); }
        if (reached != taken) return fail(taken ? "an event was refused" : "an ignored event reached the game");
        fig_.handlers += taken;
        if (still && print(*b_) != before) fail("an event that does nothing changed the board");
    }

    // A click on any view, or with chance `tempt` on one that invites it (clickable or yellow); taken
    // only between handlers on a visible, enabled view of the ring, the places or the die.
    void click(double tempt) {
        Board& b = *b_;
        const bool tempted = chance(tempt);
        std::vector<std::pair<int, int>> at{{between(0, 3), -1}};  // (family, index), first none at all
        for (int f = 0; f < 4; ++f)
            for (int i : (b.*clickables[f]).indices())
                if (const View& v = (b.*clickables[f])(i); !tempted || (v.visible && v.enabled) || v.back == colour::yellow)
                    at.push_back({f, i});
        const auto [f, i] = at[static_cast<std::size_t>(between(tempted && at.size() > 1, int(at.size()) - 1))];
        const ViewFamily& views = b.*clickables[f];
        const bool takes = views.has(i) && (f > 0 || i <= 60) && views(i).visible && views(i).enabled;
        send(Click, [&b, f, i] { return b.click(Family(f), i); }, takes, false);
    }

    // "Auto" and "Sound" toggle their option and check mark; "New Game" lays out a fresh game whatever it cuts
    // into, keeping the last throw and the options, and drops the paused handler; closing turns automatic play off.
    void command(Event e) {
        Board& b = *b_;
        const bool inPause = b.paused();
        Print want = print(b);
        if (e == Auto) want[2] ^= 1, want[4] ^= 1, b.chooseAuto();
        if (e == Sound) want[3] = want[3] ? 0 : -1, want[5] ^= 1, b.chooseSound();
        if (e == Close) want[2] = 0, b.close();
        if (e == NewGame) b.chooseNewGame(), fail(test::differences(b, fresh_.board));
        const Print after = print(b);
        if (e == NewGame) std::copy(after.begin() + 6, after.end(), want.begin() + 6), want[1] = after[1];
        if (after != want || b.closed() != (e == Close) || b.paused() != inPause)
            fail(std::string(names[e]) + " did more or less than it should");
        if (e == NewGame || e == Close) celebrations(true), closed_ = after;
        dropped_ = dropped_ || (inPause && e == NewGame);
        ++(inPause ? fig_.inPauses : fig_.between)[e], fig_.handlers += !inPause;
    }

    const Options& opt_;
    Figures& fig_;
    test::Game fresh_;     // a new game, to compare with
    std::mt19937_64 rng_;  // the person's randomness, apart from the game's dice
    unsigned seed_ = 0;
    double calm_ = 1;      // divides how often "New Game" and closing strike
    std::unique_ptr<Board> b_;
    bool broken_ = false;   // a violation was found: the window is given up
    bool dropped_ = false;  // the running handler was dropped by New Game
    Print closed_;          // the board as it was closed
    std::array<bool, 5> celebrating_{};
};

}  // namespace

Figures run(const Options& o) {
    Figures f;
    const auto start = std::chrono::steady_clock::now();
    Runner runner(o, f);
    for (int k = 0, n = std::max(1, o.seeds); k < n; ++k)
        runner.runSeed(o.firstSeed + unsigned(k), o.turns / n + (k < o.turns % n), std::array{200.0, 1.0, 20.0}[k % 3]);
    f.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return f;
}

std::string summary(const Figures& f) {
    std::ostringstream out;
    auto kinds = [&](const char* what, const std::array<long, eventKinds>& a) {
        out << what << std::accumulate(a.begin(), a.end(), 0L);
        for (int k = 0; k < eventKinds; ++k) out << (k ? ", " : " (") << names[k] << " " << a[k] << (k < 5 ? "" : ")\n");
    };
    out << "turns (throws): " << f.turns << "\nhandlers: " << f.handlers << "\npauses: " << f.pauses
        << "\nwindows opened: " << f.windows << "\n";
    kinds("injected inside pauses: ", f.inPauses);
    kinds("delivered between handlers: ", f.between);
    out << "rolls, opening marches, celebrations cut short: " << f.cutRolls << ", " << f.cutOpenings << ", "
        << f.cutCelebrations << "\ncelebrations by player 1..4: ";
    for (int p = 1; p <= 4; ++p) out << f.celebrations[p] << (p < 4 ? ", " : "\nviolations: ");
    out << f.violations << "\nwall time: " << f.seconds << " s\n";
    for (const std::string& r : f.reports) out << "  " << r << "\n";
    return out.str();
}

}  // namespace skarpo::soak
