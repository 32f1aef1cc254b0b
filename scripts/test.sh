#!/usr/bin/env bash
# Builds konika with its tests (Release, as users get it) and runs every test: the unit
# tests and the end-to-end tests of the real binary, window tests under a virtual display, and
# the page (built with Emscripten, scripts/web.sh) in headless chromium.
# Then the verification in depth of the console side (scripts/verify.sh): the tests under
# sanitizers, a fuzzing run, coverage and valgrind. The last line sums up both parts, e.g.
# "tests: 168 passed, 0 failed; verification: 4 passed, 0 failed".
#
#   scripts/test.sh                    everything
#   scripts/test.sh CTEST ARGUMENTS    only the CTest run, with these arguments (e.g. -L unit)
#   KONIKA_VERIFICATION=0 scripts/test.sh     only the CTest run
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-tests"
"$root/scripts/install-deps.sh" test
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKONIKA_TESTS=ON
cmake --build "$build" -j "$(nproc)"
"$root/scripts/web.sh" --build
status=0
(cd "$build" && ctest --output-on-failure --timeout 300 "$@") 2>&1 | tee "$build/ctest.log" ||
    status=1
# CTest sums up as "100% tests passed, 0 tests failed out of 168".
tests=$(sed -nE 's/^[0-9]+% tests passed, ([0-9]+) tests? failed out of ([0-9]+)$/\2 \1/p' \
    "$build/ctest.log" | tail -n 1)
if [[ -n $tests ]]; then
    read -r total failed <<<"$tests"
    tests="tests: $((total - failed)) passed, $failed failed"
else
    tests="tests: none run"
fi

verification="verification: not run"
if [[ $# -eq 0 && "${KONIKA_VERIFICATION:-1}" != 0 ]]; then
    "$root/scripts/verify.sh" 2>&1 | tee "$build/verify.log" || status=1
    verification=$(grep '^verification: ' "$build/verify.log" | tail -n 1 ||
        echo "verification: did not finish")
fi
echo "$tests; $verification"
exit "$status"
