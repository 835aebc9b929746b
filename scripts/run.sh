#!/usr/bin/env bash
# Installs what is missing, builds and starts Verdimon Nuvo.
# By default the program talks to local stand-ins of the vendor's services (scripts/services),
# started for it and stopped when the last run ends (a run lasts while any program it started,
# or a copy that program restarted, still runs); --no-local-services (or
# VN_NO_LOCAL_SERVICES=1) starts it against its compiled-in addresses, as an installed copy runs.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

local_services=1
[ "${VN_NO_LOCAL_SERVICES:-0}" = 1 ] && local_services=0
args=()
for arg in "$@"; do
    case "$arg" in
        --no-local-services) local_services=0 ;;
        *) args+=("$arg") ;;
    esac
done

packages=("${VN_PACKAGES[@]}")
[ $local_services = 1 ] && packages+=("${VN_SERVICE_PACKAGES[@]}")
vn_install_missing "${packages[@]}"
vn_build verdimon-nuvo
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Built $VN_BUILD_DIR/verdimon-nuvo, but there is no display to show it on." >&2
    echo "Run this from a desktop session (DISPLAY or WAYLAND_DISPLAY must be set)." >&2
    exit 1
fi
if [ $local_services = 0 ]; then
    exec "$VN_BUILD_DIR/verdimon-nuvo" "${args[@]}"
fi

source "$VN_ROOT/scripts/services/session.sh"
state=${VN_SERVICES_STATE_DIR:-"${XDG_STATE_HOME:-$HOME/.local/state}/verdimon-nuvo/services"}
trap vn_services_release EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
vn_services_acquire "$state"

# Every program of this run carries the run's mark in its environment. A restart from inside
# (a font change, the crash handler, an update) starts a fresh copy in a session of its own,
# which inherits the mark; the services stay while any marked program lives.
export VN_RUN_ID="$$.$(date +%s%N)"
run_mark="VN_RUN_ID=$VN_RUN_ID"
run_programs() {
    local dir comm
    for dir in /proc/[0-9]*; do
        { read -r comm <"$dir/comm"; } 2>/dev/null || continue
        [ "$comm" = verdimon-nuvo ] || continue
        grep -qzx -- "$run_mark" "$dir/environ" 2>/dev/null && echo "${dir#/proc/}"
    done
}
# Ctrl+C or a signal to this script ends every program of the run: each gets SIGTERM (its quit
# steps run), and whatever still runs a few seconds later is killed.
stop_programs() {
    local pids _
    # The run leaves nothing behind, not even the pause of its wait below.
    [ -n "$nap" ] && kill "$nap" 2>/dev/null
    pids=$(run_programs)
    [ -n "$pids" ] && kill -TERM $pids 2>/dev/null
    for _ in $(seq 1 50); do
        pids=$(run_programs)
        [ -z "$pids" ] && break
        sleep 0.1
    done
    if [ -n "$pids" ]; then
        kill -KILL $pids 2>/dev/null
        for _ in $(seq 1 20); do
            [ -z "$(run_programs)" ] && break
            sleep 0.1
        done
    fi
    exit "$1"
}
nap=
trap 'stop_programs 130' INT
trap 'stop_programs 143' TERM
trap 'stop_programs 129' HUP

# The program runs in the background so that a signal to this script is handled at once. Its
# status does not end the run: a copy that crashed or restarted itself ends (3 after the crash
# handler's restart) while the copy it started still needs the services. The run ends when no
# program of it runs, with the first program's status.
"$VN_BUILD_DIR/verdimon-nuvo" "${args[@]}" &
status=0
wait $! || status=$?
while [ -n "$(run_programs)" ]; do
    sleep 0.5 &
    nap=$!
    wait $nap
done
exit "$status"
