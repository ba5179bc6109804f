#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tremaro.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
ensure_packages "${TREMARO_PACKAGES[@]}"

cmake --preset dev
cmake --build --preset dev
exec build/app/tremaro "$@"
