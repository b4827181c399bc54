#!/usr/bin/env bash
# Start-up and reading benchmark. Installs what is missing, builds a Release tree with the benchmark programs,
# starts a virtual X display (Xvfb) and runs:
#   - the start-up benchmark: Quorvis (a usual start in English, the same in German, and a first start with no
#     settings yet; with --earlier, another build's Quorvis too) against two baselines, interleaved, RUNS
#     times each, timed from the spawn to the main window's MapNotify, with the peak resident memory of each
#     run at the map and after its first frame. The baselines are the same look's floor (a bare window with
#     labels in the faces and sizes Quorvis draws in) and a bare Qt window of the same size;
#   - the instructions each of them runs up to the native show of its window and up to its first drawn frame,
#     counted by callgrind (three runs each, median), figures that other work on the machine does not move;
#   - the same start-up benchmark under Wine, when the Windows libraries are cached: quorvis.exe as installed
#     against bench_floor.exe and bench_bare.exe in its folder (scripts/windows.sh builds them);
#   - the reading benchmark: READINGS readings in-process, timed from the find button's click to the shown
#     result window;
#   - a long session: 800 readings typed at the window, with the resident memory and heap along the way.
# With --valgrind it also runs one scripted session of the program under valgrind's memcheck.
#
#   scripts/bench.sh [RUNS] [--readings N] [--platform xcb|offscreen] [--valgrind] [--earlier PATH]
#
# --earlier PATH: the quorvis program of another (Release) build, e.g. of an older commit, started beside this
# one in English and counted the same way.
# BENCH_BUILD_DIR chooses the build directory (default: build-bench/ in the repository).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

runs=30
readings=1000
platform=xcb
valgrind=0
earlier=""
while (($#)); do
    case "$1" in
    --readings) readings="$2"; shift 2 ;;
    --platform) platform="$2"; shift 2 ;;
    --valgrind) valgrind=1; shift ;;
    --earlier) earlier="$(realpath "$2")"; shift 2 ;;
    -h | --help) sed -n '2,18p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'; exit 0 ;;
    [0-9]*) runs="$1"; shift ;;
    *) echo "bench.sh: unknown argument: $1" >&2; exit 2 ;;
    esac
done

# shellcheck source=deps.sh
source "$root/scripts/deps.sh"
extra=(libx11-dev valgrind)
quorvis_install_deps "${extra[@]}"

build="${BENCH_BUILD_DIR:-$root/build-bench}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVIS_BUILD_BENCH=ON \
    -DQUORVIS_BUILD_TESTS=OFF -DQUORVIS_SANITIZE=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target quorvis bench_bare bench_floor bench_startup bench_reading bench_session \
    bench_exact >&2

# The main window's title, as the build writes it.
title="$(sed -n 's/^inline constexpr char ProgramTitle\[\] = "\(.*\)";$/\1/p' "$build/ui/ProgramFacts.h")"

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# A settings store that already holds today's date, so the update reminder asks nothing; the runtime
# directory (the single-copy lock) is made afresh for every run by bench_startup.
mkdir -p "$work/config/quorvis" "$work/runtime"
chmod 700 "$work/runtime"
printf '[Settings]\nDuration=%s\n' "$(date +%F)" >"$work/config/quorvis/quorvis.conf"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" LC_ALL=C.UTF-8 LANG=C.UTF-8
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_STYLE_OVERRIDE

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "bench.sh: Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
DISPLAY=":$(head -1 "$work/display")"
export DISPLAY

cpu="$(lscpu | sed -n 's/^Model name: *//p' | head -1)"
echo
echo "## Quorvis benchmark, $(date -u '+%Y-%m-%d %H:%M UTC')"
echo
echo "| machine | |"
echo "|---|---|"
echo "| CPU | $cpu, $(nproc) cores$(lscpu | grep -q '^Hypervisor vendor' && echo " (virtual machine)") |"
echo "| memory | $(free -h | awk '/^Mem:/ {print $2}') |"
# shellcheck source=/dev/null
echo "| system | $(. /etc/os-release && echo "$PRETTY_NAME"), kernel $(uname -r) |"
echo "| Qt | $(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || echo unknown), Release build, Xvfb 1280x1024x24, no window manager |"
echo
echo "### Start-up: spawn to main window mapped, peak resident memory ($runs runs each, interleaved, 2 warm-up rounds)"
echo
# Each run's runtime directory (its lock) goes on a tmpfs, as a desktop session's does, where there is one.
# The settings store is kept between runs (a usual start), except in the first-start row's runs. The German row
# sets only LANGUAGE, which Qt reads first for the user-interface languages; the locale stays C.UTF-8, which
# every system has.
runtime_base="${TMPDIR:-/tmp}"
[ -d /dev/shm ] && [ -w /dev/shm ] && runtime_base=/dev/shm
startup_status=0
"$build/bench/bench_startup" --runs "$runs" --warmup 2 --settle-ms 300 --runtime-base "$runtime_base" \
    --csv "$build/bench-startup.csv" --log "$build/bench-startup-programs.log" \
    --program quorvis "$title" "$build/app/quorvis" \
    --env LANGUAGE=de --against quorvis --program "quorvis, German" "$title" "$build/app/quorvis" \
    --first-start "quorvis, first start" "$title" "$build/app/quorvis" \
    ${earlier:+--program "quorvis, earlier build" "$title" "$earlier"} \
    --baseline floor bench_floor "$build/bench/bench_floor" \
    --baseline bare bench_bare "$build/bench/bench_bare" || startup_status=$?
echo
echo "Targets: Quorvis / floor at most 1.03 for each figure; German at most 2 % over English. Each run's figures: $build/bench-startup.csv"
echo

# Instructions from the start to the first native show of a window (QXcbWindow::show), where the main window
# is handed to the X server, and to its first drawn frame (the first QBackingStore::flush, which hands the
# drawn window to the X server): callgrind dumps its counts on entering each, the counts of each dump being
# those since the one before. Prints the medians of three runs, in millions, to the show and to the frame.
# Variables NAME=VALUE after the program are set for it.
instructions_to_window() { # program [fresh] [NAME=VALUE ...]
    local program="$1" counts=() frames=() out runtime config pid shown drawn fresh=""
    shift
    [ "${1:-}" = fresh ] && { fresh=1; shift; }
    for _ in 1 2 3; do
        out="$(mktemp -d "$work/callgrind-XXXXXX")"
        runtime="$(mktemp -d "$runtime_base/bench-callgrind-XXXXXX")"
        config="$XDG_CONFIG_HOME"
        [ -n "$fresh" ] && config="$(mktemp -d "$work/config-XXXXXX")"
        env XDG_RUNTIME_DIR="$runtime" XDG_CONFIG_HOME="$config" "$@" valgrind --tool=callgrind \
            --callgrind-out-file="$out/callgrind.%p" --dump-before='QXcbWindow::show()' --dump-before='QBackingStore::flush*' "$program" >"$out/log" 2>&1 &
        pid=$!
        drawn=""
        for _ in $(seq 1200); do
            drawn="$(compgen -G "$out/callgrind.*.2" | head -1 || true)"
            [ -n "$drawn" ] && grep -q '^totals:' "$drawn" && break
            sleep 0.1
        done
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        rm -rf "$runtime"
        shown="${drawn%.2}.1"
        [ -n "$drawn" ] && [ -f "$shown" ] ||
            { echo "bench.sh: no callgrind dumps from $program: $(cat "$out/log")" >&2; return 1; }
        counts+=("$(sed -n 's/^totals: //p' "$shown")")
        frames+=("$(($(sed -n 's/^totals: //p' "$shown") + $(sed -n 's/^totals: //p' "$drawn")))")
    done
    printf '%s\n' "${counts[@]}" | sort -n | sed -n 2p | awk '{printf "%.1f ", $1 / 1e6}'
    printf '%s\n' "${frames[@]}" | sort -n | sed -n 2p | awk '{printf "%.1f", $1 / 1e6}'
}
echo "### Instructions to the window and to its first drawn frame (callgrind, median of 3 runs, millions)"
echo
instructions_status=0
{
    quorvis_ir="$(instructions_to_window "$build/app/quorvis")" &&
        german_ir="$(instructions_to_window "$build/app/quorvis" LANGUAGE=de)" &&
        { [ -z "$earlier" ] || earlier_ir="$(instructions_to_window "$earlier")"; } &&
        first_ir="$(instructions_to_window "$build/app/quorvis" fresh)" &&
        floor_ir="$(instructions_to_window "$build/bench/bench_floor")" &&
        bare_ir="$(instructions_to_window "$build/bench/bench_bare")"
} || instructions_status=1
if ((instructions_status == 0)); then
    # Each figure is "to the show, to the first frame"; each ratio is given for both.
    echo "| program | instructions to window (M) | to first frame (M) | / floor | / bare | / quorvis |"
    echo "|---|---:|---:|---:|---:|---:|"
    row() { awk -v l="$1" -v c="$2" -v f="$floor_ir" -v b="$bare_ir" -v q="$quorvis_ir" \
        'BEGIN {split(c, x, " "); split(f, y, " "); split(b, z, " "); split(q, w, " ");
                printf "| %s | %.1f | %.1f | %.3f, %.3f | %.3f, %.3f | %.3f, %.3f |\n", l, x[1], x[2],
                       x[1] / y[1], x[2] / y[2], x[1] / z[1], x[2] / z[2], x[1] / w[1], x[2] / w[2]}'; }
    row quorvis "$quorvis_ir"
    row "quorvis, German" "$german_ir"
    [ -z "$earlier" ] || row "quorvis, earlier build" "$earlier_ir"
    row "quorvis, first start" "$first_ir"
    row floor "$floor_ir"
    row bare "$bare_ir"
fi
echo
echo "### Start-up under Wine: quorvis.exe against the same baselines built for Windows, in its folder ($runs runs each, interleaved, 2 warm-up rounds)"
echo
# The Windows programs as installed, with bench_floor.exe and bench_bare.exe beside them on the same DLLs
# (scripts/windows.sh builds them when the Windows libraries are in its cache), each started by Wine's loader
# in a prefix of its own whose settings already hold today's date; bench_startup waits for each one's window
# as on Linux (Wine gives its windows the process's _NET_WM_PID). Wine's server and its helper processes stay
# up between the runs, as on a Windows machine.
windows_status=0
windows_built=0
# (Without any cached Qt for Windows, windows.sh is not even asked: it would install the cross tools first.)
if compgen -G "${QUORVIS_WINDOWS_CACHE:-$HOME/.cache/quorvis-windows}/qt-*/stamp" >/dev/null; then
    QUORVIS_WINDOWS_STAGE=bench "$root/scripts/windows.sh" >"$work/windows.log" 2>&1 || windows_built=$?
else
    windows_built=3
fi
if ((windows_built == 3)); then
    echo "Not run: the Windows libraries are not cached (QUORVIS_WINDOWS_STAGE=deps scripts/windows.sh makes them)."
elif ((windows_built != 0)); then
    tail -n 30 "$work/windows.log" >&2
    windows_status=1
else
    bench_windows="$root/build-windows/bench"
    wine_loader=/usr/lib/wine/wine64
    (
        export WINEPREFIX="$work/wine" WINEARCH=win64 WINEDEBUG=-all WINELOADER="$wine_loader" \
            WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
        mkdir -p "$WINEPREFIX"
        wineserver -p
        wine wineboot --init >/dev/null 2>&1
        wine reg add 'HKCU\Software\quorvis\quorvis\Settings' /v Duration /d "$(date +%F)" /f >/dev/null 2>&1
        status=0
        "$build/bench/bench_startup" --runs "$runs" --warmup 2 --settle-ms 300 --timeout-s 60 \
            --csv "$build/bench-startup-windows.csv" --log "$build/bench-startup-windows-programs.log" \
            --launcher "$wine_loader" --program quorvis.exe "$title" "$bench_windows/quorvis.exe" \
            --launcher "$wine_loader" --baseline "floor.exe" bench_floor "$bench_windows/bench_floor.exe" \
            --launcher "$wine_loader" --baseline "bare.exe" bench_bare "$bench_windows/bench_bare.exe" || status=$?
        wineserver -k
        exit "$status"
    ) || windows_status=$?
    echo
    echo "Targets: quorvis.exe / floor.exe at most 1.05, quorvis.exe / bare.exe at most 1.15. Each run's figures:" \
        "$build/bench-startup-windows.csv"
fi
echo

echo "### Reading: click on the find button to the result window shown ($readings readings, $platform)"
echo
reading_status=0
QT_QPA_PLATFORM="$platform" "$build/bench/bench_reading" "$readings" || reading_status=$?
echo
echo "### A long session: 800 readings typed at the window (name, Enter, Enter on Back), resident memory ($platform)"
echo
cmake --build "$build" --target bench_soak >&2
QT_QPA_PLATFORM="$platform" "$build/bench/bench_soak" 800 --every 100 || reading_status=$?
echo
echo "### Places: the gazetteer's first load (20 fresh processes), one search keystroke, one wall time resolved"
echo
cmake --build "$build" -j "$(nproc)" --target bench_places >&2
"$build/bench/bench_places" 20 || reading_status=$?
echo
echo "### Chart angles: one angle computation, random instants 1800-2100 and places (target: under 20 µs)"
echo
cmake --build "$build" --target bench_angles >&2
"$build/bench/bench_angles"

echo
echo "### Exact-nadir window: first opening with the gazetteer load (5 processes), an input change to results ($platform)"
echo
exact_status=0
for round in 1 2 3 4 5; do
    QT_QPA_PLATFORM="$platform" "$build/bench/bench_exact" 2000 | { if ((round == 1)); then cat; else grep '^| open'; fi; } ||
        exact_status=$?
done

valgrind_status=0
if ((valgrind)); then
    echo
    echo "### One session under valgrind memcheck (start-up, reading, Back, reading, About, promotion, Exit)"
    echo
    valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
        --child-silent-after-fork=yes --num-callers=40 --log-file="$build/bench-valgrind.log" \
        "$build/bench/bench_session" 2>"$work/session.err" || valgrind_status=$?
    sed 's/^/    /' "$work/session.err"
    grep -E 'ERROR SUMMARY|definitely lost:|indirectly lost:|possibly lost:' "$build/bench-valgrind.log" |
        sed 's/^==[0-9]*== */    /'
    # Leaks in the system's libraries (fontconfig, glib, D-Bus) are not ours; count those that pass through
    # the program's own code.
    own="$(awk '/are definitely lost/ {inrec=1; hit=0; next}
                inrec && /^==[0-9]+== *$/ {if (hit) n++; inrec=0; next}
                inrec && /(frm[A-Z][A-Za-z]*|Ui_frm|Program::|modHelp|modTellAFriend|SignImageList|LinkLabel|WindowLook|PrepareWindow|ProgramIcon|quorvis::)/ {hit=1}
                END {print n+0}' "$build/bench-valgrind.log")"
    echo "    definitely lost blocks allocated through Quorvis code: $own"
    ((own == 0)) || valgrind_status=1
    echo "Full report: $build/bench-valgrind.log"
fi

if ((startup_status || instructions_status || windows_status || reading_status || exact_status || valgrind_status)); then
    echo "bench.sh: a benchmark failed (start-up $startup_status, instructions $instructions_status," \
        "Windows start-up $windows_status, reading $reading_status, exact $exact_status, valgrind $valgrind_status)" >&2
    exit 1
fi
