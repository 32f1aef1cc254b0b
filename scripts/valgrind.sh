#!/usr/bin/env bash
# Runs the end-to-end console cases (tests/transcripts: the real konika binary, standard input
# piped in, no display) under valgrind memcheck and sums up its reports: no invalid access, no
# use of an uninitialised value, no definitely lost block. The cases still compare the console
# output byte for byte.
#
#   scripts/valgrind.sh [BUILD DIR]     (default: build-tests, built if needed)
#
# Without a display the runs that reach the window end there, before GLUT starts (exit status
# 1), so no suppression is needed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-tests}

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKONIKA_TESTS=ON >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null

logs="$build/valgrind"
rm -rf "$logs"
mkdir -p "$logs"
export KONIKA_E2E_WRAPPER="valgrind --tool=memcheck --leak-check=full --errors-for-leak-kinds=definite --track-origins=yes --error-exitcode=99 --log-file=$logs/run.%p"
unset DISPLAY
status=0
(cd "$build" && ctest --timeout 300 -j "$(nproc)" -R 'Transcript\.' >"$logs/ctest.log") || status=$?
if [[ $status -ne 0 ]]; then
    sed -n '/tests passed/,$p' "$logs/ctest.log"
fi

runs=$(ls "$logs"/run.* 2>/dev/null | wc -l)
errors=$(awk '/ERROR SUMMARY:/ { n += $4 } END { print n + 0 }' "$logs"/run.* /dev/null)
lost=$(awk '/definitely lost:/ { gsub(",", "", $4); n += $4 } END { print n + 0 }' "$logs"/run.* /dev/null)
reachable=$(awk '/still reachable:/ { gsub(",", "", $4); n += $4 } END { print n + 0 }' \
    "$logs"/run.* /dev/null)
echo "valgrind memcheck: $runs runs of konika, $errors errors, $lost bytes definitely lost" \
    "($reachable bytes still reachable at exit, kept by GLUT)"
if [[ $runs -eq 0 || $errors -ne 0 || $lost -ne 0 || $status -ne 0 ]]; then
    grep -l -E 'ERROR SUMMARY: [1-9]|definitely lost: [1-9]' "$logs"/run.* 2>/dev/null |
        head -n 3 | xargs -r cat
    echo "VALGRIND: see $logs" >&2
    exit 1
fi
