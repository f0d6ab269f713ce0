#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# What the Orca screen reader says while a program is played from the keyboard: starts a private X
# display with a window manager, a session bus and the accessibility bus, Orca with its debug log, then
# the program; gives the program's window the focus, presses the keys given, and prints every line Orca
# spoke (and put on the braille display), with the time since the first key. The packages it needs are
# in scripts/packages.sh (DESKTOP_PACKAGES, TEST_PACKAGES), which ./test.sh installs.
#
#   orca-speech.sh [-k "KEY:SECONDS ..."] [-w SECONDS] -- COMMAND [ARG...]
#
#   -k   keys for xdotool, each followed by the seconds to wait after it at least (default "space:4");
#        after that wait, the next key waits on until Orca has been quiet for a second (at most 10 s more),
#        so that what Orca says late on a loaded machine is not taken for the answer to the next key
#   -w   seconds to wait after the window appears and Orca has spoken it, before the first key (default 2)
#   ORCA_SPEECH_LOG=FILE keeps Orca's whole debug log; ORCA_SPEECH_WAIT=SECONDS is how long the program
#   may take to show its window (default 30)
#
# One run at a time for a user: each Orca replaces any other Orca that user runs, even on another display.
set -euo pipefail

keys="space:4"
settle=2
usage() {
    sed -n '10,18p' "$0" >&2
    exit 2
}
while getopts "k:w:" opt; do
    case $opt in
        k) keys=$OPTARG ;;
        w) settle=$OPTARG ;;
        *) usage ;;
    esac
done
shift $((OPTIND - 1))
[ "${1:-}" = "--" ] && shift
[ $# -gt 0 ] || usage

if [ -z "${ORCA_SPEECH_INNER:-}" ]; then
    missing=()
    for tool in orca Xvfb openbox xdotool dbus-run-session gsettings script; do
        command -v "$tool" >/dev/null || missing+=("$tool")
    done
    [ -x /usr/libexec/at-spi-bus-launcher ] || missing+=(at-spi-bus-launcher)
    if [ ${#missing[@]} -gt 0 ]; then
        echo "orca-speech: missing ${missing[*]}: ./test.sh installs them (scripts/packages.sh)" >&2
        exit 2
    fi
    unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
    export ORCA_SPEECH_INNER=1
    exec dbus-run-session -- "$0" -k "$keys" -w "$settle" -- "$@" 2> >(grep -v -E 'dbus-daemon|fd limit' >&2)
fi

work=$(mktemp -d -t orca-speech.XXXXXX)
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
read -r -t 15 -u "$fd" num || { echo "orca-speech: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$num
export XDG_RUNTIME_DIR=$work/runtime && mkdir -m 700 "$XDG_RUNTIME_DIR"
openbox >/dev/null 2>&1 &
pids+=($!)
# The window manager is ready once it announces its desktops; a window shown before that may never get the focus.
for _ in $(seq 50); do xdotool get_num_desktops >/dev/null 2>&1 && break; sleep 0.1; done
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true && break
    sleep 0.05
done
gsettings set org.gnome.desktop.a11y.applications screen-reader-enabled true 2>/dev/null || true
log=${ORCA_SPEECH_LOG:-$work/orca.log}
# Orca writes its debug log to a file in blocks, but to a terminal line by line: its terminal here is a
# pseudo-terminal that `script` copies into the log file as each line comes.
script -q -f -c "orca --replace -u '$work/prefs' --debug-file=/dev/tty" "$log" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 150); do grep -q "Screen reader on" "$log" 2>/dev/null && break; sleep 0.1; done

"$@" >/dev/null 2>&1 &
app=$!
pids+=($app)
wait_s=${ORCA_SPEECH_WAIT:-30}
window=$(timeout "$wait_s" xdotool search --sync --onlyvisible --pid "$app" 2>/dev/null | tail -n 1) || true
[ -n "$window" ] || { echo "orca-speech: no window from the program within $wait_s s" >&2; exit 1; }
xdotool windowactivate --sync "$window" 2>/dev/null || true

spoken() { grep -c "SPEECH OUTPUT" "$log" 2>/dev/null || true; }
# Waits until Orca has spoken nothing new for a second, for at most $1 tenths of a second.
quiet() {
    local last now still=0
    last=$(spoken)
    for _ in $(seq "$1"); do
        sleep 0.1
        now=$(spoken)
        if [ "$now" = "$last" ]; then
            still=$((still + 1))
            [ "$still" -lt 10 ] || return 0
        else
            still=0
            last=$now
        fi
    done
}
# Orca speaks the window and the focused control once the window is active; wait for that (up to 15 s,
# activating the window again after 5 and 10 s), then until Orca is quiet, so the first key is not
# pressed while Orca is still catching up.
for i in $(seq 150); do
    grep -q "SPEECH OUTPUT: .*button" "$log" 2>/dev/null && break
    if [ "$i" = 50 ] || [ "$i" = 100 ]; then xdotool windowactivate --sync "$window" 2>/dev/null || true; fi
    sleep 0.1
done
sleep "$settle"
quiet 100

start=$(date +%s.%N)
marks=()
first=1
for step in $keys; do
    key=${step%%:*}
    pause=${step#*:}
    [ "$pause" = "$step" ] && pause=1.5
    [ "$first" = 1 ] || quiet 100
    first=0
    marks+=("$(date +%H:%M:%S.%N) key $key")
    xdotool key "$key"
    sleep "$pause"
done
kill "$app" 2>/dev/null || true
sleep 0.3

# Orca's spoken and braille lines, interleaved with the keys pressed, times relative to the first key.
{
    printf '%s\n' "${marks[@]}"
    tr -d '\r' <"$log" | grep -E '^[0-9:.]+ - (SPEECH OUTPUT|BRAILLE LINE)' | sed -E 's/^([0-9:.]+) - /\1 /'
} | sort | awk -v start="$start" '
    function secs(t,   a) { split(t, a, ":"); return a[1] * 3600 + a[2] * 60 + a[3] }
    BEGIN { split(strftime("%H:%M:%S", start), s, ":"); s0 = s[1] * 3600 + s[2] * 60 + s[3] + (start - int(start)) }
    { t = secs($1) - s0; $1 = ""; printf "%+7.2f s %s\n", t, substr($0, 2) }'
