#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every file of the source tree says under which licence it is and whose it is, as REUSE
# (reuse.software) asks, and every licence named has its text in LICENSES/. Skipped (status 77) where
# reuse is not installed or the tree is not a git checkout: only git tells reuse which files are
# build output.
# Usage: check-reuse.sh <source dir>
set -euo pipefail
source "$(dirname "$0")/common.sh"
source_dir=$1
command -v reuse >/dev/null 2>&1 || skip "reuse is not installed (Debian package reuse)"
git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1 || skip "$source_dir is not a git checkout"
report=$(reuse --root "$source_dir" lint 2>&1) || {
    printf '%s\n' "$report"
    fail "reuse lint: the tree does not follow REUSE (scripts/spdx-header.sh adds a header)"
}
pass "reuse lint: $(grep -E '^\* Files with license information' <<<"$report")"
