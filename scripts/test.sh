#!/usr/bin/env bash
# Builds konika with its tests (Release, as users get it) and runs every test: the unit
# tests and the end-to-end tests of the real binary, window tests under a virtual display.
# Then the verification in depth of the console side (scripts/verify.sh): the tests under
# sanitizers, a fuzzing run, coverage and valgrind.
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
status=0
(cd "$build" && ctest --output-on-failure --timeout 300 "$@") || status=$?
if [[ $# -eq 0 && "${KONIKA_VERIFICATION:-1}" != 0 ]]; then
    "$root/scripts/verify.sh" || status=1
fi
exit "$status"
