#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Four game processes at one table on a real prosody on this machine: the host and two guests each a person whose
# clicks are scripted, one more guest watching, the computer at the fourth seat, at the fastest speed with the
# pauses shortened. Each writes every throw's number and the check of its own game as the throw is made; after 200
# throws the four must have written the same, and none may have met trouble. Meanwhile someone not seated enters
# the room and sends a throw, a payload far too big and one of another version, a seated guest moves a counter that
# cannot move and says it again with the same sequence number, and the host reveals a wrong secret: each game names
# each and plays on.
# Beside it, at a second table, a guest stops playing in the middle of its turn and is killed with SIGKILL: the
# computer takes its seat at once; started again with the same folders, it follows the game again and takes its seat
# back at its next turn; when it stops playing again, the computer takes the seat after the idle limit, and the guest,
# still there, takes it back at a key. Every throw the guest saw made is the host's, with the same game. Last, the first table's host is killed with SIGKILL: the
# others stop and say so; one of them hosts again from the table's game it kept, the others join back (one to its
# seat), and their games go on alike.
# Usage: table_test.sh SKARPO_PROGRAM RAW_CLIENT
set -euo pipefail
program="$1" raw="$2"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../desktop/common.sh"
source "$here/server.sh"
command -v prosody >/dev/null 2>&1 || skip "prosody is not installed (Debian package prosody)"

scratch_folder skarpo-table
start_server "$work/server"

throws=200
idle=3  # seconds the host waits for a guest's turn (60 for players)
common="server=127.0.0.1 port=$PORT domain=$DOMAIN service=$SERVICE pace=0.05 speed=2"
# `play NAME SCRIPT...`: a game process on the offscreen platform, with a home of its own; its output in NAME.out
# and NAME.err, or in $OUT.out and $OUT.err
play() {
    local name="$1" out="${OUT:-$1}"
    shift
    mkdir -p "$work/$name"
    HOME="$work/$name" XDG_CONFIG_HOME="$work/$name" XDG_STATE_HOME="$work/$name/state" QT_QPA_PLATFORM=offscreen \
        SKARPO_TABLE_IDLE=$idle SKARPO_TEST_TABLE="$* name=$name $common" "$program" >"$work/$out.out" \
        2>"$work/$out.err" &
    pids+=($!)
    pid[$out]=$!
}
declare -A pid
made() { [ "$(grep -c '^throw' "$work/$1.out" 2>/dev/null)" -ge "$2" ]; }
played() { made "$1" "$throws"; }
now() { echo $(($(date +%s%N) / 1000000)); }  # ms
# `taken N`: the host of the second table said N times that the computer took cyan
taken() { [ "$(grep -c '^skarpo: Cyan (dan) left; the computer plays Cyan$' "$work/hal.err")" -ge "$1" ]; }
# `back N`: the host of the second table said N times that dan took cyan back
back() { [ "$(grep -c '^skarpo: Cyan (dan) is back$' "$work/hal.err")" -ge "$1" ]; }

play host role=host seats=me,+,+,- strength=0 tamper=40
until_within 20 grep -q '^link ' "$work/host.out" || fail "the host opened no table: $(cat "$work/host.err")"
room="$(sed -n 's/^link xmpp:\(.*\)?join$/\1/p' "$work/host.out")"
play bob role=join room="$room" seat=3
play eve role=join room="$room" seat=0
for who in bob eve; do
    until_within 20 grep -q '^entered' "$work/$who.out" || fail "$who did not enter: $(cat "$work/$who.err")"
done
play ann role=join room="$room" seat=2 tamper=20

# the second table: dan stops in the middle of a turn, after 12 throws
play hal role=host seats=me,+,-,- strength=1
until_within 20 grep -q '^link ' "$work/hal.out" || fail "the second host opened no table: $(cat "$work/hal.err")"
room2="$(sed -n 's/^link xmpp:\(.*\)?join$/\1/p' "$work/hal.out")"
play dan role=join room="$room2" seat=2 stall=12
until_within 60 grep -q '^stalled' "$work/dan.out" || fail "dan did not stop: $(tail -n 3 "$work/dan.err")"
kill -9 "${pids[-1]}"
killed=$(now)
until_within 10 taken 1 || fail "the computer did not take dan's seat; the host said: $(tail -n 3 "$work/hal.err")"
took=$(($(now) - killed))
[ "$took" -le $((idle * 1000)) ] || fail "the computer took dan's seat after $took ms, beyond the limit of $idle s"
at=$(grep -c '^throw' "$work/hal.out")
until_within 30 made hal $((at + 5)) || fail "the second table stopped at throw $at"
# dan started again in the same folders: its seat back at its next turn; then it stops again, and comes back at a
# key six throws after the computer took its seat
OUT=dan2 play dan role=join room="$room2" seat=2 stall=25 back=6
until_within 30 back 1 || fail "dan did not take its seat back: $(tail -n 3 "$work/dan2.err")"
until_within 60 grep -q '^stalled' "$work/dan2.out" || fail "dan did not play on: $(tail -n 3 "$work/dan2.err")"
stalled=$(now)
until_within $((idle + 10)) taken 2 || fail "the computer did not take the seat of dan, idle"
idled=$(($(now) - stalled))
[ "$idled" -ge $((idle * 1000 - 1500)) ] && [ "$idled" -le $((idle * 1000 + 3000)) ] ||
    fail "the computer took the seat of dan, idle, after $idled ms; the limit is $idle s"
until_within 30 back 2 || fail "dan, idle, did not take its seat back at a key: $(tail -n 3 "$work/dan2.err")"
at=$(grep -c '^throw' "$work/hal.out")
until_within 30 made hal $((at + 10)) || fail "the second table stopped at throw $at after dan came back"
sleep 0.5  # dan's board a step or two behind
grep '^throw' "$work/dan2.out" | sort >"$work/dan2.throws"
grep '^throw' "$work/hal.out" | sort | join - "$work/dan2.throws" -j 2 -o 1.3,2.3 >"$work/hal-dan2" || true
seen=$(wc -l <"$work/dan2.throws")
[ "$seen" -ge 30 ] && [ "$(wc -l <"$work/hal-dan2")" -eq "$seen" ] && ! awk '$1 != $2' "$work/hal-dan2" | grep -q . ||
    fail "dan's game after its return differs from the host's: $(awk '$1 != $2' "$work/hal-dan2" | head -n 2)"
grep -q "^table $room2 2 [0-9a-f]\{64\}$" "$work/dan/state/skarpo/table.txt" || fail "dan kept no seat's secret"
for who in hal dan2; do
    if grep -q '^trouble' "$work/$who.out"; then fail "$who: $(grep '^trouble' "$work/$who.out" | head -n 1)"; fi
done

until_within 60 made host 20 || fail "the host made $(grep -c '^throw' "$work/host.out") of 20 throws"
# the room closed to strangers once every seat was taken; its word, kept by those who were in it, lets one in
status=0
timeout 30 "$raw" "$PORT" "$DOMAIN" "$room" stranger "skarpo=1 seq=1 act=sit seat=1" 2>"$work/stranger.err" || status=$?
[ "$status" -eq 1 ] || fail "a stranger entered the table's room once its seats were taken (status $status)"
word="$(sed -n "s/^door $room //p" "$work/host/state/skarpo/table.txt")"
[ -n "$word" ] || fail "the host kept no word of its closed room"
SKARPO_ROOM_WORD="$word" timeout 30 "$raw" "$PORT" "$DOMAIN" "$room" mallory "skarpo=1 seq=1 act=throw n=1 seat=1 val=$(printf '%064d' 0)" \
    @oversized "skarpo=9 seq=3 act=sit seat=1" || fail "the raw client could not say its messages"
for who in host ann bob eve; do
    until_within 120 played "$who" ||
        fail "$who made $(grep -c '^throw' "$work/$who.out") throws of $throws; it said: $(tail -n 5 "$work/$who.err")"
done
lie='The host host revealed a throw that does not match its commitment'
for who in host ann bob eve; do
    if grep '^trouble' "$work/$who.out" | grep -qv "^trouble $lie\$"; then
        fail "$who: $(grep '^trouble' "$work/$who.out" | grep -v "$lie" | head -n 1)"
    fi
done
for who in host ann bob eve; do
    for why in "not seated" oversized "wrong version"; do
        grep -q "^skarpo: ignored from mallory: $why\$" "$work/$who.err" || fail "$who did not name mallory's $why"
    done
    # the guest's and the host's tampering, each named by every game
    for why in "an illegal move" "replayed or out of sequence"; do
        grep -q "^skarpo: ignored from ann: $why\$" "$work/$who.err" || fail "$who did not name ann's $why"
    done
    grep -q "^skarpo: $lie\$" "$work/$who.err" || fail "$who did not name the host's wrong reveal"
done
grep '^throw' "$work/host.out" | head -n "$throws" >"$work/host.throws"
for who in ann bob eve; do
    grep '^throw' "$work/$who.out" | head -n "$throws" | cmp -s - "$work/host.throws" ||
        fail "the game of $who differs from the host's: $(grep '^throw' "$work/$who.out" | head -n "$throws" |
            diff - "$work/host.throws" | head -n 3)"
done
# the table's game is kept as the table's, beside each player's own game (its speed chosen, never thrown)
for who in host ann bob eve; do
    grep -q '^skarpo-game ' "$work/$who/state/skarpo/table.txt" || fail "$who kept no game of the table"
    own="$work/$who/state/skarpo/game.txt"
    [ ! -e "$own" ] || grep -qx 'last 0 0 0 0' "$own" || fail "$who wrote the table's game over its own"
done
# the host killed: each other game stops, and keeps the table's game
kill -9 "${pid[host]}"
for who in ann bob eve; do
    until_within 10 grep -q '^trouble The host left; the table has stopped. Your game is kept.$' "$work/$who.out" ||
        fail "$who did not stop when the host was killed: $(tail -n 3 "$work/$who.err")"
done
for who in ann bob eve; do kill "${pid[$who]}"; done
for who in ann bob eve; do
    until_within 10 eval '! kill -0 "${pid[$who]}" 2>/dev/null' || fail "$who did not end"
done
# ann hosts again from the game it kept; bob takes his seat again, eve watches
OUT=ann2 play ann role=host seats=-,me,+,- strength=0 resume=1
until_within 20 grep -q '^link ' "$work/ann2.out" || fail "ann opened no table again: $(cat "$work/ann2.err")"
grep -q '^from the kept game' "$work/ann2.out" || fail "ann hosted a new game: $(cat "$work/ann2.err")"
room3="$(sed -n 's/^link xmpp:\(.*\)?join$/\1/p' "$work/ann2.out")"
OUT=eve2 play eve role=join room="$room3" seat=0
until_within 20 grep -q '^entered' "$work/eve2.out" || fail "eve did not enter again: $(cat "$work/eve2.err")"
OUT=bob2 play bob role=join room="$room3" seat=3
for who in ann2 bob2 eve2; do
    until_within 60 made "$who" 40 || fail "$who made $(grep -c '^throw' "$work/$who.out") of 40 throws again"
done
sleep 0.5  # a board a step or two behind
grep '^throw' "$work/ann2.out" | head -n 40 >"$work/ann2.throws"
for who in bob2 eve2; do
    grep '^throw' "$work/$who.out" | head -n 40 | cmp -s - "$work/ann2.throws" ||
        fail "the game of $who differs from ann's after the host left"
    if grep -q '^trouble' "$work/$who.out"; then fail "$who: $(grep '^trouble' "$work/$who.out" | head -n 1)"; fi
done

echo "four processes, $throws throws, every game alike after every throw; a stranger's messages, a guest's illegal" \
    "and replayed move and the host's wrong reveal named and refused"
echo "a guest killed: its seat the computer's after $took ms, taken back after its start; idle, the computer's after" \
    "$idled ms, and back at a key; $seen throws alike after its return"
echo "the host killed: the three others stopped; hosted again from ann's kept game, 40 throws alike"
