#!/bin/sh
# Console flood benchmark (run by hand, not a test): the stand-in server sends COUNT messages of
# SIZE bytes as fast as it can, first to the console application, then to a headless client
# that only reads; both report messages per second, peak memory and the time per message in
# the first and the last thousand. Then 1 MB (1000 messages of 1000 bytes) goes to the console
# twice: each message ending in a line break, and without any line break.
#
#   tests/bench/run-signal-bench.sh [BUILD_DIR] [COUNT] [SIZE]
set -eu
BUILD=${1:-build}
COUNT=${2:-20000}
SIZE=${3:-100}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkfifo "$work/port"
"$BUILD/tests/signal_server/signal_test_server" "$COUNT" "$SIZE" 2 >"$work/port" &
server=$!
read -r _ port <"$work/port"
echo "server on 127.0.0.1:$port, $COUNT messages of $SIZE bytes"

export NO_AT_BRIDGE=1
console() { # PORT COUNT
    if [ -n "${DISPLAY:-}" ]; then
        HOME="$work" "$BUILD/tests/bench/signal_flood_bench" "$1" "$2"
    else
        HOME="$work" xvfb-run -a -s '-screen 0 1600x1200x24' \
            "$BUILD/tests/bench/signal_flood_bench" "$1" "$2"
    fi
}
console "$port" "$COUNT"
"$BUILD/tests/bench/signal_flood_client" "$port" "$COUNT"
wait "$server"

for breaks in "" nobreak; do
    "$BUILD/tests/signal_server/signal_test_server" 1000 1000 1 $breaks >"$work/port" &
    server=$!
    read -r _ port <"$work/port"
    echo "1000 messages of 1000 bytes, with${breaks:+out} line breaks"
    console "$port" 1000
    wait "$server"
done
