# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tests of the program with other programs: how they fail, and
# how they step aside (exit 77, which ctest counts as skipped) where a tool
# they need is missing.

# The game keeps the game in progress in the user's state folder: every test has an empty one of its own, so that no
# test takes up a game another left (or one of the person running the tests), and none is left behind. Scripts that
# set a trap of their own on EXIT remove it there too.
XDG_STATE_HOME="$(mktemp -d)"
export XDG_STATE_HOME
trap 'rm -rf "$XDG_STATE_HOME"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

skip() {
    echo "$*: skipped" >&2
    exit 77
}

# Skips unless the command is installed; names its Debian package.
tool() {
    command -v "$1" >/dev/null 2>&1 || skip "$1 is not installed (Debian package $2)"
}

# The time limits of these tests are for a machine loaded with other work
# (two busy processes beside the suite on two cores): each waits for a
# condition, checked every 50 ms, never for a fixed time, and each limit is
# many times what the wait takes on an idle machine.

# `until_within SECONDS COMMAND...`: runs COMMAND every 50 ms until it
# succeeds (status 0) or SECONDS of wall time have passed (status 1).
until_within() {
    local deadline=$(($(date +%s%N) + $1 * 1000000000))
    shift
    until "$@"; do
        [ "$(date +%s%N)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# Waits up to 20 s (a server starts in 0.1 to 0.5 s on an idle machine) for
# the server started as `pid` to open the socket `path`, and skips, with the
# end of its log, if it ends or never opens it.
await_socket() {
    local name=$1 pid=$2 path=$3 log=$4
    socket_or_gone() { [ -S "$path" ] || ! kill -0 "$pid" 2>/dev/null; }
    until_within 20 socket_or_gone || skip "$name opened no socket within 20 s"
    [ -S "$path" ] || skip "$name could not start: $(tail -3 "$log" | tr '\n' ' ')"
}
