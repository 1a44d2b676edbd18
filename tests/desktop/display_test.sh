#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a screen the game says so in one line and ends with status 2: no
# display named, an X display that does not answer (a stale DISPLAY), a
# Wayland display that does not answer. The line points nobody to a
# virtual display, where no one could see the game. A display is asked
# again for two seconds before that line (a server busy at login can refuse
# a first connection): one that answers only after a second is taken.
#   display_test.sh GAME SCRATCH_DIR
set -euo pipefail
source "$(dirname "$0")/common.sh"
game=$1 scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch"
unset QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY

# Runs the game with the environment given; it must end at once with status
# 2 and the one line, which must name `what`.
no_screen() {
    local what=$1 status=0
    shift
    env "$@" timeout 10 "$game" >"$scratch/out" 2>"$scratch/err" || status=$?
    [ "$status" -eq 2 ] || fail "$*: status $status, not 2; it said: $(cat "$scratch/err")"
    [ ! -s "$scratch/out" ] || fail "$*: it wrote to standard output: $(cat "$scratch/out")"
    [ "$(wc -l <"$scratch/err")" -eq 1 ] || fail "$*: not one line: $(cat "$scratch/err")"
    grep -q 'needs a screen' "$scratch/err" || fail "$*: it does not say a screen is needed: $(cat "$scratch/err")"
    grep -qF -- "$what" "$scratch/err" || fail "$*: it does not name $what: $(cat "$scratch/err")"
    ! grep -qi 'xvfb\|reinstall' "$scratch/err" || fail "$*: $(cat "$scratch/err")"
    echo "$*: $(cat "$scratch/err")"
}

no_screen "DISPLAY" XDG_RUNTIME_DIR="$scratch"
# a display number nobody serves, on this machine's own sockets
no_screen "DISPLAY=:7391" DISPLAY=:7391 XDG_RUNTIME_DIR="$scratch"
no_screen "WAYLAND_DISPLAY=gone" WAYLAND_DISPLAY=gone XDG_RUNTIME_DIR="$scratch"
no_screen "WAYLAND_DISPLAY=gone" DISPLAY=:7391 WAYLAND_DISPLAY=gone XDG_RUNTIME_DIR="$scratch"

# A socket that starts listening a second after the game: the game takes it
# for its display (and its toolkit then fails to speak to it, which is no
# concern here) instead of saying there is no screen.
late=$scratch/late
status=0
env WAYLAND_DISPLAY="$late" XDG_RUNTIME_DIR="$scratch" timeout 20 "$game" >/dev/null 2>"$scratch/err" &
game_pid=$!
/usr/bin/python3 -c '
import socket, sys, time
time.sleep(1)
s = socket.socket(socket.AF_UNIX)
s.bind(sys.argv[1])
s.listen()
time.sleep(3)' "$late" &
wait "$game_pid" || status=$?
wait
! grep -q 'needs a screen' "$scratch/err" || fail "a display that answers after a second was not waited for: $(cat "$scratch/err")"
echo "a display answering after a second: taken (status $status)"

# A bare X server resets when its last client leaves and refuses connections
# while it does: the game, started alone on one again and again, each time
# right after the last one was killed, shows its window every time.
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || {
    echo "Xvfb or xdotool is not installed: the game alone on a resetting X server is not tried"
    exit 0
}
source "$(dirname "$0")/xvfb.sh"
start_xvfb 800x600 resets
for n in 1 2 3 4 5; do
    "$game" 2>"$scratch/err" &
    pid=$!
    shown() { [ -n "$(xdotool search --all --onlyvisible --pid "$pid" --name '^Skarpo$' 2>/dev/null)" ] || ! kill -0 "$pid" 2>/dev/null; }
    appeared=0
    until_within 30 shown && appeared=1
    kill -0 "$pid" 2>/dev/null || fail "start $n on a resetting X server: the game ended: $(cat "$scratch/err")"
    [ "$appeared" = 1 ] || fail "start $n on a resetting X server: no window within 30 s"
    kill -9 "$pid"
    wait "$pid" 2>/dev/null || true
done
echo "the game alone on a resetting X server: its window every time of 5"
