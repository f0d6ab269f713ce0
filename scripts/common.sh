# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by run.sh, test.sh and bench.sh: the Debian packages the project needs, installed only when
# missing, so the scripts are cheap to run again and never call apt when everything is there.

# To build the game: Qt's linguist tools compile its message catalogues, gettext and the appstream
# package's ITS rules translate its desktop entry and metainfo.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev libwayland-dev qt6-tools-dev qt6-l10n-tools gettext appstream)
# Look-alikes of the layout's faces: Liberation Mono for Courier New, Bebas Neue for Impact, Lato Black
# for Arial Black; the CJK faces that draw the Japanese, Chinese and Korean captions; Noto's Arabic UI
# faces for Arabic and Persian, and Culmus's Hebrew faces (a monospaced one and a heavy one).
FONT_PACKAGES=(fonts-liberation fonts-bebas-neue fonts-lato fonts-noto-cjk fonts-noto-ui-core culmus)
# Qt's own catalogues, for the words of its standard buttons in the player's language.
LANGUAGE_PACKAGES=(qt6-translations-l10n)
# To build and run the tests: GoogleTest, a real X server for the tests that need one (they read its
# windows over xcb themselves) and ImageMagick for the icon checks.
TEST_PACKAGES=(googletest libgtest-dev xvfb imagemagick
    # To play a game by ear (../shared/tools/orca-speech): the Orca screen reader, the accessibility
    # bus, a window manager to give the window its focus and xdotool to press its keys, a private
    # session bus and gsettings to switch the screen reader on.
    orca at-spi2-core openbox xdotool dbus-bin libglib2.0-bin)
# To check the installed program: desktop entry and metainfo validators, the Debian package tools,
# and MinGW g++ for the check that the portable sources compile for Windows.
PACKAGING_TEST_PACKAGES=(build-essential desktop-file-utils appstream dpkg-dev file librsvg2-bin binutils-mingw-w64-x86-64
    g++-mingw-w64-x86-64-posix debhelper lintian reuse groff-base)
# To test the program under faults: sanitizers, valgrind, a headless Wayland compositor.
RELIABILITY_TEST_PACKAGES=(valgrind weston qt6-wayland libxcb1-dev)
# For windows.sh: to build Qt and the game for Windows (MinGW-w64; dpkg-source, which unpacks Debian's
# source packages; the host Qt's tools come from qt6-base-dev).
WINDOWS_BUILD_PACKAGES=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 dpkg-dev)
# For what windows.sh puts in the zip: the look-alike fonts (Liberation's OFL-licensed release) and Qt's
# own translations.
WINDOWS_ZIP_PACKAGES=(zip fonts-liberation2 fonts-bebas-neue fonts-lato qt6-translations-l10n)
# For windows.sh's game under Wine: Wine, a private X server with a window manager, a terminal (tmux)
# for the console the game is started from, xdotool and wmctrl to press keys, click and close, X tools
# to read the window and ImageMagick for the screenshot.
WINDOWS_WINE_PACKAGES=(wine64 xvfb openbox tmux xdotool wmctrl x11-utils imagemagick)
# For bench.sh only; valgrind counts the instructions the cost targets are judged on.
BENCH_PACKAGES=(xvfb python3 python3-xlib valgrind)

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
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}
