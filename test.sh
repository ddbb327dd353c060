#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (headless).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-packages.sh
scripts/configure.sh
cmake --build build
ctest --test-dir build --output-on-failure
