#!/usr/bin/env bash
# Builds the benchmarks (Release) and runs them on the largest allowed form, five times each,
# printing the medians; then the window's peak memory. Speed goals live here, never in tests.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
ensure_packages "${TREMARO_PACKAGES[@]}" libbenchmark-dev perl

cmake --preset bench
cmake --build --preset bench
options=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_min_time=0.2)
build-bench/bench/core_bench "${options[@]}" "$@"
QT_QPA_PLATFORM=offscreen build-bench/bench/window_bench "${options[@]}" "$@"
QT_QPA_PLATFORM=offscreen build-bench/bench/window_bench --memory
