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
# A program that lost its wine server ("wine client error") never ran to an
# answer: it runs once more. Its own failures carry no such message.
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
for _ in 1 2; do
    status=0
    wine "$@" </dev/null 2>"$errors" || status=$?
    cat "$errors" >&2
    if [ "$status" -eq 0 ] || ! grep -q '^wine client error' "$errors"; then
        exit "$status"
    fi
    echo "wine-run: the wine server went away; running the program again" >&2
done
exit "$status"
