#!/usr/bin/env bash
# Installs what is missing, builds HighRoll with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

ensure_packages "${BUILD_PACKAGES[@]}" "${FONT_PACKAGES[@]}" "${TEST_PACKAGES[@]}" \
    "${PACKAGING_TEST_PACKAGES[@]}" "${RELIABILITY_TEST_PACKAGES[@]}"
cmake --workflow --preset ci
