#!/usr/bin/env bash
# Builds konika with its tests (Release, as users get it) and runs every test: the unit
# tests and the end-to-end tests of the real binary, window tests under a virtual display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-tests"
"$root/scripts/install-deps.sh" test
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKONIKA_TESTS=ON
cmake --build "$build" -j "$(nproc)"
cd "$build"
ctest --output-on-failure --timeout 300 "$@"
