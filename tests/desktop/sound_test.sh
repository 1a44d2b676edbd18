#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Which way a capture's sound goes: with a sound server answering (a private
# PulseAudio with a silent sink, as PipeWire's Pulse layer would answer on a
# desktop) the desktop's alert sound through libcanberra, and without one
# the toolkit's beep.
#   sound_test.sh SOUNDPATH SCRATCH_DIR
# Exits 77 (skipped) when PulseAudio is not installed or cannot start.
set -euo pipefail
source "$(dirname "$0")/common.sh"
probe=$1 scratch=$2

rm -rf "$scratch"
mkdir -p "$scratch"
export HOME=$scratch XDG_RUNTIME_DIR=$scratch
unset DISPLAY WAYLAND_DISPLAY

export PULSE_SERVER=unix:$scratch/nobody.sock
way="$("$probe")"
[ "$way" = beep ] || fail "with no sound server the capture went the way of '$way', not the beep"
echo "no sound server: the capture beeps through the toolkit"

command -v pulseaudio >/dev/null || skip "pulseaudio is not installed (Debian package pulseaudio)"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target=stderr \
    --load=module-null-sink --load="module-native-protocol-unix socket=$scratch/sound.sock auth-anonymous=1" \
    2>"$scratch/pulseaudio.log" &
server=$!
trap 'kill "$server" 2>/dev/null || true; rm -rf "$XDG_STATE_HOME"' EXIT
await_socket pulseaudio "$server" "$scratch/sound.sock" "$scratch/pulseaudio.log"

export PULSE_SERVER=unix:$scratch/sound.sock
way="$("$probe")"
case $way in
desktop) echo "a sound server answers: the capture sounds the desktop's alert through libcanberra" ;;
beep) fail "a sound server answers, yet the capture beeps: is libcanberra's back end for it (Debian package libcanberra-pulse) or the sound theme's \"bell\" (sound-theme-freedesktop) missing, or libcanberra-dev at the build?" ;;
*) fail "the probe said '$way'" ;;
esac
