#!/usr/bin/env bash
# The installer under Wine as a user meets it, in a fresh prefix on a virtual X display: a silent install puts
# the files, the Start-menu entry and the uninstall entry in place; the installed program, on its own DLLs,
# shows its main window, gives a reading and an exact reading, writes its reminder's date in the registry and
# refuses a second copy; a silent uninstall leaves nothing of it. It also times the start-up, from launch to
# the main window on screen, beside the Linux build's (measured, never asserted).
# Usage: check_installer.sh SETUP.EXE PREFIX TITLE LINUX_BUILD
# With QUORVIS_SHOTS=DIR, keeps pictures of the main, result and exact-nadir windows there (windows-*.png).
set -euo pipefail
setup="$1"
export WINEPREFIX="$2"
title="$3"
linux="$4"
shots="${QUORVIS_SHOTS:+$(realpath -m "$QUORVIS_SHOTS")}"
unset WINEPATH # the installed program finds everything it loads in its own folder
work="$WINEPREFIX-check"
rm -rf "$WINEPREFIX" "$work"
mkdir -p "$work" "$WINEPREFIX"
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
    wineserver -k 2>/dev/null || true
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR

# shellcheck source=../xsession.sh
source "$(dirname "${BASH_SOURCE[0]}")/../xsession.sh"
start_xvfb

wineserver -p 300
wine wineboot --init >/dev/null 2>&1

# Install.
wine "$setup" /S
user="$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 ! -name Public -printf '%f\n' | head -n 1)"
appdata="$WINEPREFIX/drive_c/users/$user/AppData"
inst="$appdata/Local/Programs/Quorvis"
menu="$appdata/Roaming/Microsoft/Windows/Start Menu/Programs/Quorvis.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvis'
for f in quorvis.exe quorvis-exact.exe Uninstall.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
    imageformats/qjpeg.dll \
    liberfa-1.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll zoneinfo/Europe/London zoneinfo/tzdata.zi \
    zoneinfo/zone1970.tab licences/README.txt licences/qt/LGPL-3.0-only.txt licences/erfa/LICENSE.txt \
    licences/abseil/LICENSE.txt; do
    [ -f "$inst/$f" ] || fail "not installed: $f"
done
[ ! -e "$inst/zoneinfo/posix" ] && [ ! -e "$inst/zoneinfo/right" ] || fail "zoneinfo/posix or right/ installed"
[ -f "$menu" ] || fail "no Start-menu entry"
entry="$(wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r')" || fail "no uninstall entry"
for value in DisplayName DisplayVersion Publisher DisplayIcon UninstallString QuietUninstallString EstimatedSize; do
    grep -q "^ *$value " <<<"$entry" || fail "the uninstall entry has no $value: $entry"
done
echo "ok: installed $(find "$inst" -type f | wc -l) files ($(du -sh "$inst" | cut -f1)), Start-menu entry, uninstall entry:"
grep -E 'DisplayName|DisplayVersion|Publisher|EstimatedSize' <<<"$entry"

# The installed command-line program gives the Linux build's reading.
exact=(--lat 51.5 --lon -0.13 --zone Europe/London --date 1990-08-01 --time 10:30)
got="$(cd "$inst" && wine quorvis-exact.exe "${exact[@]}" | tr -d '\r')"
want="$("$linux/cli/quorvis-exact" "${exact[@]}")"
[ "$got" = "$want" ] || fail "quorvis-exact.exe says
$got
and the Linux build
$want"
echo "ok: the installed quorvis-exact.exe gives the Linux build's reading"

press() { # window, keys...
    local id="$1"
    shift
    xdotool windowfocus --sync "$id" key --delay 50 "$@"
}
shoot() { # window, name
    if [ -n "$shots" ]; then
        mkdir -p "$shots"
        sleep 0.5
        import -window "$1" "$shots/windows-$2.png"
    fi
}
windows_program() { cd "$inst" && exec wine quorvis.exe; }

# First start: the main window, and the reminder's date in the registry once it is on screen.
windows_program >>"$work/quorvis.log" 2>&1 &
program=$!
pids+=("$program")
wait_for "$title" 1 120 || fail "the main window did not appear: $(cat "$work/quorvis.log")"
main="$(windows "$title")"
echo "ok: the installed program shows its main window"
settings_key='HKCU\Software\quorvis\quorvis\Settings'
for _ in $(seq 100); do
    date="$(wine reg query "$settings_key" /v Duration 2>/dev/null | tr -d '\r' | awk '/Duration/ {print $3}')" || true
    [ -n "$date" ] && break
    sleep 0.1
done
[ "$date" = "$(date +%Y-%m-%d)" ] || fail "the registry has no reminder date of today: '$date'"
echo "ok: the reminder's date is in the registry: $settings_key Duration = $date"
shoot "$main" main

# A second copy says so and ends; the first keeps its one window.
windows_program >"$work/second.log" 2>&1 &
second=$!
pids+=("$second")
wait_for Quorvis 1 60 || fail "the second copy did not say it is already running"
press "$(windows Quorvis)" Return
for _ in $(seq 100); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
kill -0 "$second" 2>/dev/null && fail "the second copy did not end after its message"
[ "$(windows "$title")" = "$main" ] || fail "the second copy changed the first one's windows"
echo "ok: a second copy was refused"

# A reading: the result window takes the main window's place.
xdotool windowfocus --sync "$main" type --delay 50 "ann"
press "$main" Return
for _ in $(seq 300); do
    result="$(windows "$title" | grep -vx "$main" || true)"
    [ -n "$result" ] && [ "$(windows "$title" | wc -l)" -eq 1 ] && break
    sleep 0.1
done
[ -n "$result" ] || fail "Enter on the main window showed no result window"
echo "ok: a reading shows the result window"
shoot "$result" result
press "$result" alt+b
for _ in $(seq 300); do
    [ "$(windows "$title")" = "$main" ] && break
    sleep 0.1
done
[ "$(windows "$title")" = "$main" ] || fail "Back did not bring the main window back"

# The exact-nadir window, by keyboard.
press "$main" alt+f e
wait_for "Exact Nadir - $title" 1 30 || fail "File, Find My Exact Nadir opened no window"
exact_id="$(windows "Exact Nadir - $title")"
xdotool windowfocus --sync "$exact_id" type --delay 80 "London"
sleep 0.5
press "$exact_id" Down Return alt+t
xdotool windowfocus --sync "$exact_id" type --delay 80 "1030"
echo "ok: the exact-nadir window takes a place and a time"
shoot "$exact_id" exact
kill "$program"
wait "$program" 2>/dev/null || true

# Start-up, launch to main window on screen, five times each, interleaved; the lock a killed copy leaves is
# taken over by the next start.
waited() { # command..., prints seconds to the window
    local begin pid
    begin=$(date +%s.%N)
    "$@" >>"$work/timing.log" 2>&1 &
    pid=$!
    wait_for "$title" 1 120 || fail "no main window in the timing runs"
    awk "BEGIN {print $(date +%s.%N) - $begin}"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    wait_for "$title" 0 30 || true
}
mkdir -p "$work/xdg/config" "$work/xdg/runtime"
chmod 700 "$work/xdg/runtime"
timings=()
for _ in 1 2 3 4 5; do
    w=$(waited windows_program)
    l=$(XDG_CONFIG_HOME="$work/xdg/config" XDG_RUNTIME_DIR="$work/xdg/runtime" QT_QPA_PLATFORM=xcb \
        waited "$linux/app/quorvis")
    timings+=("$w $l")
done
printf '%s\n' "${timings[@]}" | sort -n -k1 | awk '{w[NR]=$1} END {printf "start-up under Wine, median of 5: %.2f s\n", w[3]}'
printf '%s\n' "${timings[@]}" | sort -n -k2 | awk '{l[NR]=$2} END {printf "start-up on Linux, median of 5:   %.3f s\n", l[3]}'

# Uninstall: nothing of the program is left.
# (The uninstaller runs a copy of itself from the temporary folder and ends at once; its status says
# nothing. What it leaves is what counts, once that copy has ended.)
wine "$inst/Uninstall.exe" /S || true
for _ in $(seq 600); do
    [ -e "$inst" ] || [ -e "$menu" ] || pgrep -f 'Un_A\.exe' >/dev/null || break
    sleep 0.1
done
[ ! -e "$inst" ] || fail "left behind: $(find "$inst" | head)"
[ ! -e "$menu" ] || fail "the Start-menu entry is left"
wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "the uninstall entry is left"
wine reg query 'HKCU\Software\quorvis' >/dev/null 2>&1 && fail "the program's settings are left"
echo "ok: the silent uninstall left no file, Start-menu entry or registry entry"
echo "installer: 1 passed, 0 failed"
