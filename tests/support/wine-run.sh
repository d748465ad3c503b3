#!/bin/sh
# Runs a Windows program under Wine, quietly: in the prefix of the current run ($WINEPREFIX, as
# tests/support/with-wine-prefix.sh sets it), or in a fresh prefix of its own when there is none.
# The Windows build uses it as CMAKE_CROSSCOMPILING_EMULATOR, so ctest runs .exe tests with it.
#
# Usage: tests/support/wine-run.sh PROGRAM.exe [ARGS...]   (exit status: the program's)
if [ -z "${WINEPREFIX:-}" ]; then
    exec sh "$(dirname "$0")/with-wine-prefix.sh" sh "$0" "$@"
fi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
exec wine "$@"
