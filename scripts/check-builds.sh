#!/usr/bin/env bash
# Builds every preset at every build type with both of Debian 12's compilers (GCC 12 and clang
# 14), warnings as errors, and says which failed. Many of GCC's warnings come from its
# optimisers, so a build type that is not tried can break a user's build. The fuzz preset needs
# clang's libFuzzer and is built with clang only. Takes an hour or more on two cores; the
# builds go to build-matrix/ and are removed as they pass.
#   scripts/check-builds.sh [PRESET...]     all presets when none is named
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
ensure_packages "${TREMARO_PACKAGES[@]}" clang libclang-rt-14-dev libbenchmark-dev

presets=("$@")
[ ${#presets[@]} -eq 0 ] && presets=(dev release sanitize fuzz bench)
mkdir -p build-matrix
failed=()
for preset in "${presets[@]}"; do
    for compiler in gcc clang; do
        [ "$preset" = fuzz ] && [ "$compiler" = gcc ] && continue
        for type in Debug Release RelWithDebInfo MinSizeRel; do
            folder="build-matrix/$preset-$compiler-$type"
            compilers=()
            [ "$compiler" = clang ] && compilers=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++)
            [ "$compiler" = gcc ] && compilers=(-DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++)
            echo "== $preset, $compiler, $type"
            if cmake --preset "$preset" -B "$folder" -DCMAKE_BUILD_TYPE="$type" "${compilers[@]}" >"$folder.log" 2>&1 &&
                cmake --build "$folder" >>"$folder.log" 2>&1; then
                rm -rf "$folder" "$folder.log"
            else
                failed+=("$preset $compiler $type (see $folder.log)")
            fi
        done
    done
done
if [ ${#failed[@]} -gt 0 ]; then
    printf 'Failed: %s\n' "${failed[@]}"
    exit 1
fi
echo "Every build passed."
