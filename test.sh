#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   ./test.sh             the normal build, in build/
#   ./test.sh --sanitize  the same tests under AddressSanitizer and UBSan, in build-sanitize/
# Both builds treat warnings as errors (CMakePresets.json).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
ensure_packages "${TREMARO_PACKAGES[@]}"

preset=dev
[ "${1:-}" = "--sanitize" ] && preset=sanitize

cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset" -j "$(nproc)"
