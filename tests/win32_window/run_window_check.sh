#!/usr/bin/env bash
# Runs the window check of quadrix.exe under Wine on a virtual display of its own,
# in one Wine prefix: every step in English, then the shooting run as a German
# user (decimal comma).
#
# Usage: run_window_check.sh PREFIX WINDOW_CHECK PROGRAM
set -uo pipefail
here=$(dirname "$0")
source "$here/../../scripts/lib/virtual_display.sh"
[ $# -eq 3 ] || { sed -n '5p' "$0" >&2; exit 2; }
prefix=$(realpath -m "$1") window_check=$2
program="Z:$(realpath "$3" | tr / '\\')"

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    WINEPREFIX=$prefix wineserver -k 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
start_virtual_display || exit 1

status=0
echo "--- English"
"$here/../../scripts/wine-run.sh" "$prefix" "$window_check" "$program" . || status=1
echo "--- German (LC_ALL=de_DE.UTF-8)"
LC_ALL=de_DE.UTF-8 "$here/../../scripts/wine-run.sh" "$prefix" "$window_check" "$program" , shooting ||
    status=1
exit $status
