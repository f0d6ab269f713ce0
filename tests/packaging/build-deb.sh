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
# nocheck: the package's build runs the unit tests (debian/rules), which this suite has run already;
# skipping them here saves building them a second time.
DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}" dpkg-buildpackage -us -uc >"$out/build.log" 2>&1 || {
    tail -n 40 "$out/build.log" >&2
    fail "dpkg-buildpackage failed; the whole log is $out/build.log"
}
pass "built $(cd "$out" && echo *.deb)"

# The configure step keeps the package's version in step with the program's, on the upstream part
# only: a packager's revision (a backport's here) configures, another upstream version does not.
# Configured in the package's copy of the tree, without the tests and tools, which it needs not.
version=$(dpkg-parsechangelog -S Version)
check_configure() { # <changelog version> <scratch build dir>
    sed -i "1s/([^)]*)/($1)/" debian/changelog
    cmake -S . -B "$2" -G Ninja -DHIGHROLL_BUILD_TESTS=OFF -DHIGHROLL_BUILD_TOOLS=OFF >"$2.log" 2>&1
}
check_configure "$version-1~bpo13+1" "$out/revision" || fail "a Debian revision does not configure: $(tail -n 5 "$out/revision.log")"
! check_configure "9$version-1" "$out/other" || fail "debian/changelog at 9$version-1 configured"
# CMake wraps its messages' lines.
tr -s ' \n' '  ' <"$out/other.log" | grep -qF "debian/changelog is at version 9$version-1, the project at $version" ||
    fail "another upstream version in debian/changelog fails without saying so: $(tail -n 5 "$out/other.log")"
sed -i "1s/([^)]*)/($version)/" debian/changelog
rm -rf "$out/revision" "$out/other"
pass "debian/changelog: $version-1~bpo13+1 configures, 9$version-1 does not"
