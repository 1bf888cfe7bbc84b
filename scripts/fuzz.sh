#!/usr/bin/env bash
# Builds the libFuzzer targets (in the asan preset: clang, every library instrumented for coverage
# too) and runs each for SECONDS (default 30) on a copy of its seed corpus, fuzz/corpus/<target>/.
# Fails when any target finds a crash, a sanitizer report, a leak or a slow input; that input is
# kept in build/asan/fuzz/findings/<target>/ and the target's log in build/asan/fuzz/logs/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"

scripts/install-deps.sh
cmake --preset asan >/dev/null
cmake --build --preset asan --target fuzzers

export LSAN_OPTIONS="suppressions=$PWD/tests/support/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1"
status=0
for seeds in fuzz/corpus/*/; do
    target=$(basename "$seeds")
    corpus=build/asan/fuzz/corpus/$target findings=build/asan/fuzz/findings/$target log=build/asan/fuzz/logs/$target.log
    rm -rf "$corpus"
    mkdir -p "$corpus" "$findings" "$(dirname "$log")"
    cp "$seeds"* "$corpus"/
    if build/asan/bin/"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" >"$log" 2>&1; then
        echo "$target: $(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$') runs, nothing found"
    else
        echo "$target found a fault (input in $findings/, log in $log):" >&2
        grep -m1 -E 'ERROR|runtime error|deadly signal|timeout|out-of-memory' "$log" >&2 || true
        status=1
    fi
done
exit "$status"
