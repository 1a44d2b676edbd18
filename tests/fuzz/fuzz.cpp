// SPDX-License-Identifier: GPL-3.0-or-later
// skarpo_fuzz: the reader of saved games against texts broken at random, for a given time. The texts are those of
// seeded games at every stage, each changed a few times over (a byte flipped or set, a stretch cut, doubled or put
// in at random, a number set to one at the edge of a range, lines swapped, doubled, dropped or taken from another
// text, the end cut off). A text the reader takes must read back as it was, and the game taken up from it at a new
// start must play on, 300 steps, as one the reader would take again at every one of them: never a crash,
// never a position the rules cannot reach.
//   skarpo_fuzz [--seconds S] [--seed N]
#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/clock.h"

using namespace skarpo;

namespace {

// Texts of seeded games, with people and the computer, at moments of every stage and at rest.
std::vector<std::string> corpus() {
    std::vector<std::string> texts;
    Options options;
    options.seats = {Seat::Person, Seat::Person, Seat::Computer, Seat::Person, Seat::Computer};
    test::Played g(options, 3);
    g.table.toggleAuto();
    Seeded pick(4);
    for (int step = 0; step < 40000; ++step) {
        if (step % 10000 == 9999) g.table.setSpeed(static_cast<Speed>(step / 10000 % 3));
        if (!g.clock.step(g.table)) g.clock.now += 1, g.table.tick();
        if (!pick.chance(0.01)) continue;
        const auto& told = g.table.happenings();
        texts.push_back(textOf(g.table.game(), told.since(told.count() - std::min<std::uint64_t>(told.count(), 3))));
    }
    return texts;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + '\n';
    return text;
}

// One change of `t`, picked at random.
void mutate(std::string& t, const std::vector<std::string>& texts, Seeded& r) {
    static const char* const edges[] = {"-6",   "-5",   "-1",         "0",   "1",   "4",   "5",   "6",
                                        "7",    "9",    "60",         "61",  "99",  "100", "101", "102",
                                        "2000", "2001", "4294967296", "1e9", "nan", "-0",  "+1",  ""};
    const auto at = [&](std::size_t n) { return static_cast<std::size_t>(r() % (n + 1)); };
    std::vector<std::string> lines = linesOf(t);
    switch (r() % 9) {
        case 0: t[at(t.size() - 1)] ^= static_cast<char>(1 << (r() % 8)); return;
        case 1: t[at(t.size() - 1)] = static_cast<char>(r() % 256); return;
        case 2: t.erase(at(t.size()), at(8)); return;
        case 3: {
            const std::size_t from = at(t.size());
            t.insert(at(t.size()), t.substr(from, at(16)));
            return;
        }
        case 4: t.insert(at(t.size()), std::string(at(6), static_cast<char>(r() % 256))); return;
        case 5: {  // a number in its place set to one at an edge
            std::size_t from = at(t.size()), to = from;
            while (from > 0 && (std::isdigit(static_cast<unsigned char>(t[from - 1])) || t[from - 1] == '-')) --from;
            while (to < t.size() && std::isdigit(static_cast<unsigned char>(t[to]))) ++to;
            t.replace(from, to - from, edges[r() % std::size(edges)]);
            return;
        }
        case 6: std::swap(lines[at(lines.size() - 1)], lines[at(lines.size() - 1)]); break;
        case 7: {  // a line dropped, doubled, or taken from another text
            const std::size_t i = at(lines.size() - 1);
            const auto other = linesOf(texts[r() % texts.size()]);
            const int how = static_cast<int>(r() % 3);
            if (how == 0) lines.erase(lines.begin() + static_cast<long>(i));
            if (how == 1) lines.insert(lines.begin() + static_cast<long>(i), lines[i]);
            if (how == 2) lines[i] = other[r() % other.size()];
            break;
        }
        default: t.resize(at(t.size())); return;
    }
    t = joined(lines);
}

// The game read from `text`, taken up and played on: empty, or what went wrong.
std::string tryText(const std::string& text, std::uint64_t seed) {
    const ReadGame read = readGame(text);
    if (!read.error.empty()) return {};
    if (const std::string faults = faultsOf(read.game.position, read.game.persons()); !faults.empty())
        return "read with a fault: " + faults;
    const ReadGame again = readGame(textOf(read.game, read.news));
    if (!again.error.empty() || !(again.game == read.game) || again.news != read.news) return "does not read back";
    test::Clock clock(static_cast<unsigned>(seed));
    Table table(clock, Game{});
    table.resume(read.game);
    table.toggleAuto();
    for (int step = 0; step < 300; ++step) {
        if (!clock.step(table)) clock.now += 1, table.tick();
        if (const std::string why = readGame(textOf(table.game())).error; !why.empty())
            return "after " + std::to_string(step) + " steps the game is one the reader refuses: " + why + "\n" +
                   textOf(table.game());
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    double seconds = 30;
    std::uint64_t seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--seconds") == 0) seconds = std::atof(argv[i + 1]);
        if (std::strcmp(argv[i], "--seed") == 0) seed = std::strtoull(argv[i + 1], nullptr, 10);
    }
    const std::vector<std::string> texts = corpus();
    Seeded random(seed);
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    long tried = 0, taken = 0;
    while (std::chrono::steady_clock::now() < end)
        for (int n = 0; n < 100; ++n, ++tried) {
            std::string text = texts[random() % texts.size()];
            for (int k = 1 + static_cast<int>(random() % 4); k > 0 && !text.empty(); --k) mutate(text, texts, random);
            std::string why;
            try {
                taken += readGame(text).error.empty();
                why = tryText(text, random());
            } catch (const std::exception& e) {  // the position's own checks of its indices
                why = std::string("a check failed: ") + e.what();
            }
            if (!why.empty()) {
                std::printf("FAIL (seed %llu, text %ld): %s\nthe text:\n%s\n", static_cast<unsigned long long>(seed),
                            tried, why.c_str(), text.c_str());
                return 1;
            }
        }
    std::printf("%ld broken texts from %zu games' texts in %.0f s, %ld of them read and played on: ok\n", tried,
                texts.size(), seconds, taken);
    return 0;
}
