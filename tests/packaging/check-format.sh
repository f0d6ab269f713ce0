#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# The form of the source tree (build trees left out):
# - every C++ file (sources, headers and header templates) is laid out as clang-format lays it with the
#   project's .clang-format, and the ones it would change are named. Debian 12's clang-format 14, Debian
#   13's 19 and testing's 21 lay out the tree alike; the version used is named, should a later one disagree;
# - every link and picture of the Markdown documents that points into the tree names a file that is there,
#   and a #section of a document one of its headings (as GitHub names them).
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

# The anchor GitHub gives each heading of a document: lower case, punctuation dropped, spaces as hyphens.
anchors() { sed -n 's/^#\+ \+//p' "$1" | tr '[:upper:]' '[:lower:]' | sed 's/[^[:alnum:] _-]//g; s/ /-/g'; }
mapfile -t documents < <(find . \( "${prune[@]}" \) -prune -o -type f -name '*.md' -print | sort)
broken=() links=0
for document in "${documents[@]}"; do
    while read -r target; do
        links=$((links + 1))
        file=${target%%#*} anchor=${target#"$file"}
        path=$(dirname "$document")/$file
        [ -n "$file" ] || path=$document
        if [ ! -e "$path" ]; then
            broken+=("${document#./}: $target")
        elif [ -n "$anchor" ] && ! anchors "$path" | grep -qx -- "${anchor#\#}"; then
            broken+=("${document#./}: $target (no such section)")
        fi
    done < <(grep -o -E '\]\([^)[:space:]]+\)' "$document" | sed 's/^](//; s/)$//' | grep -v -E '^[a-z]+:')
done
[ ${#broken[@]} -eq 0 ] || fail "${#broken[@]} link(s) of the documents lead nowhere: $(printf '%s; ' "${broken[@]}")"
pass "the ${#documents[@]} documents' $links links into the tree lead where they say"
