#!/usr/bin/env bash
# Stops the stand-ins that start.sh started (by the process ids it recorded).
set -uo pipefail

: "${VN_SERVERS_DIR:?VN_SERVERS_DIR must name a folder}"
for pid_file in "$VN_SERVERS_DIR"/*/pid; do
    [ -f "$pid_file" ] || continue
    pid=$(cat "$pid_file")
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 1 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -0 "$pid" 2>/dev/null && kill -9 "$pid" 2>/dev/null
    fi
    rm -f "$pid_file"
done
exit 0
