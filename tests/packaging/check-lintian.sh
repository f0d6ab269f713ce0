#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's own checker accepts the source and binary packages build-deb.sh made: no tag at all, the
# pedantic and experimental ones included, but for those debian/*lintian-overrides override with their
# reasons. Skipped (status 77) where lintian is not installed.
# Usage: check-lintian.sh <folder with the .changes>
set -euo pipefail
source "$(dirname "$0")/common.sh"
folder=$1
command -v lintian >/dev/null 2>&1 || skip "lintian is not installed (Debian package lintian)"
mapfile -t changes < <(find "$folder" -maxdepth 1 -name 'highroll_*.changes')
[ "${#changes[@]}" -eq 1 ] || fail "expected one highroll_*.changes in $folder, found ${#changes[@]}"

# A lintian older than the policy the package follows cannot judge it (Debian 12's knows policy up to
# 4.6.2): its newer-standards-version is left out there, and nowhere else.
suppressed=()
declared=$(sed -n 's/^Standards-Version: *//p' "$folder"/highroll_*.dsc)
known=$(grep -o '"version" *: *"[0-9.]*"' /usr/share/lintian/data/debian-policy/releases.json 2>/dev/null |
    grep -o '[0-9][0-9.]*' | sort -V | tail -n 1)
if [ -n "$declared" ] && [ -n "$known" ] && dpkg --compare-versions "$known" lt "$declared"; then
    suppressed+=(newer-standards-version)
    echo "note: this lintian knows Debian policy up to $known, the package follows $declared"
fi

# Where the releases' tools ask for opposite things, the package does what Debian 12 needs, and the
# newer lintian's tags against it are left out (where this lintian has them), each for its reason:
# - package-uses-old-debhelper-compat-version: compat 14 is not yet stable in Debian 12's debhelper;
# - redundant-priority-optional-field: Debian 12's lintian asks for Priority (recommended-field);
# - redundant-rules-requires-root-no-field: without the field Debian 12's dpkg builds as root.
for tag in package-uses-old-debhelper-compat-version redundant-priority-optional-field \
    redundant-rules-requires-root-no-field; do
    if lintian-explain-tags "$tag" >/dev/null 2>&1; then
        suppressed+=("$tag")
    fi
done

suppress=()
[ "${#suppressed[@]}" -eq 0 ] || suppress=(--suppress-tags "$(IFS=,; echo "${suppressed[*]}")")
status=0
report=$(lintian --pedantic --display-experimental --fail-on error,warning,info,pedantic,experimental \
    "${suppress[@]}" "${changes[0]}") || status=$?
[ -z "$report" ] || printf '%s\n' "$report"
[ "$status" -eq 0 ] && [ -z "$report" ] || fail "lintian reports tags (status $status)"
pass "lintian --pedantic --display-experimental: nothing to report in $(basename "${changes[0]}")"
