#!/usr/bin/env bash
# Whole-process figures of the viewer, offscreen: start-up to the first frame (hyperfine) and peak
# resident memory (/usr/bin/time -v) with no file, the largest sample, an empty file and a header
# that claims 2,147,483,647 double-byte glyphs. Run from the repository after a build.
set -euo pipefail
cd "$(dirname "$0")/.."
probe=build/bin/viewer_probe
samples=build/bin/bootfont
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

: > "$work/empty.bin"
# Signature, language 0x804, no single-byte glyphs, NumDbcsChars 0x7FFFFFFF at DbcsOffset 1.
printf 'MdeT\x04\x08\x00\x00\x00\x00\x00\x00\xff\xff\xff\x7f\x00\x00\x00\x00\x01\x00\x00\x00' \
    > "$work/hostile.bin"
head -c 25 /dev/zero >> "$work/hostile.bin"
largest=$(ls -S "$samples"/bootfont*.* | head -n 1)

echo "## Start-up to the first frame"
# Without a file, with one chosen in the open dialog, with one given on the command line.
hyperfine --warmup 3 --runs 30 --style basic "$probe" "$probe $samples/bootfont-zh-cn.bin" \
    "$probe -- $samples/bootfont-zh-cn.bin"

echo
echo "## Start-up against a bare Qt window of one Chinese label in the window's font"
hyperfine --warmup 3 --runs 30 --style basic -n bare "$probe --bare" -n window "$probe"

echo
echo "## Start-up in the window's Chinese and in its English (the translation loaded)"
hyperfine --warmup 3 --runs 30 --style basic -n C "env -u LANGUAGE LC_ALL=C.UTF-8 $probe" \
    -n English "env -u LANGUAGE LC_ALL=en_US.UTF-8 $probe"

echo
echo "## Peak resident memory (kB)"
for file in "" "$largest" "$work/empty.bin" "$work/hostile.bin"; do
    rss=$(/usr/bin/time -f '%M' "$probe" $file 2>&1 >/dev/null | tail -n 1)
    echo "${file:-no file}: $rss"
done
