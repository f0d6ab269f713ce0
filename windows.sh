#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds HighRoll for 64-bit Windows on Debian 12 or 13 and plays a game with it under Wine.
#
#   ./windows.sh                   install what is missing, build Qt for Windows once, then the windows
#                                  workflow preset: the game, its zip and installer (cpack) in build/windows
#                                  and their check under Wine (label wine)
#   ./windows.sh --no-wine         the same without the check under Wine
#   ./windows.sh --configure-only  only configure Qt and the game for Windows, without building
#
# Qt is built from Debian's own qt6-base source, at the version of the installed qt6-base-dev (whose host
# tools the cross build uses), with the options of packaging/windows/qt-options.txt, and kept in
# ${XDG_CACHE_HOME:-~/.cache}/highroll/windows under a key made of everything that shapes it
# (scripts/qtbuild.sh, which web.sh shares).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
fail() {
    echo "windows.sh: $*" >&2
    exit 1
}
mode=all
case "${1:-}" in
'') ;;
--no-wine) mode=no-wine ;;
--configure-only) mode=configure-only ;;
*) fail "unknown option '$1' (use --no-wine or --configure-only)" ;;
esac
toolchain=$PWD/cmake/mingw-w64-x86_64.cmake
cache=${XDG_CACHE_HOME:-$HOME/.cache}/highroll/windows
packages=("${BUILD_PACKAGES[@]}" "${FONT_PACKAGES[@]}" "${LANGUAGE_PACKAGES[@]}" "${QT_SOURCE_PACKAGES[@]}"
    "${WINDOWS_BUILD_PACKAGES[@]}" "${WINDOWS_ZIP_PACKAGES[@]}")
[ "$mode" != all ] || packages+=("${DESKTOP_PACKAGES[@]}" "${WINDOWS_WINE_PACKAGES[@]}")
ensure_packages "${packages[@]}"

# --- Qt for Windows (scripts/qtbuild.sh) ---------------------------------------------------------------
source scripts/qtbuild.sh
qt_target=Windows
qt_cache=$cache
qt_options_file=packaging/windows/qt-options.txt
qt_cmake_args=(-DCMAKE_TOOLCHAIN_FILE="$toolchain")
qt_key_extra=$(
    grep -v -e '^#' -e '^$' "$toolchain"
    x86_64-w64-mingw32-g++-posix --version | head -n 1
)
# The features that must come out as asked: a Qt without one would not run the game, or be too big.
qt_expected_features=(gui=ON widgets=ON accessibility=ON opengl=ON style_windowsvista=ON sessionmanager=ON png=ON
    directwrite=ON direct2d=ON tabletevent=OFF network=OFF xml=OFF dbus=OFF sql=OFF testlib=OFF printsupport=OFF)
qt_setup
# The windows preset reads the Windows Qt's place, and the host Qt's CMake packages, from the environment.
HIGHROLL_WINDOWS_QT=$qt_prefix
export HIGHROLL_WINDOWS_QT

# Configure only: Qt's source with the options above in a scratch folder, its features checked, and the
# game against the Windows Qt when one has been built.
configure_only() {
    mkdir -p "$cache"
    scratch=$(mktemp -d "$cache/configure-check.XXXXXX")
    trap 'rm -rf "$scratch"' EXIT
    qt_configure "$scratch/qt" "$scratch/qt-prefix"
    echo "ok: Qt $qt_upstream configures for Windows with the toolchain file; features as asked"
    if ! qt_built; then
        echo "note: the game's own configure is not checked: no Qt for Windows built yet (./windows.sh builds it)"
    elif cmake --preset windows -B "$scratch/game" >"$scratch/game.log" 2>&1; then
        echo "ok: HighRoll configures for Windows against $HIGHROLL_WINDOWS_QT"
    else
        fail "configuring HighRoll for Windows failed: $(tail -n 25 "$scratch/game.log")"
    fi
}

qt_fetch_source
if [ "$mode" = configure-only ]; then
    configure_only
    exit 0
fi
qt_build
# The game, its zip and installer, and (but with --no-wine) the check under Wine: CMakePresets.json.
if [ "$mode" = no-wine ]; then
    cmake --preset windows && cmake --build --preset windows && cpack --preset windows
else
    cmake --workflow --preset windows
fi || fail "building, packaging or checking HighRoll for Windows failed (above)"
