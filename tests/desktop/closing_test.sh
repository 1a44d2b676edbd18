#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game on a real X display, closed at random moments of automatic play:
# half of the runs by the window manager's close request (WM_DELETE_WINDOW),
# a quarter by destroying the window outright and a quarter by killing its
# connection (as xkill does); then a few by the session's signals SIGTERM,
# SIGHUP and SIGINT. Every run must end with status 0, and at once: within
# 200 ms (it takes 0 to 50 ms on an idle machine). A loaded machine can
# delay a few runs past that, so the test fails on slow runs only when there
# are more than five of them in a hundred, as a game that waited out its
# animation (pauses of up to 0.8 s) before it ended would make most runs; a
# game alive five seconds after its close, or ending with another status,
# fails it at once.
# The runs go in parallel on one Xvfb, each window in a place of its own.
#   closing_test.sh GAME XCLOSE [RUNS]
# Exits 77 (skipped) when Xvfb or xdotool is not installed: ./check installs them.
set -euo pipefail
source "$(dirname "$0")/common.sh"
game=$1 xclose=$2 runs=${3:-100}
here="$(cd "$(dirname "$0")" && pwd)/$(basename "$0")"

# The places of the windows, one for each run going at the same time: the
# top left corner, where every new window appears before it is moved, is
# left free, so that no click lands on a window that has just appeared there.
slot_x=(600 1150 1700 2250 600 1150 1700 2250 0)
slot_y=(0 0 0 0 650 650 650 650 650)
parallel=${#slot_x[@]}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# One run: start the game, move its window to its place, switch automatic
# play on through the menu, wait `delay` ms, close it the way `how` says.
run() {
    local n=$1 how=$2 delay=$3 slot=$SLOT
    local pid w took ms rc=0 log
    log="$(mktemp)"
    # each run a new game, in a state folder of its own
    XDG_STATE_HOME="$XDG_STATE_HOME/$n" "$game" >/dev/null 2>"$log" &
    pid=$!
    # xdotool gives up when another run's window vanishes under its search: asked again; nine games start at
    # once, in about a second on an idle machine, so 30 s leaves room for a loaded one
    placed() {
        w="$(xdotool search --all --onlyvisible --pid "$pid" --name '^Skarpo$' 2>/dev/null | head -1)"
        [ -n "$w" ] && xdotool windowmove --sync "$w" "${slot_x[$slot]}" "${slot_y[$slot]}" 2>/dev/null && return
        w=
        ! kill -0 "$pid" 2>/dev/null  # a game that ended by itself is not waited for
    }
    until_within 30 placed || true
    if [ -z "$w" ]; then
        kill -9 "$pid" 2>/dev/null
        echo "run $n: its window did not appear in its place; it said: $(tr '\n' ' ' <"$log")"
        rm -f "$log"
        return
    fi
    # the pointer is shared: one run at a time opens the menu and chooses "Auto"
    # ("AutoPlay" is the menu bar's second title, near (116, 8) in the window with
    # Debian's default fonts, and "Auto" its first item, dragged to and released)
    (
        flock 9
        xdotool mousemove --window "$w" 116 8 mousedown 1 sleep 0.1 mousemove --window "$w" 120 36 mouseup 1
    ) 9>"$lock"
    sleep "$((delay / 1000)).$(printf '%03d' $((delay % 1000)))"
    if ! took="$("$xclose" "$how" "$w" "$pid")"; then
        echo "run $n: $how after $delay ms: $took; its threads:"
        cat /proc/"$pid"/task/*/stat 2>/dev/null | sed 's/^/    /'
        command -v gdb >/dev/null && timeout 20 gdb -p "$pid" -batch -ex 'thread apply all bt' 2>/dev/null | sed 's/^/    /'
        kill -9 "$pid"
    fi
    wait "$pid" 2>/dev/null || rc=$?
    ms="${took//[^0-9]/}"
    if [ "$rc" -ne 0 ] || [ "${took%% *}" != ended ]; then
        echo "run $n: $how after $delay ms: status $rc, $took; it said: $(tr '\n' ' ' <"$log")"
    elif [ "$ms" -gt 200 ]; then
        echo "run $n: $how after $delay ms: status 0, $took: slow"
    else
        echo "run $n: $how after $delay ms: status 0, $took"
    fi
    rm -f "$log"
}

if [ "${4:-}" = --run ]; then
    set +e
    lock=$5
    run "$6" "$7" "$8"
    exit 0
fi

command -v xdotool >/dev/null 2>&1 || {
    echo "xdotool is not installed (Debian package xdotool): skipped" >&2
    exit 77
}
source "$(dirname "$0")/xvfb.sh"
start_xvfb 2800x1300

lock=$xvfb_dir/lock
plan=$xvfb_dir/plan
# the ways to close, in turn, and a moment from 0.1 to 4 s after "Auto"
for ((n = 0; n < runs; n++)); do
    case $((n % 4)) in
    0 | 2) how=ask ;;
    1) how=destroy ;;
    3) how=kill ;;
    esac
    echo "$n $how $((100 + RANDOM % 3900))"
done >"$plan"
for how in TERM HUP INT; do echo "$((n++)) $how $((100 + RANDOM % 3900))"; done >>"$plan"

start=$(now_ms)
results="$(xargs -P "$parallel" --process-slot-var=SLOT -L 1 "$here" "$game" "$xclose" "$runs" --run "$lock" <"$plan")"
echo "$results" | sort -t' ' -k2n
# a slow run ended with status 0 too: it is counted as slow, not as failed
bad="$(echo "$results" | grep '^run' | grep -vc ': status 0, ended' || true)"
slow="$(echo "$results" | grep -c ': status 0, ended.*: slow$' || true)"
echo "$(echo "$results" | grep -c "^run") runs in $(($(now_ms) - start)) ms; $bad failed, $slow slower than 200 ms"
[ "$bad" -eq 0 ] || fail "$bad runs did not end with status 0 (or their window never appeared)"
[ "$slow" -le 5 ] || fail "$slow runs took longer than 200 ms to end"
