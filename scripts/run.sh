#!/usr/bin/env bash
# Installs what is missing, builds and starts Verdimon Nuvo.
# By default the program talks to local stand-ins of the vendor's services (scripts/services),
# started for it and stopped when the last run ends; --no-local-services (or
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
# Not exec: the services are stopped after the program ends. The program runs in the
# background so that a signal to this script is handled at once.
"$VN_BUILD_DIR/verdimon-nuvo" "${args[@]}" &
program=$!
trap 'kill -TERM $program 2>/dev/null; wait $program; exit 130' INT
trap 'kill -TERM $program 2>/dev/null; wait $program; exit 143' TERM
wait $program
