# Shared by run.sh and test.sh: install what is missing, then configure and build.
set -euo pipefail

VN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VN_BUILD_DIR=${VN_BUILD_DIR:-"$VN_ROOT/build"}

# Debian 12 packages the build and the program need.
VN_PACKAGES=(
    cmake g++ make pkg-config ccache
    qtbase5-dev qtbase5-dev-tools libqt5svg5-dev qttools5-dev qttools5-dev-tools
    libqt5sql5-mysql qttranslations5-l10n
    libkmod-dev libudev-dev libcups2-dev zlib1g-dev libcurl4-openssl-dev pci.ids usb.ids
    fonts-liberation2 fonts-dejavu-core fonts-open-sans fonts-roboto-unhinted
    iputils-ping pkexec
)
# The local stand-ins of the vendor's services (scripts/services): the HTTPS web service
# (Python's standard library and a test CA made with openssl), the FTP server (pyftpdlib) and the
# account database (MariaDB, and the driver the web service asks it with).
VN_SERVICE_PACKAGES=(
    python3 openssl util-linux python3-pyftpdlib mariadb-server python3-pymysql
)
# What the tests add: the services, xmllint and the PDF tools that check saved reports, and a
# display for screenshots and the run.sh test.
VN_TEST_PACKAGES=(
    "${VN_SERVICE_PACKAGES[@]}"
    libxml2-utils poppler-utils
    xvfb xauth openbox wmctrl procps desktop-file-utils
)
# What the detection benchmark (scripts/bench.sh) adds: the scan it is compared with.
VN_BENCH_PACKAGES=(
    lshw
)

# vn_install_missing [package...]: installs those of the given packages that are missing.
vn_install_missing() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Run as root to install packages: ${missing[*]}" >&2
        return 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# vn_build [target...]: configures once and builds the given targets (all when none).
vn_build() {
    local jobs
    jobs=$(nproc 2>/dev/null || echo 2)
    if [ ! -f "$VN_BUILD_DIR/CMakeCache.txt" ]; then
        cmake -S "$VN_ROOT" -B "$VN_BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    fi
    local targets=()
    local t
    for t in "$@"; do
        targets+=(--target "$t")
    done
    cmake --build "$VN_BUILD_DIR" --parallel "$jobs" "${targets[@]}"
}
