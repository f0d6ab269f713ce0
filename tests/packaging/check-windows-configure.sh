#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# windows.sh and its toolchain file (cmake/mingw-w64-x86_64.cmake) still configure: Qt's source from
# Debian configures for Windows with the script's options and comes out with the features the game
# needs, and the game configures against the Windows Qt when one has been built. Building Qt takes
# most of an hour, so windows.sh itself is not run here (see docs/windows.md).
# Usage: check-windows-configure.sh <source dir>
set -euo pipefail
source "$(dirname "$0")/common.sh"
src=$1

# What windows.sh --configure-only needs; ./test.sh installs it. The check installs nothing itself.
source "$src/scripts/packages.sh"
mapfile -t missing < <(missing_packages "${BUILD_PACKAGES[@]}" "${FONT_PACKAGES[@]}" "${LANGUAGE_PACKAGES[@]}" \
    "${QT_SOURCE_PACKAGES[@]}" "${WINDOWS_BUILD_PACKAGES[@]}" "${WINDOWS_ZIP_PACKAGES[@]}")
[ "${#missing[@]}" -eq 0 ] || skip "not installed: ${missing[*]}"

output=$(bash "$src/windows.sh" --configure-only 2>&1) || {
    printf '%s\n' "$output"
    fail "windows.sh --configure-only failed"
}
printf '%s\n' "$output"
grep -q '^ok: Qt .* configures for Windows' <<<"$output" || fail "windows.sh did not say Qt configures"
pass "windows.sh configures Qt for Windows with its toolchain file"
