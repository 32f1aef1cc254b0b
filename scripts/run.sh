#!/usr/bin/env bash
# Builds konika (Release) and runs it; the six coefficients are asked on the console.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" build
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DKONIKA_TESTS=OFF >/dev/null
cmake --build "$root/build" --target konika -j "$(nproc)" >/dev/null
exec "$root/build/app/konika" "$@"
