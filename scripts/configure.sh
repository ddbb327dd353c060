#!/usr/bin/env bash
# Configures the one out-of-tree build folder, build/, when it is not configured yet.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ ! -f build/build.ninja ]]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
