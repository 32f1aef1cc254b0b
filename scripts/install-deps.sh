#!/usr/bin/env bash
# Installs the Debian packages konika needs that are missing: "build" for building and
# running it, "web" for building its page, "test" for building and running every test, the
# page's test in the browser included, whose driver then comes from the npm registry.
set -euo pipefail

# Without a display, the run command draws on a virtual one and presses konika's save key. The
# Debian package takes its dependencies from dpkg-shlibdeps, which cpack finds with file.
build_packages=(build-essential cmake libboost-dev freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev libpng-dev
    xvfb xdotool dpkg-dev file)
# imagemagick: the gallery test reads the pictures' sizes and colors.
test_packages=(libgtest-dev libbenchmark-dev libxtst-dev imagemagick valgrind time
    clang libclang-rt-14-dev lcov lintian man-db)

# The page is built with Emscripten (with the headers of Boost, as the program); its test runs in Debian's chromium, driven by a package
# from the npm registry (any npm will do: some machines have one from elsewhere).
web_packages=(cmake emscripten libboost-dev)
browser_packages=(chromium)
if ! command -v npm >/dev/null; then
    browser_packages+=(npm)
fi

case ${1:-build} in
build) wanted=("${build_packages[@]}") ;;
web) wanted=("${web_packages[@]}") ;;
test) wanted=("${build_packages[@]}" "${test_packages[@]}" "${web_packages[@]}"
    "${browser_packages[@]}") ;;
*) echo "usage: $0 [build | web | test]" >&2 && exit 1 ;;
esac

install_missing_packages() {
    local package missing=()
    for package in "${wanted[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
            missing+=("$package")
        fi
    done
    [[ ${#missing[@]} -eq 0 ]] && return 0

    if [[ $(id -u) -ne 0 ]]; then
        echo "konika needs these Debian packages: ${missing[*]}" >&2
        echo "Install them as root:  apt-get update && apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# puppeteer-core as tests/web/package-lock.json pins it, into tests/web/node_modules; installed
# again only when the lock file is newer.
install_browser_driver() {
    local driver
    driver="$(cd "$(dirname "$0")/.." && pwd)/tests/web"
    if [[ ! "$driver/node_modules/.package-lock.json" -nt "$driver/package-lock.json" ]]; then
        npm ci --prefix "$driver" --no-audit --no-fund --loglevel=error
    fi
}

install_missing_packages
if [[ ${1:-build} == test ]]; then
    install_browser_driver
fi
