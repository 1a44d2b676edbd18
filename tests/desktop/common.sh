# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tests of the program with other programs: how they fail, and
# how they step aside (exit 77, which ctest counts as skipped) where a tool
# they need is missing.

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

# Waits up to 5 s for the server started as `pid` to open the socket `path`,
# and skips, with the end of its log, if it ends or never opens it.
await_socket() {
    local name=$1 pid=$2 path=$3 log=$4
    for _ in $(seq 100); do
        [ -S "$path" ] && return 0
        kill -0 "$pid" 2>/dev/null || skip "$name could not start: $(tail -3 "$log" | tr '\n' ' ')"
        sleep 0.05
    done
    skip "$name opened no socket within 5 s"
}
