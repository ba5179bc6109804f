#!/usr/bin/env bash
# Fuzzes load, correction and assembling for the given number of seconds (default 60),
# starting from our own small forms in fuzz/corpus. New inputs it finds go to
# build-fuzz/corpus-work, not into the repository.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
ensure_packages cmake ninja-build clang libclang-rt-14-dev

seconds=${1:-60}
cmake --preset fuzz
cmake --build --preset fuzz
mkdir -p build-fuzz/corpus-work
build-fuzz/fuzz/form_fuzzer -max_total_time="$seconds" -max_len=65536 -timeout=10 -print_final_stats=1 \
    build-fuzz/corpus-work fuzz/corpus
