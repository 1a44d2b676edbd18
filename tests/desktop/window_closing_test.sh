#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game on a real X display: its window destroyed outright by another
# program (not asked to close, as a window manager would) in the middle of
# the opening march ends the program at once with status 0.
#   window_closing_test.sh GAME
# Exits 77 (skipped) when Xvfb or xdotool is not installed: ./check installs them.
set -euo pipefail
game="$1"

if [ "${2:-}" != --inside ]; then
    for t in xvfb-run:xvfb xdotool:xdotool; do
        command -v "${t%%:*}" >/dev/null 2>&1 || { echo "${t%%:*} is not installed (Debian package ${t##*:}): skipped" >&2; exit 77; }
    done
    exec xvfb-run -a "$0" "$game" --inside
fi

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Starts the game, clicks the die, then closes the window with `how` a
# second into the march; the program must be gone within a second.
close_with() {
    local how="$1" pid w rc
    "$game" 2>/dev/null &
    pid=$!
    for _ in $(seq 50); do
        w="$(xdotool search --name '^Skarpo$' 2>/dev/null | head -1)" && [ -n "$w" ] && break
        sleep 0.1
    done
    [ -n "$w" ] || fail "no window appeared"
    sleep 0.5
    xdotool mousemove --window "$w" 271 280 click 1
    sleep 1
    xdotool "$how" "$w"
    for _ in $(seq 10); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        fail "$how: the program lived on without its window"
    fi
    rc=0
    wait "$pid" || rc=$?
    [ "$rc" -eq 0 ] || fail "$how: exit status $rc"
    echo "$how: ended at once with status 0"
}

close_with windowclose
