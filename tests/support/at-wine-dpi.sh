#!/bin/sh
# Runs a Windows program under Wine with the screen at DPI dots per inch (LogPixels in the prefix's
# registry, read by a Wine process when it starts), then puts the prefix back at 96. The program
# finds the DPI asked for in IC_TEST_DPI, so that its tests can check that they ran at that scale.
#
# Usage: tests/support/at-wine-dpi.sh DPI PROGRAM.exe [ARGS...]   (exit status: the program's)
if [ -z "${WINEPREFIX:-}" ]; then
    exec sh "$(dirname "$0")/with-wine-prefix.sh" sh "$0" "$@"
fi
export WINEDEBUG="${WINEDEBUG:--all}"

# The new value holds for the processes started once the prefix's server has stopped.
set_dpi() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null &&
        wineserver -w
}

dpi=$1
shift
set_dpi "$dpi" || exit 1
IC_TEST_DPI=$dpi sh "$(dirname "$0")/wine-run.sh" "$@"
status=$?
set_dpi 96 || exit 1
exit $status
