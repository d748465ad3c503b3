#!/bin/sh
# Runs a GUI test program on the current display, or, when there is none, on a private Xvfb server
# with a window manager (openbox), so that focus, decorations and stacking are as on a desktop.
export NO_AT_BRIDGE=1

if [ "${1:-}" = --under-window-manager ]; then
    # Second stage, inside xvfb-run: start openbox, wait until it manages the screen, run the
    # program, then stop openbox.
    shift
    ready=$(mktemp -d "${TMPDIR:-/tmp}/gui-test-wm-XXXXXX")
    HOME="$ready" openbox --sm-disable --startup "touch $ready/started" >/dev/null 2>&1 &
    wm=$!
    tries=200
    while [ ! -e "$ready/started" ] && [ "$tries" -gt 0 ] && kill -0 "$wm" 2>/dev/null; do
        sleep 0.05
        tries=$((tries - 1))
    done
    if [ ! -e "$ready/started" ]; then
        echo "run-gui-test: the window manager did not start" >&2
        kill "$wm" 2>/dev/null
        rm -rf "$ready"
        exit 1
    fi
    "$@"
    status=$?
    kill "$wm" 2>/dev/null
    wait "$wm" 2>/dev/null
    rm -rf "$ready"
    exit $status
fi

if [ -n "${DISPLAY:-}" ]; then
    exec "$@"
fi
# -a finds a free server number; starting the search at a number of our own keeps test programs
# started at the same moment from racing for the same one. The screen holds the launcher's window
# also at 200 % (900 x 1200 pixels and its frame).
exec xvfb-run -a -n $((100 + $$ % 400)) -s '-screen 0 2400x1800x24' \
    sh "$0" --under-window-manager "$@"
