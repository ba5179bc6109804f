#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tremaro.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
ensure_packages "${TREMARO_PACKAGES[@]}"

cmake -S . -B build -G Ninja
cmake --build build
exec build/app/tremaro "$@"
