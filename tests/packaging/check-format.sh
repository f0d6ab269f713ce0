#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every C++ file of the source tree (sources, headers and header templates; build trees left out) is laid
# out as clang-format lays it with the project's .clang-format, and the ones it would change are named.
# Debian 12's clang-format 14, Debian 13's 19 and testing's 21 lay out the tree alike; the version used
# is named in the result, should a later one disagree.
# Usage: check-format.sh <source dir> <build dir>
set -euo pipefail
source "$(dirname "$0")/common.sh"
source_dir=$(realpath "$1") build=$(realpath -m "$2")
need clang-format clang-format

cd "$source_dir"
# The build trees (build/ of the presets, and this one wherever it is) as build-deb.sh leaves them out.
prune=(-path ./.git -o -path './build*' -o -path ./out)
case $build/ in
"$source_dir"/*) prune+=(-o -path "./${build#"$source_dir"/}") ;;
esac
mapfile -t files < <(find . \( "${prune[@]}" \) -prune -o -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.h.in' \) -print | sort)
[ ${#files[@]} -gt 0 ] || fail "no C++ files found under $source_dir"
version=$(clang-format --version | grep -o -E 'version [0-9.]+')
unformatted=()
for file in "${files[@]}"; do
    # --assume-filename: a template such as buildinfo.h.in is read as the header it becomes.
    clang-format --style=file --assume-filename="${file%.in}" <"$file" | cmp -s - "$file" || unformatted+=("${file#./}")
done
[ ${#unformatted[@]} -eq 0 ] ||
    fail "clang-format $version would change ${#unformatted[@]} file(s) (run clang-format -i on them): ${unformatted[*]}"
pass "clang-format $version leaves the ${#files[@]} C++ files as they are"
