# Shell functions for scripts that start a program on the current X display and look at its
# windows. Source this file; it needs xdotool (Debian's xdotool).

# is_running PID: true while process PID exists and has not ended (a child that ended but was not
# yet waited for counts as ended).
is_running() {
    [ -r "/proc/$1/stat" ] || return 1
    state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -c1)
    [ -n "$state" ] && [ "$state" != Z ] && [ "$state" != X ]
}

# visible_windows PID TITLE: prints the ids of the mapped windows of process PID titled TITLE.
# The title is compared with the window's UTF-8 name (xdotool's own name search reads only the
# legacy name, which GTK does not set).
visible_windows() {
    for w in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$2" ] && echo "$w"
    done
    return 0
}

# wait_for_windows PID TITLE COUNT SECONDS: waits until process PID shows at least COUNT windows
# titled TITLE and prints their ids. Fails when the process ends or SECONDS pass first.
wait_for_windows() {
    tries=$(($4 * 10))
    while [ "$tries" -gt 0 ]; do
        is_running "$1" || return 1
        ids=$(visible_windows "$1" "$2")
        if [ "$(printf '%s' "$ids" | grep -c .)" -ge "$3" ]; then
            echo "$ids"
            return 0
        fi
        sleep 0.1
        tries=$((tries - 1))
    done
    return 1
}

# stop_program PID: asks process PID to end, kills it when it has not ended within 5 seconds, and
# reaps it.
stop_program() {
    kill -TERM "$1" 2>/dev/null || true
    tries=50
    while is_running "$1" && [ "$tries" -gt 0 ]; do
        sleep 0.1
        tries=$((tries - 1))
    done
    kill -KILL "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# use_work_folder PREFIX: makes a temporary folder $work and arranges that, when the script ends,
# every process listed in $pids is killed and the folder removed.
use_work_folder() {
    work=$(mktemp -d "${TMPDIR:-/tmp}/$1-XXXXXX")
    pids=""
    trap 'for p in $pids; do kill -KILL "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT
    trap 'exit 1' INT TERM
}
