#!/bin/sh
# Installs the Debian packages the build and the tests need, and nothing when all are present.
# Packages named as arguments are needed too (scripts/screenshots.sh, for example, names its own).
set -e
# The package test builds the Debian package (dpkg-dev computes its dependencies, cpack reads
# programs with file), validates the desktop files (desktop-file-utils, appstream) and looks for
# the programs' windows (xdotool); the console's program test answers its dialog with xdotool.
need="cmake g++ make libwxgtk3.2-dev libgtest-dev xvfb xauth xfonts-base
dpkg-dev file desktop-file-utils appstream xdotool openbox $*"
missing=""
for p in $need; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
