#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts an XMPP server for Skarpo tables (Debian's prosody): anonymous login and a group-chat service whose rooms
# are unlisted, not persistent and keep no history. Its configuration, data and log go into a folder of their own;
# it runs in the foreground until Ctrl+C.
#
#   scripts/table-server.sh --loopback [--port N] [--folder DIR]
#       on 127.0.0.1 only, without TLS, domain skarpo.localhost: for trying tables on one machine, and for the tests
#   scripts/table-server.sh --domain NAME --certificate FILE --key FILE [--listen ADDRESS] [--port N] [--folder DIR]
#       for a LAN or a family: on every address (or the one given), TLS required, with a certificate for NAME (and
#       conference.NAME) that the players' machines trust (a public one, or one signed by a certificate authority
#       of your own that each machine adds to /usr/local/share/ca-certificates)
#
# The group-chat service is conference.NAME.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

usage="usage: $0 --loopback | --domain NAME --certificate FILE --key FILE [--listen ADDRESS]; [--port N] [--folder DIR]"
port=5222 folder= loopback= domain= certificate= key= listen='*'
while [ $# -gt 0 ]; do
    [ "$1" = --loopback ] || [ $# -ge 2 ] || { echo "$usage" >&2; exit 2; }
    case "$1" in
        --loopback) loopback=1 ;;
        --port) port="$2"; shift ;;
        --folder) folder="$2"; shift ;;
        --domain) domain="$2"; shift ;;
        --certificate) certificate="$(realpath "$2")"; shift ;;
        --key) key="$(realpath "$2")"; shift ;;
        --listen) listen="$2"; shift ;;
        *) echo "$usage" >&2; exit 2 ;;
    esac
    shift
done
if [ -n "$loopback" ]; then
    domain=skarpo.localhost listen=127.0.0.1
elif [ -z "$domain" ] || [ ! -r "$certificate" ] || [ ! -r "$key" ]; then
    echo "error: a server for other machines needs its domain, and a certificate and its key to read: TLS is required" >&2
    echo "$usage" >&2
    exit 2
fi
need prosody
[ -n "$folder" ] || folder="$(mktemp -d /tmp/skarpo-server.XXXXXX)"
mkdir -p "$folder/data"
folder="$(cd "$folder" && pwd)"
root=false
[ "$(id -u)" -eq 0 ] && root=true
if [ -n "$loopback" ]; then
    modules= tls='c2s_require_encryption = false
allow_unencrypted_plain_auth = true'
else
    modules=', "tls"' tls="c2s_require_encryption = true
ssl = { certificate = \"$certificate\"; key = \"$key\" }"
fi
cat >"$folder/prosody.cfg.lua" <<CONFIG
pidfile = "$folder/prosody.pid"
data_path = "$folder/data"
daemonize = false
run_as_root = $root
interfaces = { "$listen" }
c2s_ports = { $port }
s2s_ports = { }
http_ports = { }
https_ports = { }
-- with Nagle's algorithm a round trip takes about 45 ms in place of about 1.5 ms
network_settings = { nagle = false }
log = { info = "$folder/prosody.log" }
modules_enabled = { "disco", "ping", "saslauth"$modules }
modules_disabled = { "s2s", "posix" }
$tls
VirtualHost "$domain"
    authentication = "anonymous"
Component "conference.$domain" "muc"
    restrict_room_creation = false
    muc_room_default_public = false
    muc_room_default_persistent = false
    muc_room_default_history_length = 0
CONFIG
echo "Skarpo tables on $listen:$port (domain $domain, tables at conference.$domain); log in $folder" >&2
exec prosody --config "$folder/prosody.cfg.lua" -F
