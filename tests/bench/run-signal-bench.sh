#!/bin/sh
# Console flood benchmark (run by hand, not a test).
#
# 1. The stand-in server sends COUNT messages of SIZE bytes as fast as it can, first to the console
#    application, then to a headless client that only reads; both report messages per second,
#    peak memory and the time per message in the first and the last thousand.
# 2. Output with and without line breaks: LINES_COUNT messages of LINES_SIZE bytes (1 MB by
#    default) to the console, once each ending in a line break and once with none at all.
#
#   tests/bench/run-signal-bench.sh [BUILD_DIR] [COUNT] [SIZE] [LINES_COUNT] [LINES_SIZE]
set -eu
BUILD=${1:-build}
COUNT=${2:-20000}
SIZE=${3:-100}
LINES_COUNT=${4:-1000}
LINES_SIZE=${5:-1000}
work=$(mktemp -d)
server=
trap '[ -n "$server" ] && kill "$server" 2>/dev/null; rm -rf "$work"' EXIT
export NO_AT_BRIDGE=1

# Starts the server with the given arguments; sets $server and $port.
start_server() {
    rm -f "$work/port"
    mkfifo "$work/port"
    "$BUILD/tests/signal_server/signal_test_server" "$@" >"$work/port" &
    server=$!
    read -r _ port <"$work/port"
}

# Runs the console's benchmark client against $port for the given number of messages.
console() {
    if [ -n "${DISPLAY:-}" ]; then
        HOME="$work" "$BUILD/tests/bench/signal_flood_bench" "$port" "$1"
    else
        HOME="$work" xvfb-run -a -s '-screen 0 1600x1200x24' \
            "$BUILD/tests/bench/signal_flood_bench" "$port" "$1"
    fi
}

start_server "$COUNT" "$SIZE" 2
echo "== flood: server on 127.0.0.1:$port, $COUNT messages of $SIZE bytes"
console "$COUNT"
"$BUILD/tests/bench/signal_flood_client" "$port" "$COUNT"
wait "$server"

for breaks in with without; do
    if [ "$breaks" = with ]; then start_server "$LINES_COUNT" "$LINES_SIZE" 1; else
        start_server "$LINES_COUNT" "$LINES_SIZE" 1 nobreak; fi
    echo "== $LINES_COUNT messages of $LINES_SIZE bytes, $breaks line breaks"
    console "$LINES_COUNT"
    wait "$server"
done
server=
