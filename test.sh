#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds HighRoll with warnings as errors and runs every test, then runs them
# again under the sanitizers. With --clang: builds it with clang instead (warnings as errors) and runs the
# unit tests.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
# As many tests at once as the machine has cores, unless the caller says otherwise.
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}

if [ "${1:-}" = --clang ]; then
    # The unit tests build with the rest, so their libraries are needed too (GoogleTest, xcb).
    ensure_packages "${BUILD_PACKAGES[@]}" "${FONT_PACKAGES[@]}" "${LANGUAGE_PACKAGES[@]}" clang googletest libgtest-dev libxcb1-dev
    exec cmake --workflow --preset clang
elif [ $# -gt 0 ]; then
    echo "usage: $0 [--clang]" >&2
    exit 2
fi

# The Windows packages: a packaging test configures Qt and the game for Windows (windows.sh --configure-only).
ensure_packages "${BUILD_PACKAGES[@]}" "${FONT_PACKAGES[@]}" "${LANGUAGE_PACKAGES[@]}" "${DESKTOP_PACKAGES[@]}" \
    "${TEST_PACKAGES[@]}" "${PACKAGING_TEST_PACKAGES[@]}" "${RELIABILITY_TEST_PACKAGES[@]}" \
    "${QT_SOURCE_PACKAGES[@]}" "${WINDOWS_BUILD_PACKAGES[@]}" "${WINDOWS_ZIP_PACKAGES[@]}"
cmake --workflow --preset ci
# The same tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer: a memory error, a
# leak or undefined behaviour anywhere they reach fails the run.
cmake --workflow --preset asan
