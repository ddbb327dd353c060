#!/usr/bin/env bash
# Plants a bad include beside an allowed one in a scratch tree and expects layers.sh to fail naming
# exactly the bad line, so a checker that lets everything pass cannot keep CI green.
#
#   layers_selftest.sh <layers.sh> <scratch folder>
set -euo pipefail

layers=$1 tree=$2/src
rm -rf "$tree"
mkdir -p "$tree/bootfont"
printf '#include "runtime/runtimeerror.h"\n#include <vector>\n#include "viewer/form1.h"\n' \
    >"$tree/bootfont/x.cpp"

expected='src/bootfont/x.cpp:3: bootfont may not include viewer/form1.h'
status=0
actual=$(bash "$layers" "$tree") || status=$?
if [[ $status -ne 1 || $actual != "$expected" ]]; then
    printf 'FAIL: expected status 1 and\n%s\ngot status %s and\n%s\n' "$expected" "$status" "$actual"
    exit 1
fi
