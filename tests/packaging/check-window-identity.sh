#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed program's window, on a real X server, is the one its desktop entry describes: its
# WM_CLASS matches StartupWMClass, so desktops group it under the launcher, and it carries the
# application icon in _NET_WM_ICON.
# Usage: check-window-identity.sh <prefix> <application id>
set -euo pipefail
source "$(dirname "$0")/common.sh"
prefix=$1 app_id=$2
need Xvfb xvfb
need xdotool xdotool
need xprop x11-utils
desktop=$prefix/share/applications/$app_id.desktop
[ -f "$desktop" ] || fail "not installed: $desktop"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
exec_name=$(sed -n 's/^Exec=//p' "$desktop" | cut -d' ' -f1)

scratch=$(mktemp -d)
server=""
game=""
cleanup() {
    [ -z "$game" ] || kill "$game" 2>/dev/null || true
    [ -z "$server" ] || kill "$server" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
server=$!
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
[ -s "$scratch/display" ] || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
export DISPLAY=":$(head -n1 "$scratch/display")"

QT_QPA_PLATFORM=xcb "$prefix/bin/$exec_name" 2>"$scratch/game.log" &
game=$!
window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --pid "$game" 2>/dev/null | head -n1) || true
    [ -n "$window" ] && break
    kill -0 "$game" 2>/dev/null || fail "the program ended before showing its window: $(cat "$scratch/game.log")"
    sleep 0.1
done
[ -n "$window" ] || fail "no window of the program appeared within 10 s"

# WM_CLASS(STRING) = "instance", "class"
classes=$(xprop -id "$window" WM_CLASS)
instance=$(sed -n 's/^WM_CLASS(STRING) = "\([^"]*\)", "\([^"]*\)"$/\1/p' <<<"$classes")
class=$(sed -n 's/^WM_CLASS(STRING) = "\([^"]*\)", "\([^"]*\)"$/\2/p' <<<"$classes")
[ "$class" = "$wm_class" ] || fail "window class is '$class' ($classes), desktop entry says StartupWMClass=$wm_class"
[ "$instance" = "$exec_name" ] || fail "window instance is '$instance', the program is $exec_name"
pass "WM_CLASS $instance, $class matches the desktop entry"

# _NET_WM_ICON = width, height, width*height ARGB pixels, then the next size.
property=$(xprop -id "$window" 32c _NET_WM_ICON)
[[ "$property" == "_NET_WM_ICON(CARDINAL) = "* ]] || fail "the window has no icon: $property"
read -r -a icon < <(sed -e 's/^[^=]*= *//' -e 's/,//g' <<<"$property")
[ "${#icon[@]}" -gt 2 ] || fail "the window's _NET_WM_ICON is empty"
width=${icon[0]} height=${icon[1]}
[ "$width" -ge 16 ] && [ "$width" -eq "$height" ] || fail "_NET_WM_ICON starts with a ${width}x${height} image"
[ "${#icon[@]}" -ge $((2 + width * height)) ] || fail "_NET_WM_ICON is shorter than its first image"
# pixel <x> <y> in 128ths of the image: its ARGB value.
pixel() { echo "${icon[$((2 + ($2 * height / 128) * width + $1 * width / 128))]}"; }
# The centre pip of the die is opaque white; the face between two pips is opaque and red.
[ "$(pixel 64 58)" -eq $((0xffffffff)) ] || fail "the icon's centre is $(printf '%#x' "$(pixel 64 58)"), not a white pip"
face=$(pixel 64 32)
red=$(((face >> 16) & 255)) green=$(((face >> 8) & 255)) blue=$((face & 255)) alpha=$(((face >> 24) & 255))
[ "$alpha" -eq 255 ] && [ "$red" -gt 150 ] && [ "$green" -lt 100 ] && [ "$blue" -lt 100 ] ||
    fail "the icon's face is $(printf '%#x' "$face"), not red"
pass "_NET_WM_ICON holds the die icon (${width}x${height} first)"
