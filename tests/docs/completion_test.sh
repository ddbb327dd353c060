#!/usr/bin/env bash
# The bash completion of bootfont, driven as bash drives it: a line in COMP_WORDS, the function,
# COMPREPLY out. File names come from a scratch folder.
#
#   completion_test.sh <resources/completions/bootfont.bash>
set -uo pipefail
export LC_ALL=C
completion=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" && mkdir folder && touch boot.bin font.bdf font.HEX page.png notes.txt unifont.hex.gz folder/cut.dat
failures=0

# expect LINE REPLIES: completing LINE (at its end) offers exactly REPLIES, sorted.
expect() {
    local replies
    replies=$(bash --norc -c 'source "$1" && read -ra COMP_WORDS <<<"$2"
        [[ $2 == *" " ]] && COMP_WORDS+=("")
        COMP_CWORD=$((${#COMP_WORDS[@]} - 1)) COMP_LINE=$2 COMP_POINT=${#2}
        _bootfont && printf "%s\n" "${COMPREPLY[@]}" | sort | xargs' _ "$completion" "$1")
    [[ $replies == "$2" ]] || { echo "FAIL: '$1' offers '$replies', not '$2'" >&2; failures=$((failures + 1)); }
}
expect 'bootfont ' 'build check diff export find info patch render'
expect 'bootfont build --lang 0x41' '0x410 0x411 0x412 0x413 0x414 0x415 0x416 0x419 0x41B 0x41D 0x41F'
expect 'bootfont build --codepage ' '932 936 949 950'
expect 'bootfont build --s' '--sbcs-range --strict'
expect 'bootfont export boot.bin --format ' 'bdf hex'
expect 'bootfont export boot.bin -o ' 'folder font.HEX font.bdf'
expect 'bootfont render boot.bin --output ' 'folder page.png'
expect 'bootfont info ' 'boot.bin folder'
expect 'bootfont info --m' '--missing'
expect 'bootfont check folder/' 'folder/cut.dat'  # no .bin there: any file
expect 'bootfont build -o new.bin --lang 0x804 ' 'boot.bin folder font.HEX font.bdf'  # a boot font is a source too
expect 'bootfont render boot.bin --screen ' 'boot.bin folder font.HEX font.bdf notes.txt page.png unifont.hex.gz'
expect 'bootfont diff boot.bin new.bin -o ' 'folder page.png'
expect 'bootfont find boot.bin ' ''
expect 'bootfont patch boot.bin --dry-run ' 'boot.bin folder font.HEX font.bdf'  # FONT, then sources
((failures == 0))
