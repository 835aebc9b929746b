#!/usr/bin/env bash
# Installs what is missing, builds and starts Verdimon Nuvo.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
vn_install_missing
vn_build -DVN_BUILD_TESTS=OFF
exec "$VN_BUILD_DIR/verdimon-nuvo" "$@"
