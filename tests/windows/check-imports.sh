#!/bin/sh
# Fails when a Windows program needs a DLL that is not one of Windows' own (those Wine implements),
# such as the compiler's runtime (libstdc++-6.dll, libgcc_s_seh-1.dll, libwinpthread-1.dll): the
# programs must start from a folder that holds nothing but them.
#
# Usage: check-imports.sh OBJDUMP PROGRAM.exe...   (OBJDUMP: x86_64-w64-mingw32-objdump)
objdump=$1
shift
wine_dlls=""
for dir in /usr/lib/*/wine/x86_64-windows; do
    [ -d "$dir" ] && wine_dlls=$dir
done
[ -n "$wine_dlls" ] || {
    echo "check-imports: Wine's 64-bit DLLs not found" >&2
    exit 1
}
status=0
for program in "$@"; do
    dlls=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p')
    [ -n "$dlls" ] || {
        echo "check-imports: no imports read from $program" >&2
        status=1
    }
    for dll in $dlls; do
        lower=$(echo "$dll" | tr '[:upper:]' '[:lower:]')
        if [ ! -e "$wine_dlls/$lower" ]; then
            echo "check-imports: $program needs $dll, which is not a Windows DLL" >&2
            status=1
        fi
    done
    echo "$(basename "$program"): $(echo "$dlls" | tr "\n" " ")"
done
exit $status
