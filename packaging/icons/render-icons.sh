#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the application icon (the SVG next to this script) into the PNG sizes the window and the
# icon theme use, and into the Windows .ico. Run it after changing the SVG; the packaging tests fail
# while the renderings and the SVG disagree. Needs rsvg-convert (librsvg2-bin) and ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"

source ./icon-sizes.sh

svg=io.github.highroll.highroll.svg
mkdir -p png
frames=()
for size in "${ICON_SIZES[@]}"; do
    rsvg-convert --width "$size" --height "$size" --format png --output "png/$size.png" "$svg"
    frames+=("png/$size.png")
done
# -strip and the unset dates keep the file the same from one run to the next.
convert "${frames[@]}" -strip +set date:create +set date:modify ../windows/highroll.ico
echo "rendered ${ICON_SIZES[*]} px and ../windows/highroll.ico"
