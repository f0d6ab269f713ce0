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
# ${XDG_CACHE_HOME:-~/.cache}/highroll/windows under a key made of everything that shapes it.
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
packages=("${BUILD_PACKAGES[@]}" "${FONT_PACKAGES[@]}" "${LANGUAGE_PACKAGES[@]}" "${WINDOWS_BUILD_PACKAGES[@]}"
    "${WINDOWS_ZIP_PACKAGES[@]}")
[ "$mode" != all ] || packages+=("${DESKTOP_PACKAGES[@]}" "${WINDOWS_WINE_PACKAGES[@]}")
ensure_packages "${packages[@]}"

# --- Qt's source, from Debian ------------------------------------------------------------------------
# The host tools (moc, rcc, uic) come from qt6-base-dev, so the Windows Qt must be the same release.
qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev) || fail "qt6-base-dev is not installed"
qt_upstream=${qt_version%%+*}
qt_upstream=${qt_upstream%%-*}
# The release whose source packages match the installed ones: bookworm's Qt 6.4 or trixie's Qt 6.8.
debian_codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
[ -n "$debian_codename" ] || fail "/etc/os-release names no Debian release (VERSION_CODENAME)"
# Debian's source of it, through a private apt configuration that knows this release's source packages,
# so the machine's own sources stay as they are. Its lists live in the cache, one set per release.
fetch_qt_source() {
    local apt=$cache/apt-$debian_codename suite
    qt_source=$cache/src/qtbase-$qt_version
    mkdir -p "$apt/state/lists/partial" "$apt/cache/archives/partial" "$apt/parts" "$cache/src"
    # One fetch at a time: another run may be unpacking the same source.
    exec {fetch_lock}>"$cache/fetch.lock"
    flock "$fetch_lock"
    if [ ! -f "$qt_source/.complete" ]; then
        for suite in "debian $debian_codename" "debian-security $debian_codename-security" "debian $debian_codename-updates"; do
            echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/${suite% *} ${suite#* } main"
        done >"$apt/sources.list"
        local options=(-q -o Dir::Etc::sourcelist="$apt/sources.list" -o Dir::Etc::sourceparts="$apt/parts" -o Dir::State="$apt/state"
            -o Dir::State::status=/var/lib/dpkg/status -o Dir::Cache="$apt/cache" -o APT::Sandbox::User=root)
        # Not local: the exit trap removes it when a step below fails.
        download=$(mktemp -d "$cache/src/download.XXXXXX")
        trap 'rm -rf "$download"' EXIT
        echo "Fetching Debian's qt6-base $qt_version source"
        apt-get "${options[@]}" update >"$download/update.log" 2>&1 ||
            fail "apt-get update for $debian_codename's source packages failed: $(tail -n 3 "$download/update.log")"
        # dpkg-source unpacks it with Debian's patches applied (among them its security fixes).
        (cd "$download" && apt-get "${options[@]}" source "qt6-base=$qt_version" >source.log 2>&1) ||
            fail "apt-get source qt6-base=$qt_version failed: $(tail -n 3 "$download/source.log")"
        rm -rf "$qt_source"
        mv "$download/qt6-base-${qt_version%-*}" "$qt_source" || fail "the source package did not unpack as qt6-base-${qt_version%-*}"
        rm -rf "$download"
        trap - EXIT
        touch "$qt_source/.complete"
    fi
    exec {fetch_lock}>&-
}

# --- Qt for Windows ------------------------------------------------------------------------------------
set -f
# shellcheck disable=SC2207 # one option a word
QT_CONFIGURE_OPTIONS=($(grep -v '^#' packaging/windows/qt-options.txt))
set +f
# The features that must come out as asked: a Qt without one would not run the game, or be too big.
QT_EXPECTED_FEATURES=(gui=ON widgets=ON accessibility=ON opengl=ON style_windowsvista=ON sessionmanager=ON png=ON
    directwrite=ON direct2d=ON tabletevent=OFF network=OFF xml=OFF dbus=OFF sql=OFF testlib=OFF printsupport=OFF)
# Where qt6-base-dev keeps the host Qt's CMake packages (Qt6HostInfo and the tools); the windows preset
# reads it and the Windows Qt's place from the environment.
HIGHROLL_HOST_QT_CMAKE_DIR=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake

qt_key() {
    {
        echo "$qt_version"
        printf '%s\n' "${QT_CONFIGURE_OPTIONS[@]}"
        grep -v -e '^#' -e '^$' "$toolchain"
        x86_64-w64-mingw32-g++-posix --version | head -n 1
    } | sha256sum | cut -c1-12
}
HIGHROLL_WINDOWS_QT=$cache/qt-$qt_upstream-$(qt_key)
export HIGHROLL_HOST_QT_CMAKE_DIR HIGHROLL_WINDOWS_QT

configure_qt() { # <build dir> <install prefix>
    # Afresh, so an option taken out of the list does not live on; what is compiled and unchanged stays.
    rm -f "$1/CMakeCache.txt"
    cmake -S "$qt_source" -B "$1" "${QT_CONFIGURE_OPTIONS[@]}" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR="$HIGHROLL_HOST_QT_CMAKE_DIR" -DCMAKE_INSTALL_PREFIX="$2" >"$1.configure.log" 2>&1 ||
        fail "configuring Qt for Windows failed; the end of $1.configure.log:"$'\n'"$(tail -n 25 "$1.configure.log")"
    local expected value
    for expected in "${QT_EXPECTED_FEATURES[@]}"; do
        value=$(sed -n "s/^QT_FEATURE_${expected%=*}:INTERNAL=//p" "$1/CMakeCache.txt")
        [ "$value" = "${expected#*=}" ] || fail "Qt for Windows configured with ${expected%=*}=${value:-unset}, not ${expected#*=}"
    done
}

# What the LGPL asks of whoever ships Qt's libraries: its licence, and (packaging/windows/qt-source.txt.in)
# where its source comes from and how it was built, so that a player can build their own.
qt_built() {
    [ -f "$HIGHROLL_WINDOWS_QT/.complete" ] || return 1
    local notices=$HIGHROLL_WINDOWS_QT/share/highroll-qt-notices
    [ -f "$notices/copyright.txt" ] && return 0
    mkdir -p "$notices"
    cp "$qt_source/LICENSES/LGPL-3.0-only.txt" "$qt_source/LICENSES/GPL-3.0-only.txt" "$notices/"
    # Debian's record of every file's copyright and licence, Qt's bundled libraries included.
    cp "$qt_source/debian/copyright" "$notices/copyright.txt"
}

build_qt() {
    # One Qt build at a time; a run that waited here finds the other's Qt complete.
    exec {build_lock}>"$HIGHROLL_WINDOWS_QT.lock"
    flock "$build_lock"
    if qt_built; then
        echo "Qt $qt_upstream for Windows: $HIGHROLL_WINDOWS_QT (built before)"
        return 0
    fi
    # Not keyed: a build that was stopped, or whose options changed, goes on from where it was.
    local qt_build=$cache/qt-$qt_upstream.build start=$SECONDS
    echo "Building Qt $qt_upstream for Windows in $qt_build (a long build; the log: $qt_build.log)"
    rm -rf "$HIGHROLL_WINDOWS_QT"
    configure_qt "$qt_build" "$HIGHROLL_WINDOWS_QT"
    cmake --build "$qt_build" --parallel "$(nproc)" >"$qt_build.log" 2>&1 ||
        fail "building Qt for Windows failed; the end of $qt_build.log:"$'\n'"$(grep -m 5 -B 2 -A 10 'FAILED:' "$qt_build.log" || tail -n 25 "$qt_build.log")"
    cmake --install "$qt_build" >>"$qt_build.log" 2>&1 || fail "installing Qt for Windows failed (see $qt_build.log)"
    # The Debian source's version: the zip's SOURCE.txt names it.
    echo "$qt_version" >"$HIGHROLL_WINDOWS_QT/.complete"
    qt_built
    rm -rf "$qt_build"
    echo "Qt $qt_upstream for Windows built in $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s: $HIGHROLL_WINDOWS_QT"
}

# Configure only: Qt's source with the options above in a scratch folder, its features checked, and the
# game against the Windows Qt when one has been built.
configure_only() {
    mkdir -p "$cache"
    scratch=$(mktemp -d "$cache/configure-check.XXXXXX")
    trap 'rm -rf "$scratch"' EXIT
    configure_qt "$scratch/qt" "$scratch/qt-prefix"
    echo "ok: Qt $qt_upstream configures for Windows with the toolchain file; features as asked"
    if ! qt_built; then
        echo "note: the game's own configure is not checked: no Qt for Windows built yet (./windows.sh builds it)"
    elif cmake --preset windows -B "$scratch/game" >"$scratch/game.log" 2>&1; then
        echo "ok: HighRoll configures for Windows against $HIGHROLL_WINDOWS_QT"
    else
        fail "configuring HighRoll for Windows failed: $(tail -n 25 "$scratch/game.log")"
    fi
}

fetch_qt_source
if [ "$mode" = configure-only ]; then
    configure_only
    exit 0
fi
build_qt
# The game, its zip and installer, and (but with --no-wine) the check under Wine: CMakePresets.json.
if [ "$mode" = no-wine ]; then
    cmake --preset windows && cmake --build --preset windows && cpack --preset windows
else
    cmake --workflow --preset windows
fi || fail "building, packaging or checking HighRoll for Windows failed (above)"
