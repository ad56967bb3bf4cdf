#!/usr/bin/env bash
# The Windows installer under Wine, in a prefix of its own: a silent install puts
# the program, its Start-menu entry and its entry in the installed apps in place;
# the installed program starts and ends through its menu; the silent uninstall
# leaves the prefix's files and registry as they were before.
#
# Usage: check_installer.sh PREFIX INSTALLER PROGRAM WINDOW_CHECK VERSION
set -euo pipefail
here=$(dirname "$0")
source "$here/../../scripts/lib/virtual_display.sh"
[ $# -eq 5 ] || { sed -n '7p' "$0" >&2; exit 2; }
prefix=$(realpath -m "$1") installer=$2 program=$3 window_check=$4 version=$5

key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quadrix'
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    wineserver -k 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

wine_run() {
    "$here/../../scripts/wine-run.sh" "$prefix" "$@"
}

# The prefix's files (Wine's own temporary ones aside) and registry key names, in $1.files
# and $1.keys. Waiting for the Wine session to end also waits for the uninstaller, which
# runs from a copy of itself in the temporary folder.
snapshot() {
    wineserver -w
    (cd "$prefix/drive_c" && find . -path '*/[Tt]emp' -prune -o -print | sort) >"$1.files"
    sed -n 's/^\[\(.*\)\] [0-9]*$/\1/p' "$prefix/system.reg" | sort >"$1.keys"
}

start_virtual_display || fail "no virtual display"
[ -e "$prefix/.quadrix-ready" ] || wine_run cmd /c exit  # makes the prefix

# What an earlier, interrupted run may have left.
installed="$prefix/drive_c/Program Files/Quadrix"
shortcut="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/ZEKT Quadrix.lnk"
wineserver -w
if [ -e "$installed" ] || [ -e "$shortcut" ] || grep -q '^\[.*Uninstall\\\\Quadrix\]' "$prefix/system.reg"; then
    rm -rf "$installed" "$shortcut"
    wine reg delete "$key" /f >/dev/null 2>&1 || true
fi

# Taken while no Wine program runs, so that the registry files are up to date.
snapshot "$work/before"

wine_run "$installer" /S || fail "the silent install ended with status $?"
cmp -s "$program" "$installed/quadrix.exe" || fail "no quadrix.exe in $installed"
[ -f "$installed/LICENSE.txt" ] && [ -f "$installed/uninstall.exe" ] ||
    fail "no licence or uninstaller: $(ls "$installed")"
[ -f "$shortcut" ] || fail "no Start-menu entry"
grep -qa 'quadrix.exe' "$shortcut" || fail "the Start-menu entry does not name quadrix.exe"

wine reg query "$key" | tr -d '\r' >"$work/entry"
value() {
    sed -n "s/^ *$1 *REG_[A-Z]* *//p" "$work/entry"
}
uninstaller='"C:\Program Files\Quadrix\uninstall.exe"'
[ "$(value DisplayName)" = "ZEKT Quadrix" ] &&
    [ "$(value DisplayVersion)" = "$version" ] &&
    [ "$(value Publisher)" = "ZEKT" ] &&
    [ "$(value UninstallString)" = "$uninstaller" ] &&
    [ "$(value QuietUninstallString)" = "$uninstaller /S" ] &&
    [ "$(value DisplayIcon)" = 'C:\Program Files\Quadrix\quadrix.exe,0' ] &&
    [ "$(value NoModify)" = 0x1 ] && [ "$(value NoRepair)" = 0x1 ] ||
    fail "the uninstall entry: $(cat "$work/entry")"
# Kilobytes, as the installed-apps list reads it.
size=$(du -sk "$installed" | cut -f1)
estimated=$(($(value EstimatedSize)))
[ "$estimated" -ge $((size * 9 / 10)) ] && [ "$estimated" -le $((size * 11 / 10)) ] ||
    fail "EstimatedSize $estimated KB for $size KB of files"

wine_run "$window_check" 'C:\Program Files\Quadrix\quadrix.exe' . start-and-exit ||
    fail "the installed program did not start and end"

wine_run 'C:\Program Files\Quadrix\uninstall.exe' /S || fail "the silent uninstall ended with status $?"
snapshot "$work/after"
diff "$work/before.files" "$work/after.files" || fail "the uninstall left the files as above"
# Wine drops keys of its own between sessions; what counts is a key that stayed behind.
left=$(comm -13 "$work/before.keys" "$work/after.keys")
[ -z "$left" ] || fail "the uninstall left these registry keys: $left"
echo "PASS: installed, started and ended, uninstalled without a trace"
