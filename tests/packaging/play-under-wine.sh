#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Windows build with its installer and plays one game with it under Wine, as a player
# would, on a private X server with a window manager, in a private Wine prefix, seeing none of the
# machine's fonts (so the text is drawn in what the game brings, as on a Windows without the layout's
# faces):
# - the installer, silent (/S), installs what the zip holds for the current user, with a Start-menu
#   shortcut and an Uninstall entry (name, version, publisher, icon, size);
# - the window appears at the size the Linux program has (the reference screenshot's), its title
#   scrolls the marquee, and the coloured controls are where the layout puts them;
# - Begin, pressed with Space, rolls the player's die (the title says so); Stop, clicked with the
#   mouse, ends the game with a result line and scores that agree with it;
# - started from a console (Wine's cmd in a terminal: tmux), Ctrl+C typed there ends it with status 0;
# - --version typed in a console is answered there;
#   a second run, started alone, ends with status 0 when the window manager closes the window;
# - after each step, a UI Automation client (uia-read.cpp, as a Windows screen reader reads the button)
#   finds the button's name and description as the game gave them, which are the words Orca speaks on
#   Linux; where Wine's UI Automation cannot answer, the call that stopped it is shown instead;
# - at 144 dpi (150%), the window is 1.5 times the layout's size and every
#   caption is drawn at the size it has at 96 dpi, which fits its box there;
# - the silent uninstaller removes every file, the shortcut and the Uninstall entry, and leaves a file
#   the player put in the folder.
# The game's steps are read from its accessibility log (what a screen reader is given), the layout
# from a screenshot, which is kept, and one at 144 dpi beside it (<screenshot>-144dpi.png).
# Usage: play-under-wine.sh <zip> <setup.exe> <reference screenshot> <screenshot to write>
set -euo pipefail
source "$(dirname "$0")/common.sh"
zip=$(realpath "$1") setup=$2 reference=$3 screenshot=$4

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
need x86_64-w64-mingw32-g++-posix g++-mingw-w64-x86-64-posix
[ -f "$zip" ] || fail "no zip at $zip"
[ -f "$setup" ] || fail "no installer at $setup"
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
# The zip's one folder, unpacked: what the installer must install too.
(cd "$scratch" && cmake -E tar xf "$zip") || fail "cannot unpack $zip"
stage=$scratch/$(basename "$zip" .zip)
[ -f "$stage/highroll.exe" ] || fail "no highroll.exe in $zip's folder ${stage##*/}"

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
# winemenubuilder would copy the Start-menu shortcut into the machine's own menus.
export WINEPREFIX=$scratch/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine takes Windows' language from the locale: the checks read the game's English texts.
export LC_ALL=C.UTF-8 LANGUAGE=
"$wine" wineboot -i >"$scratch/wineboot.log" 2>&1 || fail "wineboot could not make a Wine prefix: $(tail -n 5 "$scratch/wineboot.log")"
"$wineserver" -w

# --- The installer ----------------------------------------------------------------------------------------
uninstall_root='HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# The values of the Uninstall entries, one "<key>|<name>|<value>" a line.
uninstall_entries() {
    "$wine" reg query "$uninstall_root" /s 2>/dev/null | tr -d '\r' |
        root="$uninstall_root\\" awk 'BEGIN { root = ENVIRON["root"] } index($0, root) == 1 { key = substr($0, length(root) + 1); next }
            key != "" && match($0, /^    [^ ]+    REG_[A-Z_]+    /) { split($0, f, /    /); print key "|" f[2] "|" substr($0, RLENGTH + 1) }'
}
"$wine" "$setup" /S >"$scratch/setup.log" 2>&1 || fail "the silent install ended with status $?"
"$wineserver" -w
mapfile -t entry < <(uninstall_entries)
keys=$(printf '%s\n' "${entry[@]}" | cut -d'|' -f1 | sort -u)
[ "$(wc -l <<<"$keys")" -eq 1 ] && [ -n "$keys" ] || fail "not one Uninstall entry for the user but: ${keys:-none}"
value() { printf '%s\n' "${entry[@]}" | sed -n "s/^[^|]*|$1|//p"; }
location=$(value InstallLocation)
[[ "$location" == *'\AppData\Local\Programs\HighRoll' ]] || fail "installed into '$location', not the user's programs folder"
folder=$("$wine" winepath -u "$location" 2>/dev/null | tr -d '\r')
version=${setup##*/highroll-}
version=${version%%-windows-*}
for expected in "DisplayName|HighRoll" "DisplayVersion|$version" "Publisher|HighRoll maintainers" \
    "DisplayIcon|$location\highroll.exe,0" "UninstallString|\"$location\uninstall.exe\""; do
    [ "$(value "${expected%%|*}")" = "${expected#*|}" ] ||
        fail "the Uninstall entry's ${expected%%|*} is '$(value "${expected%%|*}")', not '${expected#*|}'"
done
size_kb=$((16#$(value EstimatedSize | sed 's/^0x//')))
((size_kb > 0 && size_kb * 100 > $(du -sk --apparent-size "$stage" | cut -f1) * 99)) || fail "the Uninstall entry's EstimatedSize is $size_kb KiB"
diff <(cd "$stage" && find . -type f | sort) <(cd "$folder" && find . -type f ! -path ./uninstall.exe | sort) >"$scratch/files.diff" ||
    fail "the installed folder does not hold what the zip holds: $(cat "$scratch/files.diff")"
[ -f "$folder/uninstall.exe" ] || fail "no uninstaller in $folder"
mapfile -t shortcuts < <(find "$WINEPREFIX/drive_c" -name '*.lnk')
[ "${#shortcuts[@]}" -eq 1 ] && [[ "${shortcuts[0]}" == */"Start Menu/Programs/HighRoll.lnk" ]] ||
    fail "not one Start-menu shortcut HighRoll.lnk but: ${shortcuts[*]:-none}"
shortcut=${shortcuts[0]}
grep -aqF "$location\highroll.exe" "$shortcut" || fail "the shortcut does not start $location\highroll.exe"
pass "installed silently into $location ($size_kb KiB), with the Start-menu shortcut and the Uninstall entry of HighRoll $version"

# --- The screen reader's view: a UI Automation client, built with the game's MinGW-w64 ----------------------
uia=$scratch/uia-read.exe
uia_stopped='' uia_failed=''
x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -municode -static -o "$uia" "$(dirname "$0")/uia-read.cpp" \
    -lole32 -loleaut32 -luuid 2>"$scratch/uia-build.log" || {
    grep -q 'no UI Automation client interfaces' "$scratch/uia-build.log" ||
        fail "the UI Automation client does not compile: $(head -n 20 "$scratch/uia-build.log")"
    uia_stopped="this MinGW-w64 has no UI Automation client headers"
}
uia_seen=()
# read_by_uia <step> <the button's name> <its description, as the game set it>: what UI Automation
# answers for the button (its FullDescription or, where the bridge does not set that, its HelpText).
read_by_uia() {
    [ -z "$uia_stopped" ] || return 0
    local said name description deadline=$((SECONDS + 10))
    while :; do
        said=$("$wine" "$uia" highroll.exe 2>&1 | tr -d '\r') || true
        name=$(sed -n 's/^name: //p' <<<"$said")
        if grep -q '^failed: ' <<<"$said"; then
            # What it read before it stopped must still be right, and is read again after the next step.
            [ -n "$name" ] || [ -z "${uia_seen[*]}" ] || fail "after $1 UI Automation no longer reads the button: $said"
            [ -z "$name" ] || [ "$name" = "$2" ] || fail "after $1 UI Automation names the button '$name', not '$2'"
            uia_failed=${uia_failed:-"$1: $(sed -n 's/^\(note\|failed\): //p' <<<"$said" | paste -sd ';')"}
            uia_seen+=("$1: '${name:-?}'")
            return 0
        fi
        description=$(sed -n 's/^fulldescription: //p' <<<"$said")
        [ -n "$description" ] || description=$(sed -n 's/^helptext: //p' <<<"$said")
        [ "$name|$description" != "$2|$3" ] || break
        ((SECONDS < deadline)) || fail "after $1 UI Automation reads the button as '$name': '$description', not '$2': '$3'"
        sleep 0.5
    done
    uia_seen+=("$1: '$name': '$description'")
}
# The description the game gave the button last, as its log says.
described() { sed -n 's/.*description of Command1 \(set\|announced\): //p' "$scratch/$1.err" | tail -n 1 | tr -d '\r'; }

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
for font in "$stage"/fonts/*; do
    # "registered <family>[, <family>...] from <file>": the family names differ between the releases'
    # fonts (Debian 12's Bebas Neue names itself "Bebas Neue Bold"), the file does not.
    grep -Eq "registered .+ from ${font##*/}" "$scratch/play.err" || fail "the font ${font##*/} from fonts/ was not registered: $(cat "$scratch/play.err")"
done
pass "the look-alike fonts are registered from fonts/"
log_has play "ending the program on Ctrl+C" || fail "no console stop handler: $(cat "$scratch/play.err")"

layout_size=$(identify -format '%wx%h' "$reference")
size=$(xwininfo -id "$window" | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w "x" h}')
[ "$size" = "$layout_size" ] || fail "the window is $size, the layout's size is $layout_size"
pass "a window of the layout's size, ${size}"

# The computer's opening roll stops by itself; then Begin is shown and the title scrolls.
wait_for 30 "the computer's opening roll" log_has play "description of Command1 set: The computer rolled"
read_by_uia "the computer's roll" Begin "$(described play)"
[[ "$(described play)" =~ ^The\ computer\ rolled\ [1-6]\.\ Press\ Begin\ to\ roll\ your\ die\.$ ]] ||
    fail "the button's description after the computer's roll is '$(described play)'"
wait_for 10 "the marquee in the title" title_has "L u c k"
pass "the title scrolls the marquee: '$(title)'"

xdotool windowactivate --sync "$window"
xdotool key --clearmodifiers space
wait_for 10 "the player's die to roll after Space" log_has play "announced: Your die is rolling."
wait_for 5 "the player's title" title_has "Roll for the Money"
read_by_uia "Begin" Stop "Your die is rolling. Press Stop to stop it."
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
read_by_uia "Stop" Begin "$(described play)"
if [ -n "$uia_stopped" ]; then
    echo "not verifiable here: what UI Automation reads of the button ($uia_stopped)"
elif [ -z "$uia_failed" ]; then
    pass "UI Automation reads the button as Orca hears it on Linux, after $(printf '%s\n' "${uia_seen[@]}" | paste -sd ';')"
else
    pass "UI Automation names the button as Orca hears it, after $(printf '%s\n' "${uia_seen[@]}" | paste -sd ';')"
    echo "not verifiable under Wine: the button's description in UI Automation; it stops at $uia_failed"
fi

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
saw_ctrl_c() { log_has play "ending on Ctrl+C"; }
wait_for 30 "the game to see the Ctrl+C ($(cat "$scratch/play.err"))" saw_ctrl_c
# Wine 10's cmd (Debian 13) ends itself on Ctrl+C, with STATUS_CONTROL_C_EXIT (0xC000013A: 58 as an exit
# status), instead of waiting for the program it started, whose status it then never reports: there the
# game must still end by itself, its window gone.
window_gone() { ! xdotool search --onlyvisible --classname '^highroll\.exe$' >/dev/null 2>&1; }
if [ "$(cat "$scratch/play.status")" -eq 58 ]; then
    wait_for 30 "the game's window to close after Ctrl+C" window_gone
    pass "Ctrl+C in the console ended the game (its status hidden by Wine's cmd, which Ctrl+C ended too)"
else
    check_status_0 "$(cat "$scratch/play.status")" "Ctrl+C"
    pass "Ctrl+C in the console ended the game with status 0"
fi

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

# --- At 150% ----------------------------------------------------------------------------------------------
# Windows' scaling is its DPI, which Wine reads from the registry when it starts.
"$wine" reg add 'HKEY_CURRENT_USER\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1 ||
    fail "reg add could not set 144 dpi"
"$wineserver" -k 2>/dev/null || true
"$wineserver" -w
start_game scaled
IFS=x read -r layout_width layout_height <<<"$layout_size"
IFS=x read -r width height <<<"$(xwininfo -id "$window" | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w "x" h}')"
# A pixel on each edge: 1.5 times the layout's size, rounded either way on both sides.
((2 * width >= 3 * layout_width - 4 && 2 * width <= 3 * layout_width + 4 &&
    2 * height >= 3 * layout_height - 4 && 2 * height <= 3 * layout_height + 4)) ||
    fail "at 144 dpi the window is ${width}x$height, not 1.5 times the layout's $layout_size"
pass "at 144 dpi a window of ${width}x$height, 1.5 times $layout_size"
wait_for 30 "the computer's opening roll at 144 dpi" log_has scaled "description of Command1 set: The computer rolled"
xdotool windowactivate --sync "$window"
xdotool key --clearmodifiers space
wait_for 10 "the player's die at 144 dpi" log_has scaled "announced: Your die is rolling."
sleep 0.5
xdotool key --clearmodifiers space
wait_for 10 "the result at 144 dpi" log_has scaled "announced: You rolled"
sleep 0.5
import -window "$window" "${screenshot%.png}-144dpi.png" || fail "import could not take a screenshot at 144 dpi"

# Every caption: "<pixels> <full pixels> <label>|<text>" for labels, "<width>x<height> <room> <button>|<text>"
# for the button, as each log last says it was drawn. Sizes are the layout's (device-independent) pixels.
captions() {
    tr -d '\r' <"$scratch/$1.err" | sed -n 's/.*caption of \([^ ]*\) drawn at \([0-9]*\) px of \([0-9]*\) px: \(.*\)$/\2 \3 \1|\4/p;
            s/.*caption of \([^ ]*\) needs \([0-9x]*\) of \([0-9x]*\): \(.*\)$/\2 \3 \1|\4/p' |
        awk '{ key = substr($0, index($0, $3)); last[key] = $0 } END { for (k in last) print last[k] }' | sort -k3
}
# The fit rule of the Linux check: a label drawn at 85% of its size or more, the button's caption
# measured inside its box; at 144 dpi each caption at its size at 96 dpi, within a pixel.
captions play >"$scratch/captions-96"
captions scaled >"$scratch/captions-144"
[ -s "$scratch/captions-144" ] || fail "the game logged no caption sizes at 144 dpi: $(cat "$scratch/scaled.err")"
awk 'FNR == NR { at96[substr($0, index($0, $3))] = $1; next }
     { key = substr($0, index($0, $3)) }
     $1 ~ /x/ { split($1, need, "x"); split($2, room, "x")
                if (need[1] > room[1] || need[2] > room[2]) { print "the button needs " $1 " of " $2 ": " key; bad = 1 } }
     $1 !~ /x/ && $1 * 100 < $2 * 85 { print "drawn at " $1 " of " $2 " px: " key; bad = 1 }
     $1 !~ /x/ && (key in at96) && (($1 - at96[key]) ^ 2 > 1) { print "at " $1 " px, at 96 dpi " at96[key] " px: " key; bad = 1 }
     END { exit bad }' "$scratch/captions-96" "$scratch/captions-144" >"$scratch/captions.bad" ||
    fail "at 144 dpi a caption is not drawn as at 96 dpi: $(cat "$scratch/captions.bad")"
pass "at 144 dpi every caption is drawn at its size at 96 dpi ($(wc -l <"$scratch/captions-144") captions; ${screenshot%.png}-144dpi.png)"
wmctrl -i -c "$window"
wait_for 30 "the game to end after its window was closed at 144 dpi" game_ended
status=0
wait "$game_pid" || status=$?
check_status_0 "$status" "the window manager's close at 144 dpi"

# --- The uninstaller -------------------------------------------------------------------------------------
# A file the player put in the folder is theirs: the uninstaller leaves it, and the folder for it.
echo "a player's note" >"$folder/notes.txt"
"$wine" "$folder/uninstall.exe" /S >"$scratch/uninstall.log" 2>&1 || fail "the silent uninstall ended with status $?"
# It runs from a copy of itself, which it starts and leaves to do the work.
"$wineserver" -w
left=$(cd "$folder" && find . -mindepth 1)
[ "$left" = ./notes.txt ] || fail "the uninstaller left in $folder: $(tr '\n' ' ' <<<"$left")"
[ ! -e "$shortcut" ] || fail "the uninstaller left the shortcut $shortcut"
[ -z "$(uninstall_entries)" ] || fail "the uninstaller left an Uninstall entry: $(uninstall_entries)"
pass "the silent uninstall removed every file it installed, the shortcut and the Uninstall entry, and left the player's file"
