#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# The PNG renderings and the Windows .ico are made from the SVG by packaging/icons/render-icons.sh and
# kept in the tree; they must still show what the SVG shows.
# Usage: check-icon-renderings.sh <packaging source dir>
set -euo pipefail
source "$(dirname "$0")/common.sh"
packaging=$1
need rsvg-convert librsvg2-bin
need compare imagemagick
source "$packaging/icons/icon-sizes.sh"
svg=$packaging/icons/io.github.highroll.highroll.svg
ico=$packaging/windows/highroll.ico
# Root-mean-square difference per channel, 0..1: renderers of other versions differ by a few levels
# at the edges; a changed drawing differs by far more.
limit=0.02

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# difference <image> <image>: prints the normalised RMSE (compare writes it to stderr).
difference() {
    local out
    out=$(compare -metric RMSE "$1" "$2" null: 2>&1) || [ $? -eq 1 ] || fail "compare $1 $2: $out"
    sed -n 's/.*(\([0-9.e+-]*\)).*/\1/p' <<<"$out"
}

within_limit() {
    awk -v d="$1" -v l="$limit" 'BEGIN { exit !(d <= l) }'
}

frames=$(identify "$ico" | wc -l)
[ "$frames" -eq "${#ICON_SIZES[@]}" ] || fail "$ico has $frames images, expected ${#ICON_SIZES[@]}"
index=0
for size in "${ICON_SIZES[@]}"; do
    png=$packaging/icons/png/$size.png
    [ -f "$png" ] || fail "missing rendering $png; run packaging/icons/render-icons.sh"
    rsvg-convert --width "$size" --height "$size" --format png --output "$scratch/$size.png" "$svg"
    d=$(difference "$png" "$scratch/$size.png")
    within_limit "$d" || fail "$png differs from the SVG (RMSE $d); run packaging/icons/render-icons.sh"
    frame="$ico[$index]"
    [ "$(identify -format '%wx%h' "$frame")" = "${size}x${size}" ] ||
        fail "image $index of $ico is not ${size}x${size}"
    d=$(difference "$frame" "$scratch/$size.png")
    within_limit "$d" || fail "image $index of $ico differs from the SVG (RMSE $d); run render-icons.sh"
    index=$((index + 1))
done
pass "renderings ${ICON_SIZES[*]} px and the .ico match the SVG"
