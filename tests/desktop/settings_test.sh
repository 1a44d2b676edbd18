#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The settings through the real program on a real X display, played with keys:
# a file full of nonsense gives one line on the standard error and the game
# starts; Options > Computer > Strong is written at once; Ctrl+Q leaves a
# whole file; two games started at once and closed together leave it whole.
#   settings_test.sh SKARPO SCRATCH
set -euo pipefail
here=$(dirname "$0")
source "$here/common.sh"
source "$here/xvfb.sh"
tool xdotool xdotool
skarpo=$1 scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch/config/skarpo" "$scratch/runtime"
chmod 700 "$scratch/runtime"
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/runtime LANG=C.UTF-8 LC_ALL= LANGUAGE=
file=$scratch/config/skarpo/Skarpo.conf
start_xvfb 1200x1000

# starts a game writing its standard error to $1; sets `pid` and `window`
start_game() {
    "$skarpo" 2>"$1" &
    pid=$!
    window=
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --pid "$pid" --name '^Skarpo$' 2>/dev/null | head -1) || true
        [ -n "$window" ] && break
        kill -0 "$pid" 2>/dev/null || fail "the game ended at its start: $(cat "$1")"
        sleep 0.1
    done
    [ -n "$window" ] || fail "no window within 10 s"
    # the window the game keeps, once it is mapped and settled
    sleep 1
    window=$(xdotool search --onlyvisible --pid "$pid" --name '^Skarpo$' | tail -1)
}
keys() {
    xdotool windowfocus --sync "$window"
    xdotool key --delay 150 "$@"
}
await_end() {
    for _ in $(seq 100); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    fail "the game did not end"
}

printf '\x00\xff[[nonsense\n=\n%%%%\n' >"$file"
start_game "$scratch/err1"
keys alt+o c s  # Options > Computer > Strong
for _ in $(seq 50); do grep -q '^strength=strong' "$file" 2>/dev/null && break; sleep 0.1; done
grep -q '^strength=strong' "$file" || fail "the strength chosen was not written at once: $(cat "$file")"
keys ctrl+q
await_end "$pid"
[ "$(wc -l <"$scratch/err1")" -eq 1 ] && grep -q "$file" "$scratch/err1" ||
    fail "not one line about the broken file: $(cat "$scratch/err1")"
grep -q '^version=1' "$file" || fail "no whole file after Ctrl+Q: $(cat "$file")"

# two at once, each closed with Ctrl+Q
start_game "$scratch/err2"
first=$pid first_window=$window
start_game "$scratch/err3"
keys ctrl+q
window=$first_window keys ctrl+q
await_end "$pid"
await_end "$first"
[ ! -s "$scratch/err2" ] || fail "the first game of two said: $(cat "$scratch/err2")"
# the second keeps no game of its own, and says so once
[ "$(wc -l <"$scratch/err3")" -eq 1 ] && grep -q "kept by another window" "$scratch/err3" ||
    fail "the second game of two did not say once that it keeps no game: $(cat "$scratch/err3")"
grep -q '^version=1' "$file" && grep -q '^strength=strong' "$file" && grep -q '^face6=' "$file" ||
    fail "two games at once left: $(cat "$file")"
echo "settings: a broken file, a choice written at once, two games at once: ok"
