#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes a screenshot of the game window on a virtual display: starts the game
# under xvfb-run, plays player 1's turns for a while (a click on the die, then
# a click on a marked counter, as a person would) and grabs the window, in
# colour and, beside it, in grey (as a screen without colour shows it: the
# luminance of each pixel).
#
# Usage: scripts/screenshot.sh [OUTPUT.png] [SECONDS] [SIZE]
#   OUTPUT.png  where the picture goes (default: docs/screenshot.png); the grey
#               one goes to OUTPUT-grey.png
#   SECONDS     how long to play before the picture is taken (default: 60)
#   SIZE        the window's size when the picture is taken, WIDTHxHEIGHT
#               (default: as it opens), at most 2560x2560
# QT_SCALE_FACTOR=2 takes it at twice the pixels. The game is built into
# build/ first, unless SKARPO_GAME names a program to run instead.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

if [ "${1:-}" != --inside ]; then
    source "$here/setup.sh"
    out="$(realpath -m "${1:-$skarpo_root/docs/screenshot.png}")"
    seconds="${2:-60}"
    size="${3:-}"
    need xvfb xauth xdotool imagemagick
    if [ -z "${SKARPO_GAME:-}" ]; then
        need_build_tools
        build
        SKARPO_GAME="$skarpo_root/build/app/skarpo"
    fi
    mkdir -p "$(dirname "$out")"
    export SKARPO_GAME
    exec xvfb-run -a -s "-screen 0 2560x2560x24" "$0" --inside "$out" "$seconds" "$size"
fi

# ---- on the virtual display ----
out="$2"
seconds="$3"
size="$4"
scratch="$(mktemp -d)"
# a settings file of its own: the window opens at its first size, with the
# default players, and the player's own file stays as it is
XDG_CONFIG_HOME="$scratch/config" "$SKARPO_GAME" &
game=$!
trap 'kill "$game" 2>/dev/null && wait "$game" 2>/dev/null; rm -rf "$scratch"' EXIT

window="$(xdotool search --sync --onlyvisible --name '^Skarpo$' | head -n 1)"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"  # WIDTH, HEIGHT
scale="${QT_SCALE_FACTOR:-1}"
# the board (543 by 531 logical pixels) lies between the menu bar and the
# status line: its top row is the first one with the board's green in it
/usr/bin/import -window "$window" "$scratch/now.png"
top="$(/usr/bin/convert "$scratch/now.png" txt:- | grep -m 1 -i '#008000' | cut -d: -f1 | cut -d, -f2 || true)"
board_h=$(awk -v s="$scale" 'BEGIN { printf "%d", 531 * s }')
# the die rests at (256, 248), 32 pixels square
die_x=$(awk -v s="$scale" 'BEGIN { printf "%d", 272 * s }')
die_y=$(awk -v s="$scale" -v t="$top" 'BEGIN { printf "%d", t + 264 * s }')

click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

# Clicks a view marked yellow if there is one, otherwise the die; a click
# on a view the game is not listening to changes nothing.
end=$((SECONDS + seconds))
while [ "$SECONDS" -lt "$end" ]; do
    /usr/bin/import -window "$window" "$scratch/now.png"
    marked="$(/usr/bin/convert "$scratch/now.png" -crop "${WIDTH}x${board_h}+0+$top" +repage txt:- |
        grep -m 1 -i '#FFFF00' | cut -d: -f1 || true)"
    if [ -n "$marked" ]; then
        click $((${marked%,*} + 3)) $((${marked#*,} + top + 3))
    else
        click "$die_x" "$die_y"
    fi
    sleep 1
done

if [ -n "$size" ]; then
    xdotool windowsize --sync "$window" "${size%x*}" "${size#*x}"
    sleep 2  # the board grows and is painted anew
fi
/usr/bin/import -window "$window" "$out"
grey="${out%.png}-grey.png"
/usr/bin/convert "$out" -grayscale Rec709Luminance "$grey"
echo "wrote $out and $grey ($(/usr/bin/identify -format '%wx%h' "$out"))"
