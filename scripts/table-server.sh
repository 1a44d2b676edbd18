#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts an XMPP server for Skarpo tables (Debian's prosody): anonymous login and a group-chat service whose rooms
# are unlisted, not persistent and keep no history. Its configuration, data and log go into a folder of their own;
# it runs in the foreground until Ctrl+C.
#
#   scripts/table-server.sh --loopback [--port N] [--folder DIR]
#       on 127.0.0.1 only, without TLS: for trying tables on one machine, and for the tests
#
# The domain is skarpo.localhost and the group-chat service conference.skarpo.localhost.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

port=5222
folder=
loopback=
while [ $# -gt 0 ]; do
    case "$1" in
        --loopback) loopback=1 ;;
        --port) port="$2"; shift ;;
        --folder) folder="$2"; shift ;;
        *) echo "usage: $0 --loopback [--port N] [--folder DIR]" >&2; exit 2 ;;
    esac
    shift
done
if [ -z "$loopback" ]; then
    echo "error: only --loopback is supported yet: a server for other machines needs TLS with a certificate" >&2
    exit 2
fi
need prosody
[ -n "$folder" ] || folder="$(mktemp -d /tmp/skarpo-server.XXXXXX)"
mkdir -p "$folder/data"
folder="$(cd "$folder" && pwd)"
root=false
[ "$(id -u)" -eq 0 ] && root=true
cat >"$folder/prosody.cfg.lua" <<CONFIG
pidfile = "$folder/prosody.pid"
data_path = "$folder/data"
daemonize = false
run_as_root = $root
interfaces = { "127.0.0.1" }
c2s_ports = { $port }
s2s_ports = { }
http_ports = { }
https_ports = { }
-- with Nagle's algorithm a round trip takes about 45 ms in place of about 1.5 ms
network_settings = { nagle = false }
log = { info = "$folder/prosody.log" }
modules_enabled = { "disco", "ping", "saslauth" }
modules_disabled = { "s2s", "posix" }
c2s_require_encryption = false
allow_unencrypted_plain_auth = true
VirtualHost "skarpo.localhost"
    authentication = "anonymous"
Component "conference.skarpo.localhost" "muc"
    restrict_room_creation = false
    muc_room_default_public = false
    muc_room_default_persistent = false
    muc_room_default_history_length = 0
CONFIG
echo "Skarpo tables on 127.0.0.1:$port (domain skarpo.localhost, tables at conference.skarpo.localhost); log in $folder" >&2
exec prosody --config "$folder/prosody.cfg.lua" -F
