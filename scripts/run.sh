#!/usr/bin/env bash
# Installs what is missing, builds and starts Verdimon Nuvo.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
vn_install_missing "${VN_PACKAGES[@]}"
vn_build verdimon-nuvo
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Built $VN_BUILD_DIR/verdimon-nuvo, but there is no display to show it on." >&2
    echo "Run this from a desktop session (DISPLAY or WAYLAND_DISPLAY must be set)." >&2
    exit 1
fi
exec "$VN_BUILD_DIR/verdimon-nuvo" "$@"
