// SPDX-License-Identifier: GPL-3.0-or-later
// skarpo_bench: the game's performance figures, one a line with its unit and
// its target. In order: the start to the first painted frame, here and in
// fresh and resumed starts of the game as its program starts; processor
// time, repaints and painted pixels while the window idles and while it
// animates a game played by automatic play, and the length of its throws,
// at the window's first size and at 2160 by 2160 pixels; the accuracy of the
// real pause; a round of three computer turns at each speed, in the window
// and on the virtual clock; the time a save of the game takes; the peak
// memory; the speed of the game itself on a virtual clock; the calls per
// second of the move model; and the time the Strong computer player takes to
// choose a move.
//
//   skarpo_bench [--quick] [--throws N]
//
// --quick shortens every measurement (a smoke run, its figures rough);
// --throws sets the length of the virtual-clock game (2,000,000).
// It needs a display like the game, or QT_QPA_PLATFORM=offscreen.
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QPaintEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bench/corespeed.h"
#include "bench/measure.h"
#include "bench/startup.h"
#include "tools/match.h"
#include "window/board/canvas.h"
#include "window/window.h"

extern char** environ;

using namespace skarpo;
using namespace skarpo::bench;

namespace {

struct BenchOptions {
    bool quick = false;
    long throws = 2'000'000;
};

[[noreturn]] void usage() {
    std::fprintf(stderr, "usage: skarpo_bench [--quick] [--throws N]\n");
    std::exit(2);
}

BenchOptions parse(int argc, char** argv) {
    BenchOptions o;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quick") == 0) {
            o.quick = true;
            o.throws = 50'000;
        } else if (std::strcmp(argv[i], "--throws") == 0 && i + 1 < argc) {
            char* end = nullptr;
            o.throws = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || o.throws <= 0) usage();
        } else {
            usage();
        }
    }
    return o;
}

void print(const Figure& f) {
    std::printf("%s\n", line(f).c_str());
    std::fflush(stdout);
}

// Counts the canvas's paint events and the device pixels they paint, and
// notes when the first one has been drawn and handed to the screen.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget& canvas) : canvas_(canvas) { canvas.installEventFilter(this); }
    long paints = 0;
    double pixels = 0;
    std::optional<double> firstFrameAt;
    std::optional<double> firstFrameAge;
    QEventLoop* untilFirst = nullptr;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        const qreal ratio = canvas_.devicePixelRatioF();
        for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
            pixels += r.width() * ratio * r.height() * ratio;
        if (paints++ == 0) {
            // the frame is drawn and flushed when control is back in the
            // event loop: note the time there
            QTimer::singleShot(0, this, [this] {
                firstFrameAt = monotonicSeconds();
                firstFrameAge = processAge();
                if (untilFirst) untilFirst->quit();
            });
        }
        return false;
    }

private:
    QWidget& canvas_;
};

// Runs the event loop for `seconds`.
void runFor(double seconds) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until `done` holds, for `seconds` at most.
void runUntil(const std::function<bool()>& done, double seconds) {
    const double end = monotonicSeconds() + seconds;
    while (!done() && monotonicSeconds() < end) runFor(0.02);
}

struct Usage {
    double cpu, wall;
    long paints;
    double pixels;
    long pauses, throws;
    std::optional<double> xServer;  // processor time of the X server
};

// What the window has used and done so far.
struct Meter {
    PaintWatch& watch;
    const long& pauses;
    const long& throws;
    long xServerPid;
    Usage at() const {
        return {processorSeconds(),
                monotonicSeconds(),
                watch.paints,
                watch.pixels,
                pauses,
                throws,
                xServerPid ? processorSecondsOf(xServerPid) : std::nullopt};
    }
};

// Processor time per second of wall time, repaints, painted pixels and
// pauses per second, between two readings.
void report(const std::string& what, const Usage& a, const Usage& b, double cpuTarget,
            std::optional<double> paintTarget) {
    const double wall = b.wall - a.wall;
    print({"processor time, " + what, 100 * (b.cpu - a.cpu) / wall, "% of a core", 3, cpuTarget, {}});
    if (a.xServer && b.xServer)
        print({"  the X server's processor time, " + what,
               100 * (*b.xServer - *a.xServer) / wall,
               "% of a core",
               2,
               {},
               {}});
    print({"repaints of the board, " + what,
           static_cast<double>(b.paints - a.paints) / wall,
           "per s",
           1,
           paintTarget,
           {}});
    print({"  painted pixels, " + what, (b.pixels - a.pixels) / wall / 1e6, "million per s", 3, {}, {}});
    if (b.pauses > a.pauses) {
        print({"  pauses, " + what, static_cast<double>(b.pauses - a.pauses) / wall, "per s", 1, {}, {}});
        print({"  throws, " + what, static_cast<double>(b.throws - a.throws), "in all", 0, {}, {}});
    }
    print({"  measured over", wall, "s", 1, {}, {}});
}

// The lengths of whole throws, from the pauses the game makes: a throw's
// second pause shows the die's first position, its fifteenth the last one.
struct ThrowClock {
    std::vector<double> lengths;
    void pause(const Views& views, double now) {
        if (ending && start) lengths.push_back(now - *start);
        ending = false;
        if (views[{Family::Die, 1}].visible)
            start = last;
        else if (views[{Family::Die, 14}].visible)
            ending = true;
        last = now;
    }
    // a throw cut short by a new game never ends
    void forget() {
        start.reset();
        ending = false;
    }

private:
    std::optional<double> start;
    double last = 0;
    bool ending = false;
};

// The peak memory of the game program itself, left alone on its window for
// `seconds`; nothing if it cannot be started.
std::optional<double> gamePeakMiB(double seconds) {
#ifdef SKARPO_GAME_PROGRAM
    const char* path = SKARPO_GAME_PROGRAM;
    if (access(path, X_OK) != 0) return std::nullopt;
    char* argv[] = {const_cast<char*>(path), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, path, nullptr, nullptr, argv, environ) != 0) return std::nullopt;
    usleep(static_cast<useconds_t>(seconds * 1e6));
    // read from the program itself: the peak its process reports on exit
    // would also count this one, whose memory it shared until it started
    const std::optional<double> peak = peakResidentMiBOf(child);
    kill(child, SIGTERM);
    int status = 0;
    if (waitpid(child, &status, 0) != child) return std::nullopt;
    return peak;
#else
    (void)seconds;
    return std::nullopt;
#endif
}

// What the toolkit alone costs for the wake-ups and small repaints of
// animating, to set the window's figure against: a bare widget of `size`,
// woken `perSecond` times a second by a precise timer, repainting one square
// of 32 pixels (the die's size) each time, in percent of a core.
double bareWidgetPercent(QSize size, double perSecond, double seconds) {
    struct Bare : QWidget {
        int n = 0;
        void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), n % 2 ? Qt::red : Qt::blue); }
    } bare;
    bare.resize(size);
    bare.show();
    QTimer wake;
    wake.setTimerType(Qt::PreciseTimer);
    QObject::connect(&wake, &QTimer::timeout, &bare, [&bare] {
        ++bare.n;
        bare.update(32 * (bare.n % 10), 32, 32, 32);
    });
    wake.start(static_cast<int>(std::lround(1000 / perSecond)));
    runFor(1);  // shown and settled
    const double cpu = processorSeconds(), wall = monotonicSeconds();
    runFor(seconds);
    return 100 * (processorSeconds() - cpu) / (monotonicSeconds() - wall);
}

// Everything the bench measures in the window, around one window brought up as the game's own main brings it up.
class Bench {
public:
    Bench(const BenchOptions& opt, Window& window)
        : opt_(opt),
          window_(window),
          table_(window.table()),
          watch_(window.canvas()),
          meter_{watch_, pauses_, throws_, xServerPid()} {}

    // Shows the window; false when no frame comes within 10 s.
    bool firstFrame(double mainAt, std::optional<double> ageAtMain);
    // Counts the pauses and throws of the game, the lengths of whole throws and the rounds of computer turns.
    void follow();
    // At one size of the window: idle, animating, and one repaint of the whole board. False when automatic play
    // did not get going.
    bool atSize(const std::string& where, double animatingTarget);
    void idle(const std::string& where);
    bool animating(const std::string& where, double target);
    void pauses();
    void rounds();
    void saves();
    double pausesPerSecond() const { return pausesPerSecond_; }
    const std::vector<double>& throwLengths() const { return allThrows_; }

private:
    void roundOver();

    const BenchOptions& opt_;
    Window& window_;
    Table& table_;
    PaintWatch watch_;
    long pauses_ = 0, throws_ = 0;
    Meter meter_;
    ThrowClock throwClock_;
    std::vector<double> allThrows_;
    double pausesPerSecond_ = 0;
    // the rounds of computer turns between two throws of red, by speed: from the call of the first pause of a
    // computer turn to the die waiting for red again
    std::optional<double> roundFrom_;
    std::vector<double> roundsAt_[3], threeAt_[3];  // all rounds, and those of exactly three throws
    std::uint64_t roundSeen_ = 0;                   // the happenings before the round
};

bool Bench::firstFrame(double mainAt, std::optional<double> ageAtMain) {
    QEventLoop untilFirst;
    watch_.untilFirst = &untilFirst;
    window_.show();
    QTimer::singleShot(10'000, &untilFirst, &QEventLoop::quit);  // a frame that never comes
    untilFirst.exec();
    watch_.untilFirst = nullptr;
    if (!watch_.firstFrameAt) return false;
    if (ageAtMain && watch_.firstFrameAge)
        print({"start: process start to first frame (/proc)", 1000 * *watch_.firstFrameAge, "ms", 0, 300, {}});
    print({"start: main() to first frame", 1000 * (*watch_.firstFrameAt - mainAt), "ms", 1, {}, {}});
    if (ageAtMain) print({"  of which process start to main() (/proc)", 1000 * *ageAtMain, "ms", 0, {}, {}});
    if (meter_.xServerPid) std::printf("  the X server runs here as process %ld\n", meter_.xServerPid);
    return true;
}

// Every pause as it is asked for: a throw lasts from its first pause (before the die's first place) to the first
// pause after its last place, which follows at once.
void Bench::follow() {
    window_.platform().waking = [this](float) {
        ++pauses_;
        const Views& views = table_.views();
        if (views[{Family::Die, 1}].visible) ++throws_;  // the die's first place
        throwClock_.pause(views, monotonicSeconds());
        // at Fastest the first computer's throw is already told at the round's first pause (its glance): the
        // throws are counted from red's last pause on
        if (roundFrom_) return;
        if (table_.game().animation.computer)
            roundFrom_ = monotonicSeconds();
        else
            roundSeen_ = table_.happenings().count();
    };
    // a round ends when the die waits for red again
    const auto due = window_.platform().due;
    window_.platform().due = [this, due] {
        due();
        roundOver();
    };
}

void Bench::roundOver() {
    if (!roundFrom_ || table_.phase() != Phase::DieWaits) return;
    const double length = monotonicSeconds() - *roundFrom_;
    int computerThrows = 0;
    for (const Happening& h : table_.happenings().since(roundSeen_))
        computerThrows += h.kind == Happening::Kind::Threw && h.player != 1;
    const auto speed = static_cast<std::size_t>(table_.game().options.speed);
    roundsAt_[speed].push_back(length);
    if (computerThrows == 3) threeAt_[speed].push_back(length);
    roundFrom_.reset();
}

// A new game waits for its first click, measured twice, 1 s and then 10 s: the wake-up that ends each measurement
// costs as much in both and drops out of the difference, which is what idling itself costs.
void Bench::idle(const std::string& where) {
    runFor(opt_.quick ? 0.3 : 1);  // let the start (or the last new game) settle
    const Usage a = meter_.at();
    runFor(opt_.quick ? 0.2 : 1);
    const Usage b = meter_.at();
    runFor(opt_.quick ? 1 : 10);
    const Usage c = meter_.at();
    Usage start = b;  // the longer run less the shorter one
    start.cpu += b.cpu - a.cpu;
    start.wall += b.wall - a.wall;
    if (start.xServer && a.xServer) *start.xServer += *b.xServer - *a.xServer;
    report("idle, " + where, start, c, 0.02, 0.0);
}

// Automatic play plays player 1, the others follow; measured from the first tick for 2 or 15 s.
bool Bench::animating(const std::string& where, double target) {
    QEventLoop phase;
    std::optional<Usage> a, b;
    std::vector<double> lengths;
    window_.autoAction().trigger();
    QTimer::singleShot(1100, &phase, [&] {
        a = meter_.at();
        throwClock_.lengths.clear();
    });
    QTimer::singleShot(opt_.quick ? 3100 : 16100, &phase, [&] {
        b = meter_.at();
        lengths = throwClock_.lengths;
        window_.autoAction().trigger();  // automatic play off and a new game: what moved stops at once
        window_.newGameAction().trigger();
        throwClock_.forget();
        roundFrom_.reset();
        phase.quit();
    });
    phase.exec();
    report("animating, " + where, *a, *b, target, {});
    pausesPerSecond_ = static_cast<double>(b->pauses - a->pauses) / (b->wall - a->wall);
    std::string each;
    for (double l : lengths) each += " " + std::to_string(static_cast<int>(std::lround(l * 1e4))).insert(1, ".");
    std::printf("  whole throws, %s (1.770 s of pauses each): %zu, s:%s\n", where.c_str(), lengths.size(),
                each.c_str());
    allThrows_.insert(allThrows_.end(), lengths.begin(), lengths.end());
    // the opening march alone lasts some three seconds: a quick run sees only that
    return opt_.quick ? b->pauses > a->pauses : b->throws > a->throws;
}

bool Bench::atSize(const std::string& where, double animatingTarget) {
    std::printf("the window at %s: %dx%d, the board %.3f device pixels to a pixel\n", where.c_str(), window_.width(),
                window_.height(), window_.canvas().placement().scale);
    idle(where);
    const bool played = animating(where, animatingTarget);
    std::vector<double> took;  // what one repaint of the whole board costs (a celebration's sweeps make them)
    for (int i = 0; i < (opt_.quick ? 10 : 100); ++i) {
        const double t0 = monotonicSeconds();
        window_.canvas().repaint();
        took.push_back(monotonicSeconds() - t0);
    }
    print({"  one repaint of the whole board, median, " + where, 1000 * spreadOf(took).median, "ms", 2, {}, {}});
    return played;
}

// The real pause, 200 times each length, interleaved: how late the platform's timer comes after it was asked for.
void Bench::pauses() {
    const float lengths[] = {0.01f, 0.07f, 0.2f};
    const int rounds = opt_.quick ? 10 : 200;
    std::vector<double> over[3];
    QtPlatform& platform = window_.platform();
    const auto due = std::exchange(platform.due, nullptr);
    for (int r = 0; r < rounds; ++r)
        for (int k = 0; k < 3; ++k) {
            QEventLoop loop;
            double fired = 0;
            platform.due = [&] { fired = monotonicSeconds(), loop.quit(); };
            const double t0 = monotonicSeconds();
            platform.wake(lengths[k]);
            loop.exec();
            over[k].push_back(fired - t0 - static_cast<double>(lengths[k]));
        }
    platform.due = due;
    for (int k = 0; k < 3; ++k) {
        const Spread s = spreadOf(over[k]);
        char name[64];
        std::snprintf(name, sizeof name, "pause %.2f s: median overshoot from the call",
                      static_cast<double>(lengths[k]));
        print({name, 1000 * s.median, "ms", 2, 0.5, {}});
        std::snprintf(name, sizeof name, "pause %.2f s: max overshoot from the call", static_cast<double>(lengths[k]));
        print({name, 1000 * s.max, "ms", 2, 15, {}});
    }
    print({"  pauses of each length", static_cast<double>(rounds), "", 0, {}, {}});
}

// The saved game: what one write costs (the whole file synced to the disk, then renamed over the last one), and how
// many the window made while it played above. The window writes after the table has asked for the pause that follows
// a decision, whose end is then fixed: a write lengthens no pause shorter than itself.
void Bench::saves() {
    const GameFile* file = window_.gameFile();
    if (!file) return;
    const long played = file->writes();
    std::vector<double> took;
    for (int i = 0; i < (opt_.quick ? 20 : 200); ++i) {
        const double t0 = monotonicSeconds();
        window_.saveGame();
        took.push_back(monotonicSeconds() - t0);
    }
    const Spread s = spreadOf(took);
    print({"the game saved: median", 1000 * s.median, "ms", 2, {}, {}});
    print({"the game saved: max", 1000 * s.max, "ms", 2, 15, {}});
    print({"  saves while the window played above", static_cast<double>(played), "", 0, {}, {}});
}

// A round of three computer turns at each speed, in the window (automatic play plays red) and on the virtual clock
// (a thousand rounds each), from the first pause of cyan's turn to the die waiting for red again. The figure with
// the target is the median of the rounds of exactly three computer throws; every round, sixes too, follows it.
void Bench::rounds() {
    const char* names[] = {"Normal", "Fast", "Fastest"};
    const std::optional<double> targets[] = {std::nullopt, 2.5, 0.8};
    const double seconds[] = {opt_.quick ? 5.0 : 45.0, opt_.quick ? 5.0 : 40.0, opt_.quick ? 5.0 : 30.0};
    for (int k = 0; k < 3; ++k) {
        table_.setSpeed(static_cast<Speed>(k));
        window_.autoAction().trigger();
        runFor(seconds[k]);
        window_.autoAction().trigger();
        window_.newGameAction().trigger();
        roundFrom_.reset();
    }
    table_.setSpeed(Speed::Normal);
    for (std::size_t k = 0; k < 3; ++k) {
        const std::string at = names[k];
        if (!threeAt_[k].empty())
            print({"round of three computer turns (no six), median, window, " + at,
                   spreadOf(threeAt_[k]).median,
                   "s",
                   3,
                   targets[k],
                   {}});
        if (!roundsAt_[k].empty())
            print({"  every round (sixes too), median, window, " + at, spreadOf(roundsAt_[k]).median, "s", 3, {}, {}});
        print({"  rounds seen in the window, " + at, static_cast<double>(roundsAt_[k].size()), "", 0, {}, {}});
        const Rounds rounds = computerRounds(static_cast<Speed>(k), opt_.quick ? 100 : 1000, 7);
        std::vector<double> three;
        for (std::size_t i = 0; i < rounds.lengths.size(); ++i)
            if (rounds.throws[i] == 3) three.push_back(rounds.lengths[i]);
        print({"round of three computer turns (no six), median, virtual clock, " + at,
               spreadOf(three).median,
               "s",
               3,
               targets[k],
               {}});
        print({"  every round (sixes too), median, virtual clock, " + at,
               spreadOf(rounds.lengths).median,
               "s",
               3,
               {},
               {}});
        print({"  longest round, virtual clock, " + at, spreadOf(rounds.lengths).max, "s", 3, {}, {}});
    }
}

// The game alone on a virtual clock, and the rule book's outcomes.
bool core(const BenchOptions& opt) {
    const CoreRun run = playCore(opt.throws, 7);
    const auto perSecond = [&](long n) { return static_cast<double>(n) / run.seconds; };
    print({"core: turns (throws)", perSecond(run.throws), "per s", 0, {}, 1'000'000});
    print({"core: steps (pauses)", perSecond(run.pauses), "per s", 0, {}, {}});
    print({"core: game time played", run.gameSeconds / 3600 / run.seconds, "hours per s", 1, {}, {}});
    std::printf(
        "  core run: %ld throws, %ld pauses, %.1f game hours, celebrations %ld/%ld/%ld/%ld, board %016llx, %.3f s\n",
        run.throws, run.pauses, run.gameSeconds / 3600, run.celebrations[1], run.celebrations[2], run.celebrations[3],
        run.celebrations[4], static_cast<unsigned long long>(run.fingerprint), run.seconds);
    const ModelRun model = foreseeSpeed(opt.quick ? 2'000 : 20'000, 7, opt.quick ? 0.2 : 2);
    print({"core: the rule book, outcomes",
           static_cast<double>(model.calls) / model.seconds,
           "calls per s",
           0,
           {},
           1'000'000});
    print({"  the same, per second of processor time",
           static_cast<double>(model.calls) / model.processor,
           "calls per s",
           0,
           {},
           {}});
    std::printf("  rule book run: %ld positions, %ld calls, sum %ld, %.3f s\n", model.positions, model.calls, model.sum,
                model.seconds);
    return run.throws >= opt.throws;
}

// The Strong player's choice in the positions of games of Strong against Normal where it had two moves or more.
void strong(const BenchOptions& opt) {
    struct Sample {
        Position at;
        int player, thrown;
    };
    std::vector<Sample> samples;
    const std::size_t wanted = opt.quick ? 2'000 : 20'000;
    for (std::uint64_t seed = 1; samples.size() < wanted; ++seed)
        tournament::playGame(seed,
                             {Strength::Strong, Strength::Strong, Strength::Normal, Strength::Strong, Strength::Normal},
                             4, 1'000'000, [&](const Position& at, int player, int thrown) {
                                 if (samples.size() < wanted && legalMoves(at, player, thrown).count >= 2)
                                     samples.push_back({at, player, thrown});
                             });
    std::vector<double> ms;
    volatile int sink = 0;
    for (const Sample& s : samples) {
        const auto t0 = std::chrono::steady_clock::now();
        sink = sink + strongMove(s.at, s.player, s.thrown).index;
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    print({"Strong: a move chosen, median", ms[ms.size() / 2], "ms", 3, 5, {}});
    print({"Strong: a move chosen, 99th percentile", ms[ms.size() * 99 / 100], "ms", 3, {}, {}});
    print({"Strong: a move chosen, worst", ms.back(), "ms", 3, 20, {}});
    std::printf("  over %zu positions of games of Strong against Normal with two legal moves or more\n", ms.size());
}

}  // namespace

int main(int argc, char** argv) {
    const double mainAt = monotonicSeconds();
    const std::optional<double> ageAtMain = processAge();
    if (argc == 2 && std::strcmp(argv[1], "--first-frame") == 0) return firstFrameOnly(argc, argv, mainAt, ageAtMain);
    const BenchOptions opt = parse(argc, argv);
    const double load = loadAverage();
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    // the game saved as the program saves it, on the disk of the player's own saved game, in a folder of the bench's
    const QString stateHome = QFileInfo(QFileInfo(GameFile::standardPath()).absolutePath()).absolutePath();
    QDir().mkpath(stateHome);
    const QTemporaryDir saves(stateHome + QStringLiteral("/skarpo-bench-XXXXXX"));
    Window window(nullptr, {}, saves.isValid() ? saves.filePath(QStringLiteral("game.txt")) : QString());
    window.exitProgram = [] {};  // the bench closes nothing
    Bench bench(opt, window);
    std::printf("skarpo_bench on %s, %ld processors, load average %.2f at start%s\n",
                qPrintable(QGuiApplication::platformName()), sysconf(_SC_NPROCESSORS_ONLN), load,
                opt.quick ? " (quick: figures rough)" : "");
    if (!bench.firstFrame(mainAt, ageAtMain)) return std::printf("no frame was painted within 10 s\n"), 1;
    if (!startFigures(argv[0], opt.quick ? 3 : 15)) return std::printf("the game's start did not paint\n"), 1;
    bench.follow();
    const QSize first = window.size();
    if (!bench.atSize("its first size", 0.3)) return std::printf("automatic play did not get going\n"), 1;
    if (bench.pausesPerSecond() > 0) {
        char name[96];
        std::snprintf(name, sizeof name, "  the toolkit alone, a bare widget repainting a square %.1f times a s",
                      bench.pausesPerSecond());
        print({name, bareWidgetPercent(first, bench.pausesPerSecond(), opt.quick ? 2 : 15), "% of a core", 3, {}, {}});
    }
    window.resize(2160, 2160);
    runUntil([&] { return window.size() == QSize(2160, 2160); }, 5);
    const bool large = bench.atSize("2160x2160", 1);
    window.resize(first);
    runUntil([&] { return window.size() == first; }, 5);
    if (!large) return std::printf("automatic play did not get going\n"), 1;
    if (!bench.throwLengths().empty())
        print({"throw: median length, both sizes", spreadOf(bench.throwLengths()).median, "s", 4, 1.775, {}});
    bench.pauses();
    bench.rounds();
    bench.saves();
    print({"peak memory of the window, after all the above", peakResidentMiB(), "MiB", 1, 60, {}});
    // the program left alone keeps its game in the bench's folder, not in the player's
    if (saves.isValid()) qputenv("XDG_STATE_HOME", saves.path().toLocal8Bit());
    if (!opt.quick)
        if (const auto game = gamePeakMiB(3))
            print({"peak memory of skarpo itself, 3 s idle", *game, "MiB", 1, 60, {}});
    const bool played = core(opt);
    strong(opt);
    std::printf("load average %.2f at the end\n", loadAverage());
    return played ? 0 : 1;
}
