#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game through a real screen reader's client library: on a virtual display
# with a private session bus (and so a private accessibility bus), a Python
# client finds the window, reads the board and presses the die.
#   accessibility_test.sh GAME
# Exits 77 (skipped) when a tool is missing: ./check installs them. The
# client is Debian's own Python (/usr/bin/python3), where its packages go.
set -euo pipefail
game="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/common.sh"
source "$here/xvfb.sh"

tool dbus-run-session dbus-daemon
tool /usr/libexec/at-spi-bus-launcher at-spi2-core
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "pyatspi is not installed (Debian package python3-pyatspi)"

start_xvfb 1280x1024
dbus-run-session -- /usr/bin/python3 "$here/accessibility_test.py" "$game"
