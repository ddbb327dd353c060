#!/usr/bin/env bash
# Plants bad includes and a bad link beside allowed ones in a scratch tree and expects layers.sh to
# fail naming exactly the bad lines, so a checker that lets everything pass cannot keep CI green.
#
#   layers_selftest.sh <layers.sh> <scratch folder>
set -euo pipefail

layers=$1 tree=$2/src
rm -rf "$tree"
mkdir -p "$tree"/{bootfont,cli,commondialog,platform,viewer}
printf '#include "runtime/runtimeerror.h"\n#include <vector>\n#include "viewer/form1.h"\n' \
    >"$tree/bootfont/x.cpp"
printf '#include <CLI/App.hpp>\n#include <viewer/form1.h>\n' >"$tree/cli/x.cpp"
echo 'add_library(commondialog STATIC x.cpp)' >"$tree/commondialog/CMakeLists.txt"
echo 'add_library(viewer STATIC x.cpp)' >"$tree/viewer/CMakeLists.txt"
printf 'add_library(platform STATIC x.cpp)\ntarget_link_libraries(platform\n    PUBLIC commondialog Qt6::Widgets\n    PRIVATE viewer)\n' \
    >"$tree/platform/CMakeLists.txt"

expected='src/bootfont/x.cpp:3: bootfont may not include viewer/form1.h
src/cli/x.cpp:2: cli may not include viewer/form1.h
src/platform/CMakeLists.txt:4: platform may not link viewer'
status=0
actual=$(bash "$layers" "$tree") || status=$?
if [[ $status -ne 1 || $actual != "$expected" ]]; then
    printf 'FAIL: expected status 1 and\n%s\ngot status %s and\n%s\n' "$expected" "$status" "$actual"
    exit 1
fi
