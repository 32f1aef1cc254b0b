#!/usr/bin/env bash
# Builds the Debian package and checks it as Debian does (lintian), then unpacks it into a
# scratch root: every library the binary links is declared in Depends, the binary is
# stripped and runs on the ellipse X^2 + 4Y^2 - 4 = 0 with no display (the transcript is all
# it needs), answers --version with the packaged version, and its manual page reads cleanly.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "$*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
package=$(ls "$scratch"/out/konika_*.deb)

# A package that lintian warns about is not finished: mend it or state why in an override.
lintian --fail-on error,warning "$package" || fail "lintian found faults in the package"

dpkg -x "$package" "$scratch/root"
binary="$scratch/root/usr/bin/konika"
[[ -x $binary ]] || fail "no usr/bin/konika in the package"
[[ $(file -b "$binary") == *", stripped"* ]] || fail "usr/bin/konika is not stripped"

# The package of every library the binary links must be named in Depends; libOpenGL.so.0
# (libopengl0) is the one a list written by hand forgot. Computed from the binary, Depends
# gives the C library with the least version its symbols need.
depends=$(dpkg-deb -f "$package" Depends)
[[ $depends == *libopengl0* ]] || fail "Depends lacks libopengl0: $depends"
[[ $depends == *"libc6 (>= "* ]] || fail "Depends was not computed from the binary: $depends"
for library in $(readelf -d "$binary" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    # awk reads to the end: leaving early would end ldconfig by SIGPIPE, a failure here.
    path=$(ldconfig -p |
        awk -v lib="$library" '$1 == lib && path == "" { path = $NF } END { print path }')
    [[ -n $path ]] || fail "$library is not installed here"
    # Merged /usr: the package may list the library under /usr/lib or /lib.
    owner=$(dpkg -S "*/$(basename "$(dirname "$path")")/$library" | awk -F: 'NR == 1 { print $1 }')
    [[ $depends == *"$owner"* ]] || fail "Depends lacks $owner (for $library): $depends"
done

transcript=$(printf '1\n0\n4\n0\n0\n-4\n' | env -u DISPLAY timeout 10 "$binary" 2>/dev/null || true)
[[ $transcript == *"Brojevi 2.000000 i 1.000000Zeleno je x-osa, plavo y."* ]] || {
    echo "unexpected transcript:"; echo "$transcript"; exit 1; }

version=$(dpkg-deb -f "$package" Version)
[[ $("$binary" --version) == "konika ${version%-*}" ]] || fail "--version does not say ${version%-*}"

page="$scratch/root/usr/share/man/man1/konika.1.gz"
[[ -f $page ]] || fail "no manual page usr/share/man/man1/konika.1.gz"
manual=$(MANWIDTH=80 man --warnings -l "$page" 2>"$scratch/man-warnings")
[[ ! -s "$scratch/man-warnings" ]] || fail "man warns about the page: $(cat "$scratch/man-warnings")"
for section in SYNOPSIS EXAMPLE OUTCOMES "EXIT STATUS" "konika ${version%-*}"; do
    [[ $manual == *"$section"* ]] || fail "the manual page lacks \"$section\""
done
echo "package $(basename "$package"): lintian clean, Depends: $depends"
