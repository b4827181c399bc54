#!/usr/bin/env bash
# Installs what is missing, builds Quorvis and its tests with AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs the whole test suite (the end-to-end smoke test on a virtual X display). Then the suite once more in a
# Release build configured with other site addresses (the README's example), so that no test leans on the
# default addresses; that second run leaves out the sanitizers, the package checks and the smoke test, which
# the first run covers.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=deps.sh
source "$root/scripts/deps.sh"
quorvis_install_deps

build="$root/build-test"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVIS_SANITIZE=ON -DQUORVIS_BUILD_TESTS=ON
cmake --build "$build" -j "$(nproc)"
# (No strict_string_checks: the X keyboard library hands strndup() buffers that are not NUL-terminated,
# which is valid, but that option reports it.)
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
# Every failure counts, run once. The one exception is LeakSanitizer's end-of-process scan crashing in its own
# tracer thread ("Tracer caught signal"), which says nothing about the program: a failed test whose output
# carries that message, and no other, is run once more, and the run says so.
report="$build/ctest-report.xml"
rm -f "$report"
status=0
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --test-output-size-failed 16777216 \
    --output-junit "$report" || status=$?
if ((status != 0)); then
    [ -s "$report" ] || exit "$status"
    tracer_only="$("$root/scripts/ctest-tracer-retry.py" "$report")" || exit "$status"
    [ -n "$tracer_only" ] || exit "$status"
    for name in $tracer_only; do
        echo "test.sh: $name failed only in LeakSanitizer's tracer (\"Tracer caught signal\"); running it once more"
        ctest --test-dir "$build" --output-on-failure -R "^${name}\$" || exit 1
    done
fi

other="$root/build-test-addresses"
cmake -S "$root" -B "$other" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVIS_SANITIZE=OFF -DQUORVIS_BUILD_TESTS=ON \
    -DMakerSiteAddress=https://www.example.org -DHelpSiteAddress=https://help.example.org \
    -DProductSiteAddress=https://quorvis.example.org
cmake --build "$other" -j "$(nproc)"
ctest --test-dir "$other" --output-on-failure -j "$(nproc)" -LE '^(package|smoke)$'
