#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (headless), then builds and runs
# every test again with AddressSanitizer and UndefinedBehaviorSanitizer, then gives the fuzz target a
# short run with a fixed seed (clang and libFuzzer). The first failure stops it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-packages.sh

scripts/configure.sh
cmake --build build
ctest --test-dir build --output-on-failure

scripts/configure.sh asan
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure

scripts/configure.sh fuzz
cmake --build build-fuzz --target fuzzers
ctest --test-dir build-fuzz --output-on-failure
