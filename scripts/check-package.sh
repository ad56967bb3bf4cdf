#!/usr/bin/env bash
# Checks the Debian package made in a build folder: its contents and control
# fields, lintian, an install with apt-get, the installed program started from
# its desktop entry under Xvfb and ended through its menu, the same program on
# Wayland (check-wayland.sh), and the removal.
# The machine is left as it was: a quadrix package installed before is removed
# first, and the one installed here is purged at the end, pass or fail. Package
# operations wait for one another's lock rather than fail.
#
# Usage: check-package.sh <build folder with quadrix_*.deb>
set -euo pipefail
source "$(dirname "$0")/lib/virtual_display.sh"

build=$(cd "$1" && pwd)
app_id=de.zekt.quadrix
icon_sizes=(16 24 32 48 64 128 256)
work=$(mktemp -d)
xvfb_pid=""
program_pid=""

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

remove_package() {
    if dpkg-query -W -f='${Status}' quadrix 2>/dev/null | grep -q "ok installed"; then
        as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 purge -y -q quadrix >"$work/purge.log" 2>&1 ||
            cat "$work/purge.log" >&2
    fi
}

cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    remove_package
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Whether the process has ended; started through gio it is not our child, and
# may stay a zombie until whoever adopted it reaps it.
gone() {
    [ ! -e "/proc/$1" ] || [ "$(awk '{ print $3 }' "/proc/$1/stat" 2>/dev/null)" = Z ]
}

debs=("$build"/quadrix_*.deb)
[ -f "${debs[0]}" ] || fail "no quadrix_*.deb in $build"
[ ${#debs[@]} -eq 1 ] || fail "more than one package in $build: ${debs[*]}"
deb=${debs[0]}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

check_control_fields() {
    [ "$(dpkg-deb -f "$deb" Package)" = quadrix ] || fail "the package is not named quadrix"
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
    local depends names
    depends=$(dpkg-deb -f "$deb" Depends)
    names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/[ (].*//')
    for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libhwy1 qt6-qpa-plugins; do
        grep -Fqx "$needed" <<<"$names" || fail "Depends lacks $needed: $depends"
    done
    echo "Depends: $depends"
    [ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] ||
        fail "the package does not recommend qt6-wayland: $(dpkg-deb -f "$deb" Recommends)"
}

check_contents() {
    local expected actual
    expected=$({
        printf '%s\n' \
            ./usr/bin/quadrix \
            "./usr/share/applications/$app_id.desktop" \
            "./usr/share/metainfo/$app_id.metainfo.xml" \
            "./usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
            ./usr/share/man/man1/quadrix.1.gz \
            ./usr/share/doc/quadrix/changelog.gz \
            ./usr/share/doc/quadrix/copyright
        for size in "${icon_sizes[@]}"; do
            echo "./usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
        done
    } | sort)
    actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
    [ "$actual" = "$expected" ] || fail "the package's files differ from the expected ones:
$(diff <(echo "$expected") <(echo "$actual") || true)"
    dpkg-deb -x "$deb" "$work/contents"
    if readelf -S "$work/contents/usr/bin/quadrix" | grep -q '\.debug_info'; then
        fail "the program in the package is not stripped"
    fi
}

run_lintian() {
    # Lintian says once that it runs as root; its tags are what counts.
    lintian --fail-on error,warning,info,pedantic --info --display-level '>=pedantic' "$deb" \
        >"$work/lintian.log" 2>&1 || lintian_status=$?
    grep -v 'running with root privileges' "$work/lintian.log" >"$work/tags.log" || true
    if [ "${lintian_status:-0}" -ne 0 ]; then
        cat "$work/tags.log"
        fail "lintian tagged the package"
    fi
    echo "lintian: no tags at all, pedantic ones included"
}

install_package() {
    remove_package
    as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 install -y -q "$deb" >"$work/install.log" 2>&1 || {
        cat "$work/install.log"
        fail "apt-get install $deb failed"
    }
    [ "$(command -v quadrix)" = /usr/bin/quadrix ] || fail "quadrix is not on the PATH as /usr/bin/quadrix"
    "$(dirname "$0")/../tests/install/validate_desktop_entry.sh" \
        "/usr/share/applications/$app_id.desktop" >/dev/null || fail "installed desktop entry is invalid"
    appstreamcli validate --no-net --strict "/usr/share/metainfo/$app_id.metainfo.xml" >/dev/null ||
        fail "installed AppStream metadata are invalid"
    "$(dirname "$0")/../tests/install/check_copyright.py" /usr/share/doc/quadrix/copyright \
        "/usr/share/metainfo/$app_id.metainfo.xml" "$(dirname "$0")/../LICENSE" ||
        fail "the installed copyright file does not give the project's licence with its text"
}

start_display() {
    start_virtual_display || fail "no virtual display"
    unset QT_QPA_PLATFORM
}

# What a desktop matches the window with: its class (WM_CLASS, second word)
# against the entry's StartupWMClass; and the icon it gives at every size.
check_window_identity() {
    local class wanted sizes
    class=$(xprop -id "$1" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')
    wanted=$(sed -n 's/^StartupWMClass=//p' "/usr/share/applications/$app_id.desktop")
    [ -n "$wanted" ] || fail "the desktop entry names no StartupWMClass"
    [ "$class" = "$wanted" ] || fail "the window's class is \"$class\", the entry's StartupWMClass \"$wanted\""
    sizes=$(xprop -len 1000000 -id "$1" _NET_WM_ICON | sed -n 's/.*Icon (\([0-9]*\) x [0-9]*):.*/\1/p' | sort -n | xargs)
    [ "$sizes" = "${icon_sizes[*]}" ] || fail "the window's icon comes in the sizes \"$sizes\", not \"${icon_sizes[*]}\""
    echo "The window's class is $class, as the entry says; its icon comes in the sizes $sizes"
}

# Starts the program the way a desktop's menu does, from its installed entry,
# and ends it through its own menu.
start_from_menu_entry() {
    local window
    gio launch "/usr/share/applications/$app_id.desktop" >"$work/launch.log" 2>&1 ||
        fail "gio could not launch the desktop entry: $(cat "$work/launch.log")"
    window=$(timeout 30 xdotool search --sync --onlyvisible --name '^ZEKT Quadrix$' | head -n 1) ||
        fail "no window \"ZEKT Quadrix\" appeared"
    program_pid=$(xdotool getwindowpid "$window")
    [ "$(readlink "/proc/$program_pid/exe")" = /usr/bin/quadrix ] ||
        fail "the window belongs to $(readlink "/proc/$program_pid/exe"), not /usr/bin/quadrix"
    check_window_identity "$window"
    xdotool windowfocus --sync "$window"
    xdotool key --clearmodifiers --delay 150 alt+d
    sleep 0.3
    xdotool key --clearmodifiers e
    wait_for 100 gone "$program_pid" || fail "the program did not end through its menu"
    program_pid=""
    echo "The installed program started from its menu entry and ended through its own menu"
}

check_wayland() {
    timeout 180 "$(dirname "$0")/check-wayland.sh" /usr/bin/quadrix || fail "the program failed on Wayland"
}

# Runs one step and tells how long it took.
step() {
    local started=$SECONDS
    "$@"
    echo "check-package: $1 took $((SECONDS - started)) s"
}

step check_control_fields
step check_contents
step run_lintian
step install_package
step start_display
step start_from_menu_entry
step check_wayland
step remove_package
[ ! -e /usr/bin/quadrix ] || fail "/usr/bin/quadrix is still there after the removal"
echo "PASS: $(basename "$deb") builds, installs, starts and goes again"
