#!/usr/bin/env bash
# Starts the program on Wayland, in a headless Weston of its own, and checks
# that the compositor shows its window with the title "ZEKT Quadrix" and the
# app id of its desktop entry; then ends it through its own menu item
# Datei > Beenden, picked on the accessibility bus as a screen reader would
# (Weston takes no injected input), and expects exit status 0 while the
# compositor still runs. Everything it starts (a session bus with the
# accessibility bus it activates, Weston, the program) ends with it.
#
# Usage: check-wayland.sh <program>
set -euo pipefail
# Every background job in a process group of its own, so that ending one ends
# what it started too (the session bus starts the accessibility bus).
set -m
source "$(dirname "$0")/lib/virtual_display.sh" # wait_for

program=$1
app_id=de.zekt.quadrix
title="ZEKT Quadrix"
work=$(mktemp -d)
bus_pid=""
weston_pid=""
program_pid=""

# Whether a process of ours has ended (a child not yet waited for stays a zombie).
ended() {
    [ ! -e "/proc/$1" ] || [ "$(awk '{ print $3 }' "/proc/$1/stat" 2>/dev/null)" = Z ]
}

# Weston and the session bus end their own children when asked to end; what
# is left of a process group after that goes too.
cleanup() {
    for pid in "$program_pid" "$weston_pid" "$bus_pid"; do
        if [ -n "$pid" ]; then
            kill "$pid" 2>/dev/null || true
            wait_for 50 ended "$pid" || true
            kill -KILL -- "-$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' HUP INT PIPE TERM

fail() {
    echo "FAIL: $*" >&2
    for log in weston program; do
        if [ -s "$work/$log.log" ]; then
            echo "--- last lines of the $log log:" >&2
            tail -n 20 "$work/$log.log" >&2
        fi
    done
    exit 1
}

# Nothing of the caller's display, buses or platform choice may leak in.
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

dbus-daemon --session --nofork --print-address=3 3>"$work/bus" >"$work/bus.log" 2>&1 &
bus_pid=$!
wait_for 100 test -s "$work/bus" || fail "the session bus did not start: $(cat "$work/bus.log")"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS

# --debug lets weston-debug read the compositor's scene graph.
export WAYLAND_DISPLAY=quadrix-check
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --no-config --debug \
    --log="$work/weston.log" >/dev/null 2>&1 &
weston_pid=$!
wait_for 100 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "Weston did not start"

QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$work/program.log" 2>&1 &
program_pid=$!

# The compositor's own list of the surfaces it shows, one line each, such as
# "View 0 (role xdg_toplevel, PID 42, surface ID 7, top-level window 'ZEKT Quadrix' of de.zekt.quadrix, 0x...):".
shows_window() {
    timeout 5 weston-debug scene-graph >"$work/scene.log" 2>&1 || true
    grep -Eq "role xdg_toplevel, PID $program_pid, surface ID [0-9]+, top-level window '$title' of $app_id," \
        "$work/scene.log"
}
shown=false
deadline=$((SECONDS + 30))
while [ "$SECONDS" -lt "$deadline" ] && ! ended "$program_pid"; do
    if shows_window; then
        shown=true
        break
    fi
    sleep 0.2
done
if ! $shown; then
    if ended "$program_pid"; then fail "the program ended before its window showed"; fi
    fail "Weston shows no window \"$title\" with app id $app_id of the program; it shows:
$(grep -F 'View ' "$work/scene.log" || cat "$work/scene.log")"
fi
echo "Weston shows the window \"$title\", app id $app_id"

"$(dirname "$0")/lib/end_through_menu.py" "$program_pid" "$title" Datei Beenden 30 ||
    fail "could not pick Datei > Beenden on the accessibility bus"
wait_for 100 ended "$program_pid" || fail "the program did not end through Datei > Beenden"
status=0
wait "$program_pid" || status=$?
program_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
if ended "$weston_pid"; then fail "Weston ended too, so the program's end proves nothing"; fi
echo "PASS: on Wayland the program showed its window and ended through its own menu, status 0"
