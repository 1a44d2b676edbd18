#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game through the Orca screen reader, as a blind player hears it. On a
# private virtual display under a window manager, with a private session bus
# (and so accessibility bus), speech-dispatcher speaking through eSpeak NG
# into a silent PulseAudio sink and logging every text it is given, Orca
# runs and the desktop says a screen reader is enabled; then two players play
# a seeded game each with keys alone, deciding from what was spoken:
# spoken_test.py, patient, at a tenth of the pace, waits for every reading and
# counts what was heard against what the status line showed;
# spoken_eager.py, at the real pace, acts as soon as the words allow and
# measures how late they come.
#   spoken_test.sh SPOKEN_GAME SCRATCH_DIR [--inner LANGUAGE TURNS PLAYER]
# Exits 77 (skipped) when a tool is missing: ./check installs them.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/common.sh"
game=$1 scratch=$2

if [ "${3:-}" = --inner ]; then
    # inside the private session bus: speech, the screen reader, the game
    lang=$4 turns=$5 player=$6 log=$scratch/$lang-$6
    mkdir -p "$log"
    # the patient player's game at a tenth of the pace is spoken at eSpeak NG's quickest; the eager one's, at the
    # real pace, at the speech service's usual rate
    rate=100
    [ "$player" = patient ] || rate=0
    sed -i "s/^DefaultRate .*/DefaultRate $rate/" "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
    rm -f "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock"  # the last run's
    speech-dispatcher -s -t 0 -C "$XDG_CONFIG_HOME/speech-dispatcher" -L "$log" \
        -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" >"$log/speechd.out" 2>&1 &
    speechd=$!
    for _ in $(seq 200); do [ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ] && break; sleep 0.05; done
    # the desktop's switch for a screen reader, as a desktop's settings set it
    # (the accessibility bus mirrors the setting, once it has read it)
    gsettings set org.gnome.desktop.a11y.applications screen-reader-enabled true 2>/dev/null || true
    for _ in $(seq 100); do
        gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
            --method org.freedesktop.DBus.Properties.Set org.a11y.Status ScreenReaderEnabled "<true>" >/dev/null
        gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
            --method org.freedesktop.DBus.Properties.Get org.a11y.Status ScreenReaderEnabled | grep -q true && break
        sleep 0.05
    done
    LANGUAGE=$lang orca --replace --debug-file="$log/orca.debug" >"$log/orca.out" 2>&1 &
    orca=$!
    if [ -n "${SPOKEN_BENCH:-}" ]; then
        # the bench's figures with the screen reader running (SPOKEN_BENCH=path/to/skarpo_bench)
        sleep 3
        "$SPOKEN_BENCH" --quick && status=0 || status=$?
    else
        script=spoken_test.py
        [ "$player" = patient ] || script=spoken_eager.py
        LANGUAGE=$lang /usr/bin/python3 "$here/$script" "$game" "$log" "$lang" "$turns" && status=0 || status=$?
    fi
    # gone before the next run starts its own (Orca at times lingers on a
    # request to end)
    kill $orca 2>/dev/null || true
    for _ in $(seq 40); do kill -0 $orca 2>/dev/null || break; sleep 0.05; done
    kill -9 $orca 2>/dev/null || true
    kill $speechd 2>/dev/null || true
    wait $orca $speechd 2>/dev/null || true
    exit $status
fi

for t in Xvfb:xvfb dbus-run-session:dbus-daemon /usr/libexec/at-spi-bus-launcher:at-spi2-core orca:orca \
    speech-dispatcher:speech-dispatcher espeak-ng:espeak-ng pulseaudio:pulseaudio openbox:openbox \
    xdotool:xdotool gdbus:libglib2.0-bin; do
    tool "${t%%:*}" "${t##*:}"
done
[ -e /usr/lib/speech-dispatcher-modules/sd_espeak-ng ] || skip "speech-dispatcher's eSpeak NG module is not installed (Debian package speech-dispatcher-espeak-ng)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "pyatspi is not installed (Debian package python3-pyatspi)"

rm -rf "$scratch"
mkdir -p "$scratch"/{run,config/speech-dispatcher,data,cache}
chmod 700 "$scratch/run"
export HOME=$scratch XDG_RUNTIME_DIR=$scratch/run XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data \
    XDG_CACHE_HOME=$scratch/cache
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
source "$here/xvfb.sh"
start_xvfb 1024x768
pids=()
trap 'kill "${pids[@]}" "$xvfb_pid" 2>/dev/null || true; rm -rf "$XDG_STATE_HOME"' EXIT

pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target=stderr \
    --load=module-null-sink --load="module-native-protocol-unix socket=$scratch/run/sound.sock auth-anonymous=1" \
    2>"$scratch/pulseaudio.log" &
pids+=($!)
await_socket pulseaudio "${pids[-1]}" "$scratch/run/sound.sock" "$scratch/pulseaudio.log"
export PULSE_SERVER=unix:$scratch/run/sound.sock

# Every text given to speech-dispatcher goes into its log (level 5), with when
# it began and ended. The test starts the service itself: no client starts
# another one.
cat >"$scratch/config/speech-dispatcher/speechd.conf" <<CONF
LogLevel 5
DisableAutoSpawn
DefaultModule espeak-ng
AudioOutputMethod "pulse"
DefaultRate 100
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
SymbolsPreproc "char"
SymbolsPreprocFile "symbols.dic"
SymbolsPreprocFile "orca.dic"
SymbolsPreprocFile "orca-chars.dic"
CONF

openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
pids+=($!)

status=0
# the patient player: a seeded game of 10 of its turns in English, then a few
# in German; the eager one: a few turns in each (SPOKEN_RUNS="de 2 patient"
# for one run alone, "en 20 eager,de 10 eager" for others)
runs=("en 10 patient" "de 2 patient" "en 4 eager" "de 3 eager")
[ -z "${SPOKEN_RUNS:-}" ] || IFS=, read -ra runs <<<"$SPOKEN_RUNS"
for run in "${runs[@]}"; do
    set -- $run
    dbus-run-session -- "$0" "$game" "$scratch" --inner "$1" "$2" "$3" || status=$?
done
exit $status
