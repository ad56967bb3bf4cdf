#!/usr/bin/env bash
# Validates a desktop entry with desktop-file-validate: errors and warnings fail,
# hints are shown. The one hint expected is that Education and Science are both
# main categories, so the program appears in both menus.
#
# Usage: validate_desktop_entry.sh <file.desktop>
set -euo pipefail

entry=$1
report=$(desktop-file-validate "$entry" 2>&1) || {
    echo "$report"
    exit 1
}
[ -n "$report" ] && echo "$report"
if grep -v ': hint: ' <<<"$report" | grep -q .; then
    echo "FAIL: $entry has errors or warnings"
    exit 1
fi
echo "PASS: $entry"
