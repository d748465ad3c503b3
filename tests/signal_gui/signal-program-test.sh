#!/bin/sh
# The console program as an operator uses it, on the current display: it starts with its connect
# dialog, the dialog is filled in with the keyboard (port and password), it logs in to the
# stand-in server on 127.0.0.1 and shows the server in its title, a command typed into its entry
# reaches the server, and closing the window ends the program and the connection.
#
# Usage: signal-program-test.sh [--runner COMMAND] SIGNAL_PROGRAM SERVER_PROGRAM
#   --runner COMMAND  runs both programs through COMMAND (for Windows: tests/support/wine-run.sh,
#                     in the prefix of the run)
#   SERVER_PROGRAM    the stand-in server program (tests/signal_server/server_main.cpp)
set -eu
runner=""
if [ "${1:-}" = --runner ]; then
    runner=$2
    shift 2
fi
[ $# -eq 2 ] || { echo "usage: $0 [--runner COMMAND] SIGNAL_PROGRAM SERVER_PROGRAM" >&2; exit 2; }
program=$1
server_program=$2
title="Iron Canopy Dedicated Server Remote"
password=secret
command="say Hello from the test"
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../support/x11-windows.sh"
use_work_folder signal-program-test

fail() {
    echo "FAIL: $*" >&2
    echo "the server received:" >&2
    server_lines >&2
    exit 1
}
# What the server wrote, without the carriage returns a Windows program writes.
server_lines() { tr -d '\r' <"$work/server.out"; }
# wait_for_line TEXT SECONDS: waits until the server has written the line TEXT.
wait_for_line() {
    tries=$(($2 * 10))
    until server_lines | grep -qxF "$1"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}
# Newest window of the program titled TITLE (the one made last has the highest id).
newest_window() { visible_windows "$program_pid" "$1" | sort -n | tail -n 1; }

: >"$work/server.out"
$runner "$server_program" record "$password" >"$work/server.out" &
server_pid=$!
pids="$server_pid"
tries=200
until port=$(server_lines | sed -n 's/^port //p') && [ -n "$port" ]; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] && is_running "$server_pid" || fail "the stand-in server did not start"
    sleep 0.1
done

$runner "$program" &
program_pid=$!
pids="$pids $program_pid"
# The console window and the connect dialog in front of it, both with the console's title.
wait_for_windows "$program_pid" "$title" 2 60 >/dev/null || fail "no connect dialog appeared"
dialog=$(newest_window "$title")
xdotool windowactivate --sync "$dialog" 2>/dev/null || true
# The focus starts in the host name, which holds 127.0.0.1: on to the port and the password.
xdotool key Tab key Home key shift+End type "$port"
xdotool key Tab type "$password"
xdotool key Return
wait_for_line "received $password" 20 || fail "the login did not reach the server"

connected="$title: 127.0.0.1:$port"
wait_for_windows "$program_pid" "$connected" 1 20 >/dev/null ||
    fail "the console does not show '$connected' in its title"
console=$(newest_window "$connected")
xdotool windowactivate --sync "$console" 2>/dev/null || true
xdotool type "$command"
xdotool key Return
wait_for_line "received $command" 20 || fail "the command did not reach the server"

# Closed as a user closes it: the window manager's close key asks the program to close it.
xdotool windowactivate --sync "$console" key alt+F4
tries=200
while is_running "$program_pid"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || fail "the program did not end when its window was closed"
    sleep 0.1
done
wait "$program_pid" || fail "the program ended with status $?"
wait "$server_pid" || fail "the server did not see the connection end (status $?)"
pids=""
echo "signal logged in on 127.0.0.1:$port and sent a command"
