#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (headless), compiles everything
# again with clang, then builds and runs every test again with AddressSanitizer and
# UndefinedBehaviorSanitizer, then gives the fuzz targets a short run with a fixed seed (clang and
# libFuzzer), then builds, installs and purges the Debian package. The first failure stops it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-packages.sh

scripts/configure.sh
cmake --build build
ctest --test-dir build --output-on-failure

# Every target through clang as well, so that code only one compiler accepts cannot land; compiling
# is the point, the tests ran above.
scripts/configure.sh clang
cmake --build build-clang

scripts/configure.sh asan
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure

scripts/configure.sh fuzz
cmake --build build-fuzz --target fuzzers
ctest --test-dir build-fuzz --output-on-failure

# The Debian package, built from a copy of the tree, linted, installed, started and purged;
# status 77 means it was skipped for want of root or password-less sudo.
version=$(sed -n 's/^project([A-Za-z]* VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
status=0
tests/package/package_test.sh "$PWD" build/package-test cmake bootfont-viewer "$version" || status=$?
((status == 0 || status == 77)) || exit "$status"
