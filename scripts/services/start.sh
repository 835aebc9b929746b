#!/usr/bin/env bash
# Starts the loopback stand-ins for the vendor's servers and writes the addresses the tests need
# as KEY=VALUE lines to "$VN_SERVERS_DIR/env". stop.sh ends what this script started.
set -euo pipefail

: "${VN_SERVERS_DIR:?VN_SERVERS_DIR must name a folder}"
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
mkdir -p "$VN_SERVERS_DIR"
env_file="$VN_SERVERS_DIR/env"
: > "$env_file"

# wait_for_env <folder> <name>: waits until the stand-in started in <folder> has written its env
# file; ends the script when it died or never reported.
wait_for_env() {
    local dir=$1 name=$2
    for _ in $(seq 1 100); do
        [ -s "$dir/env" ] && return 0
        if ! kill -0 "$(cat "$dir/pid")" 2>/dev/null; then
            echo "$name stand-in failed to start:" >&2
            cat "$dir/out.log" >&2
            exit 1
        fi
        sleep 0.1
    done
    echo "$name stand-in did not report its port" >&2
    exit 1
}

# HTTPS web service: update descriptions, signed by a throw-away test authority.
https_dir="$VN_SERVERS_DIR/https"
mkdir -p "$https_dir"
rm -f "$https_dir/env"
/usr/bin/python3 "$here/https_service.py" --mode latest --dir "$https_dir" \
    --env-file "$https_dir/env" --request-log "$https_dir/requests.log" >"$https_dir/out.log" 2>&1 </dev/null &
echo $! >"$https_dir/pid"

wait_for_env "$https_dir" https
https_port=$(sed -n 's/^PORT=//p' "$https_dir/env")
https_ca=$(sed -n 's/^CA=//p' "$https_dir/env")
{
    echo "VN_WEB_HOST=127.0.0.1"
    echo "VN_WEB_PORT=$https_port"
    echo "VN_WEB_BASE_URL=https://127.0.0.1:$https_port"
    echo "VN_TEST_CA_FILE=$https_ca"
} >>"$env_file"

# FTP server for uploads: the upload account and its remote folders.
ftp_dir="$VN_SERVERS_DIR/ftp"
mkdir -p "$ftp_dir"
rm -f "$ftp_dir/env"
/usr/bin/python3 "$here/ftp_service.py" --mode normal --dir "$ftp_dir" \
    --env-file "$ftp_dir/env" --request-log "$ftp_dir/commands.log" >"$ftp_dir/out.log" 2>&1 </dev/null &
echo $! >"$ftp_dir/pid"

wait_for_env "$ftp_dir" ftp
{
    echo "VN_FTP_HOST=127.0.0.1"
    echo "VN_FTP_PORT=$(sed -n 's/^PORT=//p' "$ftp_dir/env")"
} >>"$env_file"
