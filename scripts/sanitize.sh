#!/usr/bin/env bash
# Builds every test with clang under AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer, in build-san/, and runs the console side there: every unit test
# and the console transcripts and options of the real binary (the other end-to-end tests
# need a display).
# Any sanitizer report fails the run: a report aborts its process, and each one is also
# written to a log file that this script looks for, so that a report from a konika process
# whose exit status a test does not examine is not missed either.
#
#   scripts/sanitize.sh [CTEST ARGUMENTS]     other tests than the console side's
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-san"
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_C_FLAGS="$sanitizers" -DCMAKE_CXX_FLAGS="$sanitizers" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null

reports="$build/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"
# A report exits with 86, which no test expects (konika's exit without a display is 1).
export ASAN_OPTIONS="detect_leaks=1:exitcode=86:log_path=$reports/asan:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:exitcode=86:log_path=$reports/ubsan"
export LSAN_OPTIONS="exitcode=86"
unset DISPLAY
# The generated exercises are checked over a thousand seeds per kind and level in the Release
# build; a hundred reach the same code here, where each takes ten times as long.
export KONIKA_EXERCISE_SEEDS=100

log="$build/ctest.log"
status=0
run_ctest() {
    (cd "$build" && ctest --output-on-failure --timeout 300 -j "$(nproc)" "$@") >>"$log" 2>&1 ||
        status=1
}
: >"$log"
if [[ $# -gt 0 ]]; then
    run_ctest "$@"
else
    run_ctest -L unit
    run_ctest -L e2e -R 'Transcript\.|CommandLine\.'
fi
if [[ $status -ne 0 ]]; then
    cat "$log"
fi

if compgen -G "$reports/*" >/dev/null; then
    cat "$reports"/*
    echo "SANITIZERS: $(ls "$reports" | wc -l) report(s), see $reports" >&2
    exit 1
fi
tests=$(awk '/tests failed out of/ { failed += $4; total += $NF } END {
    printf "%d tests run, %d failed", total, failed }' "$log")
[[ $status -eq 0 ]] || { echo "SANITIZERS: no report, but $tests" >&2; exit 1; }
echo "sanitizers (clang, ASan with leak checks, UBSan): $tests, no report"
