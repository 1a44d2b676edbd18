# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tests that need a real X display: starts a private Xvfb on a
# display number the server picks itself (-displayfd: the first number whose
# socket no other server holds), so that tests running side by side never
# race for the same number as `xvfb-run -a` can, and sets DISPLAY to it. The
# server leaves no lock file of its own; one is written for it, so that
# programs that choose a number by the lock files (`xvfb-run -a`) pass it by.
# The server does not reset when its last client leaves (-noreset), as a
# desktop's server with its window manager never does; `resets` asks for one
# that does, as a bare X server: it refuses connections while it resets.
# The server ends with the test.
#   source common.sh; source xvfb.sh; start_xvfb WIDTHxHEIGHT [resets]
# Exits 77 (skipped) when Xvfb is not installed.

start_xvfb() {
    tool Xvfb xvfb
    xvfb_dir="$(mktemp -d)"
    local noreset=-noreset
    [ "${2:-}" != resets ] || noreset=
    Xvfb -displayfd 1 -screen 0 "$1x24" -nolisten tcp $noreset >"$xvfb_dir/display" 2>"$xvfb_dir/log" &
    xvfb_pid=$!
    xvfb_lock=
    trap 'kill "$xvfb_pid" 2>/dev/null; rm -rf "$xvfb_dir" "$XDG_STATE_HOME" $xvfb_lock' EXIT
    # it starts in a fraction of a second on an idle machine
    number_or_gone() { [ -s "$xvfb_dir/display" ] || ! kill -0 "$xvfb_pid" 2>/dev/null; }
    until_within 20 number_or_gone && [ -s "$xvfb_dir/display" ] || fail "Xvfb did not start: $(cat "$xvfb_dir/log")"
    local number
    number="$(head -1 "$xvfb_dir/display")"
    # the lock file's format: the server's process number in ten columns
    if (set -o noclobber && printf '%10d\n' "$xvfb_pid" >"/tmp/.X$number-lock") 2>/dev/null; then
        xvfb_lock="/tmp/.X$number-lock"
    fi
    export DISPLAY=":$number"
    unset XAUTHORITY WAYLAND_DISPLAY QT_QPA_PLATFORM
}
