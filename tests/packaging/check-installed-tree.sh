#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed files of a desktop application: where they are, that the desktop entry and the
# AppStream metainfo validate, and that they agree with each other and with the program's version.
# Usage: check-installed-tree.sh <prefix> <application id> <version> <languages> <language names> <icon size>...
# (<languages>: the translated languages' codes, <language names>: their names in English, each
# separated by commas)
set -euo pipefail
source "$(dirname "$0")/common.sh"
prefix=$1 app_id=$2 version=$3
IFS=, read -r -a languages <<<"$4"
IFS=, read -r -a language_names <<<"$5"
shift 5
sizes=("$@")
need desktop-file-validate desktop-file-utils
need appstreamcli appstream
need rsvg-convert librsvg2-bin
need identify imagemagick
need groff groff-base

binary=$prefix/bin/highroll
desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
svg=$prefix/share/icons/hicolor/scalable/apps/$app_id.svg
for file in "$binary" "$desktop" "$metainfo" "$svg"; do
    [ -f "$file" ] || fail "not installed: $file"
done
[ -x "$binary" ] || fail "$binary is not executable"
pass "program, desktop entry, metainfo and scalable icon are installed"

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
# Pedantic: even the hints a software centre's reviewer would raise are faults here.
validation=$(appstreamcli validate --pedantic --no-net "$metainfo") || fail "appstreamcli rejects $metainfo: $validation"
! grep -Eq '^[EWIP]: ' <<<"$validation" || fail "appstreamcli has remarks on $metainfo: $validation"
# The tree as a whole: the metainfo's launchable must name an installed desktop entry.
appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli rejects the installed tree"
pass "desktop entry and metainfo validate"

key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Icon)" = "$app_id" ] || fail "desktop entry Icon=$(key Icon), expected $app_id"
exec_name=$(key Exec | cut -d' ' -f1)
[ -x "$prefix/bin/$exec_name" ] || fail "desktop entry Exec=$exec_name is not an installed program"
[ -n "$(key StartupWMClass)" ] || fail "desktop entry has no StartupWMClass"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $app_id.desktop"
grep -q "<binary>$exec_name</binary>" "$metainfo" || fail "metainfo does not provide the binary $exec_name"
released=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo")
[ "$released" = "$version" ] || fail "metainfo release '$released', program version '$version'"
pass "desktop entry and metainfo name the program, the icon and version $version"

# The manual page: a game's section 6, this version, and nothing groff would warn about.
manual=$prefix/share/man/man6/highroll.6
[ -f "$manual" ] || fail "not installed: $manual"
heading=$(grep '^\.TH ' "$manual")
[[ "$heading" == *"\"HighRoll $version\""* ]] || fail "the manual page is not of version $version: $heading"
warnings=$(groff -ww -man -z "$manual" 2>&1)
[ -z "$warnings" ] || fail "groff warns about $manual: $warnings"
# It names as many languages as po/LINGUAS lists, and each of them.
words=$(tr -s ' \n' '  ' <"$manual")
[[ "$words" == *" one of ${#languages[@]} others, "* ]] || fail "the manual page does not say 'one of ${#languages[@]} others'"
for name in "${language_names[@]}"; do
    [[ "$words" == *" $name"[,.\ ]* ]] || fail "the manual page does not name $name"
done
pass "manual page highroll(6) of version $version, in ${#languages[@]} languages besides English, no groff warnings"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
rsvg-convert --width 64 --height 64 "$svg" --output "$scratch/icon.png" || fail "$svg does not render"
for size in "${sizes[@]}"; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    [ -f "$png" ] || fail "not installed: $png"
    [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] || fail "$png is not ${size}x${size}"
done
pass "icons in the hicolor theme: scalable and ${sizes[*]} px"

# Every language: the program's catalogue where the program finds it from its own place, the desktop
# entry's translated keys and the metainfo's translated texts.
for language in "${languages[@]}"; do
    catalogue=$prefix/share/highroll/translations/highroll_$language.qm
    [ -s "$catalogue" ] || fail "not installed: $catalogue"
    for field in Name GenericName Comment Keywords; do
        [ -n "$(key "$field\\[$language\\]")" ] || fail "desktop entry has no $field[$language]"
    done
    # gettext 0.21 (Debian 12) tags a translation with the locale's name (pt_BR); 0.22 and later (Debian
    # 13) with its BCP 47 tag, the script included where the name implies one (pt-BR, zh-Hans-CN).
    tag=$language
    [[ "$language" != *_* ]] || tag="($language|${language%_*}(-[A-Z][a-z]{3})?-${language#*_})"
    for element in name summary p keyword; do
        grep -Eq "<$element xml:lang=\"$tag\">" "$metainfo" || fail "metainfo has no <$element> in $language"
    done
done
# Software centres cut a summary longer than 35 characters; in every language.
while IFS= read -r summary; do
    length=$(printf %s "$summary" | LC_ALL=C.UTF-8 wc -m)
    [ "$length" -le 35 ] || fail "the metainfo summary '$summary' has $length characters, more than 35"
done < <(sed -n 's/.*<summary[^>]*>\(.*\)<\/summary>.*/\1/p' "$metainfo")
grep -q '<translation type="qt">highroll/translations/highroll</translation>' "$metainfo" ||
    fail "metainfo does not name the installed catalogues"
# The installed program finds its catalogues: without a display, it says so in the player's language.
expect_no_display_line "$binary" de_DE.UTF-8 "highroll: Start nicht möglich"
pass "catalogues, desktop entry and metainfo in ${#languages[@]} languages; the installed program finds its catalogues"
