#!/usr/bin/env bash
# Holds every project include and every link between project targets under src/ to DESIGN.md's
# layers, so a dependency that points up or sideways fails CI instead of growing unnoticed.
# A project include names its header from src/: "folder/file.h", or <folder/file.h> when folder is
# a folder under src/ (other angle-bracket includes are third-party). A project target is one that
# a CMakeLists.txt under src/ declares; it belongs to that file's folder.
#
#   layers.sh <src folder>    prints one line per violation, exits 1 when any
set -euo pipefail

# DESIGN.md's "Layers" table: each folder under src/ and the folders it may use besides itself.
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

# judge <where> <from folder> <to folder> <what>: reports a use of a folder of the table that the
# user's row does not allow.
judge() {
    [[ -v may_use[$2] && -v may_use[$3] && $3 != "$2" && ${may_use[$2]} != "*" &&
       " ${may_use[$2]} " != *" $3 "* ]] || return 0
    echo "$1: $2 may not $4" && status=1
}

# A new folder must be given its row before its includes and links can be judged.
for dir in "$src"/*/; do
    folder=$(basename "$dir")
    if [[ ! -v may_use[$folder] && -n $(find "$dir" -type f -print -quit) ]]; then
        echo "src/$folder: folder missing from the table in tests/architecture/layers.sh"
        status=1
    fi
done

while IFS=: read -r file line text; do
    path=${file#"$src"/}
    [[ $path == */* ]] && from=${path%%/*} || from=.
    [[ $text =~ include[[:space:]]*([\"<])([^\">]*) ]]
    header=${BASH_REMATCH[2]} to=${BASH_REMATCH[2]%%/*}
    if [[ ${BASH_REMATCH[1]} == "<" && ($header != */* || ! -d $src/$to) ]]; then
        continue # third-party
    elif [[ -v may_use[$from] && ($header != */* || $to == . || ! -v may_use[$to]) ]]; then
        echo "src/$path:$line: \"$header\" names no folder of the table in tests/architecture/layers.sh"
        status=1
    else
        judge "src/$path:$line" "$from" "$to" "include $header"
    fi
done < <(grep -rnIE '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]' "$src" | sort -t: -k1,1 -k2,2n)

declare -A folder_of=() # project target -> the folder that declares it
while read -r target folder; do
    folder_of[$target]=$folder
done < <(find "$src" -name CMakeLists.txt -exec awk -v from="${#src}" '{ sub(/#.*/, "") }
    sub(/.*add_(library|executable)\(/, "") { sub(/\).*/, ""); d = substr(FILENAME, from + 2)
        print $1, sub(/\/.*/, "", d) ? d : "." }' {} +)

# Each item of target_link_libraries(<target> <item>...), which may span lines, on its own line.
while read -r where target item; do
    judge "src/${where#"$src"/}" "${folder_of[$target]:-}" "${folder_of[$item]:-}" "link $item"
done < <(find "$src" -name CMakeLists.txt | sort | xargs awk '
    FNR == 1 { target = "" }
    { sub(/#.*/, "") }
    sub(/.*target_link_libraries\(/, "") { target = "?" }
    target != "" { closed = sub(/\).*/, "")
        for (i = 1; i <= NF; i++) if (target == "?") target = $i; else print FILENAME ":" FNR, target, $i
        if (closed) target = "" }')

exit "$status"
