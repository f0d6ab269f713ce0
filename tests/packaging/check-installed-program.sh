#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# The program of the Debian package, as a player meets it: it names its version, speaks the player's
# language, and on an X server shows its window, takes a key press (Begin starts the player's die) and
# ends when told to stop. Run on the unpacked package by check-deb.sh and on the installed one by
# autopkgtest (debian/tests/control).
# Usage: check-installed-program.sh <program> <version>
set -euo pipefail
source "$(dirname "$0")/common.sh"
binary=$1 version=$2
need Xvfb xvfb
need xdotool xdotool

said=$("$binary" --version) || fail "$binary --version ended with status $?"
first=$(head -n 1 <<<"$said")
[[ "$first" == highroll* && "$first" == *" $version" ]] || fail "$binary --version says '$first', not highroll ... $version"
pass "--version: $first"

# It finds its catalogues from where it is installed: without a display it says so in Japanese.
expect_no_display_line "$binary" ja_JP.UTF-8 "highroll: 起動できません"
pass "it speaks the player's language"

scratch=$(mktemp -d)
xvfb="" game=""
cleanup() {
    [ -z "$game" ] || kill -KILL "$game" 2>/dev/null || true
    [ -z "$xvfb" ] || kill -TERM "$xvfb" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
# wait_for <tenths of a second> <description> <command...>: polls until the command succeeds.
wait_for() {
    local tenths=$1 what=$2
    shift 2
    for _ in $(seq "$tenths"); do
        "$@" && return 0
        sleep 0.1
    done
    fail "waited $((tenths / 10)) s for $what: $(cat "$scratch/err.log" 2>/dev/null)"
}

# A private X server on a free display.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb=$!
wait_for 300 "Xvfb to start" test -s "$scratch/display"
export DISPLAY=:$(head -n 1 "$scratch/display")

# In English, whatever the machine's language, for the title read below.
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 LANGUAGE= "$binary" >"$scratch/out.log" 2>"$scratch/err.log" &
game=$!
window=""
game_window() {
    kill -0 "$game" 2>/dev/null || fail "the program ended before showing its window: $(cat "$scratch/err.log")"
    window=$(xdotool search --onlyvisible --pid "$game" 2>/dev/null | tail -n 1) && [ -n "$window" ]
}
wait_for 300 "the program's window" game_window
title_is() { [ "$(xdotool getwindowname "$window")" = "$1" ]; }
title_has() { [[ "$(xdotool getwindowname "$window")" == *"$1"* ]]; }
# The computer's opening roll stops by itself; then the title scrolls the marquee, Space on the
# focused Begin button starts the player's die, and the title says so.
wait_for 300 "the marquee in the title" title_has "L u c k"
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers space
wait_for 100 "the player's roll's title after Space" title_is "Roll for the Money"
pass "it shows its window and plays: Space started the player's die"

kill -TERM "$game"
status=0
wait_for 50 "the program to end on SIGTERM" eval '! kill -0 "$game" 2>/dev/null'
wait "$game" || status=$?
game=""
# 0: it ended as asked (143, 128 + SIGTERM, if the signal ended it first). Anything else is a fault.
[ "$status" -eq 0 ] || [ "$status" -eq 143 ] || fail "after SIGTERM the program ended with status $status: $(cat "$scratch/err.log")"
pass "it ended on SIGTERM (status $status)"
