# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tests that need a real X display: starts a private Xvfb on a
# display number the server picks itself (-displayfd), so that tests running
# side by side never race for the same number as `xvfb-run -a` can, and sets
# DISPLAY to it. The server ends with the test.
#   source xvfb.sh; start_xvfb WIDTHxHEIGHT
# Exits 77 (skipped) when Xvfb is not installed.

start_xvfb() {
    command -v Xvfb >/dev/null 2>&1 || {
        echo "Xvfb is not installed (Debian package xvfb): skipped" >&2
        exit 77
    }
    xvfb_dir="$(mktemp -d)"
    Xvfb -displayfd 1 -screen 0 "$1x24" -nolisten tcp >"$xvfb_dir/display" 2>"$xvfb_dir/log" &
    xvfb_pid=$!
    trap 'kill "$xvfb_pid" 2>/dev/null; rm -rf "$xvfb_dir"' EXIT
    for _ in $(seq 100); do
        [ -s "$xvfb_dir/display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.05
    done
    [ -s "$xvfb_dir/display" ] || {
        echo "FAIL: Xvfb did not start: $(cat "$xvfb_dir/log")" >&2
        exit 1
    }
    export DISPLAY=":$(head -1 "$xvfb_dir/display")"
    unset XAUTHORITY WAYLAND_DISPLAY QT_QPA_PLATFORM
}
