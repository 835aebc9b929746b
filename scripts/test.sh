#!/usr/bin/env bash
# Installs what is missing, builds, starts the local stand-in servers and runs every test.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
vn_install_missing "${VN_PACKAGES[@]}" "${VN_TEST_PACKAGES[@]}"
cmake -S "$VN_ROOT" -B "$VN_BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVN_BUILD_TESTS=ON >/dev/null
vn_build

# Stand-ins for the vendor's servers, on loopback only; stopped when this script ends.
VN_SERVERS_DIR=$(mktemp -d /tmp/vn-servers.XXXXXX)
export VN_SERVERS_DIR
cleanup() {
    if [ -x "$VN_ROOT/scripts/services/stop.sh" ]; then
        "$VN_ROOT/scripts/services/stop.sh" || true
    fi
    rm -rf "$VN_SERVERS_DIR"
}
trap cleanup EXIT
if [ -x "$VN_ROOT/scripts/services/start.sh" ]; then
    # start.sh writes the addresses the tests need to $VN_SERVERS_DIR/env
    "$VN_ROOT/scripts/services/start.sh"
    set -a
    # shellcheck disable=SC1091
    source "$VN_SERVERS_DIR/env"
    set +a
fi

cd "$VN_BUILD_DIR"
ctest --output-on-failure --parallel "$(nproc 2>/dev/null || echo 2)" "$@"
