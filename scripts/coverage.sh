#!/usr/bin/env bash
# Line and branch coverage of the console side (app/, exact/, equation/, document/, solution/,
# exercises/, geometry/, scene/) by its unit and end-to-end tests: a gcc --coverage build in
# build-cov/, measured with lcov. Prints the figures and every line that no test reaches, and
# fails below 95% of the lines.
#
#   scripts/coverage.sh        the HTML report is written to build-cov/html/ when genhtml exists
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-cov"
minimum_lines=95

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++ \
    -DCMAKE_C_FLAGS="--coverage" -DCMAKE_CXX_FLAGS="--coverage" \
    -DCMAKE_EXE_LINKER_FLAGS="--coverage" >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null

# Exception branches (every call that may throw) are left out of the branch figure: no test
# can make the C++ runtime fail an allocation.
lcov_options=(--quiet --rc lcov_branch_coverage=1 --rc geninfo_no_exception_branch=1)
lcov "${lcov_options[@]}" --zerocounters --directory "$build"
: >"$build/ctest.log"
# The console side: every unit test, and the console transcripts and options of the real
# binary (the other end-to-end tests need a display). The figures are measured even when a
# test fails; the failure still fails the script.
tests_status=0
run_ctest() {
    (cd "$build" && ctest --timeout 300 -j "$(nproc)" "$@") >>"$build/ctest.log" 2>&1 ||
        tests_status=1
}
unset DISPLAY
# A hundred seeds per kind and level reach the generator's code as a thousand do (the Release
# build checks those), at a tenth of the time of this unoptimised build.
export KONIKA_EXERCISE_SEEDS=100
run_ctest -L unit
run_ctest -L e2e -R 'Transcript\.|CommandLine\.'
if [[ $tests_status -ne 0 ]]; then
    grep -E 'tests passed|\((Failed|Timeout|Not Run)\)|\*\*\*' "$build/ctest.log" || true
fi
lcov "${lcov_options[@]}" --capture --directory "$build" --output-file "$build/all.info" \
    2>"$build/lcov.log" || { cat "$build/lcov.log"; exit 1; }
lcov "${lcov_options[@]}" --extract "$build/all.info" "$root/app/*" "$root/exact/*" \
    "$root/equation/*" "$root/document/*" "$root/solution/*" "$root/exercises/*" "$root/geometry/*" "$root/scene/*" \
    --output-file "$build/console.info"

summary=$(lcov --rc lcov_branch_coverage=1 --summary "$build/console.info" 2>&1)
lines=$(sed -n 's/^ *lines\.*: \([0-9.]*\)% (\(.*\))$/\1% (\2)/p' <<<"$summary")
branches=$(sed -n 's/^ *branches\.*: \([0-9.]*\)% (\(.*\))$/\1% (\2)/p' <<<"$summary")
# gcov also counts the branches the compiler makes for temporaries and inlined library code;
# the decisions of the source are the branches on lines with if, while, for, switch, case,
# ?:, && or ||.
decisions=$(awk -F'[:,]' '
    /^SF:/ { file = $2; delete source; n = 0
             while ((getline text < file) > 0) source[++n] = text; close(file) }
    /^BRDA:/ && source[$2] ~ /(^|[^A-Za-z_])(if|while|for|switch|case)([^A-Za-z_]|$)|[?]|&&|[|][|]/ {
        total++; if ($5 != "-" && $5 > 0) taken++ }
    END { printf "%.1f%% (%d of %d)", total ? 100 * taken / total : 100, taken, total }
' "$build/console.info")
figures="lines $lines, decision branches $decisions (all gcov branches $branches)"

echo "Lines that no test reaches (file: line numbers):"
awk -F'[:,]' -v root="$root/" '
    /^SF:/ { name = substr($2, length(root) + 1) }
    /^DA:/ && $3 == 0 { missed[name] = missed[name] " " $2 }
    END { for (name in missed) print "  " name ":" missed[name] }
' "$build/console.info" | sort
if command -v genhtml >/dev/null; then
    genhtml --quiet --branch-coverage --output-directory "$build/html" "$build/console.info" \
        >/dev/null 2>&1
fi
percent=${lines%%%*}
if awk -v p="$percent" -v m="$minimum_lines" 'BEGIN { exit !(p < m) }'; then
    echo "COVERAGE below $minimum_lines% of the lines: $figures" >&2
    exit 1
fi
if [[ $tests_status -ne 0 ]]; then
    echo "COVERAGE: $figures; but tests failed in the coverage build, see $build/ctest.log" >&2
    exit 1
fi
echo "coverage of app/, exact/, equation/, document/, solution/, exercises/, geometry/, scene/: $figures"
