// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_platform.h"

#include <algorithm>
#include <sstream>

namespace skarpo::test {

void TestPlatform::wait(float sec) {
    if (sec <= 0) return;
    if (onPause) onPause(sec);
    pauses.push_back(sec);
    const double end = now + static_cast<double>(sec);
    while (!actions_.empty() && actions_.begin()->first <= end) {  // the actions that fall inside this pause
        auto action = actions_.extract(actions_.begin());
        now = std::max(now, action.key());
        action.mapped()();
    }
    now = end;
}

double TestPlatform::random() {
    ++draws;
    return next_ < scripted_.size() ? scripted_[next_++] : generator_.unit();
}

void TestPlatform::scriptThrows(std::initializer_list<int> throws) {
    for (int t : throws)  // the faces 1..6, 1..6, 1, 2, then the throw
        for (int i = 0; i < 15; ++i) scripted_.push_back((i < 14 ? i % 6 + 0.5 : t - 0.5) / 6.0);
}

void openedPosition(Board& b) {
    b.dicethrow(15).enabled = false;
    for (int p = 1; p <= 4; ++p) {
        for (int k = 0; k < 4; ++k) b.start(4 * (p - 1) + k).picture = b.counterPicture(p);
        for (int k = 0; k < 10; ++k) b.home(10 * (p - 1) + k).picture = b.emptyPicture();
    }
}

void thrown(Board& b, int p, int m) {
    openedPosition(b);
    b.whosego = static_cast<std::int16_t>(p), b.moves = m;
    b.dicethrow(0).visible = b.dicethrow(0).enabled = false, b.dicethrow(15).visible = true;
}

void placeOnRing(Board& b, int p, int j, int k) {
    const int s = squareOf(p, k);
    b.players(p, j) = static_cast<std::int16_t>(k);
    for (int t : {s, s <= 9 ? s + 60 : s}) b.squares(t) = static_cast<std::int16_t>(p);  // 1..9 copied to 61..69
    b.SQUARE(s).picture = b.counterPicture(p);
    b.updstart(p);
}

std::vector<int> countersOf(const Board& b, int p) {
    return {b.players(p, 1), b.players(p, 2), b.players(p, 3), b.players(p, 4)};
}

std::vector<int> columnOf(const Board& b, int p) {
    std::vector<int> v;
    for (int k = 1; k <= 6; ++k)
        if (b.homerow(p, k)) v.push_back(k);
    return v;
}

void placePlayer(Board& b, int p, std::vector<int> ring, std::vector<int> column, int done) {
    int j = 0;
    for (int k : ring) k > 0 ? placeOnRing(b, p, ++j, k) : void(b.players(p, ++j) = static_cast<std::int16_t>(k));
    for (int k : column) {
        b.players(p, ++j) = inHomeColumn;
        b.homerow(p, k) = 1;
        b.home(10 * (p - 1) + k - 1).picture = b.counterPicture(p);
    }
    for (int n = 0; n < done; ++n) {  // a person's finished counters stay at 100
        b.players(p, ++j) = static_cast<std::int16_t>(b.person(p) ? inHomeColumn : finished);
        b.home(10 * (p - 1) + 6 + n).picture = b.counterPicture(p);
    }
    while (j < 4) b.players(p, ++j) = 0;
    b.homerow(p, 7) = done;
    b.players(p, 5) = static_cast<std::int16_t>(column.size() + static_cast<std::size_t>(done));
    b.updstart(p);
}

std::string boardFaults(const Board& b) {
    std::ostringstream why;
    auto expect = [&](const ViewFamily& f, int i, Picture want) {
        if (f(i).picture != want) why << f.name() << "(" << i << ") shows " << pictureName(f(i).picture) << "; ";
    };
    for (int s = 1; s <= 60; ++s) {
        expect(b.SQUARE, s, b.squares(s) > 0 ? b.counterPicture(b.squares(s)) : b.ownPicture(s));
        if (const View& v = b.SQUARE(s); v.back != colour::lightGrey && !(v.back == colour::yellow && v.enabled))
            why << "SQUARE(" << s << ") is coloured; ";
    }
    for (int p = 1; p <= 4; ++p) {
        const Picture counter = b.counterPicture(p), empty = b.emptyPicture();
        int waiting = 0;
        for (int j = 1; j <= 4; ++j) waiting += b.players(p, j) < 1;
        for (int k = 0; k <= 3; ++k) expect(b.start, 4 * (p - 1) + k, k < waiting ? counter : empty);
        for (int k = 0; k <= 9; ++k)
            expect(b.home, 10 * (p - 1) + k,
                   (k < 6 ? b.homerow(p, k + 1) == 1 : k - 6 < b.homerow(p, 7)) ? counter : empty);
    }
    return b.checkInvariants() + why.str();
}

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

std::string differences(const Board& a, const Board& b) {
    std::ostringstream out;
    if (!(a.players == b.players) || !(a.homerow == b.homerow) || !(a.squares == b.squares) || a.whosego != b.whosego)
        out << "the tables differ (whosego " << a.whosego << "/" << b.whosego << "); ";
    for (const auto [f, clickable] : viewFamilies)
        for (int i : (a.*f).indices()) {
            View x = (a.*f)(i), y = (b.*f)(i);
            if (!x.visible && !y.visible) x.picture = y.picture = Picture::None;
            if (!(x == y)) out << (a.*f).name() << "(" << i << ") shows " << pictureName(x.picture) << "; ";
        }
    return out.str();
}

}  // namespace skarpo::test
