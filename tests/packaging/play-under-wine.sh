#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays one game with the Windows build under Wine, as a player would, on a private X server with a
# window manager, in a private Wine prefix, seeing none of the machine's fonts (so the text is drawn
# in what the zip brings, as on a Windows without the layout's faces):
# - the window appears at the size the Linux program has (the reference screenshot's), its title
#   scrolls the marquee, and the coloured controls are where the layout puts them;
# - Begin, pressed with Space, rolls the player's die (the title says so); Stop, clicked with the
#   mouse, ends the game with a result line and scores that agree with it;
# - started from a console (Wine's cmd in a terminal: tmux), Ctrl+C typed there ends it with status 0;
# - --version typed in a console is answered there;
#   a second run, started alone, ends with status 0 when the window manager closes the window.
# The game's steps are read from its accessibility log (what a screen reader is given), the layout
# from a screenshot, which is kept.
# Usage: play-under-wine.sh <unpacked zip folder> <reference screenshot> <screenshot to write>
set -euo pipefail
source "$(dirname "$0")/common.sh"
folder=$1 reference=$2 screenshot=$3

# Debian's wine64 package puts the loader here; the wine package's wrappers are not needed.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
[ -x "$wine" ] || fail "$wine is not installed (Debian package wine64)"
need Xvfb xvfb
need openbox openbox
need xdotool xdotool
need wmctrl wmctrl
need tmux tmux
need xprop x11-utils
need xwininfo x11-utils
need import imagemagick
[ -f "$folder/highroll.exe" ] || fail "no highroll.exe in $folder"
[ -f "$reference" ] || fail "no reference screenshot at $reference"

scratch=$(mktemp -d)
pids=()
tmux_socket=highroll-wine-$$
cleanup() {
    local pid
    tmux -L "$tmux_socket" kill-server 2>/dev/null || true
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    WINEPREFIX=$scratch/prefix "$wineserver" -k 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

# wait_for <seconds> <description> <command...>: polls until the command succeeds.
wait_for() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        ((SECONDS < deadline)) || fail "waited ${seconds}s for $what"
        sleep 0.2
    done
}

# A private X server on a free display, and a window manager: it gives the window the focus and
# closes it as a player's click on its close button does.
Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp >"$scratch/display" 2>"$scratch/xvfb.log" &
pids+=($!)
xvfb_started() { [ -s "$scratch/display" ]; }
wait_for 30 "Xvfb to start" xvfb_started
export DISPLAY=:$(head -n 1 "$scratch/display")

openbox >"$scratch/openbox.log" 2>&1 &
pids+=($!)

# No fonts from the machine: fontconfig, through which Wine finds them, is given an empty list.
cat >"$scratch/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><dir>$scratch/no-fonts</dir><cachedir>$scratch/fontconfig-cache</cachedir></fontconfig>
EOF
export FONTCONFIG_FILE=$scratch/fonts.conf
export WINEPREFIX=$scratch/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine takes Windows' language from the locale: the checks read the game's English texts.
export LC_ALL=C.UTF-8 LANGUAGE=
"$wine" wineboot -i >"$scratch/wineboot.log" 2>&1 || fail "wineboot could not make a Wine prefix: $(tail -n 5 "$scratch/wineboot.log")"
"$wineserver" -w

# Qt writes its log to stderr instead of the debugger channel; the game's steps, fonts and stop
# requests are logged. Wine keeps the machine's QT_* variables from Windows programs (they are meant
# for Linux's Qt) and passes WINEQT_* ones on without the WINE.
export WINEQT_FORCE_STDERR_LOGGING=1
export WINEQT_LOGGING_RULES="highroll.accessibility.debug=true;highroll.fonts.debug=true;highroll.signals.debug=true"

game_pid=
window=
# From a console: cmd waits for the program and exits with its status, which the terminal's shell
# writes down. The program joins cmd's console, so Ctrl+C typed in the terminal reaches it.
start_game_from_console() { # <log name>
    tmux -L "$tmux_socket" new-session -d -x 120 -y 30 -c "$folder" \
        "exec 2>'$scratch/$1.err'; '$wine' cmd /c highroll.exe; echo \$? >'$scratch/$1.status'"
    game_pid=
    wait_for 90 "the game's window" find_window
}
# Alone, as a launcher starts it.
start_game() { # <log name>
    (cd "$folder" && exec "$wine" highroll.exe) >"$scratch/$1.out" 2>"$scratch/$1.err" &
    game_pid=$!
    wait_for 90 "the game's window" find_window
}
find_window() {
    if [ -n "$game_pid" ] && ! kill -0 "$game_pid" 2>/dev/null; then
        fail "the game ended before showing its window: $(cat "$scratch"/*.err)"
    fi
    # Wine names a window's class after its program.
    window=$(xdotool search --onlyvisible --classname '^highroll\.exe$' 2>/dev/null | head -n 1) && [ -n "$window" ]
}
title() {
    xprop -id "$window" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'
}
title_has() { [[ "$(title)" == *"$1"* ]]; }
log_has() { grep -qF -- "$2" "$scratch/$1.err"; }
# check_status_0 <status> <what ended the game>
check_status_0() {
    [ "$1" -eq 0 ] || fail "the game ended with status $1 after $2: $(tail -n 5 "$scratch"/*.err)"
}

# --- One game, started from a console ---------------------------------------------------------------------
start_game_from_console play
# A face may name several families ("Lato, Lato Black" from Debian 13's Lato): each must be among them.
for family in "Liberation Mono" "Bebas Neue" "Lato Black"; do
    grep -qE -- "registered (.*, )?$family(,| from)" "$scratch/play.err" || fail "the font $family from fonts/ was not registered: $(cat "$scratch/play.err")"
done
pass "the look-alike fonts are registered from fonts/"
log_has play "ending the program on Ctrl+C" || fail "no console stop handler: $(cat "$scratch/play.err")"

layout_size=$(identify -format '%wx%h' "$reference")
size=$(xwininfo -id "$window" | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w "x" h}')
[ "$size" = "$layout_size" ] || fail "the window is $size, the layout's size is $layout_size"
pass "a window of the layout's size, ${size}"

# The computer's opening roll stops by itself; then Begin is shown and the title scrolls.
wait_for 30 "the computer's opening roll" log_has play "description of Command1 set: The computer rolled"
wait_for 10 "the marquee in the title" title_has "L u c k"
pass "the title scrolls the marquee: '$(title)'"

xdotool windowactivate --sync "$window"
xdotool key --clearmodifiers space
wait_for 10 "the player's die to roll after Space" log_has play "announced: Your die is rolling."
wait_for 5 "the player's title" title_has "Roll for the Money"
pass "Space pressed Begin: '$(title)'"

# Stop is the button the layout puts at the top left of its row (the Command1 row: 0, 1800, 3015,
# 855 twips, 15 to a pixel): its middle.
xdotool mousemove --window "$window" 100 148 click 1
wait_for 10 "the result after the click on Stop" log_has play "announced: You rolled"
result=$(grep -o 'announced: You rolled.*' "$scratch/play.err" | tail -n 1)
case "$result" in
*"You Win!!! Score: computer 0, you 10."*) ;;
*"You Lose... Score: computer 10, you 0."*) ;;
*"It's a Tie! Score: computer 5, you 5."*) ;;
*) fail "the result does not agree with its scores: $result" ;;
esac
pass "a click on Stop ended the game: ${result#announced: }"

sleep 0.5 # the repaint after the result
import -window "$window" "$screenshot" || fail "import could not take a screenshot of the window"
# Points of the layout where a control's background shows, whatever the dice: the computer's panel,
# the score panel, the value box, the die, the result line and the window itself. The colours must
# be the Linux program's.
for point in 210,120 345,260 124,4 60,112 76,316 10,300; do
    ours=$(convert "$screenshot" -format "%[pixel:p{$point}]" info:)
    linux=$(convert "$reference" -format "%[pixel:p{$point}]" info:)
    [ "$ours" = "$linux" ] || fail "at $point the window shows $ours, the Linux program $linux"
done
# The result line (the winlose row: 1080, 4080, 3015, 735 twips) holds text: dark pixels on its yellow.
dark=$(convert "$screenshot" -crop 201x49+72+272 -colorspace Gray -threshold 40% -negate -format '%[fx:round(mean*w*h)]' info:)
((dark > 50)) || fail "the result line shows no text ($dark dark pixels)"
pass "the controls' colours are where the layout puts them and the result is drawn ($screenshot)"

tmux -L "$tmux_socket" send-keys C-c
console_ended() { [ -s "$scratch/play.status" ]; }
wait_for 30 "the game to end after Ctrl+C in its console" console_ended
log_has play "ending on Ctrl+C" || fail "the game did not see the Ctrl+C: $(cat "$scratch/play.err")"
check_status_0 "$(cat "$scratch/play.status")" "Ctrl+C"
pass "Ctrl+C in the console ended the game with status 0"

# --- Closing the window -------------------------------------------------------------------------------
start_game close
wmctrl -i -c "$window"
game_ended() { ! kill -0 "$game_pid" 2>/dev/null; }
wait_for 30 "the game to end after its window was closed" game_ended
status=0
wait "$game_pid" || status=$?
check_status_0 "$status" "the window manager's close"
pass "closing the window ended the game with status 0"

# --- The command line, answered in the console it was typed in -----------------------------------------
tmux -L "$tmux_socket" new-session -d -s version -x 120 -y 30 -c "$folder" \
    "'$wine' cmd /c highroll.exe --version; echo \"ended with \$?\"; sleep 600"
version_answered() { tmux -L "$tmux_socket" capture-pane -p -t version | grep -q "^ended with "; }
wait_for 60 "highroll.exe --version to answer" version_answered
said=$(tmux -L "$tmux_socket" capture-pane -p -t version)
grep -Eq '^highroll [0-9]+\.[0-9]+\.[0-9]+' <<<"$said" && grep -q '^ended with 0$' <<<"$said" ||
    fail "--version did not answer in the console: $said"
pass "--version answers in the console: $(grep -E '^highroll ' <<<"$said")"
