#!/usr/bin/env bash
# Sets a Debian machine up for the game, builds it, and then plays it, tests it or measures it.
#   tools/run.sh play    install what the build needs, build the release preset and start the game
#   tools/run.sh test    install, build the release and the sanitizer presets and run every test of both
#   tools/run.sh bench   install, build the release preset and run the benchmarks
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    cmake ninja-build g++ pkg-config
    libgtk-3-dev libfreetype-dev libfontconfig-dev fonts-liberation2
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool x11-utils imagemagick desktop-file-utils
)

install_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
}

case "${1:-}" in
    play)
        install_packages
        build release
        exec build/release/src/app/kvorinka
        ;;
    test)
        install_packages
        build release
        build asan
        ctest --preset release
        ctest --preset asan
        ;;
    bench)
        install_packages
        build release
        for b in build/release/bench/bench_*; do
            if [ -x "$b" ]; then "$b"; fi
        done
        for s in bench/*.sh; do
            if [ -x "$s" ]; then "$s" build/release; fi
        done
        ;;
    *)
        echo "usage: $0 play|test|bench" >&2
        exit 2
        ;;
esac
