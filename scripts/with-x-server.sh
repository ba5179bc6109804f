#!/usr/bin/env bash
# Runs a command on an X server of its own with a window manager, the way the windows meet
# an operator's desktop: Xvfb at 96 dots per inch with openbox. Both are stopped when the
# command ends, however it ends, and the command's exit status is passed on.
#   scripts/with-x-server.sh [--screen WIDTHxHEIGHT] COMMAND [ARGUMENT...]
# The screen is 1280x800 unless --screen gives another size (1600x1000, 1024x768).
# Needs the packages in TREMARO_X_PACKAGES (scripts/ensure-packages.sh).
set -euo pipefail

screen=1280x800
if [ "${1:-}" = "--screen" ]; then
    [[ ${2:-} =~ ^[0-9]+x[0-9]+$ ]] || { echo "with-x-server: --screen WIDTHxHEIGHT, not '${2:-}'" >&2; exit 2; }
    screen=$2
    shift 2
fi

work=$(mktemp -d)
server_pid=
manager_pid=
command_pid=

stop_x() {
    # Clients before the server they talk to.
    for pid in $command_pid $manager_pid $server_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap stop_x EXIT
trap 'exit 130' INT TERM HUP

fail() {
    echo "with-x-server: $1" >&2
    cat "$work"/*.log >&2 2>/dev/null || true
    exit 1
}

# Waits up to ten seconds for a check to succeed.
wait_for() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

display_number_written() { grep -q '^[0-9]\+$' "$work/display"; }
server_alive() { kill -0 "$server_pid" 2>/dev/null; }
manager_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# -displayfd lets the server take the first free display number and say which one once it
# accepts connections, so several runs at once never clash. -noreset keeps it as it is
# between clients.
start_server() {
    : >"$work/display"
    Xvfb -displayfd 3 -screen 0 "${screen}x24" -dpi 96 -nolisten tcp -noreset \
        3>"$work/display" 2>"$work/xvfb.log" &
    server_pid=$!
    wait_for display_number_written && server_alive
}

start_manager() {
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    manager_pid=$!
    wait_for manager_running && server_alive
}

stop_server_and_manager() {
    for pid in $manager_pid $server_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    manager_pid=
    server_pid=
}

# On this shared machine a server has been seen to vanish while starting, before any test
# ran; starting again is then the whole remedy.
started=false
for attempt in 1 2 3; do
    if start_server; then
        export DISPLAY=":$(cat "$work/display")"
        if start_manager; then
            started=true
            break
        fi
    fi
    echo "with-x-server: attempt $attempt to start Xvfb and openbox failed" >&2
    stop_server_and_manager
done
$started || fail "Xvfb with openbox did not start"

# In the background, so that a signal to this script stops everything at once instead of
# waiting for the command to end.
"$@" &
command_pid=$!
status=0
wait "$command_pid" || status=$?
command_pid=
exit "$status"
