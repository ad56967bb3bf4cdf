# Sourced by the scripts that run the program on a virtual X display of their
# own. The caller sets $work to a scratch folder and kills $xvfb_pid when done.

# Waits up to $1 tenths of a second for the command after it to succeed.
wait_for() {
    local tenths=$1
    shift
    for ((i = 0; i < tenths; i++)); do
        if "$@"; then return 0; fi
        sleep 0.1
    done
    return 1
}

# Starts Xvfb on a free display ($1: its size, 1024x768 unless given) and points
# DISPLAY and a runtime folder of our own at it.
start_virtual_display() {
    # Xvfb picks a free display number itself and reports it when it is ready.
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp 3>"$work/display" \
        >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    if ! wait_for 100 test -s "$work/display"; then
        echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2
        return 1
    fi
    export DISPLAY=":$(head -n 1 "$work/display")"
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset WAYLAND_DISPLAY
}
