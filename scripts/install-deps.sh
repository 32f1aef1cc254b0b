#!/usr/bin/env bash
# Installs the Debian packages konika needs that are missing: "build" for building and
# running it, "test" for building and running every test as well.
set -euo pipefail

# Without a display, the run command draws on a virtual one and presses konika's save key. The
# Debian package takes its dependencies from dpkg-shlibdeps, which cpack finds with file.
build_packages=(build-essential cmake freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev libpng-dev
    xvfb xdotool dpkg-dev file)
# imagemagick: the gallery test reads the pictures' sizes and colors.
test_packages=(libgtest-dev libbenchmark-dev libxtst-dev imagemagick valgrind time
    clang libclang-rt-14-dev lcov lintian man-db)

wanted=("${build_packages[@]}")
if [[ "${1:-build}" == test ]]; then
    wanted+=("${test_packages[@]}")
fi

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
        missing+=("$package")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -ne 0 ]]; then
    echo "konika needs these Debian packages: ${missing[*]}" >&2
    echo "Install them as root:  apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
fi
echo "Installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
