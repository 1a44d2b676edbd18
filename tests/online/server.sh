# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tests of a shared table: start_server FOLDER [OPTIONS...] starts Debian's prosody on 127.0.0.1 on a
# free port, with anonymous login and a group-chat service, from a configuration written into FOLDER, as
# scripts/table-server.sh does with OPTIONS (--loopback unless given); it sets PORT, and stop_server ends it. Every
# wait is bounded. DOMAIN and SERVICE are those of the loopback's server.

DOMAIN=skarpo.localhost
SERVICE=conference.skarpo.localhost

free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

start_server() {
    local dir="$1" try
    shift
    [ $# -gt 0 ] || set -- --loopback
    mkdir -p "$dir/data"
    for try in 1 2 3; do  # another program may take the free port first
        PORT=$(free_port)
        "$(dirname "${BASH_SOURCE[0]}")/../../scripts/table-server.sh" "$@" --port "$PORT" --folder "$dir" \
            >"$dir/server.out" 2>&1 &
        SERVER_PID=$!
        local i
        for i in $(seq 100); do  # up to 10 s
            if grep -q "Activated service 'c2s' on \[127.0.0.1\]:$PORT" "$dir/prosody.log" 2>/dev/null; then
                return 0
            fi
            kill -0 "$SERVER_PID" 2>/dev/null || break
            sleep 0.1
        done
        stop_server
    done
    echo "FAIL: prosody did not start; its log:" >&2
    cat "$dir/server.out" "$dir/prosody.log" >&2 2>/dev/null
    return 1
}

stop_server() {
    [ -n "${SERVER_PID:-}" ] || return 0
    kill "$SERVER_PID" 2>/dev/null || true
    local i
    for i in $(seq 50); do kill -0 "$SERVER_PID" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$SERVER_PID" 2>/dev/null || true
    wait "$SERVER_PID" 2>/dev/null || true
    SERVER_PID=
}

# `scratch_folder NAME`: a fresh folder $work under /tmp for a test's files, and the game processes it starts listed
# in pids: at the end, however it ends, they are killed, the server stopped and the folder removed (kept with
# SKARPO_KEEP set, to look into).
scratch_folder() {
    work="$(mktemp -d "/tmp/$1.XXXXXX")"
    pids=()
    trap finish_scratch EXIT
}

finish_scratch() {
    local pid
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    stop_server
    [ -n "${SKARPO_KEEP:-}" ] || rm -rf "$work"
}
