#!/bin/sh
# Takes a picture of each window of the tool kit on a private X display (Xvfb), so the pictures
# in the documentation can be retaken after the windows change:
#   hangar-basic.png, hangar-advanced.png, hangar-miscellaneous.png, hangar-map-rotation.png
#                    the launcher's main window on each of its four pages
#   signal.png       the console's main window with its connect dialog
# The programs run with a temporary HOME, so they start with their defaults and leave the user's
# files alone. A program the build does not have is skipped.
#
# With --windows, the Windows build's programs are taken under Wine instead, in a fresh prefix on
# a private display, with the window frames Windows draws; the pictures are called
# windows-hangar-basic.png ... windows-signal.png.
#
# Usage: scripts/screenshots.sh [BUILD_DIR [OUT_DIR]]   (defaults: build, docs/screenshots)
#        scripts/screenshots.sh --windows [BUILD_DIR [OUT_DIR]]   (build-windows, docs/screenshots)
set -eu
repo=$(cd "$(dirname "$0")/.." && pwd)

prefix=""
program_suffix=""
if [ "${1:-}" = --windows ]; then
    build=$(cd "${2:-$repo/build-windows}" && pwd)
    out=${3:-$repo/docs/screenshots}
    sh "$repo/scripts/install-deps.sh" imagemagick
    [ -f "$build/hangar/hangar.exe" ] ||
        { echo "No $build/hangar/hangar.exe: build first (make windows)" >&2; exit 1; }
    mkdir -p "$out"
    out=$(cd "$out" && pwd)
    # A fresh prefix, and a display of its own with a window manager.
    exec env -u DISPLAY sh "$repo/tests/support/with-wine-prefix.sh" \
        sh "$0" --on-wine-display "$build" "$out"
elif [ "${1:-}" = --on-wine-display ]; then
    prefix=windows-
    program_suffix=.exe
    # Wine draws the frames and title bars itself, as Windows does, instead of the window manager.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
elif [ "${1:-}" != --on-display ]; then
    build=$(cd "${1:-$repo/build}" && pwd)
    out=${2:-$repo/docs/screenshots}
    sh "$repo/scripts/install-deps.sh" imagemagick
    [ -x "$build/hangar/hangar" ] || { echo "No $build/hangar/hangar: build first (make build)" >&2; exit 1; }
    mkdir -p "$out"
    out=$(cd "$out" && pwd)
    # Always a display of our own: no window manager, no other windows, the same size each time.
    exec env NO_AT_BRIDGE=1 xvfb-run -a -n $((100 + $$ % 400)) -s '-screen 0 1280x1024x24' \
        sh "$0" --on-display "$build" "$out"
fi
build=$2
out=$3
. "$repo/tests/support/x11-windows.sh"

use_work_folder screenshots

# start NAME: starts the built program NAME with a fresh temporary HOME (text cursors that do not
# blink, so a picture settles) and sets pid. Under Wine the prefix is fresh instead.
start() {
    home=$work/home-$1
    mkdir -p "$home/.config/gtk-3.0" "$work/cwd-$1"
    printf '[Settings]\ngtk-cursor-blink = false\n' >"$home/.config/gtk-3.0/settings.ini"
    if [ -n "$program_suffix" ]; then
        (cd "$work/cwd-$1" && exec wine "$build/$1/$1.exe") >"$work/$1.log" 2>&1 &
    else
        (cd "$work/cwd-$1" && exec env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME \
            HOME="$home" "$build/$1/$1") >"$work/$1.log" 2>&1 &
    fi
    pid=$!
    pids="$pids $pid"
}

# shot OUTPUT DIFFERENT_FROM IMPORT_ARGS...: takes pictures with ImageMagick's import until two in
# a row show the same pixels and those differ from the pixel signature DIFFERENT_FROM (empty: any);
# keeps that picture as OUTPUT and prints its signature. Gives up after about 10 seconds.
shot() {
    output=$1
    avoid=$2
    shift 2
    last=""
    tries=50
    while [ "$tries" -gt 0 ]; do
        import "$@" "$work/shot.png"
        sig=$(identify -format '%#' "$work/shot.png")
        if [ "$sig" = "$last" ] && [ "$sig" != "$avoid" ]; then
            cp "$work/shot.png" "$output"
            echo "$sig"
            return 0
        fi
        last=$sig
        sleep 0.2
        tries=$((tries - 1))
    done
    echo "The picture for $(basename "$output") did not settle" >&2
    return 1
}

# The launcher: its main window on each page, in notebook order; Ctrl+PageDown turns the page.
start hangar
win=$(wait_for_windows "$pid" "Iron Canopy™ Dedicated Server Launcher" 1 30) ||
    { cat "$work/hangar.log" >&2; echo "hangar showed no window" >&2; exit 1; }
timeout 10 xdotool windowfocus --sync "$win"
previous=""
for page in basic advanced miscellaneous map-rotation; do
    if [ -n "$previous" ]; then
        xdotool key ctrl+Next
    fi
    previous=$(shot "$out/${prefix}hangar-$page.png" "$previous" -window "$win")
    echo "$out/${prefix}hangar-$page.png"
done
stop_program "$pid"

# The console: its main window with the connect dialog in front (both centred on the screen).
if [ -f "$build/signal/signal$program_suffix" ]; then
    start signal
    wins=$(wait_for_windows "$pid" "Iron Canopy Dedicated Server Remote" 2 30) ||
        { cat "$work/signal.log" >&2; echo "signal showed no main window and connect dialog" >&2; exit 1; }
    # The larger of the two is the main window; the picture is its part of the screen.
    best=0
    for w in $wins; do
        eval "$(xdotool getwindowgeometry --shell "$w")"
        if [ $((WIDTH * HEIGHT)) -gt "$best" ]; then
            best=$((WIDTH * HEIGHT))
            crop=${WIDTH}x$HEIGHT+$X+$Y
        fi
    done
    shot "$out/${prefix}signal.png" "" -window root -crop "$crop" +repage >/dev/null
    echo "$out/${prefix}signal.png"
    stop_program "$pid"
else
    echo "signal is not in this build: skipped"
fi
