#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game kept between starts, through the real program on a real X display, its saves in a private folder. First
# a game of people (red and magenta, played by automatic play) and the computer (cyan and green), killed with
# SIGKILL at 24 seeded random moments: each start takes up the game the file held at the kill, whole, and every
# invariant holds (the reader refuses a position the rules cannot reach). Then red's move, chosen with the keys,
# ended in the middle by each way a desktop ends a program: the window manager's close request, Ctrl+Q, SIGTERM,
# SIGHUP and SIGINT. The program ends with status 0, and the next start takes the game up after that move, made once.
#   resume_test.sh GAME SAVEDFILE XCLOSE SCRATCH [SEED]
# KILLS in the environment sets how many kills (24), for a quicker run by hand.
# Exits 77 (skipped) when Xvfb or xdotool is not installed: ./check installs them.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/common.sh"
tool xdotool xdotool
game=$1 savedfile=$2 xclose=$3 scratch=$4
RANDOM=${5:-24}
rm -rf "$scratch"
mkdir -p "$scratch/config" "$scratch/runtime" "$XDG_STATE_HOME/skarpo"
chmod 700 "$scratch/runtime"
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/runtime LANG=C.UTF-8 LC_ALL= LANGUAGE=
file=$XDG_STATE_HOME/skarpo/game.txt
source "$here/xvfb.sh"
start_xvfb 1024x768

# the file as a new one (written whole, then renamed into place) replaces it
inode() { stat -c %i "$file" 2>/dev/null || echo none; }

# Starts the game, copies the file it writes as it takes up the saved game to $1, and waits for its window; sets
# `pid` and `window`. On a busy machine the game may decide once or twice more before the copy: the check allows that.
start() {
    local before
    before=$(inode)
    "$game" 2>>"$scratch/game.log" &
    pid=$!
    written() { [ "$(inode)" != "$before" ] || ! kill -0 "$pid" 2>/dev/null; }
    until_within 20 written && kill -0 "$pid" 2>/dev/null ||
        fail "the game wrote nothing at its start; it said: $(tail -3 "$scratch/game.log")"
    cp "$file" "$1"
    shown() { window=$(xdotool search --onlyvisible --pid "$pid" --name '^Skarpo$' 2>/dev/null | head -1); }
    until_within 20 shown || fail "the game's window did not appear"
    xdotool windowfocus --sync "$window"
}
keys() { xdotool key --delay 100 "$@"; }

# a game of people and the computer, killed at random moments of automatic play
"$savedfile" new person computer person computer >"$file"
for ((n = 1; n <= ${KILLS:-24}; n++)); do
    cp "$file" "$scratch/killed"
    start "$scratch/started"
    "$savedfile" resumed "$scratch/killed" "$scratch/started" || fail "start $n did not take up the game last decided"
    keys alt+a a # AutoPlay > Auto
    ms=$((50 + RANDOM % 1950))
    sleep "$((ms / 1000)).$(printf '%03d' $((ms % 1000)))"
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null || true
done
echo "killed ${KILLS:-24} times, at 0.05 to 2 s of automatic play: every start took up the game last decided"

# red's move ended in the middle in each way
for how in ask ctrl+q TERM HUP INT; do
    "$savedfile" marked >"$file"
    start "$scratch/started"
    before=$(inode)
    keys Tab Return # the one mark, moved
    moved() { [ "$(inode)" != "$before" ]; }
    until_within 10 moved || fail "red's move was not kept"
    case $how in
    ctrl+q) keys ctrl+q ;;
    ask) "$xclose" ask "$window" "$pid" >/dev/null || fail "the game did not end on the window manager's request" ;;
    *) kill -"$how" "$pid" ;;
    esac
    rc=0
    wait "$pid" || rc=$?
    [ "$rc" -eq 0 ] || fail "$how in the middle of red's move: status $rc"
    "$savedfile" moved "$file" || fail "$how in the middle of red's move did not keep it"
    cp "$file" "$scratch/closed"
    start "$scratch/started"
    "$savedfile" resumed "$scratch/closed" "$scratch/started" && "$savedfile" moved "$scratch/started" ||
        fail "the start after $how in the middle of red's move did not take up the game after it"
    keys ctrl+q
    wait "$pid" || fail "the game did not end with status 0 on Ctrl+Q"
done
echo "red's move ended by the close request, Ctrl+Q, SIGTERM, SIGHUP and SIGINT: taken up after it each time"
