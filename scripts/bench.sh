#!/usr/bin/env bash
# Installs what is missing, builds the detection benchmark and runs it on this machine and on a
# fake machine of 5,000 processes, 2,500 applications and 1,250 services. Extra arguments go to
# both runs (--rounds R, --soak B).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
vn_install_missing "${VN_PACKAGES[@]}" "${VN_BENCH_PACKAGES[@]}"
vn_build bench_detections
bench="$VN_BUILD_DIR/tests/detections/bench_detections"
echo "== this machine (load: $(cut -d' ' -f1-3 /proc/loadavg))"
"$bench" "$@"
echo "== fake machine at scale (load: $(cut -d' ' -f1-3 /proc/loadavg))"
"$bench" --fake 5000 "$@"
