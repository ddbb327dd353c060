#!/usr/bin/env bash
# Installs what is missing, builds the viewer and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-packages.sh
scripts/configure.sh
cmake --build build --target bootfont-viewer
exec build/bin/bootfont-viewer
