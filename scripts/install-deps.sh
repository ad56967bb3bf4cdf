#!/usr/bin/env bash
# Installs the Debian packages Quadrix needs to build, test, fuzz, package and
# run; `install-deps.sh windows` adds those of the Windows build (MinGW-w64,
# Wine, NSIS, GoogleTest's sources). Safe to run again: it installs only what
# is missing, and uses sudo only when not root.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev libbenchmark-dev
    libhwy-dev
    xvfb xauth x11-utils xdotool
    locales
    clang-14 clang-tidy-14 libclang-rt-14-dev
    desktop-file-utils appstream lintian dpkg-dev libglib2.0-bin
    qt6-qpa-plugins python3-debian
    weston qt6-wayland dbus-daemon at-spi2-core python3-pyatspi
)
case "${1:-}" in
    "") ;;
    windows) packages+=(g++-mingw-w64-x86-64-posix wine wine64 nsis googletest) ;;
    *) echo "usage: $0 [windows]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The tests check number texts under a German locale as well.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    echo "Generating the de_DE.UTF-8 locale"
    as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    as_root locale-gen
fi
