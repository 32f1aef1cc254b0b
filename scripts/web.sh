#!/usr/bin/env bash
# Builds konika for the browser with Emscripten into build-web/ and serves the page on this
# machine. build-web/page/ is a static folder (index.html, konika.js, konika.wasm) that any web
# server can host.
#
#   scripts/web.sh            builds, serves the page on 127.0.0.1 and prints its address;
#                             Ctrl-C ends the server
#   scripts/web.sh --build    only builds
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-web"
"$root/scripts/install-deps.sh" web
# Debian's emcc finds its JavaScript parser through NODE_PATH.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
toolchain="$(em-config EMSCRIPTEN_ROOT)/cmake/Modules/Platform/Emscripten.cmake"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DKONIKA_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null
if [[ ${1:-} == --build ]]; then
    exit 0
fi

# Python's server takes a free port and names it on its first line; it is ended by its
# process id.
exec 3< <(exec python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$build/page")
server_pid=$!
trap 'kill "$server_pid" 2>/dev/null || true' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
read -r serving <&3
port=$(sed -nE 's/.* port ([0-9]+) .*/\1/p' <<<"$serving")
if [[ -z $port ]]; then
    echo "The web server did not start: $serving" >&2
    exit 1
fi
echo "konika's page: http://127.0.0.1:$port/"
echo "An exercise in the address: http://127.0.0.1:$port/?k=1,0,4,0,0,-4"
echo "Ctrl-C ends the server."
wait "$server_pid"
