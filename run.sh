#!/usr/bin/env bash
# Installs what is missing, builds HighRoll and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

ensure_packages "${BUILD_PACKAGES[@]}" "${FONT_PACKAGES[@]}"
cmake --preset release
cmake --build --preset release
exec ./build/release/app/highroll "$@"
