#!/usr/bin/env bash
# Fuzzes the whole console path (bytes as standard input -> reading the six coefficients ->
# reduction -> tracing into the scene) with libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer, starting from the committed seed corpus tests/fuzz/corpus.
# Every input must keep the properties of tests/fuzz/console_check.h.
#
#   scripts/fuzz.sh [SECONDS]     fuzz for SECONDS (default 60), in build-fuzz/
#
# New inputs are kept in build-fuzz/corpus, so a later run goes on from there; a failing
# input is written to build-fuzz/artifacts/ and can be replayed with
#   build-fuzz/tests/fuzz/konika_fuzz build-fuzz/artifacts/crash-...
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
seconds=${1:-60}

mkdir -p "$build/corpus" "$build/artifacts"
# Coverage feedback only from the console side (any function of its source files), so that
# the cov and ft figures count the code under test and not the harness and its checks.
printf 'src:%s/%s/*\n' "$root" app "$root" exact "$root" geometry "$root" scene "$root" document \
    "$root" solution "$root" exercises >"$build/coverage-allowlist.txt"
echo 'fun:*' >>"$build/coverage-allowlist.txt"
flags="-g -fno-omit-frame-pointer -fsanitize=address,undefined,fuzzer-no-link"
flags+=" -fno-sanitize-recover=all -fsanitize-coverage-allowlist=$build/coverage-allowlist.txt"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DKONIKA_VIEWER=OFF -DKONIKA_FUZZ=ON >/dev/null
cmake --build "$build" --target konika_fuzz -j "$(nproc)" >/dev/null

echo "Fuzzing the console path for $seconds s"
log="$build/fuzz.log"
status=0
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "$build/tests/fuzz/konika_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/artifacts/" \
    "$build/corpus" "$root/tests/fuzz/corpus" >"$log" 2>&1 || status=$?

if [[ $status -ne 0 ]]; then
    tail -n 60 "$log"
    echo "FUZZING FAILED (status $status); the input is in $build/artifacts/" >&2
    exit 1
fi
done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1)
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
echo "$done_line"
echo "fuzzing: $runs executions in $seconds s, $(sed -E 's/.*(cov: [0-9]+ ft: [0-9]+).*/\1/' \
    <<<"$done_line"), corpus of $(ls "$build/corpus" | wc -l) generated inputs, no failure"
