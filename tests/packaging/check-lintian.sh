#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's own checker accepts the source and binary packages build-deb.sh made: no errors and no
# warnings. Information tags are printed for a reader to weigh, not failed on. Skipped (status 77)
# where lintian is not installed.
# Usage: check-lintian.sh <folder with the .changes>
set -euo pipefail
source "$(dirname "$0")/common.sh"
folder=$1
command -v lintian >/dev/null 2>&1 || skip "lintian is not installed (Debian package lintian)"
mapfile -t changes < <(find "$folder" -maxdepth 1 -name 'highroll_*.changes')
[ "${#changes[@]}" -eq 1 ] || fail "expected one highroll_*.changes in $folder, found ${#changes[@]}"

status=0
report=$(lintian --info --display-info --fail-on error,warning "${changes[0]}") || status=$?
[ -z "$report" ] || printf '%s\n' "$report"
[ "$status" -eq 0 ] || fail "lintian reports errors or warnings (status $status)"
pass "lintian: no errors, no warnings in $(basename "${changes[0]}") ($(grep -c '^[IP]: ' <<<"$report" || true) information tags)"
