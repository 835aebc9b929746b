#!/usr/bin/env bash
# Runs ./scripts/run.sh under Xvfb with a throw-away home: the local vendor services come up,
# the start-up update check reaches the HTTPS service, no message box about a missing network
# appears; a restart from inside whose first copy then ends with the crash handler's status keeps
# the services for the restarted program, and the run ends with that status when the restarted
# program ends; a second run sets the ready accounts' passwords back, and Ctrl+C ends the
# programs and the services within seconds. No process of a run outlives it. The test provides
# the display and a session bus of its own (without one, libdbus forks to start a bus, and under
# AddressSanitizer such a child can hang in the allocator); when it ends, so does every process
# it started.
set -uo pipefail
root=$1
build=$2
work=$(mktemp -d /tmp/vn-runsh.XXXXXX)
pids=()
environment_pids=()
# Every process this test starts, and every process those start, carries this in its environment.
export VN_RUNSH_WORK="$work"
mark="VN_RUNSH_WORK=$work"
fail() {
    echo "FAIL: $*"
    echo "--- run.sh output:"
    cat "$work/run.log" 2>/dev/null
    exit 1
}

# True when process folder $1 carries the mark (shell built-ins only: no process of the listing
# itself can show up in it).
has_mark() {
    local entries entry
    mapfile -d '' entries 2>/dev/null <"$1/environ" || return 1
    for entry in "${entries[@]}"; do
        [ "$entry" = "$mark" ] && return 0
    done
    return 1
}
# Sets `found` to the processes carrying the mark, but this script's own shell.
find_marked() {
    local dir
    found=()
    for dir in /proc/[0-9]*; do
        [ "${dir#/proc/}" = "$BASHPID" ] && continue
        has_mark "$dir" && found+=("${dir#/proc/}")
    done
}
# Sets `parent` to the parent of process $1 (empty when it is gone).
parent_of() {
    local line=""
    parent=""
    { read -r line <"/proc/$1/stat"; } 2>/dev/null || return 0
    line=${line##*) }
    read -r _ parent _ <<<"$line"
}
# Sets `leftover` to the marked processes that belong to neither the display nor the bus this
# test provides (the processes of the runs), each as its id and command.
find_leftovers() {
    local pid ancestor cmdline
    find_marked
    leftover=()
    for pid in "${found[@]}"; do
        ancestor=$pid
        while [ -n "$ancestor" ] && [ "$ancestor" -gt 1 ]; do
            [[ " ${environment_pids[*]} " == *" $ancestor "* ]] && continue 2
            parent_of "$ancestor"
            ancestor=$parent
        done
        cmdline=$(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null)
        [ -d "/proc/$pid" ] && leftover+=("$pid ${cmdline:-?}")
    done
}
# Fails when a process of the runs is still there a moment after its run ended.
expect_nothing_left() {
    for _ in $(seq 1 30); do
        find_leftovers
        [ ${#leftover[@]} = 0 ] && return 0
        sleep 0.1
    done
    fail "processes of the run outlived it: $(printf '[%s] ' "${leftover[@]}")"
}

cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    # Whatever else the test started: a run's processes, and anything the bus or display started.
    find_marked
    [ ${#found[@]} -gt 0 ] && kill -TERM "${found[@]}" 2>/dev/null
    for _ in $(seq 1 50); do
        find_marked
        [ ${#found[@]} = 0 ] && break
        sleep 0.1
    done
    [ ${#found[@]} -gt 0 ] && kill -KILL "${found[@]}" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Only what run.sh sets may point the program anywhere.
unset VN_WEB_HOST VN_WEB_PORT VN_WEB_BASE_URL VN_FTP_HOST VN_FTP_PORT VN_DB_HOST VN_DB_PORT \
    VN_TEST_CA_FILE VN_SERVERS_DIR QT_QPA_PLATFORM
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
    XDG_STATE_HOME="$work/home/.local/state" XDG_CACHE_HOME="$work/home/.cache"
# The single-instance segment and every temporary file stay in this run's own folder.
export TMPDIR="$work/tmp"
mkdir -p "$HOME" "$TMPDIR"
state="$XDG_STATE_HOME/verdimon-nuvo/services"

# A session bus of the test's own, as a desktop session has one; it starts no services.
cat >"$work/bus.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path=$work/bus</listen>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus"
dbus-daemon --config-file="$work/bus.conf" --nofork --nopidfile >"$work/bus.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do [ -S "$work/bus" ] && break; sleep 0.1; done
[ -S "$work/bus" ] || fail "the session bus did not start: $(cat "$work/bus.log")"

exec 3<> "$work/display"
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
# The bus and the display stay for the whole test; everything else belongs to a run.
environment_pids=("${pids[@]}")

# As from a terminal: Ctrl+C reaches run.sh (a background job of this script would ignore it).
start_run() {
    VN_BUILD_DIR="$build" /usr/bin/python3 -c 'import os, signal, sys
signal.signal(signal.SIGINT, signal.SIG_DFL)
os.execv(sys.argv[1], sys.argv[1:])' "$root/scripts/run.sh" >"$work/run.log" 2>&1 &
    run=$!
    pids+=($run)
}

# The programs of this test's run (by their home).
programs() {
    local dir comm
    for dir in /proc/[0-9]*; do
        { read -r comm <"$dir/comm"; } 2>/dev/null || continue
        [ "$comm" = verdimon-nuvo ] || continue
        grep -qzx -- "HOME=$HOME" "$dir/environ" 2>/dev/null && echo "${dir#/proc/}"
    done
}
# Titles of the windows of process $1 (all windows without one).
titles_of() {
    wmctrl -lp 2>/dev/null | awk -v pid="${1:-}" 'pid == "" || $3 == pid {
        $1 = $2 = $3 = $4 = ""; sub(/^ +/, ""); print }'
}
# Runs SQL on the run's account database as its administrator (through its socket).
db_sql() {
    local env="$state/mariadb/env"
    mariadb --no-defaults --batch --skip-column-names \
        --socket="$(sed -n 's/^DB_SOCKET=//p' "$env")" --user="$(sed -n 's/^DB_ADMIN=//p' "$env")" \
        --database="$(sed -n 's/^DB_NAME=//p' "$env")" -e "$1"
}
# Sets the password of account $1 to $2, in the stored form the account service writes.
set_password() {
    local stored
    stored=$(/usr/bin/python3 -c 'import sys; sys.path.insert(0, sys.argv[1]); import web_accounts
print(web_accounts.stored_form(sys.argv[2]))' "$root/scripts/services" "$2") || return 1
    db_sql "UPDATE users SET password = '$stored' WHERE username = '$1'"
}
# True when the stored password of account $1 is $2.
password_is() {
    local stored
    stored=$(db_sql "SELECT password FROM users WHERE username = '$1'") || return 1
    /usr/bin/python3 -c 'import sys; sys.path.insert(0, sys.argv[1]); import web_accounts
sys.exit(0 if web_accounts.password_matches(sys.argv[3], sys.argv[2]) else 1)' \
        "$root/scripts/services" "$stored" "$2"
}

update_checks() {
    local count
    count=$(grep -cs "^GET /apps/verdimon_nuvo/" "$state/https/requests.log")
    echo "${count:-0}"
}
# Waits until the program's window is shown (the splash takes about ten seconds) and, with $1,
# until that many update checks reached the HTTPS service; fails on any message box meanwhile.
wait_for_window() {
    local checks=${1:-0} titles=""
    for _ in $(seq 1 600); do
        titles=$(titles_of)
        if grep -qxE 'Error|Information|Warning|Attention' <<<"$titles"; then
            fail "a message box appeared: $titles"
        fi
        kill -0 $run 2>/dev/null || fail "run.sh ended early"
        [ "$(update_checks)" -ge "$checks" ] && grep -q 'Verdimon Nuvo' <<<"$titles" && return 0
        sleep 0.1
    done
    [ "$(update_checks)" -ge "$checks" ] || fail "update check $checks never reached the HTTPS service"
    fail "no window of the program appeared; windows: $titles"
}

start_run
# The start-up check asks the HTTPS service for the channel's update description.
asked=0
for _ in $(seq 1 1800); do
    if [ "$(update_checks)" -ge 1 ]; then asked=1; break; fi
    kill -0 $run 2>/dev/null || fail "run.sh ended early"
    sleep 0.1
done
[ $asked = 1 ] || fail "the update check never reached the local HTTPS service"
service_pids=$(cat "$state"/*/pid 2>/dev/null)
[ -n "$service_pids" ] || fail "no service recorded its process"
# Then the program's own window comes, with no message box.
wait_for_window 1
first=$(programs)
[ -n "$first" ] || fail "the program's process was not found"
# Passwords changed as "Forget your password?" changes them: the ready account's is set back by
# the next run, another account's stays.
set_password alice 'Changed+Pass2' && set_password carol 'Changed+Pass3' \
    || fail "the passwords could not be changed in the account database"
password_is alice 'Changed+Pass2' || fail "alice's changed password was not stored"

# A restart from inside, as the program makes one (a font change, the crash handler, an
# update): a fresh copy with the program's environment in a session of its own, "-restart".
mapfile -d '' environment <"/proc/$first/environ"
setsid env -i "${environment[@]}" "$build/verdimon-nuvo" -restart </dev/null >"$work/restarted.log" 2>&1 &
# The first copy then ends as after a crash: the crash handler turns it into the feedback
# question, which ends with status 3 (here on SIGTERM rather than an answer).
kill -SEGV "$first"
asking=0
for _ in $(seq 1 300); do
    if grep -qx 'Error' <<<"$(titles_of "$first")"; then asking=1; break; fi
    kill -0 "$first" 2>/dev/null || fail "the crashed program ended without its feedback question"
    sleep 0.1
done
[ $asking = 1 ] || fail "the crashed program showed no feedback question: $(titles_of)"
kill -TERM "$first"
for _ in $(seq 1 100); do kill -0 "$first" 2>/dev/null || break; sleep 0.1; done
kill -0 "$first" 2>/dev/null && fail "the first program did not quit on SIGTERM"
sleep 2
kill -0 $run 2>/dev/null || fail "run.sh ended while the restarted program runs"
for pid in $service_pids; do
    kill -0 "$pid" 2>/dev/null || fail "service $pid stopped under the restarted program"
done
# The restarted program reaches the services too (its update check), and shows no error box.
wait_for_window 2

# The restarted program ends: so do the run, with the first program's status, and the services.
restarted=$(programs)
[ -n "$restarted" ] || fail "the restarted program's process was not found"
kill -TERM $restarted
for _ in $(seq 1 150); do kill -0 $run 2>/dev/null || break; sleep 0.1; done
kill -0 $run 2>/dev/null && fail "run.sh did not end after the restarted program"
wait $run
status=$?
[ $status = 3 ] || fail "run.sh ended with status $status instead of the first program's 3"
for pid in $service_pids; do
    kill -0 "$pid" 2>/dev/null && fail "service process $pid is still running after the run"
done
expect_nothing_left

# A second run: the README's ready accounts have their passwords again; Ctrl+C ends the
# programs, run.sh and the services within seconds.
start_run
wait_for_window 0
password_is alice 'Alice+Pass1' || fail "alice's password was not set back by the second run"
password_is bob 'bob-secret' || fail "bob's password is not the README's"
password_is carol 'Changed+Pass3' || fail "another account's changed password did not stay"
service_pids=$(cat "$state"/*/pid 2>/dev/null)
[ -n "$service_pids" ] || fail "no service recorded its process in the second run"
[ -n "$(programs)" ] || fail "the program's process was not found in the second run"
started=$(date +%s)
kill -INT $run
for _ in $(seq 1 150); do kill -0 $run 2>/dev/null || break; sleep 0.1; done
kill -0 $run 2>/dev/null && fail "run.sh did not end after Ctrl+C"
[ -z "$(programs)" ] || fail "a program of the run is still running: $(programs)"
for pid in $service_pids; do
    kill -0 "$pid" 2>/dev/null && fail "service process $pid is still running"
done
elapsed=$(($(date +%s) - started))
[ $elapsed -le 10 ] || fail "ending after Ctrl+C took $elapsed s"
expect_nothing_left
echo "1 passed, 0 failed"
exit 0
