#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the game's 32x32 artwork and writes it as XPM files beside this
script. The pictures are drawn over a view's background colour, so every
part that should let the background through is left transparent.

The game's icon is drawn apart, as vector artwork: pictures/icons/.

Run it after changing a drawing; the files it writes are kept in the
repository, so building the game does not need Python.
"""
import os

SIZE = 32
HERE = os.path.dirname(os.path.abspath(__file__))

CLEAR = None
BLACK = "#000000"
WHITE = "#FFFFFF"
DARK_GREY = "#808080"
RIM = "#006400"            # the dark green rim of a place on the board
PLAYER = {1: "#FF0000", 2: "#00FFFF", 3: "#FF00FF", 4: "#00FF00"}
# the square under a counter's diamond, darker so that a counter still stands
# out on a place of its own colour
SHADE = {1: "#900000", 2: "#008C8C", 3: "#900090", 4: "#007800"}


class Canvas:
    def __init__(self, fill=CLEAR):
        self.px = [[fill] * SIZE for _ in range(SIZE)]

    def set(self, x, y, c):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.px[y][x] = c

    def fill(self, inside, c):
        """Paints every pixel whose centre satisfies inside(x, y)."""
        for y in range(SIZE):
            for x in range(SIZE):
                if inside(x + 0.5, y + 0.5):
                    self.px[y][x] = c

    def shape(self, inside, c, outline=BLACK):
        """A filled shape with a one-pixel outline on its inner edge."""
        mask = [[inside(x + 0.5, y + 0.5) for x in range(SIZE)] for y in range(SIZE)]
        for y in range(SIZE):
            for x in range(SIZE):
                if not mask[y][x]:
                    continue
                edge = any(
                    not (0 <= x + dx < SIZE and 0 <= y + dy < SIZE) or not mask[y + dy][x + dx]
                    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))
                )
                self.px[y][x] = outline if edge else c

    def rim(self, c=RIM, width=1):
        for i in range(SIZE):
            for w in range(width):
                self.set(i, w, c)
                self.set(i, SIZE - 1 - w, c)
                self.set(w, i, c)
                self.set(SIZE - 1 - w, i, c)

    def glyph(self, rows, left, top, c=BLACK):
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch == "#":
                    self.set(left + dx, top + dy, c)

    def overlay(self, other):
        for y in range(SIZE):
            for x in range(SIZE):
                if other.px[y][x] is not CLEAR:
                    self.px[y][x] = other.px[y][x]

    def rotated(self, quarter_turns):
        """Turned clockwise by the given number of quarter turns."""
        out = self
        for _ in range(quarter_turns % 4):
            turned = Canvas()
            for y in range(SIZE):
                for x in range(SIZE):
                    turned.px[x][SIZE - 1 - y] = out.px[y][x]
            out = turned
        return out


C = (SIZE - 1) / 2 + 0.5  # the picture's centre in pixel-centre coordinates


def pips(cv, player, top):
    """The player's number as a row of 1 to 4 black pips, 2 pixels square and
    2 apart, centred across the picture with their top row at `top`: it tells
    the players' counters apart without their colours."""
    width = 4 * player - 2
    left = SIZE // 2 - width // 2
    for k in range(player):
        for dx in (0, 1):
            for dy in (0, 1):
                cv.set(left + 4 * k + dx, top + dy, BLACK)


def counter(player, diamond):
    """A square with a diamond over it, the player's pips across the
    diamond's middle; around it the background shows."""
    cv = Canvas()
    cv.rim()
    cv.shape(lambda x, y: 7 <= x <= 25 and 7 <= y <= 25, SHADE[player])
    cv.shape(lambda x, y: abs(x - C) + abs(y - C) <= diamond, PLAYER[player])
    pips(cv, player, 15)
    return cv


def arrow_up(player):
    """A thick black arrow pointing up with the player's pips trailing
    behind it, centred, to be turned as needed."""
    cv = Canvas()
    cv.fill(lambda x, y: 14 <= x <= 18 and 14 <= y <= 20, BLACK)
    cv.fill(lambda x, y: 6 <= y <= 15 and abs(x - C) <= (y - 6) * 0.8 + 0.6, BLACK)
    pips(cv, player, 22)
    return cv


def oval(player, quarter_turns):
    cv = Canvas()
    cv.rim()
    cv.shape(lambda x, y: ((x - C) / 13) ** 2 + ((y - C) / 11.5) ** 2 <= 1, PLAYER[player])
    cv.overlay(arrow_up(player).rotated(quarter_turns))
    return cv


DIE_PIPS = {
    1: [(2, 2)],
    2: [(1, 3), (3, 1)],
    3: [(1, 3), (2, 2), (3, 1)],
    4: [(1, 1), (3, 1), (1, 3), (3, 3)],
    5: [(1, 1), (3, 1), (2, 2), (1, 3), (3, 3)],
    6: [(1, 1), (1, 2), (1, 3), (3, 1), (3, 2), (3, 3)],
}


def die_face():
    cv = Canvas()

    def rounded(x, y):
        lo, hi, r = 3, 29, 4
        cx = min(max(x, lo + r), hi - r)
        cy = min(max(y, lo + r), hi - r)
        return lo <= x <= hi and lo <= y <= hi and (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    cv.shape(rounded, WHITE)
    return cv


def die(face):
    cv = die_face()
    for gx, gy in DIE_PIPS[face]:
        px, py = 4 + 6 * gx, 4 + 6 * gy
        cv.fill(lambda x, y, px=px, py=py: (x - px) ** 2 + (y - py) ** 2 <= 2.9 ** 2, BLACK)
    return cv


# the "?" and the "2" share their top curve
HOOK = [
    "..######..",
    ".########.",
    "###....###",
    "##......##",
    "........##",
    ".......###",
    "......###.",
    ".....###..",
    "....###...",
]

QUESTION = HOOK + [
    "....##....",
    "....##....",
    "..........",
    "..........",
    "....##....",
    "....##....",
    "....##....",
]

TIMES = [
    "##....##",
    "###..###",
    ".######.",
    "..####..",
    "..####..",
    ".######.",
    "###..###",
    "##....##",
]

TWO = HOOK + [
    "...###....",
    "..###.....",
    ".###......",
    "##########",
    "##########",
]


def question_die():
    cv = die_face()
    cv.glyph(QUESTION, 11, 8)
    return cv


def doubling():
    cv = Canvas()
    cv.rim()
    cv.glyph(TIMES, 6, 15)
    cv.glyph(TWO, 16, 9)
    return cv


def corner_up_right():
    cv = Canvas()
    cv.rim()

    def shaft(x, y):
        # a band along the diagonal from the bottom-left corner to the head
        return abs(x + y - SIZE) / 2 ** 0.5 <= 2.9 and 5 <= x <= 22 and 10 <= y <= 27

    cv.fill(shaft, BLACK)
    cv.fill(lambda x, y: x <= 26 and y >= 5 and (26 - x) + (y - 5) <= 14, BLACK)
    return cv


def corner(k):
    up_right = corner_up_right()
    return {1: up_right, 2: up_right.rotated(1), 3: up_right.rotated(2), 4: up_right.rotated(3)}[k]


def blank():
    cv = Canvas()
    cv.rim()
    return cv


def pictures():
    out = {"die-question": question_die()}
    for f in range(1, 7):
        out[f"die-{f}"] = die(f)
    for p in range(1, 5):
        out[f"counter-{p}"] = counter(p, 11.5)
    for p in range(1, 5):
        out[f"counter-large-{p}"] = counter(p, 14.5)
    # into the home column: red up, cyan right, magenta down, green left
    for p in range(1, 5):
        out[f"home-turn-{p}"] = oval(p, p - 1)
    # along the ring from the entry square: red left, cyan up, magenta right, green down
    for p in range(1, 5):
        out[f"entry-{p}"] = oval(p, p + 2)
    out["doubling"] = doubling()
    for k in range(1, 5):
        out[f"corner-{k}"] = corner(k)
    out["blank"] = blank()
    return out


KEYS = " .#abcdefghijklmnopqrstuvwxyz"


def xpm(name, cv):
    colours = []
    for row in cv.px:
        for c in row:
            if c not in colours:
                colours.append(c)
    colours.sort(key=lambda c: "" if c is CLEAR else c)
    key = {c: KEYS[i] for i, c in enumerate(colours)}
    ident = name.replace("-", "_")
    lines = ["/* XPM */", f"static const char *{ident}[] = {{", f'"{SIZE} {SIZE} {len(colours)} 1",']
    for c in colours:
        lines.append(f'"{key[c]} c {"None" if c is CLEAR else c}",')
    rows = ['"' + "".join(key[c] for c in row) + '"' for row in cv.px]
    lines.append(",\n".join(rows))
    lines.append("};")
    return "\n".join(lines) + "\n"


def main():
    for name, cv in pictures().items():
        with open(os.path.join(HERE, name + ".xpm"), "w") as f:
            f.write(xpm(name, cv))


if __name__ == "__main__":
    main()
