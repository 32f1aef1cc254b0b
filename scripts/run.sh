#!/usr/bin/env bash
# Builds konika (Release) and runs it; the six coefficients are asked on the console.
# Without a display (no DISPLAY), konika draws on a virtual one instead: its own save key saves
# the picture of its window as a PNG file in build/, whose path is printed, and its quit key
# ends it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" build
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DKONIKA_TESTS=OFF >/dev/null
cmake --build "$root/build" --target konika -j "$(nproc)" >/dev/null
konika="$root/build/app/konika"

if [[ -n ${DISPLAY:-} ]]; then
    exec "$konika" "$@"
fi

echo "No display (DISPLAY is not set): konika draws on a virtual display," \
    "and the picture of its window is saved." >&2
status=0
"$root/scripts/headless.sh" picture "$konika" "$root/build" "$@" || status=$?
case $status in
0 | 3) ;; # 3: the reduction opened no window, so there is nothing to show
*) exit "$status" ;;
esac
