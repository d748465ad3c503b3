#!/bin/sh
# Redraws the program icon and the two logos (each at its size and at twice it) with ImageMagick
# (Debian's imagemagick package).
# The PNGs are committed; run this only to change the artwork.
set -e
cd "$(dirname "$0")"
C=/usr/bin/convert
F=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
logo() { # width height title-size subtitle-size title-offset subtitle-offset output
  $C -size "$1x$2" gradient:'#4a5560'-'#1c2228' -font $F -fill '#d8dde2' -stroke '#0d1014' \
    -strokewidth $(($3 / 60 + 1)) -pointsize "$3" -gravity center -annotate "+0$5" 'IRON CANOPY' -stroke none \
    -fill '#e0a030' -pointsize "$4" -annotate "+0+$6" 'DEDICATED SERVER' -type TrueColor "PNG24:$7"
}
icon() { # size output
  s=$1
  $C -size "${s}x${s}" xc:none -fill '#2a323a' -stroke '#e0a030' -strokewidth $((s / 16 > 2 ? s / 16 : 2)) \
    -draw "roundrectangle $((s / 32)),$((s / 32)) $((s - 1 - s / 32)),$((s - 1 - s / 32)) $((s / 6)),$((s / 6))" \
    -stroke none -font $F -fill '#d8dde2' -pointsize $((s * 15 / 32)) -gravity center -annotate +0+0 'IC' "PNG32:$2"
}
# Each logo at its size, and at twice it for screens at 200 % (smaller scales draw from it).
logo 422 120 44 16 -14 30 launcher_logo.png
logo 844 240 88 32 -28 60 launcher_logo_2x.png
logo 318 81 32 12 -10 22 console_logo.png
logo 636 162 64 24 -20 44 console_logo_2x.png
icon 32 icon.png
for s in 48 64 128 256; do icon $s icon_$s.png; done
