#!/bin/sh
# Validates desktop entries with desktop-file-validate (Debian's desktop-file-utils). Any remark,
# hints included, fails the check.
# Usage: check-desktop-entries.sh FILE.desktop...
set -u
status=0
for entry in "$@"; do
    if report=$(desktop-file-validate "$entry" 2>&1) && [ -z "$report" ]; then
        echo "ok: $entry"
    else
        echo "FAIL: $entry" >&2
        echo "$report" >&2
        status=1
    fi
done
exit $status
