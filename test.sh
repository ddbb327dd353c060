#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (headless), then builds and runs
# every test again with AddressSanitizer and UndefinedBehaviorSanitizer. The first failure stops it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-packages.sh

scripts/configure.sh
cmake --build build
ctest --test-dir build --output-on-failure

scripts/configure.sh asan
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure
