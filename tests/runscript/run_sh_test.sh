#!/usr/bin/env bash
# Runs ./scripts/run.sh under Xvfb with a throw-away home: the local vendor services come up,
# the start-up update check reaches the HTTPS service, no message box about a missing network
# appears, and when the program ends no service process is left.
set -uo pipefail
root=$1
build=$2
work=$(mktemp -d /tmp/vn-runsh.XXXXXX)
pids=()
fail() {
    echo "FAIL: $*"
    echo "--- run.sh output:"
    cat "$work/run.log" 2>/dev/null
    exit 1
}
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Only what run.sh sets may point the program anywhere.
unset VN_WEB_HOST VN_WEB_PORT VN_WEB_BASE_URL VN_FTP_HOST VN_FTP_PORT VN_DB_HOST VN_DB_PORT \
    VN_TEST_CA_FILE VN_SERVERS_DIR QT_QPA_PLATFORM
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
    XDG_STATE_HOME="$work/home/.local/state" XDG_CACHE_HOME="$work/home/.cache"
# The single-instance segment and every temporary file stay in this run's own folder.
export TMPDIR="$work/tmp"
mkdir -p "$HOME" "$TMPDIR"
state="$XDG_STATE_HOME/verdimon-nuvo/services"

exec 3<> "$work/display"
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)

VN_BUILD_DIR="$build" "$root/scripts/run.sh" >"$work/run.log" 2>&1 &
run=$!
pids+=($run)

# The start-up check asks the HTTPS service for the channel's update description.
asked=0
for _ in $(seq 1 1800); do
    if grep -qs "^GET /apps/verdimon_nuvo/" "$state/https/requests.log"; then asked=1; break; fi
    kill -0 $run 2>/dev/null || fail "run.sh ended early"
    sleep 0.1
done
[ $asked = 1 ] || fail "the update check never reached the local HTTPS service"
service_pids=$(cat "$state"/*/pid 2>/dev/null)
[ -n "$service_pids" ] || fail "no service recorded its process"

# Then the program's own window comes (the splash takes about ten seconds), with no message box.
shown=0
for _ in $(seq 1 400); do
    titles=$(wmctrl -l 2>/dev/null | cut -d' ' -f5-)
    if grep -qxE 'Error|Information|Warning|Attention' <<<"$titles"; then
        fail "a message box appeared: $titles"
    fi
    if grep -q 'Verdimon Nuvo' <<<"$titles"; then shown=1; break; fi
    sleep 0.1
done
[ $shown = 1 ] || fail "no window of the program appeared; windows: $(wmctrl -l)"

kill -TERM $run
for _ in $(seq 1 100); do kill -0 $run 2>/dev/null || break; sleep 0.1; done
kill -0 $run 2>/dev/null && fail "run.sh did not end after SIGTERM"
for pid in $service_pids; do
    for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && fail "service process $pid is still running"
done
echo "1 passed, 0 failed"
exit 0
