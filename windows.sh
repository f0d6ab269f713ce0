#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds HighRoll for 64-bit Windows on Debian 12 or 13 and plays a game with it under Wine.
#
#   ./windows.sh                   install what is missing, build Qt (once), build the game, write the
#                                  zip build/windows/highroll-<version>-windows-x86_64.zip and the
#                                  installer highroll-<version>-windows-x86_64-setup.exe, play it
#   ./windows.sh --no-wine         the same without the game under Wine
#   ./windows.sh --configure-only  only configure Qt and the game for Windows (no build): the check
#                                  that this script and cmake/mingw-w64-x86_64.cmake still work
#
# Qt for Windows is built from Debian's own qt6-base source (the version of the installed
# qt6-base-dev, whose host tools the cross build uses), with MinGW-w64 and the project's toolchain
# file, and kept in ${XDG_CACHE_HOME:-~/.cache}/highroll/windows under a key made of everything that
# shapes it, so a second run or a fresh clone skips it and a changed configuration builds anew.
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

source_dir=$PWD
toolchain=$source_dir/cmake/mingw-w64-x86_64.cmake
cache=${XDG_CACHE_HOME:-$HOME/.cache}/highroll/windows
build=$source_dir/build/windows
jobs=$(nproc)

packages=("${BUILD_PACKAGES[@]}" "${FONT_PACKAGES[@]}" "${LANGUAGE_PACKAGES[@]}" "${WINDOWS_BUILD_PACKAGES[@]}"
    "${WINDOWS_ZIP_PACKAGES[@]}")
if [ "$mode" = all ]; then
    packages+=("${DESKTOP_PACKAGES[@]}" "${WINDOWS_WINE_PACKAGES[@]}")
fi
ensure_packages "${packages[@]}"

# --- Qt's source, from Debian ------------------------------------------------------------------------
# The host tools (moc, rcc, uic) come from qt6-base-dev, so the Windows Qt must be the same release.
qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev) || fail "qt6-base-dev is not installed"
qt_upstream=${qt_version%%+*}
qt_upstream=${qt_upstream%%-*}
# The release whose source packages match the installed ones: bookworm's Qt 6.4 or trixie's Qt 6.8.
debian_codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
debian_version=$(. /etc/os-release && echo "${VERSION_ID:-}")
[ -n "$debian_codename" ] || fail "/etc/os-release names no Debian release (VERSION_CODENAME)"
# Qt 6.7 replaced the windowsvista style's plugin with one that holds it and the windows11 style, which
# Qt chooses on Windows 11 (windowsvista on Windows 10).
if dpkg --compare-versions "$qt_upstream" ge 6.7; then
    qt_style_plugin=qmodernwindowsstyle.dll
    qt_style_features=(style_windowsvista=ON style_windows11=ON)
else
    qt_style_plugin=qwindowsvistastyle.dll
    qt_style_features=(style_windowsvista=ON)
fi

# A private apt configuration that knows this release's source packages, so the machine's own sources
# stay as they are. Its lists live in the cache, one set per release.
fetch_qt_source() {
    local apt=$cache/apt-$debian_codename
    qt_source=$cache/src/qtbase-$qt_version
    mkdir -p "$cache"
    # One fetch at a time: another run may be unpacking the same source.
    exec {fetch_lock}>"$cache/fetch.lock"
    flock "$fetch_lock"
    if [ -f "$qt_source/.complete" ]; then
        exec {fetch_lock}>&-
        return 0
    fi
    mkdir -p "$apt/state/lists/partial" "$apt/cache/archives/partial" "$apt/sources.list.d" "$cache/src"
    cat >"$apt/sources.list" <<EOF
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian $debian_codename main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian-security $debian_codename-security main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian $debian_codename-updates main
EOF
    cat >"$apt/apt.conf" <<EOF
Dir::Etc::sourcelist "$apt/sources.list";
Dir::Etc::sourceparts "$apt/sources.list.d";
Dir::State "$apt/state";
Dir::State::status "/var/lib/dpkg/status";
Dir::Cache "$apt/cache";
APT::Sandbox::User "root";
EOF
    # Not local: the exit trap removes it when a step below fails.
    download=$(mktemp -d "$cache/src/download.XXXXXX")
    trap 'rm -rf "$download"' EXIT
    echo "Fetching Debian's qt6-base $qt_version source"
    APT_CONFIG=$apt/apt.conf apt-get update -q >"$download/update.log" 2>&1 ||
        fail "apt-get update for $debian_codename's source packages failed: $(tail -n 3 "$download/update.log")"
    # dpkg-source unpacks it with Debian's patches applied (among them its security fixes).
    (cd "$download" && APT_CONFIG=$apt/apt.conf apt-get source -q "qt6-base=$qt_version" >source.log 2>&1) ||
        fail "apt-get source qt6-base=$qt_version failed: $(tail -n 3 "$download/source.log")"
    rm -rf "$qt_source"
    local unpacked=qt6-base-${qt_version%-*}
    mv "$download/$unpacked" "$qt_source" || fail "the source package did not unpack to $unpacked"
    rm -rf "$download"
    trap - EXIT
    touch "$qt_source/.complete"
    exec {fetch_lock}>&-
}

# --- Qt for Windows ------------------------------------------------------------------------------------
# Only what the game uses: Core, Gui, Widgets, the Windows platform plugin (which carries the UI
# Automation bridge for screen readers) and the native widget styles ("windowsvista", and from Qt 6.7
# "windows11").
QT_CONFIGURE_OPTIONS=(
    -G Ninja
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    # Modules the game does not use.
    -DFEATURE_concurrent=OFF -DFEATURE_dbus=OFF -DFEATURE_network=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_sql=OFF -DFEATURE_testlib=OFF -DFEATURE_xml=OFF
    # Its pictures are PNG, which Gui reads itself: no image format plugins, no JPEG or GIF.
    -DFEATURE_imageformatplugin=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
    # Windows' own font engines draw the text; FreeType would only serve the offscreen platform.
    -DFEATURE_freetype=OFF
    # Direct2D stays, the DirectWrite font engine needs it; its platform plugin goes.
    -DFEATURE_direct2d=ON -DFEATURE_direct2d1_1=OFF
    -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF
    -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF -DFEATURE_pdf=OFF
    # Debian's +dfsg source leaves out the Wintab headers that tablet events need.
    -DFEATURE_tabletevent=OFF
    # The Windows platform plugin of Qt 6.4 does not compile without OpenGL; MinGW has opengl32.
    -DINPUT_opengl=desktop
    # Screen readers reach the game through UI Automation.
    -DFEATURE_accessibility=ON
    # Qt's bundled copies: the MinGW sysroot has none of these libraries.
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF
)
# The Qt features that must come out of the configuration as asked: a source or a Qt that silently
# drops one of them would build a Qt the game cannot run on, or one bigger than it needs.
QT_EXPECTED_FEATURES=(gui=ON widgets=ON accessibility=ON opengl=ON "${qt_style_features[@]}" sessionmanager=ON
    png=ON directwrite=ON direct2d=ON tabletevent=OFF network=OFF xml=OFF dbus=OFF sql=OFF testlib=OFF
    printsupport=OFF)

# Where qt6-base-dev keeps the host Qt's CMake packages (Qt6HostInfo and the tools).
host_cmake_dir=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake

qt_key() {
    {
        echo "$qt_version"
        printf '%s\n' "${QT_CONFIGURE_OPTIONS[@]}"
        grep -v -e '^#' -e '^$' "$toolchain"
        x86_64-w64-mingw32-g++-posix --version | head -n 1
    } | sha256sum | cut -c1-12
}

configure_qt() { # <build dir> <install prefix>
    mkdir -p "$(dirname "$1")"
    # Configured afresh, so an option taken out of the list does not live on in the cache; what is
    # already compiled and unchanged is kept.
    rm -f "$1/CMakeCache.txt"
    cmake -S "$qt_source" -B "$1" "${QT_CONFIGURE_OPTIONS[@]}" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir" -DCMAKE_INSTALL_PREFIX="$2" >"$1.configure.log" 2>&1 ||
        fail "configuring Qt for Windows failed; the end of $1.configure.log:
$(tail -n 25 "$1.configure.log")"
    local expected feature value
    for expected in "${QT_EXPECTED_FEATURES[@]}"; do
        feature=${expected%=*}
        value=$(sed -n "s/^QT_FEATURE_$feature:INTERNAL=//p" "$1/CMakeCache.txt")
        [ "$value" = "${expected#*=}" ] || fail "Qt for Windows configured with $feature=${value:-unset}, not ${expected#*=}"
    done
}

# True when the Qt at $qt_prefix is complete; one cached by an older windows.sh gets its notices.
qt_built() {
    [ -f "$qt_prefix/.complete" ] || return 1
    [ -f "$qt_prefix/share/highroll-qt-notices/SOURCE.txt" ] ||
        write_qt_notices "$qt_prefix/share/highroll-qt-notices"
}

build_qt() {
    qt_prefix=$cache/qt-$qt_upstream-$(qt_key)
    # One Qt build at a time; a run that waited here finds the other's Qt complete.
    exec {build_lock}>"$qt_prefix.lock"
    flock "$build_lock"
    if qt_built; then
        echo "Qt $qt_upstream for Windows: $qt_prefix (built before)"
        return 0
    fi
    # Not keyed: a build that was stopped, or whose options changed, goes on from where it was.
    local qt_build=$cache/qt-$qt_upstream.build
    echo "Building Qt $qt_upstream for Windows in $qt_build (a long build; the log: $qt_build.log)"
    local start=$SECONDS
    rm -rf "$qt_prefix"
    mkdir -p "$qt_build"
    configure_qt "$qt_build" "$qt_prefix"
    cmake --build "$qt_build" --parallel "$jobs" >"$qt_build.log" 2>&1 ||
        fail "building Qt for Windows failed; the end of $qt_build.log:
$(grep -m 5 -B 2 -A 10 'FAILED:' "$qt_build.log" || tail -n 25 "$qt_build.log")"
    cmake --install "$qt_build" >>"$qt_build.log" 2>&1 || fail "installing Qt for Windows failed (see $qt_build.log)"
    write_qt_notices "$qt_prefix/share/highroll-qt-notices"
    echo "$qt_version" >"$qt_prefix/.complete"
    rm -rf "$qt_build"
    echo "Qt $qt_upstream for Windows built in $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s: $qt_prefix"
}

# What the LGPL asks of whoever ships Qt's libraries: its licence, and where its source comes from and
# how it was built, so that a player can build their own and put it in place. The game's install rules
# put these in the zip (packaging/windows/CMakeLists.txt).
write_qt_notices() { # <folder>
    mkdir -p "$1"
    cp "$qt_source/LICENSES/LGPL-3.0-only.txt" "$qt_source/LICENSES/GPL-3.0-only.txt" "$1/"
    # Debian's record of every file's copyright and licence, Qt's bundled libraries included.
    cp "$qt_source/debian/copyright" "$1/copyright.txt"
    cat >"$1/SOURCE.txt" <<EOF
The Qt libraries and plugins beside highroll.exe (Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll,
plugins/platforms/qwindows.dll, plugins/styles/$qt_style_plugin) are Qt $qt_upstream, under the
GNU Lesser General Public License version 3 (LGPL-3.0-only.txt, which adds to GPL-3.0-only.txt).
The third-party code Qt bundles, and its licences, are listed in copyright.txt.

They were built without changes from Debian's qt6-base source package, version $qt_version
(Debian $debian_version, "$debian_codename"): Qt's qtbase $qt_upstream source with Debian's patches. To get it:

    apt-get source qt6-base=$qt_version      (with a deb-src line for $debian_codename)
    https://snapshot.debian.org/package/qt6-base/$qt_version/
    https://sources.debian.org/src/qt6-base/$qt_version/

They were compiled for x86_64 Windows with Debian's MinGW-w64
($(x86_64-w64-mingw32-g++-posix --version | head -n 1)) by HighRoll's windows.sh, configured with:

    cmake -S qtbase -B build -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DQT_HOST_PATH=/usr \\
$(printf '        %s \\\n' "${QT_CONFIGURE_OPTIONS[@]}" | sed -z 's/-G \\\n *Ninja/-G Ninja/')

You may replace them with your own build of the same Qt version: built with the same options, it
works with this highroll.exe, which loads the libraries from its own folder.
EOF
}

# --- The game ------------------------------------------------------------------------------------------
configure_game() { # <build dir>
    # The log is written before CMake makes the folder; in a fresh clone there is no build/ yet.
    mkdir -p "$(dirname "$1")"
    cmake -S "$source_dir" -B "$1" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_PREFIX_PATH="$qt_prefix" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir" \
        -DHIGHROLL_BUILD_TESTS=OFF -DHIGHROLL_BUILD_TOOLS=OFF -DHIGHROLL_WARNINGS_AS_ERRORS=ON \
        >"$1.configure.log" 2>&1 ||
        fail "configuring HighRoll for Windows failed; the end of $1.configure.log:
$(tail -n 25 "$1.configure.log")"
}

# Every DLL the program and its plugins import by a name of Qt's or MinGW's is in the folder, and
# every DLL in the folder is imported by something: what the zip holds is what the program loads.
check_dlls() { # <folder>
    local folder=$1 file imports=() name
    local -A imported=()
    while IFS= read -r -d '' file; do
        mapfile -t imports < <(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\tDLL Name: //p')
        for name in "${imports[@]}"; do
            imported[$name]=1
            if [[ "$name" == Qt6* || "$name" == lib* ]] && [ ! -f "$folder/$name" ]; then
                fail "${file#"$folder"/} needs $name, which is not in the zip"
            fi
        done
    done < <(find "$folder" -name '*.exe' -print0 -o -name '*.dll' -print0)
    for file in "$folder"/*.dll; do
        [ -n "${imported[${file##*/}]:-}" ] || fail "${file##*/} is in the zip but nothing loads it"
    done
}

build_game() {
    local start=$SECONDS
    configure_game "$build"
    cmake --build "$build" --parallel "$jobs" || fail "building HighRoll for Windows failed"
    echo "HighRoll for Windows built in $((SECONDS - start)) s"

    # The zip holds what the install rules install, in a folder named like the zip.
    package=$(sed -n 's/^HIGHROLL_WINDOWS_PACKAGE:INTERNAL=//p' "$build/CMakeCache.txt")
    [ -n "$package" ] || fail "the build names no package (HIGHROLL_WINDOWS_PACKAGE)"
    stage=$build/stage/$package
    rm -rf "$build/stage"
    cmake --install "$build" --prefix "$stage" --strip >"$build/install.log" ||
        fail "installing HighRoll into $stage failed (see $build/install.log)"
    check_dlls "$stage"
    zip=$build/$package.zip
    rm -f "$zip"
    (cd "$build/stage" && zip -q -r -X -9 "$zip" "$package") || fail "zip could not write $zip"
    echo "Wrote $zip ($(du -k "$zip" | cut -f1) KiB; unpacked $(du -sk "$stage" | cut -f1) KiB):"
    (cd "$stage" && find . -type f | sed 's|^\./|  |' | sort)
    build_installer
}

# The installer holds what the zip holds; its uninstaller removes those files by name and their folders
# when empty, deepest first. The list of them is written from the staged folder for makensis.
write_installer_files() { # <file list>
    local path folders files i
    mapfile -t folders < <(cd "$stage" && find . -mindepth 1 -type d -printf '%P\n' | sort)
    mapfile -t files < <(cd "$stage" && find . -type f -printf '%P\n' | sort)
    for path in "${folders[@]}" "${files[@]}"; do
        [[ "$path" != *[\\\"\$]* ]] || fail "the staged name $path holds a character NSIS would read"
    done
    {
        echo "!define INSTALLED_KB $(du -sk "$stage" | cut -f1)"
        echo '!macro HIGHROLL_INSTALL_FILES'
        for path in "" "${folders[@]}"; do
            echo "    SetOutPath \"\$INSTDIR${path:+\\${path//\//\\}}\""
            find "$stage/$path" -mindepth 1 -maxdepth 1 -type f | sort | sed 's/.*/    File "&"/'
        done
        echo '!macroend'
        echo '!macro HIGHROLL_UNINSTALL_FILES'
        for path in "${files[@]}"; do
            echo "    Delete \"\$INSTDIR\\${path//\//\\}\""
        done
        for ((i = ${#folders[@]} - 1; i >= 0; i--)); do
            path=${folders[i]}
            echo "    RMDir \"\$INSTDIR\\${path//\//\\}\""
        done
        echo '!macroend'
    } >"$1"
}

build_installer() {
    local script
    setup=$build/$package-setup.exe
    script=$(sed -n 's/^HIGHROLL_WINDOWS_INSTALLER_SCRIPT:INTERNAL=//p' "$build/CMakeCache.txt")
    [ -f "$script" ] || fail "the build configured no installer script (HIGHROLL_WINDOWS_INSTALLER_SCRIPT)"
    write_installer_files "$build/installer-files.nsh"
    rm -f "$setup"
    makensis -V2 -DFILES="$build/installer-files.nsh" -DOUTFILE="$setup" "$script" \
        >"$build/installer.log" 2>&1 || fail "makensis could not write $setup: $(tail -n 20 "$build/installer.log")"
    echo "Wrote $setup ($(du -k "$setup" | cut -f1) KiB)"
}

# --- Configure only: the check that this script and the toolchain file still work -----------------------
# Configures Qt's source with the options above in a scratch folder (no build) and checks the features
# came out as asked; when a Qt for Windows has been built, configures the game against it too.
configure_only() {
    mkdir -p "$cache"
    configure_scratch=$(mktemp -d "$cache/configure-check.XXXXXX")
    trap 'rm -rf "$configure_scratch"' EXIT
    local scratch=$configure_scratch
    configure_qt "$scratch/qt" "$scratch/qt-prefix"
    echo "ok: Qt $qt_upstream configures for Windows with the toolchain file; features as asked"
    qt_prefix=$cache/qt-$qt_upstream-$(qt_key)
    if qt_built; then
        configure_game "$scratch/game"
        echo "ok: HighRoll configures for Windows against $qt_prefix"
    else
        echo "note: the game's own configure is not checked: no Qt for Windows built yet (./windows.sh builds it)"
    fi
}

fetch_qt_source
if [ "$mode" = configure-only ]; then
    configure_only
    exit 0
fi
build_qt
build_game
if [ "$mode" = no-wine ]; then
    exit 0
fi
echo "Installing and playing a game under Wine"
bash tests/packaging/play-under-wine.sh "$stage" "$setup" docs/screenshot.png "$build/screenshot-wine.png" ||
    fail "the game did not play under Wine (above)"
echo "The Windows build plays under Wine; its screenshot: $build/screenshot-wine.png"
