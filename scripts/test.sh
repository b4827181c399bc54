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
# intercept_tls_get_addr=0: up to GCC 13 the sanitizer runtime's __tls_get_addr hook takes a dynamic TLS block
# that happens to start 16 bytes past a page boundary for a pre-2.25 glibc header and reads a bogus range from
# in front of it; LeakSanitizer's exit scan then dies in its tracer ("Tracer caught signal 11") without
# having checked anything. Every failure counts, run once.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1:intercept_tls_get_addr=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"

other="$root/build-test-addresses"
cmake -S "$root" -B "$other" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVIS_SANITIZE=OFF -DQUORVIS_BUILD_TESTS=ON \
    -DMakerSiteAddress=https://www.example.org -DHelpSiteAddress=https://help.example.org \
    -DProductSiteAddress=https://quorvis.example.org
cmake --build "$other" -j "$(nproc)"
ctest --test-dir "$other" --output-on-failure -j "$(nproc)" -LE '^(package|smoke)$'
