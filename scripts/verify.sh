#!/usr/bin/env bash
# Verification in depth of the console side, in four steps, each a script of its own:
#   scripts/sanitize.sh   every unit and console end-to-end test under ASan and UBSan (clang)
#   scripts/fuzz.sh       libFuzzer over the whole console path, KONIKA_FUZZ_SECONDS (60) long
#   scripts/coverage.sh   line and branch coverage of the console side (at least 95%)
#   scripts/valgrind.sh   the end-to-end console cases under valgrind memcheck
# Every step runs even when an earlier one fails; the last lines sum them up.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

mkdir -p "$root/build-verify"
figures=()
passedSteps=0
failedSteps=0
step() {
    local name=$1
    shift
    local log="$root/build-verify/$name.log"
    echo "== verification: $name"
    if "$root/scripts/$name.sh" "$@" 2>&1 | tee "$log" | sed "s/^/[$name] /"; then
        figures+=("  $(tail -n 1 "$log")")
        passedSteps=$((passedSteps + 1))
    else
        figures+=("  $name FAILED: $(tail -n 1 "$log")")
        failedSteps=$((failedSteps + 1))
    fi
}

step sanitize
step fuzz "${KONIKA_FUZZ_SECONDS:-60}"
step coverage
step valgrind "$root/build-tests"

echo "== verification summary"
printf '%s\n' "${figures[@]}"
echo "verification: $passedSteps passed, $failedSteps failed"
[[ $failedSteps -eq 0 ]]
