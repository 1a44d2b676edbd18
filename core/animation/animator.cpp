// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/animation/animator.h"

#include <array>

namespace skarpo {

void render(Views& v, const Game& g) {
    const Position& at = g.position;
    const bool opened = g.opened && g.animation.stage != Stage::Opening;  // the march shows them coming out
    auto marked = [&](int player, Place place) { return player == g.thrower && g.marks.contains(place); };
    for (int s = 1; s <= 60; ++s) {
        const int q = at.squares(s);
        v.ring(s) = {q > 0 ? counterOf(q) : ownPicture(s),
                     marked(g.thrower, Place::ring(s)) ? colour::yellow : colour::lightGrey};
    }
    for (int p = 1; p <= 4; ++p) {
        const int waiting = opened ? at.waiting(p) : 0;
        for (int k = 0; k < 4; ++k)
            v[viewOf(p, Place::start(k))] = {
                k < waiting ? counterOf(p) : Picture::Blank,
                k == 0 && marked(p, Place::start()) ? colour::yellow : colour::ofPlayer(p)};
        for (int k = 1; k <= 6; ++k)
            v[viewOf(p, Place::column(k))] = {at.homerow(p, k) == 1 ? counterOf(p) : Picture::Blank,
                                              marked(p, Place::column(k)) ? colour::yellow : colour::ofPlayer(p)};
        for (int n = 1; n <= 4; ++n)
            v[viewOf(p, Place::final(n))] = {!opened || n <= at.homerow(p, 7) ? counterOf(p) : Picture::Blank,
                                             colour::finalOf(p)};
    }
    v.die(0) = {Picture::DieQuestion, colour::window, g.scene.die != Scene::Die::Hidden};
    for (int i = 1; i <= 14; ++i) v.die(i) = {Picture::None, colour::window, false};
    v.die(15) = {g.scene.result > 0 ? dieFace(g.scene.result) : Picture::None, colour::window, g.scene.result > 0};
    for (int k = 0; k <= 7; ++k) v.frame(k) = {Picture::None, restingFrame(g, k)};
}

Colour restingFrame(const Game& g, int k) {
    return k % 2 == 1 && g.scene.frames > 0 ? colour::ofPlayer(g.scene.frames) : colour::window;
}

namespace {

using Kind = Motion::Kind;

// A special square blinks twice; the counter on it stays.
float blink(void* context, int n) {
    Show& show = *static_cast<Show*>(context);
    if (n == 4) return -1;
    show.views.ring(show.state.blinking).back = n % 2 == 0 ? colour::yellow : colour::lightGrey;
    return 0.2f;
}
Steps blinking(Show& show, int square) {
    show.state.blinking = square;
    return Steps::counted(blink, &show);
}

// The counter steps square by square, each square it leaves showing again what it showed. One that only passes
// through leaves the square it ends on showing what it showed before.
float walk(void* context, int n) {
    Show& show = *static_cast<Show*>(context);
    Views& v = show.views;
    ScriptState& s = show.state;
    const Motion& w = s.walk;
    const int at = w.from + n;  // where the counter steps now
    if (n == 0) {
        s.before = v.ring(w.to).picture;
    } else if (at <= w.to) {
        v.ring(at - 1).picture = n == 1 ? ownPicture(w.from) : s.carried;
        s.carried = v.ring(at).picture;
        v.ring(at).picture = counterOf(s.move->player);
    } else {
        if (w.through) v.ring(w.to).picture = s.before;
        return -1;
    }
    return 0.2f;
}

// A captured counter runs backwards round the ring to its entry square, its larger picture on every even square, and
// takes the head of its start area, the waiting counters moving one place back.
Steps runHome(const Show& show, int victim, int from) {
    Views& v = show.views;
    const int E = entrySquare(victim);
    Picture under;
    // every square strictly between the capture and the entry square, against the direction of travel
    for (int n = from == E ? 0 : (from - E + 59) % 60, s = from; n > 0; --n) {
        s = s == 1 ? 60 : s - 1;
        under = v.ring(s).picture;
        v.ring(s).picture = s % 2 == 1 ? counterOf(victim) : largeCounterOf(victim);
        co_yield 0.07f;
        v.ring(s).picture = under;
    }
    under = v.ring(E).picture;
    v.ring(E).picture = counterOf(victim);
    show.beep();
    co_yield 0.07f;
    for (int i = 2; i >= 0; --i) {
        v.start(victim, i + 1).picture = v.start(victim, i).picture;
        v.start(victim, i).picture = Picture::Blank;
        co_yield 0.2f;
    }
    v.start(victim, 0).picture = counterOf(victim);
    v.ring(E).picture = under;
}

// A counter leaves the start area onto its entry square; the waiting ones close up.
Steps enter(Views& v, int player) {
    v.ring(entrySquare(player)).picture = counterOf(player);
    for (int i = 0; i <= 2; ++i) {
        v.start(player, i).picture = Picture::Blank;
        co_yield 0.2f;
        v.start(player, i).picture = v.start(player, i + 1).picture;
    }
    v.start(player, 3).picture = Picture::Blank;
}

// The counter moves up its home column, each place it passes showing again what it showed; at the end of the column
// it takes the next free final place while the centre frames blink.
Steps upTheColumn(const Show& show, int player, Motion c) {
    Views& v = show.views;
    const int pos = c.from - 1, move = c.to - c.from;
    co_yield 0.2f;
    v.home(player, pos).picture = counterOf(player);
    co_yield 0.2f;
    Picture under = Picture::Blank;
    if (move > 0) v.home(player, pos).picture = under = c.overWaiting ? counterOf(player) : Picture::Blank;
    for (int i = pos + 1; i <= pos + move - 1; ++i) {
        v.home(player, i - 1).picture = under;
        under = v.home(player, i).picture;
        v.home(player, i).picture = counterOf(player);
        co_yield 0.2f;
    }
    if (c.to == 7) {
        v.home(player, 5).picture = under;
        v.home(player, 5 + c.whom).picture = counterOf(player);
        show.tell({Happening::Kind::Home, player, c.whom});
        // the two groups of frames swap colours, an even number of times
        const Colour lit = restingFrame(*show.game, 1);
        for (int n = 1; n <= c.flashes; ++n) {
            for (int k = 0; k <= 7; ++k) v.frame(k).back = (k % 2 == 1) != (n % 2 == 1) ? lit : colour::window;
            co_yield 0.2f;
        }
    } else if (move > 0) {
        v.home(player, pos + move - 1).picture = under;
        v.home(player, pos + move).picture = counterOf(player);
    }
}

// The counters of `players` (a player, or all four) march from the final places down the home column and into the
// start area, one place at a time.
Steps march(Views& v, int first, int last) {
    // each player's counter shows on place `to` and the place `from` shows empty
    auto each = [&](auto&& to, auto&& from) {
        for (int p = first; p <= last; ++p) to(p).picture = counterOf(p), from(p).picture = Picture::Blank;
    };
    auto home = [&](int k) { return [&v, k](int p) -> View& { return v.home(p, k); }; };
    auto start = [&](int k) { return [&v, k](int p) -> View& { return v.start(p, k); }; };
    for (int i = 5; i >= 0; --i)
        for (int j = 0; j <= 3; ++j) {
            each(home(i + j), home(i + j + 1));
            co_yield 0.07f;
        }
    for (int i = 4; i >= 1; --i) {
        for (int j = 4 - i; j >= 1; --j) {
            each(start(j), start(j - 1));
            co_yield 0.07f;
        }
        each(start(0), home(0));
        co_yield 0.07f;
        for (int j = 0; j <= i - 2; ++j) {
            each(home(j), home(j + 1));
            co_yield 0.07f;
        }
    }
    each(start(0), home(0));
    co_yield 0.2f;
}

// All four counters of a player are home: the ring flashes with its counters and the centre frames blink in its
// colour; then the ring is as it was, and the four march back to the start area.
Steps celebrate(const Show& show, int player, const Position& after) {
    Views& v = show.views;
    const Colour C = colour::ofPlayer(player);
    show.tell({Happening::Kind::AllHome, player});
    // each frame blinks between the player's colour and none, from the colour it had
    int toggles = 0;
    auto toggleFrames = [&] {
        ++toggles;
        for (int k = 0; k <= 7; ++k)
            v.frame(k).back = (restingFrame(*show.game, k) == C) == (toggles % 2 == 0) ? C : colour::window;
    };
    auto shows = [&](int s, bool counter) { v.ring(s).picture = counter ? counterOf(player) : Picture::Blank; };
    v.die(15).visible = false;
    for (int round = 0; round < 3; ++round) {
        if (round == 1) {  // a sweep round the ring, twice: up to square i, the squares of i's parity show the counter
            for (int twice = 0; twice < 2; ++twice)
                for (int i = 1; i <= 60; ++i) {
                    for (int n = 1; n <= i; ++n) shows(n, n % 2 == i % 2);
                    if (i % 4 == 1) toggleFrames();
                    co_yield 0.01f;
                }
            continue;
        }
        for (int k = 1; k <= 10; ++k) {  // every other square shows the counter, swapping ten times
            for (int s = 1; s <= 60; ++s) shows(s, (s % 2 == 1) == (k % 2 == 0));
            toggleFrames();
            co_yield 0.2f;
        }
    }
    for (int s = 1; s <= 60; ++s)
        v.ring(s).picture = after.squares(s) > 0 ? counterOf(after.squares(s)) : ownPicture(s);
    for (int k = 0; k <= 7; ++k) v.frame(k).back = colour::window;
    co_yield march(v, player, player);
    for (int k = 1; k <= 9; ++k) v.home(player, k).picture = Picture::Blank;
}

Steps put(Views& v, int player, int square) {
    co_yield 0.2f;
    v.ring(square).picture = counterOf(player);
}

Steps captured(const Show& show, int mover, Motion c) {
    if (!c.quiet) show.beep();
    show.tell({Happening::Kind::Captured, mover, c.whom});
    co_yield runHome(show, c.whom, c.to);
}

Steps jump(Show& show, int player, Motion j) {
    co_yield blinking(show, j.from);
    show.views.ring(j.from).picture = ownPicture(j.from);
    co_yield blinking(show, j.from);
    co_yield blinking(show, j.to);
    show.views.ring(j.to).picture = counterOf(player);
}

Steps passOver(Views& v, int player, Motion m) {
    for (int s = m.from; s <= m.to; ++s) {
        const Picture under = v.ring(s).picture;
        v.ring(s).picture = counterOf(player);
        co_yield 0.2f;
        v.ring(s).picture = under;
    }
    if (m.ahead) v.ring(m.to + 1).picture = counterOf(player);
}

// The script of one motion of player p's move.
Steps motion(Show& show, int p, const Motion& m, const Position& after) {
    Views& v = show.views;
    switch (m.kind) {
        case Kind::Enter: return enter(v, p);
        case Kind::Put: return put(v, p, m.to);
        case Kind::Capture: return captured(show, p, m);
        case Kind::Walk: show.state.walk = m; return Steps::counted(walk, &show);
        case Kind::Doubles: return blinking(show, m.to);
        case Kind::Jumps: return jump(show, p, m);
        case Kind::PassOver: return passOver(v, p, m);
        case Kind::Vacate: v.ring(m.to).picture = ownPicture(m.to); return {};
        case Kind::Column: return upTheColumn(show, p, m);
        case Kind::AllHome: return celebrate(show, p, after);
    }
    return {};
}

}  // namespace

Steps nextMotion(Show& show) {
    ScriptState& s = show.state;
    while (s.move && s.motion < s.move->motionCount) {
        Steps steps =
            motion(show, s.move->player, s.move->motions[static_cast<std::size_t>(s.motion++)], s.move->after);
        if (!steps.empty()) return steps;
    }
    return {};
}

namespace {

// A lone pause.
float lone(void* context, int n) { return n == 0 ? static_cast<Show*>(context)->state.pause : -1; }

// The die rolls across the middle of the board, showing a face at each of its fourteen places and slowing down, and
// comes to rest showing the throw.
float roll(void* context, int n) {
    static const auto pauses = [] {  // 0.3 s, then 0.04 s at the first place, a hundredth more at each next one
        std::array<float, 15> p{0.3f, 0.04f};
        for (std::size_t i = 2; i < p.size(); ++i) p[i] = p[i - 1] + 0.01f;
        return p;
    }();
    const Show& show = *static_cast<Show*>(context);
    Views& v = show.views;
    const Animation& a = show.game->animation;
    if (n == 0) {
        v.die(0).visible = false;
    } else if (n <= 14) {
        v.die(n) = {dieFace(a.faces[static_cast<std::size_t>(n - 1)]), colour::window, true};
        if (n > 1) v.die(n - 1) = {Picture::None, colour::window, false};
    } else {
        v.die(15) = {dieFace(a.roll), colour::window, true};
        v.die(14) = {Picture::None, colour::window, false};
        return -1;
    }
    return pauses[static_cast<std::size_t>(n)];
}

}  // namespace

Steps scriptOf(Show& show, const Game& g, const Outcome& move) {
    ScriptState& s = show.state;
    s = {};
    const Stage stage = g.animation.stage;  // the commonest first
    if (stage == Stage::Roll) return Steps::counted(roll, &show);
    if (stage == Stage::Move) {
        s.move = &move;
        return nextMotion(show);
    }
    if (stage == Stage::Opening) return march(show.views, 1, 4);
    s.pause = stage == Stage::Pause     ? g.animation.turn.steps[static_cast<std::size_t>(g.animation.turnAt)].sec
              : stage == Stage::Marking ? 0.2f
              : stage == Stage::Glance  ? 0.1f
              : g.thrown == 6           ? 0.4f
                                        : 0.8f;  // a lost throw
    return stage == Stage::Rest ? Steps() : Steps::counted(lone, &show);
}

}  // namespace skarpo
