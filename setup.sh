#!/usr/bin/env bash
# Installs what Plumet Comics needs on Debian 12, builds it and either starts it or runs
# every test. Safe to run again: packages already present are not fetched, and builds
# only recompile what changed.
#
#   bash setup.sh run    install, build (Release) and start the program
#   bash setup.sh test   install, build and run every test, then again under the sanitizers
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
jobs=$(nproc 2>/dev/null || echo 2)

packages=(
    build-essential cmake pkg-config ccache
    juce-modules-source libfreetype-dev libfontconfig1-dev libx11-dev libxext-dev libxrandr-dev
    libxinerama-dev libxcursor-dev libxcomposite-dev libgl1-mesa-dev libglu1-mesa-dev
    libpng-dev libjpeg-dev zlib1g-dev
    libgtest-dev libbenchmark-dev clang clang-format
    qpdf poppler-utils libxml2-utils librsvg2-bin w3c-sgml-lib xvfb xauth imagemagick xdotool jq
    fonts-comic-neue fonts-dejavu-core desktop-file-utils appstream dpkg-dev file x11-utils
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

build() { # build-dir cmake-options...
    local dir=$1
    shift
    cmake -S . -B "$dir" "$@"
    cmake --build "$dir" -j "$jobs"
}

# Every file reader meets half a minute of fuzzing, so that a clean run, builds and both test
# passes included, stays well under an hour on two cores; a crash, a leak or a hang fails the run.
fuzz_briefly() {
    local targets=(project compressed options)
    cmake -S . -B build-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLUMET_FUZZ=ON -DPLUMET_TESTS=OFF
    # Only the fuzz targets: the program and the tool need no second, clang-built copy.
    cmake --build build-fuzz -j "$jobs" --target "${targets[@]/%/_fuzz}"
    local seconds=${PLUMET_FUZZ_SECONDS:-30}
    for target in "${targets[@]}"; do
        local found
        found=$(mktemp -d)
        # An input that takes half a minute counts as a hang.
        ./build-fuzz/fuzz/${target}_fuzz -max_total_time="$seconds" -timeout=30 -print_final_stats=1 \
            "$found" "fuzz/corpus/$target"
        rm -rf "$found"
    done
}

# Dependencies point one way: the model knows nothing above it, and nothing below the panes
# knows the panes or the application.
check_layers() {
    local wrong
    wrong=$(grep -rnE '#include "(draw|edit|ui|app)/' src/model || true)
    wrong+=$(grep -rnE '#include "(ui|app)/' src/draw src/edit || true)
    wrong+=$(grep -rnE '#include "app/' src/ui || true)
    if [ -n "$wrong" ]; then
        echo "Includes against the direction of the layers:" >&2
        echo "$wrong" >&2
        return 1
    fi
}

check_format() {
    git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
}

install_packages
case "$mode" in
    run)
        build build -DCMAKE_BUILD_TYPE=Release -DPLUMET_TESTS=OFF
        if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
            echo "Built build/src/app/plumet, but there is no display to start it on." >&2
            exit 1
        fi
        ./build/src/app/plumet
        ;;
    test)
        check_layers
        check_format
        # The benchmarks are built so that they cannot rot; they are timed by hand (bench/README.md).
        build build-test -DCMAKE_BUILD_TYPE=Release -DPLUMET_BENCH=ON
        ctest --test-dir build-test --output-on-failure -j "$jobs"
        # A debug build, so that the library's assertions and its leak detector speak up as well.
        build build-asan -DCMAKE_BUILD_TYPE=Debug -DPLUMET_SANITIZE=ON
        ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
            ctest --test-dir build-asan --output-on-failure -j "$jobs"
        fuzz_briefly
        ;;
    *)
        echo "usage: bash setup.sh run|test" >&2
        exit 64
        ;;
esac
