# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by windows.sh and web.sh: Qt built for another platform from Debian's own qt6-base source, at the
# version of the installed qt6-base-dev (whose host tools, moc, rcc and uic, the cross build uses), once,
# and kept under a key made of everything that shapes it.
#
# The caller sets, then calls qt_setup:
#   qt_target             the platform's name in what is said ("Windows")
#   qt_cache              the folder that keeps the source, the build and the built Qt
#   qt_options_file       the configure options, read as words (# starts a comment line)
#   qt_cmake_args         an array: the toolchain file and whatever else the platform needs
#   qt_key_extra          what else shapes the built Qt: the toolchain's settings and its compiler's
#                         version line (not its path, which differs between checkouts)
#   qt_expected_features  an array of feature=ON|OFF that the configured Qt must show
# qt_setup sets qt_version, qt_upstream and qt_prefix (where the built Qt is installed).

qt_setup() {
    # The host tools come from qt6-base-dev, so the other platform's Qt must be the same release.
    qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev) || fail "qt6-base-dev is not installed"
    qt_upstream=${qt_version%%+*}
    qt_upstream=${qt_upstream%%-*}
    # The release whose source packages match the installed ones.
    qt_codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    [ -n "$qt_codename" ] || fail "/etc/os-release names no Debian release (VERSION_CODENAME)"
    set -f
    # shellcheck disable=SC2207 # one option a word
    qt_options=($(grep -v '^#' "$qt_options_file"))
    set +f
    local key
    key=$({
        echo "$qt_version"
        printf '%s\n' "${qt_options[@]}"
        echo "$qt_key_extra"
    } | sha256sum | cut -c1-12)
    qt_prefix=$qt_cache/qt-$qt_upstream-$key
    # Where qt6-base-dev keeps the host Qt's CMake packages (Qt6HostInfo and the tools).
    HIGHROLL_HOST_QT_CMAKE_DIR=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake
    export HIGHROLL_HOST_QT_CMAKE_DIR
}

# Debian's source of it, through a private apt configuration that knows this release's source packages,
# so the machine's own sources stay as they are. Its lists live in the cache, one set per release. Sets
# qt_source.
qt_fetch_source() {
    local apt=$qt_cache/apt-$qt_codename suite
    qt_source=$qt_cache/src/qtbase-$qt_version
    mkdir -p "$apt/state/lists/partial" "$apt/cache/archives/partial" "$apt/parts" "$qt_cache/src"
    # One fetch at a time: another run may be unpacking the same source.
    exec {fetch_lock}>"$qt_cache/fetch.lock"
    flock "$fetch_lock"
    if [ ! -f "$qt_source/.complete" ]; then
        for suite in "debian $qt_codename" "debian-security $qt_codename-security" "debian $qt_codename-updates"; do
            echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/${suite% *} ${suite#* } main"
        done >"$apt/sources.list"
        local options=(-q -o Dir::Etc::sourcelist="$apt/sources.list" -o Dir::Etc::sourceparts="$apt/parts" -o Dir::State="$apt/state"
            -o Dir::State::status=/var/lib/dpkg/status -o Dir::Cache="$apt/cache" -o APT::Sandbox::User=root)
        # Not local: the exit trap removes it when a step below fails.
        download=$(mktemp -d "$qt_cache/src/download.XXXXXX")
        trap 'rm -rf "$download"' EXIT
        echo "Fetching Debian's qt6-base $qt_version source"
        apt-get "${options[@]}" update >"$download/update.log" 2>&1 ||
            fail "apt-get update for $qt_codename's source packages failed: $(tail -n 3 "$download/update.log")"
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

qt_configure() { # <build dir> <install prefix>
    # Afresh, so an option taken out of the list does not live on; what is compiled and unchanged stays.
    mkdir -p "$1"
    rm -f "$1/CMakeCache.txt"
    cmake -S "$qt_source" -B "$1" "${qt_options[@]}" "${qt_cmake_args[@]}" -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR="$HIGHROLL_HOST_QT_CMAKE_DIR" -DCMAKE_INSTALL_PREFIX="$2" >"$1.configure.log" 2>&1 ||
        fail "configuring Qt for $qt_target failed; the end of $1.configure.log:"$'\n'"$(tail -n 25 "$1.configure.log")"
    local expected value
    for expected in "${qt_expected_features[@]}"; do
        value=$(sed -n "s/^QT_FEATURE_${expected%=*}:INTERNAL=//p" "$1/CMakeCache.txt")
        [ "$value" = "${expected#*=}" ] || fail "Qt for $qt_target configured with ${expected%=*}=${value:-unset}, not ${expected#*=}"
    done
}

# What the LGPL asks of whoever ships Qt's libraries: its licence, and where its source comes from and how
# it was built (the Debian source version, in .complete), so that a player can build their own.
qt_built() {
    [ -f "$qt_prefix/.complete" ] || return 1
    local notices=$qt_prefix/share/highroll-qt-notices
    [ -f "$notices/copyright.txt" ] && return 0
    mkdir -p "$notices"
    cp "$qt_source/LICENSES/LGPL-3.0-only.txt" "$qt_source/LICENSES/GPL-3.0-only.txt" "$notices/"
    # Debian's record of every file's copyright and licence, Qt's bundled libraries included.
    cp "$qt_source/debian/copyright" "$notices/copyright.txt"
}

qt_build() {
    # One Qt build at a time; a run that waited here finds the other's Qt complete.
    exec {build_lock}>"$qt_prefix.lock"
    flock "$build_lock"
    if qt_built; then
        echo "Qt $qt_upstream for $qt_target: $qt_prefix (built before)"
        return 0
    fi
    # Not keyed: a build that was stopped, or whose options changed, goes on from where it was.
    local qt_build=$qt_cache/qt-$qt_upstream.build start=$SECONDS
    echo "Building Qt $qt_upstream for $qt_target in $qt_build (a long build; the log: $qt_build.log)"
    rm -rf "$qt_prefix"
    qt_configure "$qt_build" "$qt_prefix"
    cmake --build "$qt_build" --parallel "$(nproc)" >"$qt_build.log" 2>&1 ||
        fail "building Qt for $qt_target failed; the end of $qt_build.log:"$'\n'"$(grep -m 5 -B 2 -A 10 'FAILED:' "$qt_build.log" || tail -n 25 "$qt_build.log")"
    cmake --install "$qt_build" >>"$qt_build.log" 2>&1 || fail "installing Qt for $qt_target failed (see $qt_build.log)"
    echo "$qt_version" >"$qt_prefix/.complete"
    qt_built
    rm -rf "$qt_build"
    echo "Qt $qt_upstream for $qt_target built in $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s: $qt_prefix"
}
