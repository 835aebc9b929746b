#!/usr/bin/env bash
# Stops the stand-ins that start.sh started (by the process ids it recorded): all are asked to
# end at once, and whatever still runs five seconds later is killed.
set -uo pipefail

: "${VN_SERVERS_DIR:?VN_SERVERS_DIR must name a folder}"
pids=()
for pid_file in "$VN_SERVERS_DIR"/*/pid; do
    [ -f "$pid_file" ] || continue
    pid=$(cat "$pid_file")
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
        pids+=("$pid")
    fi
done
for _ in $(seq 1 50); do
    running=0
    for pid in "${pids[@]}"; do
        kill -0 "$pid" 2>/dev/null && running=1
    done
    [ $running = 0 ] && break
    sleep 0.1
done
for pid in "${pids[@]}"; do
    kill -0 "$pid" 2>/dev/null && kill -9 "$pid" 2>/dev/null
done
rm -f "$VN_SERVERS_DIR"/*/pid
exit 0
