#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: its control fields, its files, and that the program it holds starts and runs.
# Usage: check-deb.sh <folder with the .deb> <version> <application id> <scripts/packages.sh> <languages>
#        <language names>
# (<languages>: the translated languages' codes, <language names>: their names in English, each
# separated by commas)
set -euo pipefail
here=$(dirname "$0")
source "$here/common.sh"
folder=$1 version=$2 app_id=$3 package_lists=$4
IFS=, read -r -a languages <<<"$5"
IFS=, read -r -a language_names <<<"$6"
need dpkg-deb dpkg
need readelf binutils

mapfile -t debs < <(find "$folder" -maxdepth 1 -name 'highroll_*.deb')
[ "${#debs[@]}" -eq 1 ] || fail "expected one highroll_*.deb in $folder, found ${#debs[@]}"
deb=${debs[0]}
field() { dpkg-deb --field "$deb" "$1"; }

[ "$(field Package)" = highroll ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), the program is $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[[ "$(field Maintainer)" =~ ^[^\<\>]+\ \<[^@\ ]+@[^@\ ]+\>$ ]] || fail "Maintainer is not 'Name <address>': $(field Maintainer)"
description=$(field Description)
[ "$(wc -l <<<"$description")" -ge 2 ] || fail "Description has no long part: $description"
# It names as many languages as po/LINGUAS lists, and each of them.
words=$(tr -s ' \n' '  ' <<<"$description")
[[ "$words" == *" ${#languages[@]} other languages: "* ]] || fail "Description does not say '${#languages[@]} other languages': $description"
for name in "${language_names[@]}"; do
    [[ "$words" == *" $name"[,.\ ]* ]] || fail "Description does not name $name: $description"
done
pass "control: highroll $version, section games, maintainer $(field Maintainer)"

# dpkg-shlibdeps reads these from the binary; a package without them would install and not start.
# names <relations>: the package names of a Depends-style field, one a line, versions and | dropped.
names() { sed -e 's/([^)]*)//g' -e 's/[,|]/\n/g' <<<"$1" | tr -d ' ' | sed '/^$/d'; }
depends=$(field Depends)
# Debian 13 renamed the libraries whose ABI changed with 64-bit time_t: libqt6core6 is libqt6core6t64 there.
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
    names "$depends" | sed 's/t64$//' | grep -Fxq "$library" || fail "Depends lacks $library: $depends"
done
# The fonts the scripts install for the layout and Qt's own catalogues must come with the package too.
mapfile -t fonts < <(bash -c 'source "$1"; printf "%s\n" "${FONT_PACKAGES[@]}" "${LANGUAGE_PACKAGES[@]}"' _ "$package_lists")
[ "${#fonts[@]}" -gt 1 ] || fail "no FONT_PACKAGES or LANGUAGE_PACKAGES in $package_lists"
relations="$depends, $(field Recommends)"
for font in "${fonts[@]}"; do
    names "$relations" | grep -Fxq "$font" || fail "neither Depends nor Recommends names $font"
done
pass "Depends: $depends"
pass "Recommends: $(field Recommends)"

listing=$(dpkg-deb --contents "$deb")
# A game's program lives in /usr/games; Debian's policy asks every package for its copyright and
# changelog, and every program for a manual page.
for path in usr/games/highroll "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml" \
    "usr/share/icons/hicolor/scalable/apps/$app_id.svg" usr/share/man/man6/highroll.6.gz \
    usr/share/doc/highroll/copyright usr/share/doc/highroll/changelog.gz \
    $(printf 'usr/share/highroll/translations/highroll_%s.qm ' "${languages[@]}"); do
    grep -Eq " \./$path$" <<<"$listing" || fail "the package lacks /$path"
done
grep -Eq '^-rwxr-xr-x root/root .* \./usr/games/highroll$' <<<"$listing" ||
    fail "/usr/games/highroll is not an executable owned by root: $(grep usr/games/highroll <<<"$listing")"
strays=$(awk '$1 !~ /^d/ { print $NF }' <<<"$listing" | grep -Ev '^\./usr/(games|share)/' || true)
[ -z "$strays" ] || fail "files outside /usr/games and /usr/share: $strays"
pass "$(awk '$1 !~ /^d/' <<<"$listing" | wc -l) files, all under /usr/games and /usr/share"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg -x "$deb" "$scratch/root"
binary=$scratch/root/usr/games/highroll
file "$binary" | grep -q ', stripped' || fail "the packaged program is not stripped: $(file "$binary")"
# Debian's programs find their libraries in the system's directories, never through a run path.
! readelf -d "$binary" | grep -Eq '\((RUN)?PATH\)' || fail "the packaged program has a run path: $(readelf -d "$binary" | grep PATH)"
# The package is always an optimised build, so its libc calls are fortified.
bash "$here/check-hardening.sh" "$binary" fortified

# Unpacked, the program runs as the installed one does (debian/tests runs the same on the installed package).
bash "$here/check-installed-program.sh" "$binary" "$version"
