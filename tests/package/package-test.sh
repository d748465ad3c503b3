#!/bin/sh
# Builds the Debian package from a finished build folder and checks it as a user would get it:
# what it holds, that apt can resolve its dependencies on this system, and that each program,
# unpacked into a scratch root, starts and shows its window. Runs on the current X display
# (tests/support/run-gui-test.sh provides one).
#
# Usage: package-test.sh CPACK BUILD_DIR VERSION HAS_CONSOLE
#   CPACK        the cpack program of the build
#   BUILD_DIR    the configured and built build folder (it is only read)
#   VERSION      the project version the package must carry
#   HAS_CONSOLE  1 when the build has the console program (signal), 0 when not
set -eu
cpack=$1
build=$2
version=$3
has_console=$4
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../support/x11-windows.sh"

package=iron-canopy-server-tools
app_id=com.zezavov.ironcanopy
launcher_title="Iron Canopy™ Dedicated Server Launcher"
console_title="Iron Canopy Dedicated Server Remote"

use_work_folder package-test

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
step() { echo "== $*"; }

step "building the package"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack -G DEB failed"; }
set -- "$work"/out/*.deb
if [ $# -ne 1 ] || [ ! -f "$1" ]; then fail "expected one .deb, found: $*"; fi
deb=$1
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"

step "control fields"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = "$package" ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', expected $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] ||
    fail "Architecture is '$(field Architecture)'"
depends=$(field Depends)
echo "Depends: $depends"
# Computed from the programs by dpkg-shlibdeps: the C library and the toolkit must be there.
echo "$depends" | sed 's/[,|]/\n/g' | sed 's/^ *//; s/ .*//' >"$work/depends"
for lib in libc6 libstdc++6 libwxbase3.2-1 libwxgtk3.2-1; do
    grep -qxF "$lib" "$work/depends" || fail "Depends lacks $lib"
done

step "contents"
dpkg-deb -c "$deb" >"$work/contents"
awk '$2 != "root/root"' "$work/contents" | grep . && fail "entries not owned by root"
awk '/^d/ && $1 != "drwxr-xr-x"' "$work/contents" | grep . && fail "folders not 0755"
awk '/^-/ && $1 != "-rw-r--r--" && $1 != "-rwxr-xr-x"' "$work/contents" | grep . &&
    fail "files neither 0644 nor 0755"
awk '/^-/ { print $6 }' "$work/contents" | sort >"$work/files"
{
    echo ./usr/bin/hangar
    echo "./usr/share/applications/$app_id.hangar.desktop"
    echo "./usr/share/metainfo/$app_id.hangar.metainfo.xml"
    for size in 32 48 64 128 256; do
        echo "./usr/share/icons/hicolor/${size}x$size/apps/$app_id.png"
    done
    if [ "$has_console" = 1 ]; then
        echo ./usr/bin/signal
        echo "./usr/share/applications/$app_id.signal.desktop"
    fi
} | sort >"$work/expected"
diff -u "$work/expected" "$work/files" || fail "the package does not hold exactly the expected files"

step "dependencies resolve with apt"
# A simulation needs no root and changes nothing; it fails when a dependency cannot be met.
apt-get install --simulate "$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log" >&2; fail "apt cannot install the package"; }
grep -q "^Inst $package " "$work/apt.log" ||
    { cat "$work/apt.log" >&2; fail "apt would not install $package"; }

step "unpacking into a scratch root"
root=$work/root
dpkg -x "$deb" "$root"
for size in 32 48 64 128 256; do
    file -b "$root/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png" |
        grep -q "^PNG image data, $size x $size," || fail "the ${size}x$size icon is not $size x $size"
done
for entry in "$root"/usr/share/applications/*.desktop; do
    exec_name=$(sed -n 's/^Exec=//p' "$entry")
    icon_name=$(sed -n 's/^Icon=//p' "$entry")
    [ -x "$root/usr/bin/$exec_name" ] || fail "$(basename "$entry") starts '$exec_name', not in the package"
    [ "$icon_name" = "$app_id" ] || fail "$(basename "$entry") shows icon '$icon_name'"
done
for program in "$root"/usr/bin/*; do
    file -b "$program" | grep -q "ELF.*, stripped" || fail "$(basename "$program") is not a stripped program"
done

# start_program NAME TITLE COUNT: starts the unpacked program NAME with a temporary HOME and waits
# for COUNT windows titled TITLE; it must still be running then. Stops it afterwards.
start_program() {
    name=$1
    mkdir -p "$work/home-$name" "$work/cwd-$name"
    (cd "$work/cwd-$name" && exec env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME \
        HOME="$work/home-$name" NO_AT_BRIDGE=1 "$root/usr/bin/$name") >"$work/$name.log" 2>&1 &
    pid=$!
    pids="$pids $pid"
    if ! wait_for_windows "$pid" "$2" "$3" 60 >"$work/$name.windows"; then
        cat "$work/$name.log" >&2
        is_running "$pid" || fail "$name ended before showing its window"
        fail "$name showed no $3 window(s) titled '$2' within 60 seconds"
    fi
    # It keeps running with its windows up while it handles the events that follow.
    for _ in 1 2 3 4 5; do
        sleep 0.1
        is_running "$pid" || { cat "$work/$name.log" >&2; fail "$name ended after showing its window"; }
    done
    [ "$(visible_windows "$pid" "$2" | grep -c .)" -ge "$3" ] || fail "$name's window went away"
    echo "$name is running with $(wc -l <"$work/$name.windows") window(s) titled '$2'"
    stop_program "$pid"
}

step "starting hangar"
start_program hangar "$launcher_title" 1

if [ "$has_console" = 1 ]; then
    step "starting signal"
    # The console's main window and, at once, its connect dialog, both with the console's title.
    start_program signal "$console_title" 2
else
    echo "signal is not in this build: skipped"
fi
echo "package test passed"
