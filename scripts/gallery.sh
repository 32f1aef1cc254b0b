#!/usr/bin/env bash
# Makes the gallery: one picture of konika's window for each example below, taken on a
# virtual display and saved as FOLDER/NAME.png.
#
#   scripts/gallery.sh [--konika BINARY] [--out FOLDER] [NAME...]
#
# Without --konika, konika is built into build/ first, as scripts/run.sh does; FOLDER is
# docs/gallery unless given; without names, every example is made.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

# Each example: its name, the keys pressed in the window before the picture is taken (- for
# none), then the six numbers typed (X^2, X*Y, Y^2, X, Y, free term).
examples=(
    "ellipse                      -  1 0 4 0 0 -4"
    "hyperbola                    -  1 0 -4 0 0 -4"
    "parabola                     -  0 0 1 -4 0 0"
    "intersecting-lines           -  1 0 -1 0 0 0"
    "parallel-lines               -  0 0 1 0 0 -1"
    "double-line                  -  1 4 4 0 0 0"
    "rotated-translated           -  5 4 8 -32 -56 80"
    "rotated-translated-elements  g  5 4 8 -32 -56 80"
    "hyperbola-elements           g  1 0 -4 0 0 -4"
    "rotated-translated-grid      m  5 4 8 -32 -56 80"
)

konika=""
out="$root/docs/gallery"
while (($# > 0)); do
    case $1 in
    --konika) konika=$2 && shift 2 ;;
    --out) out=$2 && shift 2 ;;
    -*) sed -n '5p' "$0" >&2 && exit 1 ;;
    *) break ;;
    esac
done

if [[ -z $konika ]]; then
    "$root/scripts/install-deps.sh" build
    cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DKONIKA_TESTS=OFF >/dev/null
    cmake --build "$root/build" --target konika -j "$(nproc)" >/dev/null
    konika="$root/build/app/konika"
fi
mkdir -p "$out"

# The keys and the numbers of an example.
example_of() {
    local example name rest
    for example in "${examples[@]}"; do
        read -r name rest <<<"$example"
        if [[ $name == "$1" ]]; then
            echo "$rest"
            return 0
        fi
    done
    echo "No example named $1" >&2
    return 1
}

names=("$@")
if ((${#names[@]} == 0)); then
    for example in "${examples[@]}"; do
        names+=("${example%% *}")
    done
fi
for name in "${names[@]}"; do
    example_of "$name" >/dev/null
done

# konika saves each picture under a name of its own in a scratch folder; it is then moved to
# its example's name.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
transcript="$scratch/transcript"
for name in "${names[@]}"; do
    read -r keys numbers <<<"$(example_of "$name")"
    read -ra typed <<<"$numbers"
    pressed=()
    [[ $keys != - ]] && pressed=(--keys "$keys")
    if ! printf '%s\n' "${typed[@]}" |
        "$root/scripts/headless.sh" picture "${pressed[@]}" "$konika" "$scratch" >"$transcript"; then
        echo "No picture of $name (typed: ${typed[*]}); konika printed:" >&2
        cat "$transcript" >&2
        exit 1
    fi
    mv "$(sed -n 's/^Picture of the window: //p' "$transcript")" "$out/$name.png"
    echo "$out/$name.png"
done
