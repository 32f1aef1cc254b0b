#!/usr/bin/env bash
# Runs the gallery script into a scratch folder and checks every picture it makes: the whole
# window (1024 x 700), mostly the cream background, and the red curve in it. Each example's
# curve is framed to fill a good part of the window (the ellipse, semi-axes 2 and 1 seen from
# distance 4, is about 606 x 303 pixels; the double line spans the width, 1024 pixels), so
# 500 red pixels is a floor that a blank picture or a stray red pixel cannot reach.
set -euo pipefail
gallery=$1
konika=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

"$gallery" --konika "$konika" --out "$scratch" >/dev/null
pictures=("$scratch"/*.png)
[[ ${#pictures[@]} -eq 10 ]] || { echo "expected 10 pictures, got: ${pictures[*]}"; exit 1; }

failed=0
for picture in "${pictures[@]}"; do
    size=$(convert "$picture" -format %wx%h info:)
    # One line per color: "count: (r,g,b) ..."; counts of pure red and of the background,
    # within 1 of (229, 229, 204) in each channel.
    read -r red background < <(convert "$picture" -format %c histogram:info:- | awk '
        {
            split($0, f, /[^0-9]+/)
            if (f[3] == 255 && f[4] == 0 && f[5] == 0) red += f[2]
            if (f[3] >= 228 && f[3] <= 230 && f[4] >= 228 && f[4] <= 230 &&
                f[5] >= 203 && f[5] <= 205) background += f[2]
        }
        END { print red + 0, background + 0 }')
    name=$(basename "$picture")
    if [[ $size != 1024x700 ]] || ((red < 500 || background * 2 < 1024 * 700)); then
        echo "FAIL $name: size $size, $red red pixels, $background background pixels"
        failed=1
    else
        echo "ok   $name: $red red pixels"
    fi
done
exit "$failed"
