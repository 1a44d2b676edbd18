#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A server for tables at other machines, as scripts/table-server.sh starts it for a LAN (here listening on
# 127.0.0.1 only), requires TLS. A game that does not trust its certificate does not connect, and says so in plain
# words; one that trusts it (as a family's machines trust the certificate authority of their own server: here the
# self-signed certificate itself) hosts a table there.
# Usage: tls_test.sh SKARPO_PROGRAM
set -euo pipefail
program="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../desktop/common.sh"
source "$here/server.sh"
command -v prosody >/dev/null 2>&1 || skip "prosody is not installed (Debian package prosody)"
command -v openssl >/dev/null 2>&1 || skip "openssl is not installed (Debian package openssl)"

scratch_folder skarpo-tls
domain=skarpo.test
openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2 -subj "/CN=$domain" \
    -addext "subjectAltName=DNS:$domain,DNS:conference.$domain" -keyout "$work/key.pem" -out "$work/cert.pem" \
    2>"$work/openssl.err" || fail "openssl made no certificate: $(cat "$work/openssl.err")"
start_server "$work/server" --domain "$domain" --certificate "$work/cert.pem" --key "$work/key.pem" --listen 127.0.0.1

# `host NAME [ENVIRONMENT...]`: a game process hosting a table there, its output in NAME.out and NAME.err
host() {
    local name="$1"
    shift
    mkdir -p "$work/$name"
    env "$@" HOME="$work/$name" XDG_CONFIG_HOME="$work/$name" XDG_STATE_HOME="$work/$name/state" \
        QT_QPA_PLATFORM=offscreen SKARPO_TEST_TABLE="role=host name=$name seats=me,-,-,- server=127.0.0.1 \
port=$PORT domain=$domain service=conference.$domain" "$program" >"$work/$name.out" 2>"$work/$name.err" &
    pids+=($!)
}
host wary
host trusting SSL_CERT_FILE="$work/cert.pem"
refusal="trouble The server's certificate does not match: not connected"
until_within 20 grep -qx "$refusal" "$work/wary.out" ||
    fail "a game that does not trust the certificate did not refuse it: $(cat "$work/wary.out" "$work/wary.err")"
if grep -q '^link ' "$work/wary.out"; then fail "a game that does not trust the certificate opened a table"; fi
until_within 20 grep -q '^link ' "$work/trusting.out" ||
    fail "a game that trusts the certificate opened no table: $(cat "$work/trusting.out" "$work/trusting.err")"
echo "TLS required; an untrusted certificate refused in words, a trusted one used"
