#!/usr/bin/env bash
# End-to-end run of the built program on its own virtual X display: type a step
# count, start the shooting method with Alt+S, read the output field twice (copied
# to the clipboard) to see it grow, then end the program through the menu with
# Alt+D, E while it runs. It has to end at once with exit status 0.
#
# Usage: end_to_end_test.sh <quadrix program> <clipboard_text program>
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/virtual_display.sh"

program=$1
clipboard_text=$2

work=$(mktemp -d)
xvfb_pid=""
program_pid=""

cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -s "$work/program.log" ]; then
        echo "--- program output:" >&2
        cat "$work/program.log" >&2
    fi
    exit 1
}

start_program() {
    "$program" >"$work/program.log" 2>&1 &
    program_pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name '^ZEKT Quadrix$' | head -n 1) ||
        fail "no window \"ZEKT Quadrix\" appeared"
    xdotool windowfocus --sync "$window"
}

keys() {
    xdotool key --clearmodifiers --delay 150 "$@"
    sleep 0.3
}

# Selects the text of the shooting output field with the mouse and the keyboard,
# copies it and prints it. A tick between selecting and copying replaces the text
# and drops the selection, so the output is read while the method stands still.
read_shooting_output() {
    local height
    height=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^HEIGHT=//p')
    local client_top=$((height - 383))  # the menu bar lies above the 383 pixel client area
    xdotool mousemove --window "$window" 150 $((client_top + 240)) click 1
    sleep 0.3
    keys ctrl+a ctrl+c
    "$clipboard_text"
}

shoot_count() {
    sed -n 's/^ShootCount: \([0-9]*\)$/\1/p' <<<"$1"
}

check_state_text() {
    local text=$1
    [ "$(wc -l <<<"$text")" -eq 4 ] || fail "expected four lines, got: $text"
    grep -q $'\r' <<<"$text" && fail "stray carriage return in: $text"
    grep -q '^PiRounded:  [0-9]' <<<"$text" || fail "no estimate in: $text"
    local shots
    shots=$(shoot_count "$text")
    [ -n "$shots" ] && [ "$shots" -gt 0 ] && [ $((shots % 1000)) -eq 0 ] ||
        fail "expected a positive multiple of 1000 shots in: $text"
}

start_virtual_display || fail "no virtual display"
export QT_QPA_PLATFORM=xcb
start_program

keys shift+Tab  # back round from the tab strip to the steps field, selecting its text
xdotool type --delay 50 1000
keys alt+s  # Start
sleep 1
keys alt+s  # Stop
first=$(read_shooting_output)
check_state_text "$first"

keys alt+s
sleep 1
keys alt+s
second=$(read_shooting_output)
check_state_text "$second"
[ "$(shoot_count "$second")" -gt "$(shoot_count "$first")" ] ||
    fail "the output did not grow: $first / $second"

keys alt+s  # running again while the program is ended
keys alt+d
keys e
wait_for 100 bash -c "! kill -0 $program_pid 2>/dev/null" || fail "the program did not end"
status=0
wait "$program_pid" || status=$?
program_pid=""
[ "$status" -eq 0 ] || fail "exit status $status"
echo "PASS: $(shoot_count "$first") then $(shoot_count "$second") shots, exit status 0"
