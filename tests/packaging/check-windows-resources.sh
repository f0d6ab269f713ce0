#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# The configured Windows resource file compiles with a resource compiler (MinGW's windres), and what
# it compiles to holds the icon in every rendered size and the version record of this version.
# Usage: check-windows-resources.sh <highroll.rc> <version> <number of icon sizes>
set -euo pipefail
source "$(dirname "$0")/common.sh"
rc=$1 version=$2 icon_count=$3
windres=x86_64-w64-mingw32-windres
need "$windres" binutils-mingw-w64-x86-64
need x86_64-w64-mingw32-objdump binutils-mingw-w64-x86-64
need cpp cpp
[ -f "$rc" ] || fail "no resource file at $rc"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# windres preprocesses with the MinGW C compiler by default; the host's cpp does the same job and
# spares installing a cross compiler.
compile() { "$windres" --preprocessor=cpp --preprocessor-arg=-DRC_INVOKED "$@"; }

# The object a Windows link of the program takes in.
compile "$rc" -O coff -o "$scratch/highroll.o" || fail "windres cannot compile $rc"
x86_64-w64-mingw32-objdump -h "$scratch/highroll.o" | grep -q ' \.rsrc ' || fail "the object has no .rsrc section"
pass "compiles to a COFF object with a .rsrc section"

# Compiled and read back, the resources say what a Windows program would find in them.
compile "$rc" -O res -o "$scratch/highroll.res"
"$windres" -J res -i "$scratch/highroll.res" -O rc -o "$scratch/back.rc" || fail "windres cannot read back its .res"
IFS=. read -r major minor patch tweak <<<"$version"
quad="${major:-0}, ${minor:-0}, ${patch:-0}, ${tweak:-0}"
for line in "FILEVERSION $quad" "PRODUCTVERSION $quad" "VALUE \"FileVersion\", \"$version\"" \
    "VALUE \"ProductVersion\", \"$version\"" "VALUE \"OriginalFilename\", \"highroll.exe\""; do
    grep -Fq "$line" "$scratch/back.rc" || fail "the version record lacks: $line"
done
pass "version record $quad ($version)"
grep -q '^"IDI_ICON1" 14 /\* RT_GROUP_ICON \*/' "$scratch/back.rc" || fail "no icon group IDI_ICON1"
grep -q "Has $icon_count elements\." "$scratch/back.rc" ||
    fail "the icon group does not hold $icon_count sizes: $(grep -o 'Has [0-9]* elements' "$scratch/back.rc")"
pass "icon IDI_ICON1 with $icon_count sizes"
