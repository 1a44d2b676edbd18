// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/startup.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <vector>

#include "bench/measure.h"
#include "window/board/canvas.h"
#include "window/program.h"

namespace skarpo::bench {

namespace {

// A game of red against the computer, saved while cyan's move was shown at the fastest speed.
constexpr const char* savedInTheMiddle = R"(skarpo-game 1
phase moving
opened yes
seats person computer computer computer
speed fastest
strength normal
auto yes
sound no
turn 2 2 6
last 3 6 5 2
scene hidden 6 2
marks
player 1 7 0 0 0 column home 0
player 2 48 6 0 0 column home 0
player 3 0 0 0 0 column home 0
player 4 8 3 0 0 column home 0
stage glance 1 ring:4 computer roll 6 2 4 5 5 1 2 1 1 6 6 5 6 5 6 turn -1 0 moved 0 0 0
news moved 1 7 threw 2 6
)";

// Quits the event loop once the first paint of `widget` has been handed to the screen, noting when.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget& widget) { widget.installEventFilter(this); }
    std::optional<double> at, age;
    QEventLoop loop;  // not the application's: quitting that would close the window, which ends the program

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Paint || at) return false;
        QTimer::singleShot(0, this, [this] {
            at = monotonicSeconds();
            age = processAge();
            loop.quit();
        });
        at = 0;
        return false;
    }
};

// One start in `home` (its settings and state folders): the milliseconds from main() and from the process's start.
std::optional<std::pair<double, double>> startOnce(const char* program, const QString& home) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_STATE_HOME"), home + QStringLiteral("/state"));
    p.setProcessEnvironment(env);
    p.start(QString::fromLocal8Bit(program), {QStringLiteral("--first-frame")});
    if (!p.waitForFinished(20'000) || p.exitCode() != 0) return std::nullopt;
    double fromMain = 0, fromStart = 0;
    if (std::sscanf(p.readAllStandardOutput().constData(), "%lf %lf", &fromMain, &fromStart) != 2) return std::nullopt;
    return std::pair(fromMain, fromStart);
}

}  // namespace

int firstFrameOnly(int argc, char** argv, double mainAt, std::optional<double> ageAtMain) {
    int qtArgc = 1;
    char* qtArgv[] = {argc > 0 ? argv[0] : nullptr, nullptr};
    QApplication app(qtArgc, qtArgv);
    Program program;
    FirstPaint first(program.window().canvas());
    program.window().showAsRemembered();
    QTimer::singleShot(10'000, &first.loop, &QEventLoop::quit);  // a frame that never comes
    first.loop.exec();
    if (!first.at || *first.at == 0) return 1;
    std::printf("%.3f %.3f\n", 1000 * (*first.at - mainAt), ageAtMain && first.age ? 1000 * *first.age : -1.0);
    return 0;
}

bool startFigures(const char* program, int runs) {
    QTemporaryDir dir;
    const QString home = dir.path(), saved = home + QStringLiteral("/state/skarpo/game.txt");
    std::vector<double> fresh, resumed, freshAge, resumedAge;
    for (int n = 0; n < runs; ++n) {
        for (bool resume : {false, true}) {
            QDir(home + QStringLiteral("/state")).removeRecursively();
            QDir().mkpath(home + QStringLiteral("/state/skarpo"));
            if (QFile file(saved); resume && file.open(QIODevice::WriteOnly)) file.write(savedInTheMiddle);
            const auto took = startOnce(program, home);
            if (!took) return false;
            (resume ? resumed : fresh).push_back(took->first);
            if (took->second >= 0) (resume ? resumedAge : freshAge).push_back(took->second);
        }
    }
    const double f = spreadOf(fresh).median, r = spreadOf(resumed).median;
    auto print = [](const Figure& figure) { std::printf("%s\n", line(figure).c_str()); };
    if (!freshAge.empty() && !resumedAge.empty()) {
        print({"fresh start to first frame (/proc)", spreadOf(freshAge).median, "ms", 0, 300, {}});
        print({"resumed start to first frame (/proc)", spreadOf(resumedAge).median, "ms", 0, 300, {}});
    }
    print({"fresh start, main() to first frame", f, "ms", 1, {}, {}});
    print({"resumed start, main() to first frame", r, "ms", 1, {}, {}});
    print({"resumed less fresh, from main()", r - f, "ms", 1, 20, {}});
    std::printf("  medians of %d starts each way, in turn\n", runs);
    std::fflush(stdout);
    return true;
}

}  // namespace skarpo::bench
