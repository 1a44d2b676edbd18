#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Who plays each colour, chosen through the real window on a real X display
# with keys alone: Options > Players..., red to the computer and cyan to a
# person, then a new game. Red's computer turn starts the game by itself and
# the centre frames turn cyan: the die waits for cyan.
#   players_test.sh GAME PNGCOLOUR SCRATCH
# Exits 77 (skipped) when Xvfb, xdotool or ImageMagick is not installed.
set -euo pipefail
here=$(dirname "$0")
source "$here/common.sh"
source "$here/xvfb.sh"
game=$1 pngcolour=$2 scratch=$3
tool xdotool xdotool
tool import imagemagick
rm -rf "$scratch"
mkdir -p "$scratch"
start_xvfb 800x700

# the settings the game remembers stay in the scratch folder, and start from none
XDG_CONFIG_HOME=$scratch/config LANG=C.UTF-8 LC_ALL= LANGUAGE= "$game" >"$scratch/game.log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; kill "$xvfb_pid" 2>/dev/null || true; rm -rf "$xvfb_dir" "$XDG_STATE_HOME"' EXIT
w=
for _ in $(seq 300); do
    w="$(xdotool search --all --onlyvisible --pid "$pid" --name '^Skarpo$' 2>/dev/null | head -1)" && [ -n "$w" ] && break
    sleep 0.05
done
[ -n "$w" ] || fail "the game's window did not appear"
xdotool windowfocus --sync "$w"
sleep 0.5

# the pixels of a colour on the screen
count() {
    import -window root "$scratch/shot.png"
    "$pngcolour" "$scratch/shot.png" "$1"
}
cyan_before=$(count '#00FFFF')
red_before=$(count '#FF0000')

# Options > Players...: red Computer, Tab, cyan Person, Enter; then Ctrl+N
xdotool key --delay 150 alt+o p
sleep 0.5
xdotool search --all --onlyvisible --pid "$pid" --name '^Players$' >/dev/null || fail "no Players dialog"
xdotool key --delay 150 Down Tab Up Return
sleep 0.5
xdotool windowfocus --sync "$w"
xdotool key ctrl+n

# red is the computer's: the game begins by itself; then the die waits for cyan
frames=0
for _ in $(seq 60); do
    sleep 0.5
    cyan=$(count '#00FFFF') red=$(count '#FF0000')
    if [ $((cyan - cyan_before)) -gt 500 ] && [ $((red_before - red)) -gt 500 ]; then
        frames=1
        break
    fi
done
[ "$frames" = 1 ] || fail "the centre frames never turned cyan (cyan $cyan_before -> $cyan, red $red_before -> $red)"
# and they stay so: nothing plays for cyan, a person
sleep 3
[ $(($(count '#00FFFF') - cyan_before)) -gt 500 ] || fail "the frames left cyan without a key"
echo "red played by the computer, the die waits for cyan: $((cyan - cyan_before)) more cyan pixels"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
# the choice is remembered for the next start (the settings of the scratch folder)
grep -q '^red=computer' "$scratch/config/skarpo/Skarpo.conf" && grep -q '^cyan=person' "$scratch/config/skarpo/Skarpo.conf" ||
    fail "the seats were not remembered: $(cat "$scratch/config/skarpo/Skarpo.conf" 2>&1)"
