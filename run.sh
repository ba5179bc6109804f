#!/usr/bin/env bash
# Installs what is missing, builds the programs (not the tests, which test.sh builds in the same
# folder), and starts Tremaro.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
ensure_packages "${TREMARO_PACKAGES[@]}"

cmake --preset dev
cmake --build --preset programs
exec build/app/tremaro "$@"
