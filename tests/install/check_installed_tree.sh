#!/usr/bin/env bash
# Installs a build into a scratch folder with `cmake --install` and checks what
# a desktop needs there: the program, a valid desktop entry that starts it, the
# icon it names in the hicolor theme at every size and scalable, valid AppStream
# metadata, the manual page, the changelog, and a machine-readable copyright
# file with the full text of the licence the metadata declare.
#
# Usage: check_installed_tree.sh <build folder> <application id>
set -euo pipefail

build=$1
app_id=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$root/usr" >"$root.log" 2>&1 || {
    cat "$root.log"
    fail "cmake --install failed"
}
rm -f "$root.log"

share="$root/usr/share"
expected=(
    "usr/bin/quadrix"
    "usr/share/applications/$app_id.desktop"
    "usr/share/metainfo/$app_id.metainfo.xml"
    "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    "usr/share/man/man1/quadrix.1.gz"
    "usr/share/doc/quadrix/changelog.gz"
    "usr/share/doc/quadrix/copyright"
)
icon_sizes=(16 24 32 48 64 128 256)
for size in "${icon_sizes[@]}"; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
actual=$(cd "$root" && find . -type f | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[ "$actual" = "$wanted" ] || fail "installed files differ from the expected ones:
$(diff <(echo "$wanted") <(echo "$actual") || true)"
[ -x "$root/usr/bin/quadrix" ] || fail "the program is not executable"

entry="$share/applications/$app_id.desktop"
"$(dirname "$0")/validate_desktop_entry.sh" "$entry" >/dev/null || fail "invalid desktop entry"
grep -qx 'Name=ZEKT Quadrix' "$entry" || fail "the entry's name is not \"ZEKT Quadrix\""
grep -qx 'Exec=quadrix' "$entry" || fail "the entry does not start the installed program"
grep -qx "Icon=$app_id" "$entry" || fail "the entry names another icon"
grep -Eqx 'Categories=(.*;)?Education;(.*;)?Science;(.*;)?' "$entry" ||
    fail "the entry is not in the categories Education and Science"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }'
}
for size in "${icon_sizes[@]}"; do
    icon="$share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "$icon is $(png_size "$icon")"
done

appstreamcli validate --no-net --strict "$share/metainfo/$app_id.metainfo.xml" >/dev/null ||
    fail "invalid AppStream metadata"
"$(dirname "$0")/check_copyright.py" "$share/doc/quadrix/copyright" \
    "$share/metainfo/$app_id.metainfo.xml" "$(dirname "$0")/../../LICENSE" >/dev/null ||
    fail "the copyright file does not give the project's licence with its text"
gzip -t "$share/man/man1/quadrix.1.gz" "$share/doc/quadrix/changelog.gz" ||
    fail "a compressed file is broken"
echo "PASS: ${#expected[@]} files installed and valid"
