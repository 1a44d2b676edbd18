#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A shared table's figures, with real game processes on a real prosody on 127.0.0.1 (a measurement, not a test).
# It sets up TABLES tables of four game processes each (offscreen), at the game's own speed and pace (Normal, pace
# 1): a host and two guests who are persons clicking as soon as their board takes a click, and a guest watching, the
# computer at green (--persons 4: that guest sits at green and clicks too). Once every table has begun it lets them
# play for SECONDS, then prints:
# - the throws made; every game's "throw N CHECK" against its host's for each N (differences), and troubles;
# - from a person's click to the decision starting to show on each other screen (the die starting to roll, the
#   counter starting to move): median, 99th percentile and longest; beyond the clicker's own start; and beyond that
#   board's own rest (the animation before it done, and for a throw the host's too: it reveals only once its die
#   waits);
# - each game process's processor time over those SECONDS (utime+stime from /proc/PID/stat) by role, also
#   without its person's own turns (from its board's rest to its click), prosody's, the machine's, and the memory.
# Runs of more than a few processes are heavy for a 2-core machine: run them under the lock that the long checks
# take, e.g.  flock /tmp/skarpo-check.lock bench/tables.sh --tables 10 --seconds 300
# Usage: bench/tables.sh [--tables N] [--seconds S] [--persons 3|4] [--program PATH] [--keep DIR]
#        bench/tables.sh --figures DIR   (the figures again, of a run kept in DIR)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../tests/online/server.sh"

tables=1 seconds=60 persons=3 program="$here/../build/app/skarpo" keep='' figures=''
while [ $# -gt 0 ]; do
    case "$1" in
        --tables) tables="$2"; shift ;;
        --seconds) seconds="$2"; shift ;;
        --persons) persons="$2"; shift ;;
        --program) program="$2"; shift ;;
        --keep) keep="$2"; shift ;;
        --figures) figures="$2"; shift ;;
        *) echo "usage: $0 [--tables N] [--seconds S] [--persons 3|4] [--program PATH] [--keep DIR]" >&2; exit 2 ;;
    esac
    shift
done
# The figures of a run kept in a folder: its processes' output and the file `run`.
figures() {
    python3 - "$1" <<'FIGURES'
import collections, glob, os, statistics, sys

work = sys.argv[1]
tables = len(glob.glob(os.path.join(work, "h*.out")))
last = "watch" if glob.glob(os.path.join(work, "w*.out")) else "person"
run = {}
for line in open(os.path.join(work, "run")):
    words = line.split()
    run[words[0]] = words[1:]
t0, t1, hz = (int(x) for x in run["clock"])
wall = (t1 - t0) / 1e6


def events(name):
    """A process's lines: its throws' checks, and the moments of each decision (kind -> decision -> (µs, cpu µs))."""
    checks, moments, troubles = {}, collections.defaultdict(dict), []
    for line in open(os.path.join(work, name + ".out")):
        words = line.split()
        if words[0] == "throw":
            checks[int(words[1])] = words[2]
        elif words[0] in ("click", "rest", "shown"):
            moments[words[0]].setdefault(words[1], (int(words[2]), int(words[3])))
        elif words[0] == "trouble":
            troubles.append(line.strip())
    return checks, moments, troubles


def ms(values):
    if not values:
        return "none"
    values = sorted(values)
    return "median %.1f ms, 99th percentile %.1f ms, longest %.1f ms" % (
        statistics.median(values) / 1e3, values[len(values) * 99 // 100] / 1e3, values[-1] / 1e3)


procs = {name: run[name] for name in run if name not in ("server", "machine", "clock", "load")}
seen = {name: events(name) for name in procs}
differences = compared = missing = throws = 0
troubles = []
latency = collections.defaultdict(list)
rolls = []
for t in range(1, tables + 1):
    host = "h%d" % t
    table = [name for name in procs if name[1:] == str(t)]
    hchecks = seen[host][0]
    throws += sum(1 for d, (at, _) in seen[host][1]["shown"].items() if d[0] == "t" and t0 <= at <= t1)
    for name in table:
        checks, moments, told = seen[name]
        troubles += ["%s: %s" % (name, x) for x in told]
        if name != host:
            for n, check in checks.items():
                if n in hchecks:
                    compared += 1
                    differences += check != hchecks[n]
            missing += sum(1 for n in hchecks if min(checks) < n < max(hchecks) - 2 and n not in checks)
        for d, (at, _) in moments["shown"].items():
            marks = moments["rest"].get("m" + d[1:])
            if d[0] == "t" and marks and t0 <= at <= t1:
                rolls.append(marks[0] - at)
    for clicker in table:
        mine = seen[clicker][1]
        for d, (at, _) in mine["click"].items():
            if not t0 <= at <= t1 or d not in mine["shown"]:
                continue
            own = mine["shown"][d][0]
            latency["own"].append(own - at)
            for other in table:
                shown = seen[other][1]["shown"].get(d)
                if other == clicker or not shown:
                    continue
                latency["all"].append(shown[0] - at)
                latency[d[0]].append(shown[0] - at)
                latency["local"].append(shown[0] - own)
                ready = [at, seen[other][1]["rest"].get(d, (0, 0))[0]]
                if d[0] == "t":
                    ready.append(seen[host][1]["rest"].get(d, (0, 0))[0])
                latency["beyond"].append(shown[0] - max(ready))

persons = "and two guests" if last == "watch" else "and three guests"
print("%d table(s) of 4 game processes (a host %s clicking, %s), Normal, pace 1, %.0f s on prosody at 127.0.0.1"
      % (tables, persons, "a guest watching, the computer at green" if last == "watch" else "no computer", wall))
print("throws: %d (%.1f a minute a table); differences from the host's checks: %d of %d compared, %d missing; "
      "troubles: %d" % (throws, throws / tables / (wall / 60), differences, compared, missing, len(troubles)))
for x in troubles[:5]:
    print("  " + x)
clicks = sum(1 for name in procs for at, _ in seen[name][1]["click"].values() if t0 <= at <= t1)
print("clicks: %d; a click to its start on the other screens (%d starts): %s" % (clicks, len(latency["all"]),
                                                                                 ms(latency["all"])))
print("  a throw: %s; a move: %s" % (ms(latency["t"]), ms(latency["m"])))
print("  the clicker's own start after its click: %s" % ms(latency["own"]))
print("  beyond the clicker's own start: %s" % ms(latency["local"]))
print("  beyond that board's rest (its animation done): %s; over 50 ms: %d"
      % (ms(latency["beyond"]), sum(1 for x in latency["beyond"] if x > 50e3)))
if rolls:
    print("a person's throw rolling, from its start to the marks waiting: median %.3f s, longest %.3f s"
          % (statistics.median(rolls) / 1e6, max(rolls) / 1e6))
share = {}
for name, (r, before, after, kib) in procs.items():
    cpu = (int(after) - int(before)) / hz
    mine = seen[name][1]
    turns = [(mine["click"][d], mine["rest"][d]) for d in mine["click"] if d in mine["rest"]
             and t0 <= mine["click"][d][0] <= t1]
    turn_cpu = sum(c[1] - r_[1] for c, r_ in turns) / 1e6
    turn_wall = sum(c[0] - r_[0] for c, r_ in turns) / 1e6
    share[name] = (r, 100 * cpu / wall, 100 * (cpu - turn_cpu) / (wall - turn_wall), int(kib) / 1024)
for r in ("host", "person", "watch"):
    rows = [v for v in share.values() if v[0] == r]
    if not rows:
        continue
    whole, waiting, mib = ([row[i] for row in rows] for i in (1, 2, 3))
    print("processor time, %s (%d): %.2f %% of a core at the median (%.2f to %.2f); without its person's turns "
          "%.2f %% (%.2f to %.2f); peak memory %.0f MiB (%.0f to %.0f)"
          % (r, len(rows), statistics.median(whole), min(whole), max(whole), statistics.median(waiting),
             min(waiting), max(waiting), statistics.median(mib), min(mib), max(mib)))
server = run["server"]
busy0, idle0, busy1, idle1, cores = (int(x) for x in run["machine"])
games = sum(v[1] for v in share.values())
prosody_share = 100 * (int(server[1]) - int(server[0])) / hz / wall
print("prosody: %.2f %% of a core, peak memory %.0f MiB" % (prosody_share, int(server[2]) / 1024))
machine = cores * 100 * (busy1 - busy0) / (busy1 - busy0 + idle1 - idle0)
print("all %d game processes: %.1f %% of a core together; the machine busy %.1f %% of its %d cores, other work than "
      "the table's %.1f %% of a core; load average %s" % (len(procs), games, machine / cores, cores,
                                                           machine - games - prosody_share, " ".join(run["load"])))
FIGURES
}
if [ -n "$figures" ]; then
    figures "$figures"
    exit
fi
[ -x "$program" ] || { echo "no game program at $program: build it first" >&2; exit 2; }
command -v prosody >/dev/null || { echo "prosody is not installed (Debian package prosody)" >&2; exit 2; }

work="${keep:-$(mktemp -d /tmp/skarpo-tables.XXXXXX)}"
mkdir -p "$work"
pids=()
finish() {
    local pid
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    stop_server
    [ -n "$keep" ] || rm -rf "$work"
}
trap finish EXIT
start_server "$work/server"

common="server=127.0.0.1 port=$PORT domain=$DOMAIN service=$SERVICE pace=1 speed=0 times=1"
declare -A pid role
# `play NAME ROLE SCRIPT...`: a game process with a home of its own, its output in NAME.out and NAME.err
play() {
    local name="$1"
    role[$name]="$2"
    shift 2
    mkdir -p "$work/$name"
    HOME="$work/$name" XDG_CONFIG_HOME="$work/$name" XDG_STATE_HOME="$work/$name/state" QT_QPA_PLATFORM=offscreen \
        SKARPO_TEST_TABLE="$* name=$name $common" "$program" >"$work/$name.out" 2>"$work/$name.err" &
    pids+=($!)
    pid[$name]=$!
}
# `within S COMMAND...`: until the command succeeds, checked every 0.1 s, at most S seconds
within() {
    local limit=$(($1 * 10)) i
    shift
    for ((i = 0; i < limit; ++i)); do "$@" && return 0; sleep 0.1; done
    return 1
}
fail() { echo "FAIL: $*" >&2; exit 1; }
said() { grep -q "$2" "$work/$1.out" 2>/dev/null; }
ticks() {  # utime+stime of a process, in clock ticks
    local stat
    stat="$(cat "/proc/$1/stat" 2>/dev/null)" || { echo -1; return; }
    set -- ${stat##*) }
    echo $((${12} + ${13}))
}
peak() { awk '/^VmHWM/ { print $2 }' "/proc/$1/status" 2>/dev/null || echo 0; }  # KiB
now() { python3 -c 'import time; print(time.monotonic_ns() // 1000)'; }          # the processes' clock, in µs
busy() { awk '/^cpu / { print $2 + $3 + $4 + $7 + $8 + $9, $5 + $6 }' /proc/stat; }  # busy and idle ticks

fourth=-
[ "$persons" = 4 ] && fourth=+
for t in $(seq "$tables"); do play "h$t" host role=host seats=me,+,+,$fourth strength=1; done
for t in $(seq "$tables"); do
    within 30 said "h$t" '^link ' || fail "host h$t opened no table: $(tail -n 3 "$work/h$t.err")"
    room="$(sed -n 's/^link xmpp:\(.*\)?join$/\1/p' "$work/h$t.out")"
    play "a$t" person role=join room="$room" seat=2
    play "b$t" person role=join room="$room" seat=3
    if [ "$persons" = 4 ]; then
        play "c$t" person role=join room="$room" seat=4
    else
        play "w$t" watch role=join room="$room" seat=0
    fi
done
# every game under way (a watcher need not be there for its table to begin)
for name in "${!pid[@]}"; do
    within 60 said "$name" '^throw ' || fail "$name made no throw: $(tail -n 3 "$work/$name.err")"
done

# the run: processor time and the clock at its start and its end
for name in "${!pid[@]}"; do echo "$name ${role[$name]} ${pid[$name]} $(ticks "${pid[$name]}")"; done >"$work/start"
server0=$(ticks "$SERVER_PID") machine0="$(busy)" t0=$(now)
ended=
for ((i = 0; i < seconds; i += 5)); do
    sleep $((seconds - i < 5 ? seconds - i : 5))
    for name in "${!pid[@]}"; do kill -0 "${pid[$name]}" 2>/dev/null || ended+=" $name"; done
    [ -z "$ended" ] || break
done
t1=$(now) machine1="$(busy)" server1=$(ticks "$SERVER_PID") load="$(cut -d' ' -f1-3 /proc/loadavg)"
while read -r name r p before; do
    echo "$name $r $before $(ticks "$p") $(peak "$p")"
done <"$work/start" >"$work/run"
echo "server $server0 $server1 $(peak "$SERVER_PID")" >>"$work/run"
echo "machine $machine0 $machine1 $(nproc)" >>"$work/run"
echo "clock $t0 $t1 $(getconf CLK_TCK)" >>"$work/run"
echo "load $load" >>"$work/run"
[ -z "$ended" ] || echo "ended before the run's end:$ended" >&2

figures "$work"

# the end: each game asked to close, then killed
for name in "${!pid[@]}"; do kill "${pid[$name]}" 2>/dev/null || true; done
for name in "${!pid[@]}"; do within 10 eval '! kill -0 "${pid[$name]}" 2>/dev/null' || true; done
[ -z "$ended" ] || exit 1
