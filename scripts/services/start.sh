#!/usr/bin/env bash
# Starts the loopback stand-ins for the vendor's servers and writes the addresses the program
# needs as KEY=VALUE lines to "$VN_SERVERS_DIR/env". stop.sh ends what this script started.
# The folder keeps each service's state, so a folder that survives between runs (run.sh) keeps
# its certificates, files and accounts.
# With VN_SERVICES_TOLERANT=1 a service that fails to start is reported and left out, and the
# others still start (run.sh: the program then meets an unreachable host, as it would anyway).
set -euo pipefail

: "${VN_SERVERS_DIR:?VN_SERVERS_DIR must name a folder}"
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
mkdir -p "$VN_SERVERS_DIR"
env_file="$VN_SERVERS_DIR/env"
: > "$env_file"

# wait_for_env <folder> <name>: waits until the service of <folder> wrote its env file.
wait_for_env() {
    local dir=$1 name=$2
    for _ in $(seq 1 300); do
        [ -s "$dir/env" ] && return 0
        if ! kill -0 "$(cat "$dir/pid")" 2>/dev/null; then
            echo "$name stand-in failed to start:" >&2
            cat "$dir/out.log" >&2
            rm -f "$dir/pid"
            return 1
        fi
        sleep 0.1
    done
    echo "$name stand-in did not report its port within 30 s" >&2
    return 1
}

# Account database (MariaDB): its data folder stays under the state folder, so only the first
# start of a state folder pays for creating it. It starts while the others start.
launch_mariadb() {
    local dir="$VN_SERVERS_DIR/mariadb"
    mkdir -p "$dir"
    rm -f "$dir/env"
    setsid /usr/bin/python3 "$here/mariadb_service.py" --dir "$dir" --env-file "$dir/env" \
        >"$dir/out.log" 2>&1 </dev/null &
    echo $! >"$dir/pid"
}

start_mariadb() {
    local dir="$VN_SERVERS_DIR/mariadb"
    wait_for_env "$dir" MariaDB || return 1
    local key
    for key in HOST PORT NAME USER PASSWORD; do
        echo "VN_DB_$key=$(sed -n "s/^DB_$key=//p" "$dir/env")"
    done >>"$env_file"
}

# HTTPS web service, signed by a test authority of this folder; it asks the database whether an
# e-mail address is in use.
start_https() {
    local dir="$VN_SERVERS_DIR/https"
    mkdir -p "$dir"
    rm -f "$dir/env"
    setsid /usr/bin/python3 "$here/https_service.py" --mode latest --dir "$dir" \
        --env-file "$dir/env" --request-log "$dir/requests.log" \
        --accounts-db-env "$VN_SERVERS_DIR/mariadb/env" >"$dir/out.log" 2>&1 </dev/null &
    echo $! >"$dir/pid"
    wait_for_env "$dir" HTTPS || return 1
    local port ca
    port=$(sed -n 's/^PORT=//p' "$dir/env")
    ca=$(sed -n 's/^CA=//p' "$dir/env")
    {
        echo "VN_WEB_HOST=127.0.0.1"
        echo "VN_WEB_PORT=$port"
        echo "VN_WEB_BASE_URL=https://127.0.0.1:$port"
        echo "VN_TEST_CA_FILE=$ca"
    } >>"$env_file"
}

# FTP server for uploads: the upload account and its remote folders.
start_ftp() {
    local dir="$VN_SERVERS_DIR/ftp"
    mkdir -p "$dir"
    rm -f "$dir/env"
    setsid /usr/bin/python3 "$here/ftp_service.py" --mode normal --dir "$dir" \
        --env-file "$dir/env" --request-log "$dir/commands.log" \
        >"$dir/out.log" 2>&1 </dev/null &
    echo $! >"$dir/pid"
    wait_for_env "$dir" FTP || return 1
    {
        echo "VN_FTP_HOST=127.0.0.1"
        echo "VN_FTP_PORT=$(sed -n 's/^PORT=//p' "$dir/env")"
    } >>"$env_file"
}

launch_mariadb
failed=()
for service in https ftp mariadb; do
    if ! "start_$service"; then
        failed+=("$service")
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "Not started: ${failed[*]}" >&2
    if [ "${VN_SERVICES_TOLERANT:-0}" != 1 ]; then
        "$here/stop.sh"
        exit 1
    fi
fi
exit 0
