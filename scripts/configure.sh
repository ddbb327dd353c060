#!/usr/bin/env bash
# Configures an out-of-tree build folder, with warnings as errors, when it is not configured yet:
#   scripts/configure.sh        build/       the viewer, its tests and benchmarks (g++)
#   scripts/configure.sh asan   build-asan/  the viewer and its tests with AddressSanitizer and
#                                            UndefinedBehaviorSanitizer (g++)
#   scripts/configure.sh clang  build-clang/ the viewer, its tests and benchmarks (clang++), so code
#                                            that only one compiler accepts fails CI
#   scripts/configure.sh fuzz   build-fuzz/  the fuzz targets with libFuzzer and both sanitizers
#                                            (clang++)
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-}" in
    "")
        folder=build
        options=()
        ;;
    asan)
        folder=build-asan
        options=(-DBOOTFONT_SANITIZE=ON -DBOOTFONT_BUILD_BENCHMARKS=OFF)
        ;;
    clang)
        folder=build-clang
        options=(-DCMAKE_CXX_COMPILER=clang++)
        ;;
    fuzz)
        folder=build-fuzz
        options=(-DCMAKE_CXX_COMPILER=clang++ -DBOOTFONT_BUILD_FUZZERS=ON
                 -DBOOTFONT_BUILD_TESTS=OFF -DBOOTFONT_BUILD_BENCHMARKS=OFF)
        ;;
    *)
        echo "usage: $0 [asan|clang|fuzz]" >&2
        exit 2
        ;;
esac
if [[ ! -f $folder/build.ninja ]]; then
    cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
          -DBOOTFONT_WARNINGS_AS_ERRORS=ON "${options[@]}"
fi
