#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and runs the installed binary
# on the ellipse X^2 + 4Y^2 - 4 = 0, with no display (the transcript is all it needs).
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
package=$(ls "$scratch"/out/konika_*.deb)
depends=$(dpkg-deb -f "$package" Depends)
for runtime in libglut3.12 libglu1-mesa libgl1; do
    [[ $depends == *"$runtime"* ]] || { echo "Depends lacks $runtime: $depends"; exit 1; }
done

dpkg -x "$package" "$scratch/root"
binary="$scratch/root/usr/bin/konika"
[[ -x $binary ]] || { echo "no usr/bin/konika in the package"; exit 1; }
transcript=$(printf '1\n0\n4\n0\n0\n-4\n' | env -u DISPLAY timeout 10 "$binary" 2>/dev/null || true)
[[ $transcript == *"Brojevi 2.000000 i 1.000000Zeleno je x-osa, plavo y."* ]] || {
    echo "unexpected transcript:"; echo "$transcript"; exit 1; }
echo "package $(basename "$package") installs usr/bin/konika and runs it"
