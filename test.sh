#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds HighRoll with warnings as errors and runs every test, then runs them
# again under the sanitizers.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh

# The Windows packages: a packaging test configures Qt and the game for Windows (windows.sh --configure-only).
ensure_packages "${BUILD_PACKAGES[@]}" "${FONT_PACKAGES[@]}" "${LANGUAGE_PACKAGES[@]}" "${DESKTOP_PACKAGES[@]}" \
    "${TEST_PACKAGES[@]}" "${PACKAGING_TEST_PACKAGES[@]}" "${RELIABILITY_TEST_PACKAGES[@]}" \
    "${WINDOWS_BUILD_PACKAGES[@]}" "${WINDOWS_ZIP_PACKAGES[@]}"
cmake --workflow --preset ci
# The same tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer: a memory error, a
# leak or undefined behaviour anywhere they reach fails the run.
cmake --workflow --preset asan
