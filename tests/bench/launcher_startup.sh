#!/bin/sh
# Benchmark, not a test: build time from clean, test time, and the time from process start to the
# launcher's main window being shown, against a minimal toolkit frame built with the same flags.
# Usage: tests/bench/launcher_startup.sh [runs] [build folder]   (needs xvfb-run and xev)
# With a build folder (a RelWithDebInfo one, such as make's build/), only the start-up is measured,
# with the programs built there.
set -eu
runs=${1:-10}
src=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build=$work/build

now() { date +%s.%N; }
elapsed() { echo "$2 - $1" | bc; }

if [ -n "${2:-}" ]; then
    build=$(cd "$2" && pwd)
    cmake --build "$build" --target hangar bench_minimal_frame >/dev/null
else
    echo "== build from clean ($(nproc) cores)"
    t0=$(now)
    cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" -j "$(nproc)" >/dev/null
    t1=$(now)
    echo "build: $(elapsed "$t0" "$t1") s"
    cmake --build "$build" --target bench_minimal_frame >/dev/null

    echo "== tests"
    t0=$(now)
    (cd "$build" && ctest -j "$(nproc)" >/dev/null)
    t1=$(now)
    echo "tests: $(elapsed "$t0" "$t1") s"
fi

cat >"$work/measure.sh" <<'INNER'
#!/bin/sh
# $1: program, $3: runs. Prints one start-up time in ms a line: from the start of the process to
# the X server's MapNotify of its window (the first window mapped on this otherwise empty display).
# The wait is for that event (xev), not a polling loop, which would take CPU from the program.
set -eu
i=0
while [ "$i" -lt "$3" ]; do
    home=$(mktemp -d)
    mkfifo "$home/events"
    stdbuf -oL xev -root -event substructure >"$home/events" &
    watcher=$!
    exec 3<"$home/events"
    sleep 0.3 # xev has selected the root window's events
    start=$(date +%s%N)
    (cd "$home" && HOME="$home" exec "$1") &
    pid=$!
    grep -m 1 -q MapNotify <&3
    end=$(date +%s%N)
    kill "$pid" "$watcher"; wait "$pid" "$watcher" 2>/dev/null || true
    exec 3<&-
    rm -rf "$home"
    echo $(( (end - start) / 1000000 ))
    i=$((i + 1))
done
INNER
chmod +x "$work/measure.sh"

echo "== start-up to window shown, median of $runs runs (each program on a fresh Xvfb)"
for program in "tests/bench/bench_minimal_frame bench_minimal_frame" "hangar/hangar hangar"; do
    set -- $program
    times=$(xvfb-run -a -s '-screen 0 1600x1200x24' sh "$work/measure.sh" "$build/$1" "$2" "$runs" 2>/dev/null)
    echo "$2: median $(echo "$times" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}') ms, min $(echo "$times" | sort -n | head -1) ms, max $(echo "$times" | sort -n | tail -1) ms"
done
