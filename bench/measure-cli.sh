#!/usr/bin/env bash
# Whole-process figures of the bootfont command on the Traditional Chinese sample (13,503 glyphs):
# time of info, check, export, find and render (hyperfine), peak resident memory of each
# (/usr/bin/time), check given 1,000 files at once, build of the sample from Unifont and from a
# PCF (bdftopcf), diff, build from a boot font and render --screen, and patch of the sample from
# Unifont. Run from the repository after
# a build; the build folder is build/ unless given as the first argument.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bootfont=$build/src/cli/bootfont
sample=$build/bin/bootfont/bootfont-zh-tw.bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "## Whole process, $sample"
hyperfine -N --warmup 5 --runs 50 --style basic --export-markdown "$work/times.md" \
    "$bootfont info $sample" "$bootfont check $sample" "$bootfont info --json $sample" \
    "$bootfont export $sample -o $work/out.bdf" "$bootfont export $sample -o $work/out.hex" \
    "$bootfont find $sample 中文字型" \
    "$bootfont render $sample --page 1 -o $work/page.png" \
    "$bootfont render $sample --sheet -o $work/sheet.png"
cat "$work/times.md"

echo
echo "## Peak resident memory (kB)"
for command in "info $sample" "check $sample" "export $sample -o $work/out.bdf" \
               "find $sample 中文字型" "render $sample --page 1 -o $work/page.png" \
               "render $sample --sheet -o $work/sheet.png"; do
    # shellcheck disable=SC2086
    rss=$(/usr/bin/time -f '%M' "$bootfont" $command 2>&1 >/dev/null | tail -n 1)
    echo "$command: $rss"
done

echo
echo "## check of 1,000 files (the four samples, 250 copies each)"
for i in $(seq 1 250); do
    for sample_file in "$build"/bin/bootfont/bootfont-*.bin; do
        cp "$sample_file" "$work/$i-$(basename "$sample_file")"
    done
done
hyperfine --warmup 2 --runs 10 --style basic "$bootfont check $work/*-bootfont-*.bin"

echo
echo "## build of the Traditional Chinese sample: from Unifont, and from a 16-pixel PCF of it"
"$bootfont" export "$sample" -o "$work/zh-tw.bdf" 2>/dev/null
bdftopcf -o "$work/zh-tw.pcf" "$work/zh-tw.bdf"
builds=("build -o $work/a.bin --lang 0x404 /usr/share/unifont/unifont.hex"
        "build -o $work/b.bin --lang 0x404 $work/zh-tw.pcf"
        "build -o $work/c.bin --lang 0x804 /usr/share/fonts/X11/misc/wenquanyi_12pt.pcf")
hyperfine -N --warmup 3 --runs 30 --style basic --export-markdown "$work/build.md" \
    "${builds[@]/#/$bootfont }"
cat "$work/build.md"
for command in "${builds[@]}"; do
    # shellcheck disable=SC2086
    rss=$(/usr/bin/time -f '%M' "$bootfont" $command 2>&1 >/dev/null | tail -n 1)
    echo "$command: $rss"
done

echo
echo "## diff, build from a boot font, render --screen"
# The sample and a copy with one bitmap byte of double-byte glyph 1,000 changed (the single-byte
# table's 95 records of 19 bytes end at 1854).
cp "$sample" "$work/changed.bin"
printf '\x5A' | dd of="$work/changed.bin" bs=1 seek=$((1854 + 1000 * 36 + 2 + 5)) conv=notrunc 2>/dev/null
"$bootfont" diff "$sample" "$work/changed.bin" | tail -n 1 || true  # status 1: they differ
printf '请选择要启动的操作系统：\n\n\tMicrosoft Windows XP Professional\n\tMicrosoft Windows XP Professional (安全模式)\n\n使用 ↑ 和 ↓ 键来移动高亮显示条到所要的操作系统。\n' >"$work/menu.txt"
korean=$build/bin/bootfont/bootfont-ko.bin
others=("diff $sample $work/changed.bin"
        "diff $sample $korean"
        "diff $sample $work/changed.bin -o $work/changed.png"
        "build -o $work/d.bin --lang 0x404 $sample"
        "render $sample --screen $work/menu.txt --select 3 -o $work/screen.png")
hyperfine -N -i --warmup 3 --runs 40 --style basic --export-markdown "$work/others.md" \
    "${others[@]/#/$bootfont }"
cat "$work/others.md"
for command in "${others[@]}"; do
    # shellcheck disable=SC2086  # (diff exits with 1: the fonts differ)
    rss=$(/usr/bin/time -f '%M' "$bootfont" $command 2>&1 >/dev/null | tail -n 1 || true)
    echo "$command: $rss"
done

echo
echo "## patch of the sample from Unifont: every glyph looked up, fitted, compared, checked, written"
# The sample was built from Unifont, so its bitmaps come out the same; a copy with one glyph changed
# (as diff's above) gets that glyph back.
patches=("patch $work/changed.bin /usr/share/unifont/unifont.hex -o $work/p.bin"
         "patch $work/changed.bin /usr/share/unifont/unifont.hex --dry-run")
hyperfine -N --warmup 3 --runs 40 --style basic --export-markdown "$work/patch.md" \
    "${patches[@]/#/$bootfont }"
cat "$work/patch.md"
for command in "${patches[@]}"; do
    # shellcheck disable=SC2086
    rss=$(/usr/bin/time -f '%M' "$bootfont" $command 2>&1 >/dev/null | tail -n 1)
    echo "$command: $rss"
done
