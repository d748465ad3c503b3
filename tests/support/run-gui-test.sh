#!/bin/sh
# Runs a GUI test program on the current display, or on a private Xvfb server when there is none.
export NO_AT_BRIDGE=1
if [ -n "${DISPLAY:-}" ]; then
    exec "$@"
fi
# -a finds a free server number; starting the search at a number of our own keeps test programs
# started at the same moment from racing for the same one.
exec xvfb-run -a -n $((100 + $$ % 400)) -s '-screen 0 1600x1200x24' "$@"
