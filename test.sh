#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   ./test.sh             the normal build, in build/
#   ./test.sh --sanitize  the same tests under AddressSanitizer and UBSan, in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
ensure_packages "${TREMARO_PACKAGES[@]}"

build=build
options=()
if [ "${1:-}" = "--sanitize" ]; then
    build=build-sanitize
    options=(-DTREMARO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
fi

cmake -S . -B "$build" -G Ninja "${options[@]}"
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
