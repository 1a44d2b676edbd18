// SPDX-License-Identifier: GPL-3.0-or-later
// The saved game's file as the tests of the real program see it:
//   skarpo_savedfile new SEAT SEAT SEAT SEAT   a new game with these seats (person or computer), on standard output
//   skarpo_savedfile marked                    red, a person, has thrown a 3 and its one counter on the ring, on square
//                                              10, is marked: its move captures cyan's counter on square 13
//   skarpo_savedfile moved AFTER               whether AFTER, taken up, holds that game after red's move, made once
//   skarpo_savedfile resumed BEFORE AFTER      whether AFTER, written by a program that took up BEFORE, holds the game
//                                              BEFORE left: every counter, the turn, the throw, the marks, each last
//                                              throw and the options, automatic play and the sound off
// Both files must be whole games the rules can reach. Exits 1, saying why, when they are not.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "core/rules/rulebook.h"
#include "tests/support/clock.h"

using namespace skarpo;

namespace {

int refuse(const std::string& why) {
    std::fprintf(stderr, "%s\n", why.c_str());
    return 1;
}

bool read(const char* path, Game& game, std::string& why) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const ReadGame r = readGame(text.str());
    why = std::string(path) + ": " + (in ? r.error : "unreadable") + "\n" + text.str();
    game = r.game;
    return in && r.error.empty();
}

// What a position the player sees is made of; the roll drawn for the stage after it comes from the program's own
// random numbers, and is not compared.
bool sameStanding(const Game& a, const Game& b) {
    const bool waits = a.phase == Phase::DieWaits || a.phase == Phase::MarksWait;
    return a.position == b.position && a.lastThrows == b.lastThrows && a.options == b.options && a.phase == b.phase &&
           a.next == b.next &&
           (!waits || (a.thrower == b.thrower && a.thrown == b.thrown && a.marks == b.marks && a.scene == b.scene));
}

// Red's counter 1 on ring square 10 with a throw of 3, cyan's counter 1 on square 13: the marks wait for red.
Game marked() {
    Game g;
    auto put = [&g](int player, int progress) {
        g.position.players(player, 1) = static_cast<std::int16_t>(progress);
        for (int s = squareOf(player, progress); s <= 69; s += 60)
            g.position.squares(s) = static_cast<std::int16_t>(player);
    };
    put(1, 10);
    put(2, 58);
    g.opened = true;
    g.thrower = g.next = 1;
    g.thrown = g.lastThrows[1] = 3;
    g.marks = legalMoves(g.position, 1, 3);
    g.phase = Phase::MarksWait;
    g.scene = {Scene::Die::Hidden, 3, 1};
    return g;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 6 && std::strcmp(argv[1], "new") == 0) {
        Game g;
        for (int p = 1; p <= 4; ++p)
            g.options.seats[static_cast<std::size_t>(p)] =
                std::strcmp(argv[p + 1], "person") == 0 ? Seat::Person : Seat::Computer;
        std::fputs(textOf(g).c_str(), stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "marked") == 0) return std::fputs(textOf(marked()).c_str(), stdout), 0;
    Game before, after;
    std::string why;
    if (argc == 3 && std::strcmp(argv[1], "moved") == 0) {
        if (!read(argv[2], after, why)) return refuse(why);
        // a game saved in the middle of the move goes on from it, and is taken up after it
        test::Clock clock;
        Table table(clock, Options{});
        table.resume(after);
        const Game g = marked();
        const auto move = outcome(g.position, 1, *g.marks.begin(), 3, true);
        return table.game().position == move.after ? 0 : refuse("not after red's move:\n" + textOf(after));
    }
    if (argc != 4 || std::strcmp(argv[1], "resumed") != 0)
        return refuse("usage: skarpo_savedfile new SEAT SEAT SEAT SEAT | marked | moved AFTER | resumed BEFORE AFTER");
    if (!read(argv[2], before, why) || !read(argv[3], after, why)) return refuse(why);
    test::Clock clock;
    Table table(clock, Options{});
    table.resume(before);
    if (after.autoplay || after.sound) return refuse("automatic play or the sound is on after a start");
    // On a busy machine the program may have gone on by a decision before its file was copied (a computer's pause
    // is short): the file holds the game taken up, or that game a decision or two on.
    const std::string takenUp = textOf(table.game());
    const auto decided = table.decided();
    for (int steps = 0; steps < 200 && table.decided() <= decided + 2; ++steps) {
        if (sameStanding(table.game(), after)) return 0;
        if (!clock.step(table)) break;
    }
    return refuse("taken up:\n" + takenUp + "but the program holds:\n" + textOf(after));
}
