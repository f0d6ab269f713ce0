#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds HighRoll and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh

ensure_packages "${BUILD_PACKAGES[@]}" "${FONT_PACKAGES[@]}" "${LANGUAGE_PACKAGES[@]}"
cmake --preset release
cmake --build --preset release
exec ./build/release/app/highroll "$@"
