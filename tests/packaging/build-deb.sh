#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package as Debian builds its games, with dpkg-buildpackage over debian/, in a copy
# of the source tree: the build's by-products (obj-*/, debian/highroll/, the packages written next to
# the tree) stay out of the sources.
# Usage: build-deb.sh <source dir> <build dir> <output dir>
set -euo pipefail
source "$(dirname "$0")/common.sh"
source_dir=$(realpath "$1") build=$(realpath -m "$2") out=$(realpath -m "$3")
need dpkg-buildpackage dpkg-dev
need dh debhelper

rm -rf "$out"
mkdir -p "$out/highroll"
excludes=(--exclude-vcs --exclude='./build*' --exclude=./out)
# A build tree inside the sources, whatever its name, is not part of them.
case $build/ in
"$source_dir"/*) excludes+=(--exclude="./${build#"$source_dir"/}") ;;
esac
tar -C "$source_dir" "${excludes[@]}" -cf - . | tar -C "$out/highroll" -xf -

cd "$out/highroll"
dpkg-checkbuilddeps || fail "the build dependencies in debian/control are not installed"
dpkg-buildpackage -us -uc >"$out/build.log" 2>&1 || {
    tail -n 40 "$out/build.log" >&2
    fail "dpkg-buildpackage failed; the whole log is $out/build.log"
}
pass "built $(cd "$out" && echo *.deb)"
