#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the two SPDX lines (copyright, licence) at the top of each file given, in the comment style of
# its kind: after a #! line or an XML declaration, which must stay first, and otherwise as the first
# two lines. Files that already carry an SPDX-License-Identifier are left alone. `reuse lint` checks
# the result; files that cannot hold a comment (JSON, images) are listed in .reuse/dep5 instead.
# Usage: scripts/spdx-header.sh [--license <SPDX id>] <file>...   (default GPL-3.0-or-later)
set -euo pipefail
license=GPL-3.0-or-later
if [ "${1:-}" = --license ]; then
    license=$2
    shift 2
fi
[ "$#" -gt 0 ] || {
    echo "usage: $0 [--license <SPDX id>] <file>..." >&2
    exit 2
}
holder="2026 HighRoll maintainers"
# The tags below are templates, not this file's own: reuse skips them. REUSE-IgnoreStart

for file in "$@"; do
    [ -f "$file" ] || {
        echo "$0: no such file: $file" >&2
        exit 1
    }
    if grep -q 'SPDX-License-Identifier:' "$file"; then
        continue
    fi
    name=$(basename "$file")
    case $name in
    *.cpp | *.h | *.rc.in) open='// ' close='' ;;
    *.xml | *.xml.in | *.svg | *.md) open='<!-- ' close=' -->' ;;
    *.[1-9] | *.[1-9].in) open='.\" ' close='' ;;
    *) open='# ' close='' ;; # CMake, shell, Python, YAML, desktop entries, Makefiles
    esac
    header="${open}SPDX-FileCopyrightText: ${holder}${close}
${open}SPDX-License-Identifier: ${license}${close}"
    first=$(head -n1 "$file")
    scratch=$(mktemp)
    if [[ "$first" == '#!'* || "$first" == '<?xml'* ]]; then
        { printf '%s\n%s\n' "$first" "$header"; tail -n +2 "$file"; } >"$scratch"
    else
        { printf '%s\n' "$header"; cat "$file"; } >"$scratch"
    fi
    # Keep the file's mode (scripts stay executable): overwrite its contents in place.
    cat "$scratch" >"$file"
    rm -f "$scratch"
done
# REUSE-IgnoreEnd
