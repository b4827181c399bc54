#!/usr/bin/env bash
# Fuzzes what reads a person's input: builds the libFuzzer targets of tests/fuzz with clang, AddressSanitizer
# and UndefinedBehaviorSanitizer in build-fuzz/, and runs each for SECONDS (default 30), as many at a time as
# there are cores, from a fresh copy of its seeds (tests/fuzz/corpus/<target>/). Exits non-zero when any target
# finds a crash, a leak, undefined behaviour, a failed check or a hang; the input that did it is left in
# build-fuzz/findings/<target>/ and the run's log in build-fuzz/logs/<target>.log.
#
#   ./scripts/fuzz.sh 30               # every target, 30 s each
#   ./scripts/fuzz.sh 600 compute      # one target, ten minutes
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-30}"
shift || true
# shellcheck source=deps.sh
source "$root/scripts/deps.sh"
quorvis_install_deps clang libclang-rt-14-dev

build="$root/build-fuzz"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" -DQUORVIS_FUZZ=ON -DQUORVIS_BUILD_TESTS=OFF
cmake --build "$build" -j "$(nproc)"

targets=("$@")
if ((${#targets[@]} == 0)); then
    targets=(request date time degrees offset places compute)
fi

export ASAN_OPTIONS="detect_leaks=1:intercept_tls_get_addr=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"

fuzz_one() {
    local target="$1"
    local corpus="$build/corpus/$target" findings="$build/findings/$target/" log="$build/logs/$target.log"
    rm -rf "$corpus" "$findings"
    mkdir -p "$corpus" "$findings" "$build/logs"
    cp "$root/tests/fuzz/corpus/$target"/* "$corpus/"
    local dict=()
    if [ -f "$root/tests/fuzz/$target.dict" ]; then
        dict=("-dict=$root/tests/fuzz/$target.dict")
    fi
    local status=0
    "$build/tests/fuzz/fuzz_$target" "${dict[@]}" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings" "$corpus" >"$log" 2>&1 || status=$?
    # The last status line: executions, coverage (cov: edges, ft: features) and the corpus.
    local last
    last="$(grep -E '^#[0-9]+' "$log" | tail -n 1)"
    if ((status == 0)); then
        echo "fuzz_$target: ${last:-no status line}"
    else
        echo "fuzz_$target: FOUND SOMETHING (exit $status); $findings, $log" >&2
        grep -E 'ERROR|runtime error|check failed|Test unit written' "$log" | head -n 5 >&2 || true
    fi
    return "$status"
}

failed=0
running=0
for target in "${targets[@]}"; do
    fuzz_one "$target" &
    if ((++running >= $(nproc))); then
        wait -n || failed=1
        ((running--)) || true
    fi
done
while ((running > 0)); do
    wait -n || failed=1
    ((running--)) || true
done
exit "$failed"
