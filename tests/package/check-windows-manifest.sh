#!/bin/sh
# Checks what a Windows program declares in its manifest, the resource Windows reads before the
# program runs: the common controls 6 (visual styles), per-monitor DPI awareness (sharp at 150 and
# 200 %, a window moved between screens scaled again) and asInvoker (no elevation asked for).
# Needs wrestool (icoutils) and xmllint (libxml2-utils).
# Usage: check-windows-manifest.sh PROGRAM...   (exit status 1 when one declares less)
set -u
status=0
for program in "$@"; do
    manifest=$(wrestool -x --raw --type=24 --name=1 "$program" 2>/dev/null)
    if [ -z "$manifest" ]; then
        echo "FAIL: $program carries no manifest" >&2
        status=1
        continue
    fi
    # name() without the namespaces the manifest's parts are declared in.
    for check in \
        "common controls 6|//*[local-name()='dependentAssembly']/*[local-name()='assemblyIdentity'][@name='Microsoft.Windows.Common-Controls' and starts-with(@version, '6.')]" \
        "per-monitor DPI awareness|//*[local-name()='dpiAwareness'][starts-with(normalize-space(), 'PerMonitor')] | //*[local-name()='dpiAware'][normalize-space() = 'true/pm' or normalize-space() = 'per monitor']" \
        "asInvoker|//*[local-name()='requestedExecutionLevel'][@level='asInvoker']"; do
        found=$(printf '%s' "$manifest" | xmllint --xpath "count(${check#*|})" - 2>/dev/null)
        if [ "${found:-0}" -ge 1 ] 2>/dev/null; then
            echo "$program: ${check%%|*}"
        else
            echo "FAIL: $program does not declare ${check%%|*}" >&2
            status=1
        fi
    done
done
exit $status
