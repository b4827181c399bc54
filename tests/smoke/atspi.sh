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
# The window and quorvis-exact in the same environments speak the same language.
/usr/bin/python3 "$here/atspi_language.py" "$bin" "$tool" "$translations" || fail "the two programs chose differently"
echo "2 passed, 0 failed"
