# Shared local vendor services for run.sh: the first run starts them in a state folder that
# survives between runs, later concurrent runs reuse them, and the last run to end stops them.
# Source it, then: vn_services_acquire FOLDER (exports the addresses), vn_services_release.

VN_SERVICES_HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# True when every service recorded in the folder still runs and the addresses are written.
vn_services_running() {
    local dir=$1 pid_file found=0
    [ -s "$dir/env" ] || return 1
    for pid_file in "$dir"/*/pid; do
        [ -f "$pid_file" ] || continue
        found=1
        kill -0 "$(cat "$pid_file")" 2>/dev/null || return 1
    done
    [ $found = 1 ]
}

vn_services_acquire() {
    VN_SERVICES_STATE=$1
    mkdir -p "$VN_SERVICES_STATE/clients"
    chmod 700 "$VN_SERVICES_STATE"
    (
        flock 9
        if ! vn_services_running "$VN_SERVICES_STATE"; then
            VN_SERVERS_DIR="$VN_SERVICES_STATE" "$VN_SERVICES_HERE/stop.sh" >/dev/null 2>&1 9>&-
            echo "Starting the local vendor services (state in $VN_SERVICES_STATE) ..."
            VN_SERVERS_DIR="$VN_SERVICES_STATE" VN_SERVICES_TOLERANT=1 \
                "$VN_SERVICES_HERE/start.sh" 9>&- || true
        else
            echo "Using the local vendor services already running (state in $VN_SERVICES_STATE)."
        fi
        echo "$$" >"$VN_SERVICES_STATE/clients/$$"
    ) 9>"$VN_SERVICES_STATE/lock"
    set -a
    # shellcheck disable=SC1091
    source "$VN_SERVICES_STATE/env"
    set +a
}

# Forgets this run; stops the services when no other run uses them.
vn_services_release() {
    [ -n "${VN_SERVICES_STATE:-}" ] || return 0
    (
        flock 9
        rm -f "$VN_SERVICES_STATE/clients/$$"
        local client
        for client in "$VN_SERVICES_STATE"/clients/*; do
            [ -f "$client" ] || continue
            if kill -0 "$(basename "$client")" 2>/dev/null; then
                exit 0
            fi
            rm -f "$client"
        done
        VN_SERVERS_DIR="$VN_SERVICES_STATE" "$VN_SERVICES_HERE/stop.sh" >/dev/null 2>&1
    ) 9>"$VN_SERVICES_STATE/lock"
    VN_SERVICES_STATE=
}
