#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of the build tree into an empty folder, as a release would.
# Usage: build-deb.sh <build dir> <config> <output dir>
set -euo pipefail
source "$(dirname "$0")/common.sh"
build=$1 config=$2 out=$3
need dpkg-shlibdeps dpkg-dev
need file file
rm -rf "$out"
# A build without a build type has no config to name.
cpack --config "$build/CPackConfig.cmake" ${config:+-C "$config"} -B "$out"
