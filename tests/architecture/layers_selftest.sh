#!/usr/bin/env bash
# Plants bad includes and a bad link beside allowed ones in a scratch tree and expects layers.sh to
# fail naming exactly the bad lines, so a checker that lets everything pass cannot keep CI green.
#
#   layers_selftest.sh <layers.sh> <scratch folder>
set -euo pipefail

layers=$1 tree=$2/src
rm -rf "$tree"
mkdir -p "$tree"/{cli,commondialog,platform,viewer}
printf '%s\n' '#include "runtime/runtimeerror.h"' '#include <vector>' '#include <CLI/App.hpp>' \
    '#include "viewer/form1.h"' '#include <viewer/form1.h>' >"$tree/cli/x.cpp"
echo 'add_library(commondialog STATIC x.cpp)' >"$tree/commondialog/CMakeLists.txt"
echo 'add_library(viewer STATIC x.cpp)' >"$tree/viewer/CMakeLists.txt"
printf '%s\n' 'add_library(platform STATIC x.cpp)' 'target_link_libraries(platform' \
    '    PUBLIC commondialog Qt6::Widgets' '    PRIVATE viewer)' >"$tree/platform/CMakeLists.txt"

expected='src/cli/x.cpp:4: cli may not include viewer/form1.h
src/cli/x.cpp:5: cli may not include viewer/form1.h
src/platform/CMakeLists.txt:4: platform may not link viewer'
status=0
actual=$(bash "$layers" "$tree") || status=$?
if [[ $status -ne 1 || $actual != "$expected" ]]; then
    printf 'FAIL: expected status 1 and\n%s\ngot status %s and\n%s\n' "$expected" "$status" "$actual"
    exit 1
fi
