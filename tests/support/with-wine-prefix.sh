#!/bin/sh
# Runs a command with a fresh Wine prefix of its own, made once up front and removed afterwards,
# so the Windows programs the command starts (tests/support/wine-run.sh, or wine itself) find a
# ready prefix instead of each paying for Wine's first start, and never use ~/.wine.
#
# The prefix is made with a temporary HOME: Wine links the profile's Documents, Desktop and other
# folders to the user's home, and those links are replaced by plain folders inside the prefix, so
# nothing a Windows program writes there reaches the real home. Wine's menu entries, Mono and
# Gecko are left out.
#
# Wine's desktop stays on the display the prefix was started on, so the whole run shares one
# display: the current one, or, when there is none, a private Xvfb server with a window manager
# (tests/support/run-gui-test.sh).
#
# Usage: tests/support/with-wine-prefix.sh COMMAND [ARGS...]   (exit status: the command's)
if [ -z "${DISPLAY:-}" ]; then
    exec sh "$(dirname "$0")/run-gui-test.sh" sh "$0" "$@"
fi
export WINEDEBUG="${WINEDEBUG:--all}"
# Wine names a file on Linux in the locale's character set: in a C locale (CI may have no other)
# it cannot create a folder named "Zoë", which on Windows every user can.
export LC_ALL=C.UTF-8
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"

run=$(mktemp -d "${TMPDIR:-/tmp}/wine-prefix-XXXXXX") || exit 1
export WINEPREFIX="$run/prefix"
# The wineserver's socket folder goes under TMPDIR: keep it, and all else temporary, in the run.
export TMPDIR="$run/tmp"

# Ends the prefix's wineserver and every Wine process of the prefix (one that was still starting
# when the server went away can outlive it), then removes the folder.
end_run() {
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
    for environ in /proc/[0-9]*/environ; do
        if { tr '\0' '\n' <"$environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
            pid=${environ#/proc/}
            kill -KILL "${pid%/environ}" 2>/dev/null
        fi
    done
    rm -rf "$run"
}
trap end_run EXIT
trap 'exit 1' INT TERM

mkdir "$run/home" "$TMPDIR"
if ! HOME="$run/home" wineboot -i >"$run/wineboot.log" 2>&1; then
    echo "with-wine-prefix: wineboot failed:" >&2
    cat "$run/wineboot.log" >&2
    exit 1
fi
for link in "$WINEPREFIX"/drive_c/users/*/*; do
    if [ -L "$link" ]; then
        rm "$link" && mkdir "$link"
    fi
done

"$@"
