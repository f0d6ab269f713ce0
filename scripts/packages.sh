# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by run.sh, test.sh, bench.sh, windows.sh and web.sh: the Debian packages the project needs, installed
# only when missing, so the scripts are cheap to run again and never call apt when everything is there.
# Each package is named once, in the first group that needs it; a script installs every group it needs.

# To build the game: Qt's linguist tools compile its message catalogues, gettext and the appstream
# package's ITS rules translate its desktop entry and metainfo.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev libwayland-dev qt6-tools-dev qt6-l10n-tools gettext appstream)
# Look-alikes of the layout's faces: Liberation Mono for Courier New, Bebas Neue for Impact, Lato Black
# for Arial Black; the CJK faces that draw the Japanese, Chinese and Korean captions; Noto's Arabic UI
# faces for Arabic and Persian, and Culmus's Hebrew faces (a monospaced one and a heavy one).
FONT_PACKAGES=(fonts-liberation fonts-bebas-neue fonts-lato fonts-noto-cjk fonts-noto-ui-core culmus)
# Qt's own catalogues, for the words of its standard buttons in the player's language.
LANGUAGE_PACKAGES=(qt6-translations-l10n)
# A private X desktop to run the program on (a server, a window manager, xdotool to press its keys,
# ImageMagick to read its pictures) and valgrind to run it under: for the tests, the benchmark and the
# game under Wine.
DESKTOP_PACKAGES=(xvfb openbox xdotool imagemagick valgrind)
# To build and run the tests: GoogleTest; to play a game by ear (tests/app/orca-speech.sh), the Orca
# screen reader, the accessibility bus, a private session bus, gsettings to switch the reader on and
# script (bsdutils, not in a minimal Debian testing) to read its log as it is written.
TEST_PACKAGES=(googletest libgtest-dev orca at-spi2-core dbus-bin libglib2.0-bin bsdutils)
# To check the installed program: desktop entry and metainfo validators and the Debian package tools
# (with WINDOWS_BUILD_PACKAGES: MinGW g++ for the check that the portable sources compile for Windows),
# and clang-format for the check of the C++ files' layout.
PACKAGING_TEST_PACKAGES=(build-essential desktop-file-utils file librsvg2-bin debhelper lintian reuse groff-base
    clang-format)
# To test the program under faults and on Wayland: headless compositors that leave title bars to the
# client (weston) and that draw them (phoc), and xcb to read the X server's windows.
RELIABILITY_TEST_PACKAGES=(weston phoc qt6-wayland libxcb1-dev)
# For windows.sh and web.sh, which build Qt from Debian's source: dpkg-source unpacks it (the host Qt's
# tools come from qt6-base-dev).
QT_SOURCE_PACKAGES=(dpkg-dev)
# For windows.sh: to build Qt and the game for Windows (MinGW-w64).
WINDOWS_BUILD_PACKAGES=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)
# For what windows.sh puts in the zip and the installer (NSIS's makensis) besides FONT_PACKAGES and
# LANGUAGE_PACKAGES: Liberation's OFL-licensed release.
WINDOWS_ZIP_PACKAGES=(nsis fonts-liberation2)
# For windows.sh's game under Wine, on DESKTOP_PACKAGES: Wine, a terminal (tmux) for the console the game
# is started from, wmctrl to close its window and X tools to read it.
WINDOWS_WINE_PACKAGES=(wine64 tmux wmctrl x11-utils)
# For web.sh: to build Qt and the game for WebAssembly (Emscripten, with its system libraries built; fontTools
# cuts the page's CJK font down), and to play the page in Chromium, driven through chromedriver by Selenium,
# its pictures read by Pillow.
WEB_BUILD_PACKAGES=(emscripten python3-fonttools)
WEB_BROWSER_PACKAGES=(chromium chromium-driver python3-selenium python3-pil)
# For bench.sh, on DESKTOP_PACKAGES (valgrind counts the instructions the cost targets are judged on).
BENCH_PACKAGES=(python3 python3-xlib)

missing_packages() {
    local package
    for package in "$@"; do
        if [ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" != "install ok installed" ]; then
            printf '%s\n' "$package"
        fi
    done
}

ensure_packages() {
    local missing
    mapfile -t missing < <(missing_packages "$@")
    if [ "${#missing[@]}" -eq 0 ]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -q
    # Through env: sudo would drop a variable set before it.
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}
