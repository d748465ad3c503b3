#!/bin/sh
# Builds wxWidgets for Windows (MSW, 64-bit, static libraries, mingw-w64 with the posix thread
# model) from Debian's own source package of the toolkit version the Linux build uses, and
# GoogleTest for Windows from the sources Debian ships with libgtest-dev; installs both into a cache
# folder outside the repository and prints that folder on standard output (everything else goes
# to standard error). When the folder is already complete it only prints it, so only a fresh
# machine pays for the build (about 15 minutes on two cores).
#
# The folder is named after the toolkit version and a short hash of the options, the compiler,
# the GoogleTest version, this script and the toolchain file:
#   ${WX_MSW_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/iron-canopy}/wx-msw-<version>-<hash>
# cmake/mingw-w64-x86_64.cmake takes it as WX_MSW_ROOT; its bin/wx-config (with --static) gives
# the toolkit's flags, lib/cmake/GTest GoogleTest's CMake package.
#
# The sources come from Debian's own archives for the release this machine runs (its codename in
# /etc/os-release), as apt reaches them, checked against Debian's archive keyring, through a
# private deb-src list and private apt state, so the system's own apt configuration and lists stay
# as they are and no other archive apt knows can supply them. When the source of the installed toolkit version is gone from the archive
# (a point release replaced it), the newest 3.2 source of the release is built instead, with a
# warning.
#
# Usage: scripts/build-wx-msw.sh        (needs scripts/install-windows-deps.sh first)
set -eu
repo=$(cd "$(dirname "$0")/.." && pwd)

host=x86_64-w64-mingw32
cc=$host-gcc-posix
cxx=$host-g++-posix

# Only what the programs need: base, net and core, including wxUIActionSimulator and the modal
# dialog hook for the tests. The images are Win32 resources, so no image libraries and no SVG
# (it needs PNG); no XML (it needs expat) and so none of the libraries built on it.
options="--with-msw --disable-shared
--enable-uiactionsim --enable-config --enable-sockets --enable-progressdlg
--without-libpng --without-libjpeg --without-libtiff --without-zlib --without-expat --without-regex
--without-liblzma --without-libcurl --without-opengl --disable-svg
--disable-xrc --disable-html --disable-htmlhelp --disable-richtext --disable-stc
--disable-aui --disable-propgrid --disable-ribbon --disable-mediactrl --disable-webview
--disable-webrequest --disable-debugreport --disable-tests"

# Keep standard output for the folder's name.
exec 3>&1 1>&2

command -v "$cxx" >/dev/null || {
    echo "build-wx-msw: no $cxx; run scripts/install-windows-deps.sh first" >&2
    exit 1
}

# The toolkit version: the source version of the installed Linux toolkit, else the one apt would
# install.
version=$(dpkg-query -W -f='${source:Version}' libwxbase3.2-1 2>/dev/null || true)
if [ -z "$version" ]; then
    version=$(LC_ALL=C apt-cache policy libwxbase3.2-1 | awk '$1 == "Candidate:" { print $2 }')
    version=${version%+b[0-9]*}
fi
case "$version" in
"" | "(none)")
    echo "build-wx-msw: apt knows no libwxbase3.2-1 (run apt-get update?)" >&2
    exit 1
    ;;
esac

gtest_version=$(dpkg-query -W -f='${Version}' googletest 2>/dev/null || true)
if [ -z "$gtest_version" ] || [ ! -d /usr/src/googletest ]; then
    echo "build-wx-msw: no GoogleTest sources in /usr/src/googletest (Debian's googletest)" >&2
    exit 1
fi

compiler=$(dpkg-query -W -f='${Package} ${Version}' g++-mingw-w64-x86-64-posix 2>/dev/null ||
    "$cxx" --version | head -n 1)
# A changed script or toolchain file builds anew rather than trusting a folder it did not make.
recipe=$(cat "$repo/scripts/build-wx-msw.sh" "$repo/cmake/mingw-w64-x86_64.cmake" | sha256sum)
key=$(printf '%s\n' "$version" "$options" "$compiler" "$gtest_version" "$recipe" |
    sha256sum | cut -c1-8)
cache=${WX_MSW_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/iron-canopy}
prefix=$cache/wx-msw-$version-$key
stamp=$prefix/.complete

mkdir -p "$cache"
# One build at a time per folder; a second caller waits and then finds it complete.
exec 9>"$prefix.lock"
flock 9
if [ -e "$stamp" ]; then
    echo "$prefix" >&3
    exit 0
fi

echo "build-wx-msw: building wxWidgets $version for Windows into $prefix"
start=$(date +%s)
work=$prefix.build
rm -rf "$work" "$prefix"
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/src"

# Debian's own archives of this release among those apt uses (the origin their Release files
# name), each as a deb-src entry that only Debian's archive keyring may sign.
# shellcheck disable=SC1091
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
[ -n "$codename" ] || {
    echo "build-wx-msw: no VERSION_CODENAME in /etc/os-release" >&2
    exit 1
}
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
[ -r "$keyring" ] || {
    echo "build-wx-msw: no Debian archive keyring ($keyring, package debian-archive-keyring)" >&2
    exit 1
}
# shellcheck disable=SC2016
apt-get indextargets --format '$(ORIGIN) $(REPO_URI) $(RELEASE) $(COMPONENT)' \
    'Identifier: Packages' |
    awk -v c="$codename" -v k="$keyring" '$1 == "Debian" && ($3 == c || index($3, c "-") == 1) {
        print "deb-src [signed-by=" k "] " $2 " " $3 " " $4 }' |
    sort -u >"$work/apt/sources.list"
[ -s "$work/apt/sources.list" ] || {
    echo "build-wx-msw: apt knows no Debian archive for $codename (run apt-get update?)" >&2
    exit 1
}
set -- -o "Dir::Etc::SourceList=$work/apt/sources.list" -o Dir::Etc::SourceParts=- \
    -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache"
# apt downloads as the user _apt, who may not enter the private folders.
[ "$(id -u)" -ne 0 ] || set -- "$@" -o APT::Sandbox::User=root
apt-get "$@" -qq update

# The installed version's source, else the newest 3.2 source the archives still have.
available=$(apt-cache "$@" showsrc wxwidgets3.2 | awk '$1 == "Version:" { print $2 }')
source_version=$version
if ! echo "$available" | grep -qxF "$version"; then
    source_version=""
    for v in $available; do
        case "$v" in 3.2.*) ;; *) continue ;; esac
        if [ -z "$source_version" ] || dpkg --compare-versions "$v" gt "$source_version"; then
            source_version=$v
        fi
    done
    [ -n "$source_version" ] || {
        echo "build-wx-msw: Debian's archives for $codename have no wxwidgets3.2 3.2 source" >&2
        exit 1
    }
    echo "build-wx-msw: WARNING: the source of wxWidgets $version is no longer in Debian's" \
        "archives; building $source_version, the newest 3.2 source of $codename, instead" >&2
fi
(cd "$work/src" && apt-get "$@" -q source --download-only "wxwidgets3.2=$source_version")
dpkg-source --no-check -x "$work/src/wxwidgets3.2_${source_version#*:}.dsc" "$work/src/wx" >/dev/null

mkdir "$work/src/wx/build-msw"
cd "$work/src/wx/build-msw"
# shellcheck disable=SC2086
../configure --host=$host --build="$(sh ../config.guess)" --prefix="$prefix" \
    CC="$cc" CXX="$cxx" $options >configure.log || {
    tail -n 30 configure.log
    exit 1
}
make -j"$(nproc)" >make.log 2>&1 || {
    tail -n 40 make.log
    exit 1
}
make install >install.log 2>&1 || {
    tail -n 20 install.log
    exit 1
}

# GoogleTest without pthreads, as its headers assume on Windows: the CMake package does not pass
# the library's GTEST_HAS_PTHREAD on to the tests, and a mismatch breaks its mutexes.
gtest=$work/googletest
{
    cmake -S /usr/src/googletest -B "$gtest" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" -DWX_MSW_ROOT="$prefix" \
        -DCMAKE_INSTALL_PREFIX="$prefix" -Dgtest_disable_pthreads=ON &&
        cmake --build "$gtest" -j"$(nproc)" && cmake --install "$gtest"
} >"$work/googletest.log" 2>&1 || {
    tail -n 30 "$work/googletest.log"
    exit 1
}

seconds=$(($(date +%s) - start))
{
    echo "wxWidgets $source_version (Debian source package wxwidgets3.2) for $host," \
        "for the installed toolkit $version"
    echo "GoogleTest $gtest_version (Debian's /usr/src/googletest)"
    echo "compiler: $compiler"
    # shellcheck disable=SC2086
    echo "configure options:" $options
    echo "built in $seconds s on $(nproc) cores"
} >"$prefix/build-info.txt"
cd "$cache"
rm -rf "$work"
touch "$stamp"
echo "build-wx-msw: done in $seconds s, $(du -sh "$prefix" | cut -f1) in $prefix"
echo "$prefix" >&3
