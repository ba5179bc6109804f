#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the window tests once on an X server
# of their own with a window manager (Xvfb and openbox), where the frame, the focus and the
# keyboard come from outside the program, and then everything through ctest (the window tests
# a second time, offscreen).
#   ./test.sh             the normal build, in build/
#   ./test.sh --sanitize  the same tests under AddressSanitizer and UBSan, in build-sanitize/
# Both builds treat warnings as errors (CMakePresets.json).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
ensure_packages "${TREMARO_PACKAGES[@]}" "${TREMARO_X_PACKAGES[@]}" "${TREMARO_PACKAGING_PACKAGES[@]}"

preset=dev
build=build
if [ "${1:-}" = "--sanitize" ]; then
    preset=sanitize
    build=build-sanitize
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

cmake --preset "$preset"
cmake --build --preset "$preset"

echo "Window tests on an X server with a window manager (Xvfb, openbox):"
scripts/with-x-server.sh timeout 600 env QT_QPA_PLATFORM=xcb "$build/tests/ui_tests"

# Every test, the window tests offscreen among them; ctest's summary closes the output.
ctest --preset "$preset" -j "$(nproc)"
