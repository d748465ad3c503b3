#!/bin/sh
# Validates desktop entries with desktop-file-validate (Debian's desktop-file-utils). Any remark,
# hints included, fails the check.
# Usage: check-desktop-entries.sh FILE.desktop...
set -u
status=0
for entry in "$@"; do
    report=$(desktop-file-validate "$entry" 2>&1)
    if [ $? -ne 0 ] || [ -n "$report" ]; then
        echo "FAIL: $entry" >&2
        echo "$report" >&2
        status=1
    else
        echo "ok: $entry"
    fi
done
exit $status
