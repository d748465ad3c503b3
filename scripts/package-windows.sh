#!/bin/sh
# Packs the two Windows programs for users, into OUT_DIR:
#   iron-canopy-server-tools-<version>-setup.exe        the installer (resources/windows/installer.nsi)
#   iron-canopy-server-tools-<version>-windows-x64.zip  the portable zip: both programs and a
#                                                        README.txt (resources/windows/README.txt)
# The installer's icon is made from resources/icon*.png.
#
# With a certificate named in the environment (SIGN_PKCS12 or SIGN_PKCS11_MODULE and the others
# scripts/sign-windows.sh reads), hangar.exe, signal.exe, the uninstaller and the installer are
# signed; without one the packages are unsigned, which one line says.
#
# Usage: scripts/package-windows.sh VERSION HANGAR_EXE SIGNAL_EXE OUT_DIR
#   VERSION  the CMake project's version (`make package-windows` reads it from CMakeLists.txt)
set -eu
[ $# -eq 4 ] || { echo "usage: $0 VERSION HANGAR_EXE SIGNAL_EXE OUT_DIR" >&2; exit 2; }
repo=$(cd "$(dirname "$0")/.." && pwd)
version=$1
hangar=$2
signal=$3
out=$4
for program in "$hangar" "$signal"; do
    [ -f "$program" ] || { echo "package-windows: no program $program (build it first)" >&2; exit 1; }
done

case $version in
[0-9]*) ;;
*) echo "package-windows: '$version' is not a version" >&2; exit 1 ;;
esac
# The installer's own file version has four numbers.
vi_version=$(echo "$version.0.0.0" | cut -d. -f1-4)
name=iron-canopy-server-tools-$version
setup=$name-setup.exe
zip=$name-windows-x64.zip

# A certificate named wrongly stops here, before anything is built.
sign=$repo/scripts/sign-windows.sh
status=0
sh "$sign" --check || status=$?
case $status in
0) signing=yes ;;
3) signing=no ;;
*) exit 1 ;;
esac
# makensis runs the signing in another folder: the files it names are passed on as full paths.
for variable in SIGN_PKCS12 SIGN_PASSWORD_FILE SIGN_PKCS11_MODULE SIGN_PKCS11_CERT; do
    eval "value=\${$variable:-}"
    case $value in
    "" | /*) ;;
    *) [ ! -e "$value" ] || export "$variable=$PWD/$value" ;;
    esac
done

mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/package-windows-XXXXXX")
trap 'rm -rf "$work"' EXIT

# The icon at 16, 32, 48 and 256 pixels, as the programs carry it.
images=$repo/resources
convert "(" "$images/icon_256.png" -resize 16x16 ")" "$images/icon.png" "$images/icon_48.png" \
    "$images/icon_256.png" "$work/installer.ico"

# Both packages get the programs without their symbols and debugging information, as the Debian
# package does.
mkdir "$work/zip"
x86_64-w64-mingw32-strip -o "$work/zip/hangar.exe" "$hangar"
x86_64-w64-mingw32-strip -o "$work/zip/signal.exe" "$signal"

# The programs are signed before they are packed; makensis has the uninstaller it writes and the
# installer signed as it finishes them (installer.nsi, SIGN).
set --
if [ "$signing" = yes ]; then
    sh "$sign" "$work/zip/hangar.exe" "$work/zip/signal.exe"
    set -- -DSIGN="$sign"
else
    echo "package-windows: no certificate given (SIGN_PKCS12 or SIGN_PKCS11_MODULE): the packages are unsigned"
fi

rm -f "$out/$setup" "$out/$zip"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DVI_VERSION="$vi_version" \
    -DLAUNCHER_EXE="$work/zip/hangar.exe" -DCONSOLE_EXE="$work/zip/signal.exe" \
    -DICON="$work/installer.ico" -DOUTFILE="$out/$setup" "$@" \
    "$repo/resources/windows/installer.nsi"

# The zip holds the files side by side, with Windows line ends in the README.
sed "s/@VERSION@/$version/g; s/\$/\r/" "$repo/resources/windows/README.txt" >"$work/zip/README.txt"
(cd "$work/zip" && zip -q -X -9 "$out/$zip" hangar.exe signal.exe README.txt)

for file in "$setup" "$zip"; do
    echo "$out/$file: $(stat -c %s "$out/$file") bytes"
done
