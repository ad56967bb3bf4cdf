#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine in a private prefix, made at first use.
#
#   scripts/wine-run.sh PREFIX PROGRAM [ARGUMENT...]
#
# CTest and GoogleTest's test discovery call it for the windows preset
# (CMAKE_CROSSCOMPILING_EMULATOR). The exit status is the program's.
set -eu
[ $# -ge 2 ] || { sed -n '4p' "$0" >&2; exit 2; }
prefix=$(realpath -m "$1")
shift
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# Tests run side by side: the first makes the prefix, the others wait for it.
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
if [ ! -e "$prefix/.quadrix-ready" ]; then
    rm -rf "$prefix"
    wineboot -i >/dev/null 2>&1
    touch "$prefix/.quadrix-ready"
fi
flock -u 9
exec 9>&-

# No test reads its input: Wine gets no terminal to attach a console to. The
# CR LF line ends of Windows programs are fine with CTest and the test discovery.
exec wine "$@" </dev/null
