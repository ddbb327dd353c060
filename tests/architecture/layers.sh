#!/usr/bin/env bash
# Holds every project include and every link between project targets under src/ to DESIGN.md's
# layers, so a dependency that points up or sideways fails CI instead of growing unnoticed.
# A project include names its header from src/: "folder/file.h", or <folder/file.h> when folder is
# a folder under src/ (other angle-bracket includes are third-party). A project target is one that
# a CMakeLists.txt under src/ declares; it belongs to the folder that declares it.
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

may() { # may <from folder> <to folder>: whether the table lets the first use the second
    [[ $2 == "$1" || ${may_use[$1]} == "*" || " ${may_use[$1]} " == *" $2 "* ]]
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
    from=.
    [[ $path == */* ]] && from=${path%%/*}
    [[ -v may_use[$from] ]] || continue # reported above
    [[ $text =~ include[[:space:]]*([\"<])([^\">]*) ]]
    header=${BASH_REMATCH[2]}
    to=${header%%/*}
    if [[ ${BASH_REMATCH[1]} == "<" && ($header != */* || ! -d $src/$to) ]]; then
        continue # third-party
    elif [[ $header != */* || $to == . || ! -v may_use[$to] ]]; then
        echo "src/$path:$line: \"$header\" names no folder of the table in tests/architecture/layers.sh"
        status=1
    elif ! may "$from" "$to"; then
        echo "src/$path:$line: $from may not include $header"
        status=1
    fi
done < <(grep -rnIE '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]' "$src" | sort -t: -k1,1 -k2,2n)

declare -A folder_of=() # project target -> the folder that declares it
declaration='add_(library|executable)\([[:space:]]*([^[:space:])]+)'
while IFS=: read -r file _ text; do
    [[ $text =~ $declaration ]] || continue
    dir=$(dirname "${file#"$src"/}")
    folder_of[${BASH_REMATCH[2]}]=${dir%%/*}
done < <(grep -rnE '^[[:space:]]*add_(library|executable)\(' --include=CMakeLists.txt "$src")

# target_link_libraries(<target> <item>...) may span lines; each project item is judged on its line.
while read -r file; do
    target="" line=0
    while IFS= read -r text; do
        line=$((line + 1))
        text=${text%%#*}
        if [[ $text =~ target_link_libraries\((.*) ]]; then
            target=pending text=${BASH_REMATCH[1]}
        fi
        [[ -n $target ]] || continue
        closed=false
        [[ $text == *")"* ]] && closed=true text=${text%%)*}
        read -ra items <<<"$text"
        for item in "${items[@]}"; do
            if [[ $target == pending ]]; then
                target=$item
                continue
            fi
            from=${folder_of[$target]:-} to=${folder_of[$item]:-}
            if [[ -v may_use[$from] && -v may_use[$to] ]] && ! may "$from" "$to"; then
                echo "src/${file#"$src"/}:$line: $target may not link $item"
                status=1
            fi
        done
        $closed && target=""
    done <"$file"
done < <(find "$src" -name CMakeLists.txt | sort)

exit "$status"
