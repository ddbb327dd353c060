#!/usr/bin/env bash
# The manual pages: groff, rendering them for a terminal as man does, has nothing to say about
# either; bootfont.1 names every subcommand and option that bootfont's --help texts list (each
# subcommand's own options in its section) and every finding id of the checks. And --help and
# --version into a full disk fail, as every output of bootfont does.
#
#   manpages_test.sh <bootfont> <folder of the pages> <src/bootfont/fontcheck.cpp>
set -uo pipefail
bootfont=$1 pages=$2 checks=$3
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

for page in "$pages"/bootfont.1 "$pages"/bootfont-viewer.1; do
    report=$(groff -k -ww -z -man -Tutf8 "$page" 2>&1)
    [[ $? -eq 0 && -z $report ]] || fail "groff on $page: ${report:-failed}"
done

# The tags of a section's paragraphs (the lines after .TP) in bootfont.1, without the escapes of -
# and of fonts: each option and finding has a paragraph of its own.
text=$(sed 's/\\-/-/g; s/\\f[BIRP]//g' "$pages/bootfont.1")
section() {
    awk -v heading=".$1" '$0 == heading { on = 1; next } /^\.S[HS] / { on = 0 }
                          on && /^\.TP/ { getline; print }' <<<"$text"
}
mentions() { grep -qE -- "(^|[^a-z])$1([^a-z-]|$)" <<<"$2"; }
options() { "$bootfont" "$@" --help | grep -oE '^ +-[^ ]+' | tr ',' '\n' | tr -d ' '; }

common=$(options)
[[ $common == *--help* ]] || fail "bootfont --help lists no --help"
for option in $common; do
    mentions "$option" "$(section 'SH OPTIONS')" || fail "OPTIONS lacks $option"
done
mapfile -t commands < <("$bootfont" --help | sed -n '/^Subcommands:/,$ s/^  \([a-z]*\) .*/\1/p')
((${#commands[@]} > 0)) || fail "bootfont --help lists no subcommand"
for command in "${commands[@]}"; do
    grep -qx ".SS $command" <<<"$text" || fail "no section .SS $command"
    body=$(section "SS $command")
    for option in $(options "$command" | grep -vxF -e "$common"); do
        mentions "$option" "$body" || fail "the section of $command lacks $option"
    done
done
for id in $(grep 'add(' "$checks" | grep -oE '"[a-z]+(-[a-z]+)+"' | tr -d '"'); do
    mentions "$id" "$(section 'SH FINDINGS')" || fail "FINDINGS lacks $id"
done

while read -ra arguments; do
    error=$("$bootfont" "${arguments[@]}" 2>&1 >/dev/full)
    status=$?
    [[ $status -eq 2 && $error == "bootfont: standard output: write failed" ]] ||
        fail "bootfont ${arguments[*]} >/dev/full: status $status, '$error'"
done < <(printf '%s\n' --help --version; printf '%s --help\n' "${commands[@]}")
((failures == 0))
