#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the game's 32x32 artwork and writes it as XPM files beside this
script. The pictures are drawn over a view's background colour, so every
part that should let the background through is left transparent.

The game's icon is drawn apart, as vector artwork: pictures/icons/.

Run it after changing a drawing; the files it writes are kept in the
repository, so building the game does not need Python.
"""
import math
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


# Every colour has its shape, so that the players' counters and places tell
# whose they are without their colours: red a circle, cyan a square, magenta
# a triangle, green a star. Each is a test of a pixel's centre, `r` its size
# (about half its width), centred on (cx, cy).
def circle(r, cx, cy):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= (r - 0.3) ** 2


def square(r, cx, cy):
    half = 0.8 * r  # as heavy as the circle
    return lambda x, y: abs(x - cx) <= half and abs(y - cy) <= half


def triangle(r, cx, cy):
    """Pointing up, its base wider than it is high below the point."""
    top, base = cy - r, cy + 0.78 * r
    return lambda x, y: top <= y <= base and abs(x - cx) <= (y - top) * 1.05 * r / (base - top)


def star(r, cx, cy):
    """Five points, one up; the inner corners halfway in, so that the points
    stay thick at the smallest size."""
    outer = 1.12 * r
    cy += 0.1 * outer  # the points below reach less far than the one above
    corners = []
    for k in range(10):
        reach = outer if k % 2 == 0 else outer / 2
        corners.append((cx + reach * math.sin(k * math.pi / 5), cy - reach * math.cos(k * math.pi / 5)))

    def inside(x, y):
        crossings = 0
        for (x1, y1), (x2, y2) in zip(corners, corners[1:] + corners[:1]):
            if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                crossings += 1
        return crossings % 2 == 1

    return inside


SHAPE = {1: circle, 2: square, 3: triangle, 4: star}


def emblem(cv, player, r, cx=None, cy=None, halo=None):
    """The player's shape in black, upright, with a one-pixel halo of the
    given colour round it if any."""
    inside = SHAPE[player](r, C if cx is None else cx, C if cy is None else cy)
    if halo:
        cv.fill(lambda x, y: any(inside(x + dx, y + dy) for dx, dy in ((0, 0), (1, 0), (-1, 0), (0, 1), (0, -1))), halo)
    cv.fill(inside, BLACK)


def counter(player, diamond, size):
    """A square with a diamond over it, both edged in black so that the
    counter stands out on a place of its own colour; the player's shape in
    black on the diamond, in a white halo that keeps it clear of the diamond
    whatever its colour. Around it the background shows."""
    cv = Canvas()
    cv.rim()
    cv.shape(lambda x, y: 7 <= x <= 25 and 7 <= y <= 25, SHADE[player])
    cv.shape(lambda x, y: abs(x - C) + abs(y - C) <= diamond, PLAYER[player])
    emblem(cv, player, size, halo=WHITE)
    return cv


def shape(player):
    """The player's shape alone, in its colour edged in black, as large as on
    a counter: the window shows it faintly on the player's empty places, and
    beside the colour's name."""
    cv = Canvas()
    cv.shape(SHAPE[player](6, C, C), PLAYER[player])
    return cv


# the way a direction points, by quarter turns clockwise from up
DIRECTIONS = {0: (0, -1), 1: (1, 0), 2: (0, 1), 3: (-1, 0)}


def disc(player, quarter_turns):
    """A disc in the player's colour holding a thick black arrow and the
    player's shape side by side: the shape left of an arrow up or down,
    above one left or right."""
    dx, dy = DIRECTIONS[quarter_turns % 4]
    sx, sy = (-1, 0) if dx == 0 else (0, -1)  # towards the shape
    cv = Canvas()
    cv.rim()
    cv.shape(lambda x, y: (x - C) ** 2 + (y - C) ** 2 <= 13.5**2, PLAYER[player])

    def arrow(x, y):
        along = (x - C) * dx + (y - C) * dy
        across = (x - C) * sx + (y - C) * sy + 5.4  # the arrow's axis, 5.4 away from the shape's side
        if 1 <= along <= 8:  # the head
            return abs(across) <= (8 - along) * 5 / 7
        return -8 <= along <= 1 and abs(across) <= 1.6

    cv.fill(arrow, BLACK)
    emblem(cv, player, 5.2, C + 6 * sx, C + 6 * sy)
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
        out[f"counter-{p}"] = counter(p, 11.5, 6)
    for p in range(1, 5):
        out[f"counter-large-{p}"] = counter(p, 14.5, 8)
    # into the home column: red up, cyan right, magenta down, green left
    for p in range(1, 5):
        out[f"home-turn-{p}"] = disc(p, p - 1)
    # along the ring from the entry square: red left, cyan up, magenta right, green down
    for p in range(1, 5):
        out[f"entry-{p}"] = disc(p, p + 2)
    for p in range(1, 5):
        out[f"shape-{p}"] = shape(p)
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
