#!/usr/bin/env bash
# Holds every project include under src/ to DESIGN.md's layers, so a dependency that points up or
# sideways fails CI instead of growing unnoticed. Project includes name their header from src/
# ("folder/file.h"); angle-bracket includes are third-party and not checked.
#
#   layers.sh <src folder>    prints one line per violation, exits 1 when any
set -euo pipefail

# DESIGN.md's "Layers" table: each folder under src/ and the folders it may include besides itself.
# "." stands for the files directly in src/ (main.cpp), which wire everything together.
declare -A may_use=(
    [runtime]=""
    [bootfont]="runtime"
    [commondialog]="runtime"
    [glyphview]="bootfont runtime"
    [fontio]="bootfont runtime"
    [viewer]="glyphview bootfont commondialog runtime"
    [platform]="commondialog runtime"
    [cli]="glyphview fontio bootfont runtime"
    [.]="*"
)

src=${1:?usage: layers.sh <src folder>}
src=${src%/}
[[ -d $src ]] || { echo "layers.sh: no folder $src" >&2; exit 2; }
status=0

# A new folder must be given its row before its includes can be judged.
for dir in "$src"/*/; do
    folder=$(basename "$dir")
    if [[ ! -v may_use[$folder] && -n $(find "$dir" -type f -print -quit) ]]; then
        echo "src/$folder: folder missing from the table in tests/architecture/layers.sh"
        status=1
    fi
done

while IFS=: read -r file line text; do
    path=${file#"$src"/}
    from=.
    [[ $path == */* ]] && from=${path%%/*}
    [[ -v may_use[$from] ]] || continue # reported above
    [[ $text =~ \"([^\"]*)\" ]]
    header=${BASH_REMATCH[1]}
    to=${header%%/*}
    if [[ $header != */* || $to == . || ! -v may_use[$to] ]]; then
        echo "src/$path:$line: \"$header\" names no folder of the table in tests/architecture/layers.sh"
        status=1
    elif [[ $to != "$from" && ${may_use[$from]} != "*" && " ${may_use[$from]} " != *" $to "* ]]; then
        echo "src/$path:$line: $from may not include $header"
        status=1
    fi
done < <(grep -rnIE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]*"' "$src" | sort -t: -k1,1 -k2,2n)

exit "$status"
