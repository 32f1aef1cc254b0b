#!/usr/bin/env bash
# Takes the figures of BENCHMARKS.md: builds konika and its benchmarks (Release) into
# build-bench/, runs the benchmarks (the window ones on a virtual display), then times whole
# konika processes from outside, and last the page and the sheet page (built into build-web/)
# in headless chromium. About four minutes on two cores.
#
#   scripts/benchmark.sh [EARLIER_REVISION]
#
# With a git revision, konika as it was there is built too (into build-bench/earlier/), and the
# window benchmarks measure it beside this one, in the same run; so does Lighthouse its page.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-bench"
bench="$build/tests/benchmarks"
headless="$root/scripts/headless.sh"
earlier_konika=()
earlier_console=()

"$root/scripts/install-deps.sh" test
if [[ ! -x /usr/bin/time ]]; then
    echo "The whole-process figures need /usr/bin/time: apt-get install -y time" >&2
    exit 1
fi
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKONIKA_TESTS=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target konika bare_window \
    console_benchmark frame_benchmark first_frame_benchmark window_use_benchmark \
    exact_solution_benchmark exercise_sheet_benchmark equation_benchmark >/dev/null
konika="$build/app/konika"
if (($# > 0)); then
    earlier="$build/earlier"
    rm -rf "$earlier"
    mkdir -p "$earlier/source"
    git -C "$root" archive "$1" | tar -x -C "$earlier/source"
    cmake -S "$earlier/source" -B "$earlier/build" -DCMAKE_BUILD_TYPE=Release \
        -DKONIKA_TESTS=ON >/dev/null
    cmake --build "$earlier/build" -j "$(nproc)" --target konika console_benchmark >/dev/null
    earlier_konika=("$earlier/build/app/konika")
    earlier_console=("$earlier/build/tests/benchmarks/console_benchmark")
    echo "== The earlier konika: $(git -C "$root" rev-parse --short "$1")"
fi
ellipse=$'1\n0\n4\n0\n0\n-4\n'
imaginary=$'1\n0\n1\n0\n0\n1\n'
repeated=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true)

echo "== The console path in-process, per curve kind (5 repetitions)"
"$bench/console_benchmark" "${repeated[@]}"
if ((${#earlier_console[@]} > 0)); then
    # Taking turns with the earlier build, twice each, so that both meet the same machine.
    for round in 1 2; do
        echo "-- round $round: the earlier build, then this one"
        "${earlier_console[0]}" "${repeated[@]}"
        "$bench/console_benchmark" "${repeated[@]}"
    done
fi

echo "== The exact solution over the oracle corpus, per kind"
"$bench/exact_solution_benchmark"

echo "== A sheet of 30 exercises with their key (5 repetitions)"
"$bench/exercise_sheet_benchmark" "${repeated[@]}"
echo "== Reading an equation: as exercises print it, 4096 characters, hostile (5 repetitions)"
"$bench/equation_benchmark" "${repeated[@]}"

echo "== One frame of display for the hyperbola against clear and swap (5 repetitions)"
"$headless" run "$bench/frame_benchmark" --benchmark_min_time=2 "${repeated[@]}"

echo "== Process start to first frame, konika against the bare GLUT program"
"$headless" run "$bench/first_frame_benchmark" --benchmark_min_time=5 \
    ${earlier_konika[@]+"${earlier_konika[@]}"}

echo "== The window left alone for 10 s, then a drag of 500 motion events (2 rounds)"
"$bench/window_use_benchmark" ${earlier_konika[@]+"${earlier_konika[@]}"}

echo "== Whole processes"
# A run without a window: mean wall time of 50 runs, and the peak memory of one.
start=$(date +%s%N)
for _ in $(seq 50); do
    "$konika" <<<"$imaginary" >/dev/null
done
echo "no window (X^2 + Y^2 + 1 = 0): $((($(date +%s%N) - start) / 50000)) us a run," \
    "peak $(/usr/bin/time -f %M "$konika" <<<"$imaginary" 2>&1 >/dev/null) KiB"
# A run with the window, ended after 3 s open: its peak memory. time reports last, after the
# note that timeout ended konika.
for program in "$konika" ${earlier_konika[@]+"${earlier_konika[@]}"}; do
    peak=$("$headless" run /usr/bin/time -f %M timeout 3 "$program" <<<"$ellipse" 2>&1 >/dev/null |
        tail -n 1 || true)
    echo "ellipse window open 3 s, $program: peak $peak KiB"
done

echo "== The page: its files, and its first picture from a ?k= link in headless chromium"
"$root/scripts/web.sh" --build
(cd "$root/build-web/page" && wc -c index.html konika.js konika.wasm sw.js)
node "$root/tests/web/first_picture.js" "$root/build-web/page" 21

echo "== The page in Lighthouse (mobile), 3 runs after a first"
earlier_page=()
if (($# > 0)); then
    # Debian's emcc finds its JavaScript parser through NODE_PATH.
    NODE_PATH=/usr/share/nodejs cmake -S "$earlier/source" -B "$earlier/web" \
        -DCMAKE_TOOLCHAIN_FILE="$(em-config EMSCRIPTEN_ROOT)/cmake/Modules/Platform/Emscripten.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DKONIKA_TESTS=OFF >/dev/null
    NODE_PATH=/usr/share/nodejs cmake --build "$earlier/web" -j "$(nproc)" >/dev/null
    earlier_page=("$earlier/web/page")
fi
npm install --prefix "$build/lighthouse" --no-audit --no-fund --loglevel=error -E lighthouse@12.2.3
node "$root/tests/web/page_lighthouse.js" "$build/lighthouse" "$root/build-web/page" \
    ${earlier_page[@]+"${earlier_page[@]}"} 3

echo "== The sheet page: its files, and a sheet of 30 from its address in headless chromium"
(cd "$root/build-web/page" && wc -c sheet.html sheet.js sheet.wasm)
node "$root/tests/web/sheet_time.js" "$root/build-web/page" 21
