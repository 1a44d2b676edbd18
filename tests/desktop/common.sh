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
