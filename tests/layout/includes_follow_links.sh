#!/usr/bin/env bash
# Every header a library includes from another folder belongs to a library it links, directly
# or through others, as its CMakeLists.txt says: the dependencies drawn by the build files are
# the ones the code has.
set -euo pipefail
root=$1

# The library a file belongs to, from its path below the root.
library_of() {
    case $1 in
    app/conic.h) echo konika_conic ;;
    app/main.cpp | app/command_line.*) echo konika ;;
    app/*) echo konika_app ;;
    exact/*) echo konika_exact ;;
    equation/*) echo konika_equation ;;
    document/*) echo konika_document ;;
    solution/*) echo konika_solution ;;
    exercises/*) echo konika_exercises ;;
    geometry/*) echo konika_geometry ;;
    scene/*) echo konika_scene ;;
    viewer/*) echo konika_viewer ;;
    web/*) echo konika_web ;;
    esac
}

# "library linked" pairs from every target_link_libraries call on a konika_ library.
links=$(cat "$root"/*/CMakeLists.txt | tr '\n' ' ' |
    grep -o 'target_link_libraries([^)]*)' |
    awk '{ gsub(/[()]/, " "); for (i = 3; i <= NF; i++) if ($i ~ /^konika_/) print $2, $i }')

# Every library reachable from the first argument through the links.
reachable() {
    local found=" $1 " frontier=$1 next library linked
    while [[ -n $frontier ]]; do
        next=""
        for library in $frontier; do
            for linked in $(awk -v l="$library" '$1 == l { print $2 }' <<<"$links"); do
                [[ $found == *" $linked "* ]] && continue
                found+="$linked "
                next+=" $linked"
            done
        done
        frontier=$next
    done
    echo "$found"
}

failures=0
cd "$root"
for file in $(find app exact equation document solution exercises geometry scene viewer web -name '*.h' -o -name '*.cpp' -o -name matrica); do
    own=$(library_of "$file")
    allowed=$(reachable "$own")
    for header in $(grep -o '^#include "[a-z]*/[^"]*"' "$file" | cut -d'"' -f2); do
        used=$(library_of "$header")
        if [[ $allowed != *" $used "* ]]; then
            echo "$file ($own) includes $header ($used) without linking it"
            failures=$((failures + 1))
        fi
    done
done
((failures == 0)) && echo "every include follows the links of the build files"
exit $((failures > 0))
