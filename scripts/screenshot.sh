#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes a screenshot of the game window on a virtual display: starts the game
# under xvfb-run, plays player 1's turns for a while (Enter on what has the
# focus: the die, or the first counter that can move, as a person would with
# the keyboard) and grabs the window, in
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
# the board lies between the menu bar and the status line: its top row is the
# first one with the board's green in it
/usr/bin/import -window "$window" "$scratch/now.png"
top="$(/usr/bin/convert "$scratch/now.png" txt:- | grep -m 1 -i '#008000' | cut -d: -f1 | cut -d, -f2 || true)"

# Enter acts on what has the keyboard's focus: the die when it waits, else the
# first counter that can move; a key while the board moves changes nothing
xdotool windowfocus --sync "$window"
end=$((SECONDS + seconds))
while [ "$SECONDS" -lt "$end" ]; do
    xdotool key Return
    sleep 1
done
# a click on the board's margin, where nothing takes it, hides the focus ring
xdotool mousemove --window "$window" 4 $((top + 4)) click 1

if [ -n "$size" ]; then
    xdotool windowsize --sync "$window" "${size%x*}" "${size#*x}"
    sleep 2  # the board grows and is painted anew
fi
/usr/bin/import -window "$window" "$out"
grey="${out%.png}-grey.png"
/usr/bin/convert "$out" -grayscale Rec709Luminance "$grey"
echo "wrote $out and $grey ($(/usr/bin/identify -format '%wx%h' "$out"))"
