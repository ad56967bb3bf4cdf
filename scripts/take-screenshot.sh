#!/usr/bin/env bash
# Takes a screenshot of the program's window under its own virtual X display:
# the shooting method after a few seconds at 10000 shots per tick, stopped, so
# that the picture shows one settled state. QT_SCALE_FACTOR scales the window,
# as on a high-resolution screen.
#
# Usage: take-screenshot.sh <quadrix program> <scale factor> <output.png>
# Needs ImageMagick's `import` (apt-get install imagemagick).
set -euo pipefail
source "$(dirname "$0")/lib/virtual_display.sh"

program=$1
scale=$2
output=$3
work=$(mktemp -d)
xvfb_pid=""
program_pid=""

cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

command -v import >/dev/null || {
    echo "ImageMagick's import is missing: apt-get install imagemagick" >&2
    exit 1
}

start_virtual_display 1600x1200

QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$program" >"$work/program.log" 2>&1 &
program_pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^ZEKT Quadrix$' | head -n 1)
xdotool windowfocus --sync "$window"

keys() {
    xdotool key --clearmodifiers --delay 150 "$@"
    sleep 0.3
}
keys shift+Tab  # from the tab strip back round to the steps field
xdotool type --delay 50 10000
keys alt+s
sleep 3
keys alt+s
sleep 0.5
import -window "$window" "$output"
echo "$output: $(identify -format '%wx%h' "$output") pixels at scale $scale"
