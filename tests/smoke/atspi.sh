#!/usr/bin/env bash
# The exact-nadir window as a screen reader finds it: the real program on Xvfb with an accessibility bus of
# its own, read over AT-SPI by atspi_exact.py (the window's role, the place list's rows, the focused row).
# Then, with atspi_language.py, the language the window and quorvis-exact choose in the same environments.
# Usage: atspi.sh PROGRAM TOOL TITLE TRANSLATIONS (TOOL: quorvis-exact; TITLE: the windows' title, from the
# build; TRANSLATIONS: the folder of the .ts files)
# Exits 77 (skipped) only when the session or the accessibility bus cannot be started.
set -euo pipefail
bin="$1"
tool="$2"
title="$3"
translations="$4"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
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
fail() { echo "FAIL: $*" >&2; exit 1; }
skip() {
    echo "*** SKIPPED: $* -- nothing about what a screen reader hears was checked ***" >&2
    exit 77
}

mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS

# shellcheck source=../xsession.sh
source "$here/../xsession.sh"
start_xvfb

# A session bus, and on it the launcher of the accessibility bus (which starts the registry when asked).
command -v dbus-launch >/dev/null || skip "dbus-launch is missing (Debian package dbus-x11)"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "at-spi-bus-launcher is missing (Debian package at-spi2-core)"
session="$(dbus-launch --sh-syntax 2>"$work/dbus.log")" || skip "no D-Bus session bus: $(cat "$work/dbus.log")"
eval "$session"
pids+=("$DBUS_SESSION_BUS_PID")
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/a11y.log" 2>&1 &
pids+=($!)
bus=""
for _ in $(seq 100); do
    bus="$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        2>/dev/null || true)"
    [ -n "${bus// /}" ] && break
    sleep 0.1
done
[ -n "${bus// /}" ] || skip "the accessibility bus did not start: $(cat "$work/a11y.log")"
/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
    fail "python3-gi with gir1.2-atspi-2.0 is needed to read the accessibility tree"
echo "ok: accessibility bus at$bus"

# Qt registers with the bus only when it believes a screen reader runs, unless told always to.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$bin" >"$work/program.log" 2>&1 &
pid=$!
pids+=("$pid")
wait_for "$title" 1 60 || fail "the main window did not appear: $(cat "$work/program.log")"
xdotool windowfocus --sync "$(windows "$title")" key --delay 50 alt+f e
wait_for "Exact Nadir - $title" 1 30 || fail "File, Find My Exact Nadir opened no window"
/usr/bin/python3 "$here/atspi_exact.py" "$pid" "$(windows "Exact Nadir - $title")" "Exact Nadir - $title" "$tool" ||
    fail "what a screen reader finds (program's output: $(cat "$work/program.log"))"
kill -9 "$pid" 2>/dev/null || true
# On a 1280 x 720 desktop less a 48-pixel taskbar (a window manager's margin), in English, German and Russian:
# with a reading shown, the window lies wholly inside the work area, title bar included, and no label lies
# over a button.
command -v openbox >/dev/null || fail "openbox is missing (Debian package openbox)"
exec 4>"$work/small-display"
Xvfb -displayfd 4 -screen 0 1280x720x24 -nolisten tcp -noreset >"$work/xvfb-small.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/small-display" ] && break; sleep 0.1; done
large_display="$DISPLAY"
export DISPLAY=":$(head -1 "$work/small-display")"
printf '%s\n' '<?xml version="1.0"?><openbox_config xmlns="http://openbox.org/3.4/rc">' \
    '<margins><top>0</top><bottom>48</bottom><left>0</left><right>0</right></margins></openbox_config>' \
    >"$work/openbox.xml"
openbox --config-file "$work/openbox.xml" >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1
# other windows of a process than the main one, once one shows (up to 30 seconds)
others() {
    local i found
    for i in $(seq 150); do
        found="$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | grep -vx "$2" || true)"
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.2
    done
    return 1
}
for language in en_GB:us:alt+f:e de_DE:de:alt+d:n ru_RU:ru:alt+Cyrillic_ef:Cyrillic_te; do
    IFS=: read -r locale layout file exact <<<"$language"
    LANG="$locale.UTF-8" LC_ALL="$locale.UTF-8" LANGUAGE="" "$bin" >"$work/program-$locale.log" 2>&1 &
    pid=$!
    pids+=("$pid")
    main=""
    for _ in $(seq 100); do
        main="$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -1 || true)"
        [ -n "$main" ] && break
        sleep 0.2
    done
    [ -n "$main" ] || fail "no main window in $locale: $(cat "$work/program-$locale.log")"
    # The menu's keys from the language's own keyboard layout: a key missing from the layout would make
    # xdotool map it to a spare key code for a moment, and a busy program reads that key after the mapping has
    # gone back (no key at all). The menu opens, then its item is pressed, then the window is awaited by title.
    setxkbmap "$layout"
    xdotool windowfocus --sync "$main" key "$file"
    others "$pid" "$main" >/dev/null || fail "the File menu did not open in $locale"
    xdotool key "$exact"
    exact_id=""
    for _ in $(seq 150); do
        exact_id="$(xdotool search --onlyvisible --pid "$pid" --name "$title" 2>/dev/null | grep -vx "$main" |
            head -1 || true)"
        [ -n "$exact_id" ] && break
        sleep 0.2
    done
    [ -n "$exact_id" ] || fail "File, Find My Exact Nadir opened no window in $locale"
    setxkbmap us
    xdotool windowfocus --sync "$exact_id" type --delay 60 "Graz"
    sleep 0.5
    xdotool windowfocus --sync "$exact_id" key Return shift+Tab shift+Tab
    xdotool windowfocus --sync "$exact_id" type --delay 60 "23:40"
    xdotool windowfocus --sync "$exact_id" key shift+Tab ctrl+a
    xdotool windowfocus --sync "$exact_id" type --delay 60 "1979-05-12"
    sleep 1
    # The frame the window manager adds (the title bar above), as it says.
    read -r left right top bottom < <(xprop -id "$exact_id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    /usr/bin/python3 "$here/atspi_fit.py" "$pid" "$left" "$right" "$top" "$bottom" 1280 672 ||
        fail "the exact-nadir window in $locale"
    kill -9 "$pid" 2>/dev/null || true
done
export DISPLAY="$large_display"

# The window and quorvis-exact in the same environments speak the same language.
/usr/bin/python3 "$here/atspi_language.py" "$bin" "$tool" "$translations" || fail "the two programs chose differently"
echo "3 passed, 0 failed"
