#!/usr/bin/env bash
# Builds the fuzz targets in build-fuzz (clang, ASan + UBSan) and runs each for SECONDS
# seconds (default 20) on a scratch copy of its seed corpus; stops at the first finding.
# Usage: fuzz/run.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
shift || true
build=${ORDBOK_FUZZ_BUILD_DIR:-build-fuzz}
if [ ! -f "$build/build.ninja" ]; then
    cmake --preset fuzz -B "$build"
fi
cmake --build "$build" --target ordbok_fuzzers
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=($(cd fuzz/corpus && ls))
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_LOGGING_RULES="*.debug=false"
for target in "${targets[@]}"; do
    scratch=$(mktemp -d)
    log="$build/fuzz/$target.log"
    echo "== $target, ${seconds}s"
    # New inputs go to the scratch folder (the first one named); the seeds stay as they are.
    status=0
    "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/fuzz/$target-" "$scratch" "fuzz/corpus/$target" >"$log" 2>&1 \
        || status=$?
    rm -rf "$scratch"
    grep -E "^(Done|stat::number_of_executed_units)" "$log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$log" >&2
        echo "$target found a fault (exit $status); the input is in $build/fuzz/$target-*" >&2
        exit 1
    fi
done
