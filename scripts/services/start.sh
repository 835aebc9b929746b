#!/usr/bin/env bash
# Starts the loopback stand-ins for the vendor's servers and writes the addresses the tests need
# as KEY=VALUE lines to "$VN_SERVERS_DIR/env". stop.sh ends what this script started.
set -euo pipefail

: "${VN_SERVERS_DIR:?VN_SERVERS_DIR must name a folder}"
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
mkdir -p "$VN_SERVERS_DIR"
env_file="$VN_SERVERS_DIR/env"
: > "$env_file"

# Account database (MariaDB): its data folder stays under the state folder, so only the first
# start of a state folder pays for creating it. It starts while the web service starts.
db_dir="$VN_SERVERS_DIR/mariadb"
mkdir -p "$db_dir"
rm -f "$db_dir/env"
/usr/bin/python3 "$here/mariadb_service.py" --dir "$db_dir" --env-file "$db_dir/env" \
    >"$db_dir/out.log" 2>&1 </dev/null &
echo $! >"$db_dir/pid"

# HTTPS web service: update descriptions and account services, signed by a throw-away test
# authority; it asks the database whether an e-mail address is in use.
https_dir="$VN_SERVERS_DIR/https"
mkdir -p "$https_dir"
rm -f "$https_dir/env"
/usr/bin/python3 "$here/https_service.py" --mode latest --dir "$https_dir" \
    --env-file "$https_dir/env" --request-log "$https_dir/requests.log" \
    --accounts-db-env "$db_dir/env" >"$https_dir/out.log" 2>&1 </dev/null &
echo $! >"$https_dir/pid"

for _ in $(seq 1 100); do
    [ -s "$https_dir/env" ] && break
    if ! kill -0 "$(cat "$https_dir/pid")" 2>/dev/null; then
        echo "https stand-in failed to start:" >&2
        cat "$https_dir/out.log" >&2
        exit 1
    fi
    sleep 0.1
done
if [ ! -s "$https_dir/env" ]; then
    echo "https stand-in did not report its port" >&2
    exit 1
fi
https_port=$(sed -n 's/^PORT=//p' "$https_dir/env")
https_ca=$(sed -n 's/^CA=//p' "$https_dir/env")
{
    echo "VN_WEB_HOST=127.0.0.1"
    echo "VN_WEB_PORT=$https_port"
    echo "VN_WEB_BASE_URL=https://127.0.0.1:$https_port"
    echo "VN_TEST_CA_FILE=$https_ca"
} >>"$env_file"

for _ in $(seq 1 300); do
    [ -s "$db_dir/env" ] && break
    if ! kill -0 "$(cat "$db_dir/pid")" 2>/dev/null; then
        echo "database stand-in failed to start:" >&2
        cat "$db_dir/out.log" >&2
        exit 1
    fi
    sleep 0.1
done
if [ ! -s "$db_dir/env" ]; then
    echo "database stand-in did not report its port" >&2
    exit 1
fi
{
    echo "VN_DB_HOST=$(sed -n 's/^DB_HOST=//p' "$db_dir/env")"
    echo "VN_DB_PORT=$(sed -n 's/^DB_PORT=//p' "$db_dir/env")"
    echo "VN_DB_NAME=$(sed -n 's/^DB_NAME=//p' "$db_dir/env")"
    echo "VN_DB_USER=$(sed -n 's/^DB_USER=//p' "$db_dir/env")"
    echo "VN_DB_PASSWORD=$(sed -n 's/^DB_PASSWORD=//p' "$db_dir/env")"
} >>"$env_file"
