#!/bin/sh
# Installs what the Windows build needs on top of the Linux one, and nothing when all is present:
# the mingw-w64 cross compiler with the posix thread model (std::thread, as the toolkit is built)
# and its binutils (windres), Wine to run the programs and tests (wine64 for 64-bit programs,
# fonts-wine for the system fonts Windows programs ask for, xwininfo from x11-utils to find their
# windows), NSIS for the installer, ImageMagick to make the icon and bitmap resources from the PNG
# sources, dpkg-dev to unpack the toolkit's source package (scripts/build-wx-msw.sh),
# osslsigncode and openssl to sign the packages (and make the throwaway certificate the package
# test signs with), and 7-Zip, icoutils and xmllint to look into the packages and programs.
# GoogleTest is built for Windows from the sources libgtest-dev brings.
# Packages named as arguments are needed too.
set -e
exec sh "$(dirname "$0")/install-deps.sh" g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
    wine wine64 fonts-wine x11-utils nsis imagemagick zip unzip dpkg-dev \
    osslsigncode openssl p7zip-full icoutils libxml2-utils "$@"
