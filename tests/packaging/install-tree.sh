#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix, fresh each time, for the checks of the installed files.
# Usage: install-tree.sh <build dir> <config> <prefix>
set -euo pipefail
build=$1 config=$2 prefix=$3
rm -rf "$prefix"
# A build without a build type has no config to name.
cmake --install "$build" ${config:+--config "$config"} --prefix "$prefix"
