#!/usr/bin/env bash
# Every text of the window has a finished English translation: lupdate gathers the sources' texts
# into a copy of the .ts file, as `--target update_translations` would, and lrelease must report
# each one finished. A text added to the sources without its English fails here, showing it.
#   translations_test.sh LUPDATE LRELEASE TS_FILE SCRATCH_DIR LUPDATE_OPTION_OR_SOURCE...
set -euo pipefail
mkdir -p "$4" && cp "$3" "$4/check.ts"
"$1" -silent "${@:5}" -ts "$4/check.ts"
report=$("$2" "$4/check.ts" -qm "$4/check.qm")
if ! grep -q ' 0 unfinished)' <<<"$report" || grep -q untranslated <<<"$report"; then
    echo "FAIL: $report" >&2 && diff "$3" "$4/check.ts" >&2
    exit 1
fi
