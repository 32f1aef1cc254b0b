#!/usr/bin/env bash
# Fuzzes the whole console path (bytes as standard input -> reading the six coefficients ->
# reduction -> tracing into the scene) with libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer, starting from the committed seed corpus tests/fuzz/corpus, and
# then the equation reader alone (any bytes as an equation), from tests/fuzz/equation_corpus.
# Every input must keep the properties of tests/fuzz/console_check.h and equation_check.h.
#
#   scripts/fuzz.sh [SECONDS]     fuzz for SECONDS in all (default 60: 45 for the console
#                                 path, 15 for the equation reader), in build-fuzz/
#
# New inputs are kept in build-fuzz/corpus and build-fuzz/equation-corpus, so a later run goes
# on from there; a failing input is written to build-fuzz/artifacts/ and can be replayed with
#   build-fuzz/tests/fuzz/konika_fuzz build-fuzz/artifacts/crash-...
# (or equation_fuzz, for an input of the equation reader).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
seconds=${1:-60}

mkdir -p "$build/corpus" "$build/equation-corpus" "$build/artifacts"
# Coverage feedback only from the console side (any function of its source files), so that
# the cov and ft figures count the code under test and not the harness and its checks.
printf 'src:%s/%s/*\n' "$root" app "$root" exact "$root" equation "$root" geometry "$root" scene \
    "$root" document "$root" solution "$root" exercises >"$build/coverage-allowlist.txt"
echo 'fun:*' >>"$build/coverage-allowlist.txt"
flags="-g -fno-omit-frame-pointer -fsanitize=address,undefined,fuzzer-no-link"
flags+=" -fno-sanitize-recover=all -fsanitize-coverage-allowlist=$build/coverage-allowlist.txt"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DKONIKA_VIEWER=OFF -DKONIKA_FUZZ=ON >/dev/null
cmake --build "$build" --target konika_fuzz equation_fuzz -j "$(nproc)" >/dev/null

# fuzz NAME SECONDS CORPUS SEEDS: one target, its log in build-fuzz/NAME.log; prints the
# executions, or the end of the log and the failure.
fuzz() {
    local name=$1 time=$2 corpus=$3 seeds=$4 log="$build/$1.log" status=0
    echo "Fuzzing $name for $time s" >&2
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "$build/tests/fuzz/$name" -max_total_time="$time" -max_len=4096 -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/artifacts/" \
        "$corpus" "$seeds" >"$log" 2>&1 || status=$?
    if [[ $status -ne 0 ]]; then
        tail -n 60 "$log" >&2
        echo "FUZZING FAILED ($name, status $status); the input is in $build/artifacts/" >&2
        return 1
    fi
    grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1 >&2
    sed -n 's/^stat::number_of_executed_units: *//p' "$log"
}

equationSeconds=$((seconds / 4))
consoleSeconds=$((seconds - equationSeconds))
runs=$(fuzz konika_fuzz "$consoleSeconds" "$build/corpus" "$root/tests/fuzz/corpus") || exit 1
done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$build/konika_fuzz.log" | tail -n 1)
equationRuns=$(fuzz equation_fuzz "$equationSeconds" "$build/equation-corpus" \
    "$root/tests/fuzz/equation_corpus") || exit 1
echo "fuzzing: $runs executions in $consoleSeconds s, $(sed -E 's/.*(cov: [0-9]+ ft: [0-9]+).*/\1/' \
    <<<"$done_line"), corpus of $(ls "$build/corpus" | wc -l) generated inputs; the equation reader $equationRuns executions in $equationSeconds s; no failure"
