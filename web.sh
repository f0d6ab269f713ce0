#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds HighRoll as a web page (WebAssembly) on Debian 13 or later and plays a game with it in Chromium.
#
#   ./web.sh                 install what is missing, build Qt for WebAssembly once, then the web workflow
#                            preset: the game in build/wasm, its page in build/web/ (any web server can
#                            serve it) and their check in Chromium (label browser)
#   ./web.sh --no-browser    the same without the check
#   ./web.sh --if-built      the same as ./web.sh, installing nothing, when Qt for WebAssembly was built
#                            before (./test.sh's check); otherwise says why not and ends with status 77
#   ./web.sh --serve [PORT]  serves build/web/ on http://127.0.0.1:PORT/ (8000 by default) until Ctrl+C
#
# Qt is built as windows.sh builds it (scripts/qtbuild.sh), on one thread, with the options of
# packaging/web/qt-options.txt, and kept in ${XDG_CACHE_HOME:-~/.cache}/highroll/web.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
source scripts/qtbuild.sh
fail() {
    echo "web.sh: $*" >&2
    exit 1
}
mode=all
case "${1:-}" in
'') ;;
--no-browser) mode=no-browser ;;
--if-built) mode=if-built ;;
--serve)
    port=${2:-8000}
    [ -f build/web/index.html ] || fail "build/web/ holds no page yet: ./web.sh builds it"
    echo "HighRoll on http://127.0.0.1:$port/ (Ctrl+C stops the server)"
    exec python3 -m http.server --bind 127.0.0.1 --directory build/web "$port"
    ;;
*) fail "unknown option '$1' (use --no-browser, --if-built or --serve [PORT])" ;;
esac
not_here() { # <reason>: what ends the run before anything is built
    if [ "$mode" = if-built ]; then
        echo "web.sh: $1; nothing built" >&2
        exit 77
    fi
    fail "$1"
}

# Qt 6.8 is made for Emscripten 3.1.56 (Debian 13 has 3.1.69); Debian 12's 3.1.6 cannot compile it. Asked
# before anything is installed, of the installed Emscripten or else the one apt would install.
minimum_emscripten=3.1.56
check_emscripten() { # <version>: ends the run when it is too old
    local version=${1%%[+~]*}
    if [ -n "$version" ] && [ "$version" != "(none)" ] && dpkg --compare-versions "$version" lt "$minimum_emscripten"; then
        not_here "this system's Emscripten ($version) is too old to build Qt for WebAssembly ($minimum_emscripten or later: Debian 13 or later)"
    fi
}
check_emscripten "$(dpkg-query -W -f='${Version}' emscripten 2>/dev/null ||
    apt-cache policy emscripten 2>/dev/null | sed -n 's/^ *Candidate: //p')"

packages=("${BUILD_PACKAGES[@]}" "${FONT_PACKAGES[@]}" "${LANGUAGE_PACKAGES[@]}" "${QT_SOURCE_PACKAGES[@]}"
    "${WEB_BUILD_PACKAGES[@]}")
[ "$mode" = no-browser ] || packages+=("${WEB_BROWSER_PACKAGES[@]}")
if [ "$mode" = if-built ]; then
    mapfile -t missing < <(missing_packages "${packages[@]}")
    [ "${#missing[@]}" -eq 0 ] || not_here "not installed: ${missing[*]}"
else
    ensure_packages "${packages[@]}"
fi
check_emscripten "$(dpkg-query -W -f='${Version}' emscripten)"

# --- Qt for WebAssembly (scripts/qtbuild.sh) -----------------------------------------------------------
# Debian's Emscripten: its toolchain file, and its system libraries built in advance (a frozen cache).
emscripten_toolchain=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
qt_target=WebAssembly
qt_cache=${XDG_CACHE_HOME:-$HOME/.cache}/highroll/web
qt_options_file=packaging/web/qt-options.txt
qt_cmake_args=(-DCMAKE_TOOLCHAIN_FILE="$emscripten_toolchain")
qt_key_extra=$(emcc --version | head -n 1)
qt_expected_features=(gui=ON widgets=ON accessibility=ON thread=OFF png=ON freetype=ON harfbuzz=ON network=OFF
    xml=OFF dbus=OFF sql=OFF testlib=OFF printsupport=OFF)
qt_setup
# Qt's CMake files find Emscripten through an emsdk's layout: $EMSDK/.emscripten names the folder, under
# $EMSDK, that holds emcc. A folder in the cache stands in for one, around Debian's Emscripten.
EMSDK=$qt_cache/emsdk
mkdir -p "$EMSDK"
ln -sfn /usr/share/emscripten "$EMSDK/emscripten"
echo "EMSCRIPTEN_ROOT = 'emscripten'" >"$EMSDK/.emscripten"
export EMSDK
# The web preset reads the WebAssembly Qt's place, and the host Qt's CMake packages, from the environment.
HIGHROLL_WEB_QT=$qt_prefix
export HIGHROLL_WEB_QT
[ "$mode" != if-built ] || [ -f "$qt_prefix/.complete" ] ||
    not_here "no Qt for WebAssembly in $qt_prefix yet (./web.sh builds it)"

qt_fetch_source
qt_build
# The game, its folder and (but with --no-browser) the check in Chromium: CMakePresets.json.
rm -rf build/web
if [ "$mode" = no-browser ]; then
    cmake --preset web && cmake --build --preset web && cmake --install build/wasm
else
    cmake --workflow --preset web
fi || fail "building or checking HighRoll for the web failed (above)"
echo "The page is in build/web/ ($(du -sh --apparent-size build/web | cut -f1)); ./web.sh --serve serves it"
