// SPDX-License-Identifier: GPL-3.0-or-later
// skarpo_bench: the game's performance figures, one a line with its unit and
// its target. In order: the start to the first painted frame, processor time
// while the window idles and while it animates a game played by automatic
// play, the accuracy of the real pause, the peak memory, and the speed of
// the game itself on a virtual clock.
//
//   skarpo_bench [--quick] [--throws N]
//
// --quick shortens every measurement (a smoke run, its figures rough);
// --throws sets the length of the virtual-clock game (2,000,000).
// It needs a display like the game, or QT_QPA_PLATFORM=offscreen.
#include <sys/resource.h>
#include <sys/wait.h>
#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "bench/corespeed.h"
#include "bench/measure.h"
#include "window/canvas.h"
#include "window/window.h"

extern char** environ;

using namespace skarpo;
using namespace skarpo::bench;

namespace {

struct Options {
    bool quick = false;
    long throws = 2'000'000;
};

[[noreturn]] void usage() {
    std::fprintf(stderr, "usage: skarpo_bench [--quick] [--throws N]\n");
    std::exit(2);
}

Options parse(int argc, char** argv) {
    Options o;
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

// Counts the canvas's paint events, and notes when the first one has been
// drawn and handed to the screen.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget& canvas) { canvas.installEventFilter(this); }
    long paints = 0;
    std::optional<double> firstFrameAt;
    std::optional<double> firstFrameAge;
    QEventLoop* untilFirst = nullptr;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && paints++ == 0) {
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
};

// Runs the event loop for `seconds`.
void runFor(double seconds) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
}

struct Usage {
    double cpu, wall;
    long paints, pauses, throws;
    std::optional<double> xServer;  // processor time of the X server
};

// What the window has used and done so far.
struct Meter {
    PaintWatch& watch;
    const long& pauses;
    const long& throws;
    long xServerPid;
    Usage at() const {
        return {processorSeconds(), monotonicSeconds(), watch.paints, pauses, throws,
                xServerPid ? processorSecondsOf(xServerPid) : std::nullopt};
    }
};

// Processor time per second of wall time, paints and pauses per second,
// between two readings.
void report(const char* what, const Usage& a, const Usage& b, double targetPercent) {
    const double wall = b.wall - a.wall;
    print({std::string("processor time, ") + what, 100 * (b.cpu - a.cpu) / wall, "% of a core", 2, targetPercent, {}});
    if (a.xServer && b.xServer)
        print({std::string("  the X server's processor time, ") + what, 100 * (*b.xServer - *a.xServer) / wall,
               "% of a core", 2, {}, {}});
    print({std::string("  paints of the board, ") + what, static_cast<double>(b.paints - a.paints) / wall, "per s", 1,
           {}, {}});
    if (b.pauses > a.pauses) {
        print({std::string("  pauses, ") + what, static_cast<double>(b.pauses - a.pauses) / wall, "per s", 1, {}, {}});
        print({std::string("  throws, ") + what, static_cast<double>(b.throws - a.throws), "in all", 0, {}, {}});
    }
    print({std::string("  measured over"), wall, "s", 1, {}, {}});
}

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
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) return std::nullopt;
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
#else
    (void)seconds;
    return std::nullopt;
#endif
}

}  // namespace

int main(int argc, char** argv) {
    const double mainAt = monotonicSeconds();
    const std::optional<double> ageAtMain = processAge();
    const Options opt = parse(argc, argv);
    const double load = loadAverage();

    // ---- the window comes up, as the game's own main brings it up ----
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    Window window;
    window.exitProgram = [] {};  // the bench closes nothing
    PaintWatch watch(window.canvas());
    QEventLoop untilFirst;
    watch.untilFirst = &untilFirst;
    window.show();
    QTimer::singleShot(10'000, &untilFirst, &QEventLoop::quit);  // a frame that never comes
    untilFirst.exec();
    watch.untilFirst = nullptr;

    std::printf("skarpo_bench on %s, %ld processors, load average %.2f at start%s\n",
                qPrintable(QGuiApplication::platformName()), sysconf(_SC_NPROCESSORS_ONLN), load,
                opt.quick ? " (quick: figures rough)" : "");
    if (!watch.firstFrameAt) {
        std::printf("no frame was painted within 10 s\n");
        return 1;
    }
    if (ageAtMain && watch.firstFrameAge)
        print({"start: process start to first frame (/proc)", 1000 * *watch.firstFrameAge, "ms", 0, 300, {}});
    print({"start: main() to first frame", 1000 * (*watch.firstFrameAt - mainAt), "ms", 1, {}, {}});
    if (ageAtMain) print({"  of which process start to main() (/proc)", 1000 * *ageAtMain, "ms", 0, {}, {}});

    // the pauses of the game and the throws among them, seen as the window
    // prepares each pause
    long pauses = 0, throws = 0;
    Board& board = window.board();
    const auto repaint = window.platform().beforePause;
    window.platform().beforePause = [&, repaint] {
        ++pauses;
        if (board.dicethrow(1).visible) ++throws;  // the die's first position
        if (repaint) repaint();
    };
    const Meter meter{watch, pauses, throws, xServerPid()};
    if (meter.xServerPid) std::printf("  the X server runs here as process %ld\n", meter.xServerPid);

    // ---- idle: a new game waits for its first click, the timer ticking ----
    runFor(opt.quick ? 0.2 : 1);  // let the start settle
    {
        const Usage a = meter.at();
        runFor(opt.quick ? 1 : 10);
        report("idle", a, meter.at(), 0.5);
    }

    // ---- animating: automatic play plays player 1, the others follow ----
    {
        QEventLoop phase;
        std::optional<Usage> a, b;
        window.autoAction().trigger();
        // the first tick starts the game; measure from there
        QTimer::singleShot(1100, &phase, [&] { a = meter.at(); });
        QTimer::singleShot(opt.quick ? 3100 : 16100, &phase, [&] {
            b = meter.at();
            // automatic play off and a new game: the turn being drawn
            // unwinds at once, and the loop below ends
            window.autoAction().trigger();
            window.newGameAction().trigger();
            phase.quit();
        });
        phase.exec();
        report("animating", *a, *b, 3);
        // the opening march alone lasts some three seconds: a quick run
        // sees only that
        if (opt.quick ? b->pauses == a->pauses : b->throws == a->throws) {
            std::printf("automatic play did not get going\n");
            return 1;
        }
    }

    // ---- the real pause, 200 times each length, interleaved ----
    {
        const float lengths[] = {0.01f, 0.07f, 0.2f};
        const int rounds = opt.quick ? 10 : 200;
        std::vector<double> over[3];
        for (int r = 0; r < rounds; ++r)
            for (int k = 0; k < 3; ++k) {
                const double t0 = monotonicSeconds();
                board.wait(lengths[k]);
                over[k].push_back(monotonicSeconds() - t0 - static_cast<double>(lengths[k]));
            }
        for (int k = 0; k < 3; ++k) {
            const Spread s = spreadOf(over[k]);
            char name[64];
            std::snprintf(name, sizeof name, "pause %.2f s: median overshoot", static_cast<double>(lengths[k]));
            print({name, 1000 * s.median, "ms", 2, 2, {}});
            std::snprintf(name, sizeof name, "pause %.2f s: max overshoot", static_cast<double>(lengths[k]));
            print({name, 1000 * s.max, "ms", 2, 15, {}});
        }
        print({"  pauses of each length", static_cast<double>(rounds), "", 0, {}, {}});
    }

    // ---- what one repaint of the whole board costs (every pause makes one) ----
    {
        std::vector<double> took;
        for (int i = 0; i < (opt.quick ? 10 : 100); ++i) {
            const double t0 = monotonicSeconds();
            window.canvas().repaint();
            took.push_back(monotonicSeconds() - t0);
        }
        print({"  one repaint of the board, median", 1000 * spreadOf(took).median, "ms", 2, {}, {}});
    }

    // ---- memory ----
    print({"peak memory of the window, after all the above", peakResidentMiB(), "MiB", 1, 60, {}});
    if (!opt.quick)
        if (const auto game = gamePeakMiB(3)) print({"peak memory of skarpo itself, 3 s idle", *game, "MiB", 1, 60, {}});

    // ---- the game alone on a virtual clock ----
    {
        const CoreRun run = playCore(opt.throws, 7);
        const auto perSecond = [&](long n) { return static_cast<double>(n) / run.seconds; };
        print({"core: turns (throws)", perSecond(run.throws), "per s", 0, {}, 1'000'000});
        print({"core: handlers (timer ticks)", perSecond(run.handlers), "per s", 0, {}, {}});
        print({"core: pauses", perSecond(run.pauses), "per s", 0, {}, {}});
        print({"core: game time played", run.gameSeconds / 3600 / run.seconds, "hours per s", 1, {}, {}});
        std::printf("  core run: %ld throws, %ld handlers, %ld pauses, %.1f game hours, celebrations %ld/%ld/%ld/%ld, "
                    "board %016llx, %.3f s\n",
                    run.throws, run.handlers, run.pauses, run.gameSeconds / 3600, run.celebrations[1],
                    run.celebrations[2], run.celebrations[3], run.celebrations[4],
                    static_cast<unsigned long long>(run.fingerprint), run.seconds);
        if (run.throws < opt.throws) return 1;
    }
    std::printf("load average %.2f at the end\n", loadAverage());
    return 0;
}
