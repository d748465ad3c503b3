#!/bin/sh
# Checks the Windows packages that scripts/package-windows.sh makes, as a user gets them, in one
# fresh Wine prefix (tests/support/with-wine-prefix.sh; made here when none is set):
# - the portable zip holds both programs and the README; the programs in the zip and in the
#   installer declare the common controls 6, per-monitor DPI awareness and asInvoker
#   (check-windows-manifest.sh); with SIGNER_CERT both programs, the installer and the
#   uninstaller it writes carry valid signatures made with that certificate;
# - the user's Documents folder has a name in Latin, Greek and Japanese letters, where the
#   launcher makes its list files, and Launch! saves the settings;
# - a silent install into the server's folder (a folder with blanks that already holds the
#   server) puts the programs, the uninstaller, the Start-menu shortcuts and the Uninstall key in
#   place; each shortcut starts its installed program in that folder, whose window appears;
# - a silent install into Program Files naming the server's folder (/SERVERDIR=) removes the copy
#   in the server's folder, leaving the server; the launcher started from its shortcut starts
#   that server on Launch!, with the settings file's name as its one argument, in its folder;
#   /SERVERDIR= is read as cmd passes it, whole-token quoted as PowerShell passes it, and quoted
#   after the sign; an option the installer cannot read stops it with exit code 2, changing
#   nothing;
# - with no server there, Launch! starts none (not even one beside hangar.exe) and says the file
#   was not found;
# - an upgrade in place is refused while the launcher runs, and keeps the server's folder;
# - the silent uninstall removes all that was installed, its folder included, and leaves the
#   server and the user's settings in Documents.
#
# Usage: windows-installer-test.sh PACKAGE_DIR VERSION LAUNCHER_TITLE CONSOLE_TITLE STANDIN PROBE
#                                  [SIGNER_CERT]
#   PACKAGE_DIR     the folder with iron-canopy-server-tools-VERSION-setup.exe and -windows-x64.zip
#   VERSION         the project version the packages must carry
#   LAUNCHER_TITLE  the window title hangar.exe shows, CONSOLE_TITLE the one signal.exe shows
#   STANDIN         the stand-in server that records how it was started
#                   (tests/hangar_windows/server_standin.cpp)
#   PROBE           the program that presses buttons and reads message boxes
#                   (tests/hangar_windows/window_probe.cpp)
#   SIGNER_CERT     the certificate (PEM) the packages were signed with; when empty or left out,
#                   the packages are taken as unsigned and signatures are not checked
set -eu
if [ -z "${WINEPREFIX:-}" ]; then
    exec sh "$(dirname "$0")/../support/with-wine-prefix.sh" sh "$0" "$@"
fi
[ $# -eq 6 ] || [ $# -eq 7 ] || {
    echo "usage: $0 PACKAGE_DIR VERSION LAUNCHER_TITLE CONSOLE_TITLE STANDIN PROBE [SIGNER_CERT]" >&2
    exit 2
}
packages=$(cd "$1" && pwd)
version=$2
launcher_title=$3
console_title=$4
standin=$5
probe=$6
signer=${7:-}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../support/x11-windows.sh"
use_work_folder windows-installer-test

setup=iron-canopy-server-tools-$version-setup.exe
zip=$packages/iron-canopy-server-tools-$version-windows-x64.zip
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\IronCanopyServerTools'
drive_c=$WINEPREFIX/drive_c
menu='C:\ProgramData\Microsoft\Windows\Start Menu\Programs'
launcher_link='Iron Canopy Dedicated Server Launcher.lnk'
console_link='Iron Canopy Dedicated Server Remote.lnk'
# The user's Documents folder, named as a user's may be on Windows.
documents='C:\users\Zoë Ωμέγα 検証\Documents'
config="$drive_c/users/Zoë Ωμέγα 検証/Documents/ZE Zavov/Iron Canopy(tm)/Config"
settings="$config/TROVDedicatedServer.ini"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
step() { echo "== $*"; }
# unix_path 'C:\x\y': the file in the prefix.
unix_path() { echo "$drive_c/${1#C:\\}" | tr '\\' /; }

step "portable zip"
contents=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
[ "$contents" = "README.txt hangar.exe signal.exe " ] || fail "the zip holds: $contents"
unzip -q "$zip" -d "$work/zip"
for text in "Dedicated Server Tools $version" "Documents\\ZE Zavov\\Iron Canopy(tm)\\Config" \
    "Start the launcher from the server's folder" "The specified file was not found."; do
    grep -qF "$text" "$work/zip/README.txt" || fail "README.txt does not say '$text'"
done

step "what the programs in the zip and in the installer declare"
7z x -o"$work/setup" "$packages/$setup" hangar.exe signal.exe >"$work/7z.log" ||
    { cat "$work/7z.log" >&2; fail "7z cannot unpack hangar.exe and signal.exe from $setup"; }
for program in hangar.exe signal.exe; do
    cmp "$work/setup/$program" "$work/zip/$program" || fail "the installer's $program is not the zip's"
done
(cd "$work" && sh "$here/check-windows-manifest.sh" zip/hangar.exe zip/signal.exe setup/hangar.exe \
    setup/signal.exe) || fail "a program lacks a declaration"

# verify_signature FILE: FILE carries a valid signature made with the certificate $signer.
verify_signature() {
    osslsigncode verify -CAfile "$signer" -in "$1" >"$work/verify.log" 2>&1 ||
        { cat "$work/verify.log" >&2; fail "$1 carries no valid signature by $signer"; }
    echo "signed: $(basename "$1")"
}
if [ -n "$signer" ]; then
    step "signatures"
    for file in "$work/zip/hangar.exe" "$work/zip/signal.exe" "$packages/$setup"; do
        verify_signature "$file"
    done
else
    echo "no SIGNER_CERT: the packages are taken as unsigned"
fi

# run_setup [OPTIONS]: runs the installer silently with OPTIONS (/SERVERDIR=, /D=), given to it
# as they stand (NSIS wants /D= last and unquoted), and waits for it. A batch file passes them on
# as cmd does on Windows (Wine's cmd /c and wine itself quote them again).
setup_path=$(winepath -w "$packages/$setup")
run_setup() {
    printf '@"%s" /S%s\r\n@exit /b %%errorlevel%%\r\n' "$setup_path" "${1:+ $1}" >"$work/setup.bat"
    (cd "$work" && timeout 120 wine cmd /c setup.bat)
}
install() { run_setup "${1:-}" || fail "the installer failed (exit status $?)"; }

# uninstall FOLDER: runs the uninstaller silently, as Windows' QuietUninstallString does. It copies
# itself to the temporary folder, starts the copy and ends at once; the copy is done when the
# prefix's last process, and with it the Wine server, has ended.
uninstall() {
    timeout 120 wine "$1\\Uninstall.exe" /S || fail "the uninstaller failed (exit status $?)"
    timeout 120 wineserver -w || fail "Wine's processes did not end within 120 seconds"
}

# check_key FOLDER SERVER: the Uninstall key names the installation in FOLDER and the server's
# folder SERVER, and gives its size.
check_key() {
    wine reg query "$key" | tr -d '\r' | sed -n 's/^    //p' | sort >"$work/key"
    {
        printf '%s    REG_SZ    %s\n' DisplayName "Iron Canopy Dedicated Server Tools" \
            DisplayVersion "$version" Publisher "ZE Zavov" InstallLocation "$1" \
            DisplayIcon "$1\\hangar.exe,0" UninstallString "\"$1\\Uninstall.exe\"" \
            QuietUninstallString "\"$1\\Uninstall.exe\" /S"
        printf '%s    REG_DWORD    0x1\n' NoModify NoRepair
        printf 'ServerFolder    REG_SZ    %s\n' "$2"
    } | sort >"$work/expected-key"
    grep -v '^EstimatedSize ' "$work/key" | diff -u "$work/expected-key" - || fail "wrong values in $key"
    grep -q '^EstimatedSize    REG_DWORD    0x[0-9a-f]*[1-9a-f]' "$work/key" || fail "no EstimatedSize"
}

# start_from_menu LINK PROGRAM TITLE FOLDER: starts the Start-menu shortcut LINK, which must start
# FOLDER\PROGRAM with a window titled TITLE that keeps running, as process $pid.
start_from_menu() {
    wine start "$menu\\$1" || fail "cannot start the shortcut $1"
    tries=600
    window=""
    while [ -z "$window" ] && [ "$tries" -gt 0 ]; do
        for w in $(xdotool search --onlyvisible --classname "^$2\$" 2>/dev/null); do
            [ "$(xdotool getwindowname "$w")" = "$3" ] && window=$w
        done
        [ -n "$window" ] || sleep 0.1
        tries=$((tries - 1))
    done
    [ -n "$window" ] || fail "no window titled '$3' within 60 seconds of starting $1"
    pid=$(xdotool getwindowpid "$window")
    # Wine shows the Windows command line there, padded with blanks.
    started=$(tr '\0' ' ' <"/proc/$pid/cmdline" | sed 's/ *$//')
    [ "$started" = "$4\\$2" ] || fail "$1 started '$started', not $4\\$2"
    for _ in 1 2 3 4 5; do
        sleep 0.1
        is_running "$pid" || fail "$2 ended after showing its window"
    done
    echo "$1 started $2, window '$3'"
}

# end_program PROGRAM: ends PROGRAM, started as process $pid.
end_program() {
    wine taskkill /f /im "$1" >/dev/null
    tries=100
    while is_running "$pid" && [ "$tries" -gt 0 ]; do
        sleep 0.1
        tries=$((tries - 1))
    done
    is_running "$pid" && fail "$1 did not end"
    return 0
}

# launch_from_menu FOLDER: starts FOLDER\hangar.exe from its Start-menu shortcut (in the
# shortcut's "Start in" folder, read from the .lnk by the shell) and presses Launch!. The stand-in
# server writes its record to $record: the launcher passes the variable on to it.
record='C:\launch-record.txt'
export IC_STANDIN_RECORD="$record"
launch_from_menu() {
    rm -f "$(unix_path "$record")"
    start_from_menu "$launcher_link" hangar.exe "$launcher_title" "$1"
    timeout 90 wine "$probe" press "Dedicated Server Launcher" "Launch!" ||
        fail "the launcher shows no Launch! button"
}

# check_installed FOLDER SERVER: the programs, the uninstaller and the shortcuts, which start in
# the server's folder SERVER.
check_installed() {
    for program in hangar.exe signal.exe; do
        cmp "$(unix_path "$1\\$program")" "$work/zip/$program" || fail "$program differs from the zip's"
    done
    [ -f "$(unix_path "$1\\Uninstall.exe")" ] || fail "no Uninstall.exe in $1"
    for link in "$launcher_link" "$console_link"; do
        # The shortcut's texts are UTF-16, each after its length, which strings shows as a
        # character when it is a printable one.
        strings -el "$(unix_path "$menu\\$link")" |
            folder=$2 awk '$0 == ENVIRON["folder"] || substr($0, 2) == ENVIRON["folder"] { found = 1 }
                           END { exit !found }' || fail "the shortcut $link does not start in $2"
    done
    check_key "$1" "$2"
}

# only_server_left: the server's folder holds the server and nothing else.
only_server_left() {
    ls -A "$server_dir" >"$work/left" || fail "the server's folder was removed"
    echo TROVServer.exe | diff -u - "$work/left" || fail "the server's folder holds other files $*"
}

step "silent install into the server's folder"
wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders' \
    /v Personal /t REG_SZ /d "$documents" /f >/dev/null || fail "cannot move the Documents folder"
server='C:\Games\Iron Canopy Server'
server_dir=$(unix_path "$server")
mkdir -p "$server_dir" "$config"
cp "$standin" "$server_dir/TROVServer.exe"
printf '[DedicatedServer.DedicatedServer]\nUsername=operator\nPassword=hunter2\nRotationList=Kestrel\n' \
    >"$settings"
install "/D=$server"
check_installed "$server" "$server"
[ -z "$signer" ] || verify_signature "$server_dir/Uninstall.exe"

step "the installed programs start from the Start menu"
start_from_menu "$launcher_link" hangar.exe "$launcher_title" "$server"
end_program hangar.exe
start_from_menu "$console_link" signal.exe "$console_title" "$server"
end_program signal.exe

# The folder offered by default.
default='C:\Program Files\ZE Zavov\Iron Canopy Server Tools'
step "options the installer cannot read stop it, changing nothing"
for options in '/SERVERDIR=Games\Iron Canopy Server' "/SERVERFOLDER=$server" "/SERVERDIR= /D=$default"; do
    status=0
    run_setup "$options" || status=$?
    [ "$status" -eq 2 ] || fail "the installer given $options ended with $status, not 2"
    check_installed "$server" "$server"
done

step "silent install into another folder, naming the server's, takes the place of the last one"
# Each form names another folder, so one that is not read shows; the last names the server's.
for options in "/SERVERDIR=C:\Game Server /D=$default" "/SERVERDIR=\"C:\Other Server\\\" /D=$default" \
    "\"/SERVERDIR=$server\" /D=$default"; do
    install "$options"
    named=$(printf '%s\n' "$options" | sed 's/^"*\/SERVERDIR="*//; s/"* \/D=.*//; s/\\$//')
    check_installed "$default" "$named"
done
only_server_left "after the installation moved"

step "Launch! from the Start menu starts the server in its folder"
launch_from_menu "$default"
tries=300
while [ ! -f "$(unix_path "$record")" ] && [ "$tries" -gt 0 ]; do
    sleep 0.1
    tries=$((tries - 1))
done
printf 'folder=%s\narg=TROVDedicatedServer.ini\n' "$server" | diff -u - "$(unix_path "$record")" ||
    fail "the server was not started as expected"
end_program hangar.exe
# The launcher made its lists beside the settings, which Launch! saved whole, in that folder only.
for file in TROVGameTypes.ini TROVMaps.ini; do
    grep -q '^\[TROVGame' "$config/$file" || fail "no list file $file in $documents"
done
grep -q '^MaxPlayersCap=12' "$settings" || fail "Launch! did not save the settings in $documents"
grep -q '^Password=hunter2' "$settings" || fail "the saved settings lost the password"
[ ! -e "$drive_c/users/$(id -un)/Documents/ZE Zavov" ] || fail "the launcher wrote into another folder"

step "with no server in its folder, Launch! starts none, not even one beside hangar.exe"
mv "$server_dir/TROVServer.exe" "$(unix_path "$default")/TROVServer.exe"
launch_from_menu "$default"
timeout 90 wine "$probe" message "Dedicated Server Launcher" >"$work/message" ||
    fail "the launcher showed no message"
printf 'Attempting to launch TROVServer.exe...\nThe specified file was not found.\n' |
    diff -u - "$work/message" || fail "the launcher's message is not the missing file's"
[ ! -e "$(unix_path "$record")" ] || fail "a server was started"
mv "$(unix_path "$default")/TROVServer.exe" "$server_dir/TROVServer.exe"

step "upgrade in place: refused while the launcher runs, then keeps the server's folder"
run_setup && fail "the installer replaced a running hangar.exe"
check_installed "$default" "$server"
is_running "$pid" || fail "the launcher ended during the refused upgrade"
end_program hangar.exe
install
check_installed "$default" "$server"

step "silent uninstall"
uninstall "$default"
[ ! -e "$(unix_path 'C:\Program Files\ZE Zavov')" ] || fail "C:\\Program Files\\ZE Zavov is still there"
for link in "$launcher_link" "$console_link"; do
    [ ! -e "$(unix_path "$menu\\$link")" ] || fail "the shortcut $link is still there"
done
wine reg query "$key" >/dev/null 2>&1 && fail "the key $key is still there"
only_server_left "after the uninstall"
grep -q '^Username=operator' "$settings" || fail "the settings file is gone"
echo "installer test passed"
