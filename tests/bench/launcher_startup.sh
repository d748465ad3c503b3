#!/bin/sh
# Benchmark, not a test: build time from clean, test time, and the time from process start to the
# launcher's main window being shown, against a minimal toolkit frame built with the same flags.
# Usage: tests/bench/launcher_startup.sh [runs]   (needs xvfb-run and xdotool)
set -eu
runs=${1:-10}
src=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

now() { date +%s.%N; }
elapsed() { echo "$2 - $1" | bc; }

echo "== build from clean ($(nproc) cores)"
t0=$(now)
cmake -S "$src" -B "$work/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$work/build" -j "$(nproc)" >/dev/null
t1=$(now)
echo "build: $(elapsed "$t0" "$t1") s"
cmake --build "$work/build" --target bench_minimal_frame >/dev/null

echo "== tests"
t0=$(now)
(cd "$work/build" && ctest -j "$(nproc)" >/dev/null)
t1=$(now)
echo "tests: $(elapsed "$t0" "$t1") s"

cat >"$work/measure.sh" <<'INNER'
#!/bin/sh
# $1: program, $2: its window class name, $3: runs. Prints one start-up time in ms a line.
set -eu
i=0
while [ "$i" -lt "$3" ]; do
    home=$(mktemp -d)
    start=$(date +%s%N)
    (cd "$home" && HOME="$home" exec "$1") &
    pid=$!
    # xdotool's own --sync polls only twice a second: poll by hand.
    until xdotool search --onlyvisible --classname "$2" >/dev/null 2>&1; do sleep 0.002; done
    end=$(date +%s%N)
    kill "$pid"; wait "$pid" 2>/dev/null || true
    rm -rf "$home"
    echo $(( (end - start) / 1000000 ))
    i=$((i + 1))
done
INNER
chmod +x "$work/measure.sh"

echo "== start-up to window shown, median of $runs runs (each program on a fresh Xvfb)"
for program in "tests/bench/bench_minimal_frame bench_minimal_frame" "hangar/hangar hangar"; do
    set -- $program
    times=$(xvfb-run -a -s '-screen 0 1600x1200x24' sh "$work/measure.sh" "$work/build/$1" "$2" "$runs" 2>/dev/null)
    echo "$2: median $(echo "$times" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}') ms, min $(echo "$times" | sort -n | head -1) ms, max $(echo "$times" | sort -n | tail -1) ms"
done
