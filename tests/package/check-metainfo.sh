#!/bin/sh
# Validates the AppStream metainfo offline with appstreamcli (Debian's appstream), failing on any
# remark above the pedantic ones, and checks that it names the current release and only desktop
# entries that exist beside it.
# Usage: check-metainfo.sh METAINFO VERSION
set -u
metainfo=$1
version=$2
status=0
appstreamcli validate --no-net --strict "$metainfo" || status=1
grep -q "<release version=\"$version\"" "$metainfo" ||
    { echo "FAIL: no <release> for version $version in $metainfo" >&2; status=1; }
for id in $(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo"); do
    [ -f "$(dirname "$metainfo")/$id" ] || { echo "FAIL: launchable $id does not exist" >&2; status=1; }
done
exit $status
