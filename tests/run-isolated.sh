#!/bin/sh
# Runs one test executable with a throw-away home and XDG folders, removed afterwards.
set -u
scratch=$(mktemp -d "${TMPDIR:-/tmp}/vn-test.XXXXXX") || exit 1
mkdir -p "$scratch/home" "$scratch/config" "$scratch/data" "$scratch/cache" "$scratch/runtime"
chmod 700 "$scratch/runtime"
HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" \
XDG_CACHE_HOME="$scratch/cache" XDG_RUNTIME_DIR="$scratch/runtime" VN_TEST_SCRATCH="$scratch" \
    "$@"
rc=$?
rm -rf "$scratch"
exit $rc
