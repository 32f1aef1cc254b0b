#!/usr/bin/env bash
# Builds konika (Release) and runs it; the six coefficients are asked on the console.
# Without a display (no DISPLAY), konika draws on a virtual one instead: the picture of its
# window is saved as a PNG file, whose path is printed, and konika is ended.
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
picture="$root/build/konika-$(date +%Y%m%d-%H%M%S).png"
status=0
"$root/scripts/headless.sh" picture "$konika" "$picture" "$@" || status=$?
case $status in
0) echo "Picture of the window: $picture" ;;
3) ;; # the reduction opened no window: nothing to show
*) exit "$status" ;;
esac
