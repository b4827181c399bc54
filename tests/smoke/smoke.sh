#!/usr/bin/env bash
# End-to-end: the real program on a real X server (Xvfb). Proves the xcb platform plugin, fonts and
# resources, the main window appearing, the single-copy guard between two processes, that a copy killed
# with SIGKILL does not lock the user out, a keyboard session from a reading to the program's exit, in
# which Back returns to the main window without ever mapping the promotion window, and the exact-nadir window
# by keyboard.
# Usage: smoke.sh PROGRAM TITLE (TITLE: the windows' title, from the build)
set -euo pipefail
bin="$1"
title="$2"
work="$(mktemp -d)"
pids=()
cleanup() {
    for p in "${pids[@]}"; do
        kill -9 "$p" 2>/dev/null || true
        { wait "$p"; } 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

# shellcheck source=../xsession.sh
source "$(dirname "${BASH_SOURCE[0]}")/../xsession.sh"
start_xvfb

fail() { echo "FAIL: $*" >&2; exit 1; }

"$bin" >"$work/first.log" 2>&1 &
first=$!
pids+=("$first")
wait_for "$title" 1 120 || fail "the main window did not appear: $(cat "$work/first.log")"
main_id="$(windows "$title")"
geometry_before="$(xwininfo -id "$main_id" | grep -E 'Absolute|Width|Height')"
echo "ok: main window shown ($(echo "$geometry_before" | tr -s ' \n' ' '))"

"$bin" >"$work/second.log" 2>&1 &
second=$!
pids+=("$second")
wait_for "Quorvis" 1 60 || fail "the second copy did not say it is already running"
[ "$(windows "$title" | wc -l)" -eq 1 ] || fail "the second copy showed a window of its own"
box="$(windows "Quorvis")"
xdotool windowfocus --sync "$box" key Return
for _ in $(seq 100); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
kill -0 "$second" 2>/dev/null && fail "the second copy did not end after its message"
wait "$second" || fail "the second copy ended with status $?: $(cat "$work/second.log")"
echo "ok: second copy refused to start and ended"
kill -0 "$first" 2>/dev/null || fail "the first copy ended"
[ "$(xwininfo -id "$main_id" | grep -E 'Absolute|Width|Height')" = "$geometry_before" ] || fail "the first copy's window moved"
echo "ok: first copy untouched"

kill -9 "$first"
wait "$first" 2>/dev/null || true
"$bin" >"$work/third.log" 2>&1 &
third=$!
pids+=("$third")
wait_for "$title" 1 60 || fail "a start after a killed copy did not show its main window: $(cat "$work/third.log")"
[ "$(windows "Quorvis" | wc -l)" -eq 0 ] || fail "a start after a killed copy said it is already running"
echo "ok: a killed copy's lock was recovered"

# A reading and the way out, by keyboard on the real window system. The three windows share their title and
# differ in width: main 524, result 673, promotion 741.
visible_of_width() {
    local id
    for id in $(windows "$title"); do
        [ "$(xwininfo -id "$id" | awk '/Width:/ {print $2}')" = "$1" ] && echo "$id"
    done
}
wait_for_width() { # width, seconds
    local i
    for i in $(seq $(($2 * 10))); do
        [ -n "$(visible_of_width "$1")" ] && return 0
        sleep 0.1
    done
    return 1
}
press() { # window, keys...
    local id="$1"
    shift
    xdotool windowfocus --sync "$id" key --delay 50 "$@"
}
main_id="$(visible_of_width 524)"
[ -n "$main_id" ] || fail "no main window to read with"
xdotool windowfocus --sync "$main_id" type --delay 50 "ann"
press "$main_id" Return
wait_for_width 673 30 || fail "Enter on the main window showed no result window"
[ -z "$(visible_of_width 524)" ] || fail "the main window stayed on screen beside the result"

# Back: every top-level window mapped meanwhile is recorded from the root window's structure events; the main
# window is to be the only one (the promotion window is not to flash up and away again).
stdbuf -oL xev -root -event substructure >"$work/back.xev" 2>&1 &
xev_pid=$!
pids+=("$xev_pid")
sleep 0.5
press "$(visible_of_width 673)" alt+b
wait_for_width 524 30 || fail "Back did not bring the main window back"
for _ in $(seq 50); do [ -z "$(visible_of_width 673)" ] && break; sleep 0.1; done
[ -z "$(visible_of_width 673)" ] || fail "the result window stayed on screen after Back"
kill "$xev_pid"
{ wait "$xev_pid"; } 2>/dev/null || true
mapped="$(awk '/^MapNotify event/ { getline; sub(/,$/, "", $4); print $4 }' "$work/back.xev" | sort -u)"
[ "$mapped" = "$(printf '0x%x' "$main_id")" ] ||
    fail "Back mapped other windows than the main window (main $(printf '0x%x' "$main_id")): $(echo "$mapped" | tr '\n' ' ')"
echo "ok: Back showed the main window and mapped no other window"
press "$(visible_of_width 524)" Return
wait_for_width 673 30 || fail "a second reading showed no result window"
press "$(visible_of_width 673)" Escape
wait_for_width 741 30 || fail "Esc on the result window did not bring up the promotion window"
[ "$(windows "$title" | wc -l)" -eq 1 ] || fail "more than the promotion window is on screen"
kill -0 "$third" 2>/dev/null || fail "closing the result window ended the program"
echo "ok: a reading, then the promotion window on closing"
press "$(visible_of_width 741)" alt+x
for _ in $(seq 100); do kill -0 "$third" 2>/dev/null || break; sleep 0.1; done
kill -0 "$third" 2>/dev/null && fail "Exit on the promotion window did not end the program"
wait "$third" || fail "the program ended with status $?: $(cat "$work/third.log")"
echo "ok: Exit on the promotion window ended the program"

# The exact-nadir window by keyboard: File, Find My Exact Nadir; a place picked from the list as typed, a date
# and a time;
# Copy puts the card on the clipboard, which names the Imum Coeli; Esc closes the window and the program goes
# on with its main window.
exact_window_session() {
    local pid exact card tool expected
    "$bin" >"$work/exact.log" 2>&1 &
    pid=$!
    pids+=("$pid")
    wait_for "$title" 1 60 || fail "no main window for the exact-nadir session: $(cat "$work/exact.log")"
    press "$(windows "$title")" alt+f e
    wait_for "Exact Nadir - $title" 1 30 || fail "File, Find My Exact Nadir opened no window"
    exact="$(windows "Exact Nadir - $title")"
    xdotool windowfocus --sync "$exact" type --delay 80 "London"
    sleep 0.5
    press "$exact" Down Return alt+d
    xdotool windowfocus --sync "$exact" type --delay 80 "1990-08-01"
    press "$exact" alt+t
    xdotool windowfocus --sync "$exact" type --delay 80 "10:30"
    press "$exact" alt+p
    for _ in $(seq 150); do # the copy, once the program has read the keys
        card="$(xclip -o -selection clipboard 2>/dev/null || true)"
        [ -n "$card" ] && break
        sleep 0.2
    done
    echo "$card" | grep -qE "^Imum Coeli [0-9]+°[0-9]{2}′ [A-Z][a-z]+ \(tropical zodiac\)$" || fail "the copied card names no Imum Coeli: $card"
    echo "$card" | grep -q "^Place: London, England, United Kingdom" || fail "the card names another place: $card"
    echo "$card" | grep -q "^Born .* at 10:30$" || fail "the card has another time: $card"
    # The window's Imum Coeli is the tool's for the same birth.
    tool="$(dirname "$bin")/../cli/quorvis-exact"
    [ -x "$tool" ] || tool="$(dirname "$bin")/quorvis-exact"
    if [ -x "$tool" ]; then
        expected="$("$tool" --place London --date 1990-08-01 --time 10:30 | awk '/^IC:/ {print $2, $3}')"
        echo "$card" | grep -qx "Imum Coeli $expected (tropical zodiac)" || fail "the window says $(echo "$card" | grep '^Imum Coeli'), the tool $expected"
    fi
    echo "ok: exact nadir by keyboard: $(echo "$card" | grep '^Imum Coeli')"
    press "$exact" Escape
    wait_for "Exact Nadir - $title" 0 30 || fail "Esc did not close the exact-nadir window"
    sleep 0.5
    kill -0 "$pid" 2>/dev/null || fail "closing the exact-nadir window ended the program"
    [ "$(windows "$title" | wc -l)" -eq 1 ] || fail "closing the exact-nadir window changed the other windows"
    press "$(windows "$title")" alt+e
    wait_for_width 741 30 || fail "Exit on the main window after the exact-nadir window showed no promotion window"
    press "$(visible_of_width 741)" alt+x
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    wait "$pid" || fail "the program ended with status $?: $(cat "$work/exact.log")"
    echo "ok: the program went on after the exact-nadir window and ended by Exit"
}
exact_window_session
echo "1 passed, 0 failed"
