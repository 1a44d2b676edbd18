#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game on Wayland, against Debian's weston with its headless back end on a
# private socket (XDG_RUNTIME_DIR in a scratch folder):
#  - the game, given only a Wayland display, shows its window there and
#    paints the board (seen in weston's screenshot: the board's green);
#  - the window tests pass on the Wayland platform, among them the ones that
#    close the window and send the session's signals in the middle of a move;
#  - when weston stops, the game ends at once, without a crash.
#   wayland_test.sh GAME WINDOW_TESTS PNGCOLOUR SCRATCH_DIR
# Exits 77 (skipped) when weston is not installed or cannot start.
set -euo pipefail
source "$(dirname "$0")/common.sh"
game=$1 window_tests=$2 pngcolour=$3 scratch=$4

command -v weston >/dev/null || skip "weston is not installed (Debian package weston)"
command -v weston-screenshooter >/dev/null || skip "weston-screenshooter is not installed (Debian package weston)"
rm -rf "$scratch"
mkdir -p "$scratch"
chmod 700 "$scratch"
export XDG_RUNTIME_DIR=$scratch
socket=skarpo-test
unset DISPLAY QT_QPA_PLATFORM

# --debug lets any client take a screenshot
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 --idle-time=0 --debug \
    --socket=$socket --log="$scratch/weston.log" &
weston=$!
pids=("$weston")
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$XDG_STATE_HOME"' EXIT
await_socket weston "$weston" "$scratch/$socket" "$scratch/weston.log"
export WAYLAND_DISPLAY=$socket

# The game alone: no platform named, only the Wayland display to go by.
"$game" 2>"$scratch/game.log" &
game_pid=$!
pids+=("$game_pid")
shot=
# the board is 543 by 531 pixels, more than half of them its green
board_shown() {
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended by itself: $(cat "$scratch/game.log")"
    rm -f "$scratch"/wayland-screenshot-*.png
    (cd "$scratch" && weston-screenshooter >/dev/null 2>&1) || return 1
    shot="$(ls "$scratch"/wayland-screenshot-*.png 2>/dev/null | head -1)"
    [ -n "$shot" ] && [ "$("$pngcolour" "$shot" '#008000')" -gt 100000 ] && return
    shot=
    return 1
}
# the board is on the screen within a second on an idle machine
until_within 30 board_shown || fail "no board in weston's screenshots within 30 s"
echo "the game's window shows the board: $("$pngcolour" "$shot" '#008000') pixels of its green"

# The window tests on Wayland, the game still on the screen. The compositor
# sizes a window itself once it is shown, and gives none the keyboard: the
# tests that size the window, or count its repaints to the pixel, run on the
# other platforms (and those that press keys skip themselves).
QT_QPA_PLATFORM=wayland "$window_tests" --gtest_brief=1 \
    --gtest_filter='-WindowTest.TheWindowResizesMaximisesAndGoesFullScreen:WindowTest.OnlyWhatChangedIsRepainted' ||
    fail "the window tests failed on Wayland"

# The compositor goes away: the game must end at once, and not by a signal.
kill "$weston"
wait "$weston" 2>/dev/null || true
# "at once": a few milliseconds on an idle machine; five seconds tell a game that lives on from a loaded machine
game_gone() { ! kill -0 "$game_pid" 2>/dev/null; }
until_within 5 game_gone || fail "the game lived on five seconds without its compositor"
status=0
wait "$game_pid" || status=$?
[ "$status" -lt 128 ] || fail "the game died of signal $((status - 128)) when the compositor went away"
echo "weston stopped: the game ended with status $status, saying: $(tr '\n' ' ' <"$scratch/game.log")"
