#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a user and the desktop find there: the
# command on PATH, the program with its samples and guide beside it, a valid menu entry and
# AppStream metainfo, the icons at their sizes, and nothing else.
#
#   install_test.sh <cmake> <build folder> <program's build folder> <application id>
#                   <program name> <bin dir> <program dir> <data dir>
#
# The three dirs are the install destinations relative to the prefix. The program's build folder
# holds the samples (bootfont/) and the guide the build made, which the installed copies must
# match.
set -euo pipefail

cmake=$1 build=$2 built_program_dir=$3 app_id=$4 program=$5 bindir=$6 programdir=$7 datadir=$8

for tool in desktop-file-validate appstreamcli ldd od; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing" >&2; exit 1; }
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
# The prefix is <root>/usr, so appstreamcli validate-tree can read <root> as a system's root.
# A DESTDIR in the caller's environment would move the tree elsewhere.
prefix=$root/usr
unset DESTDIR
"$cmake" --install "$build" --prefix "$prefix" >"$root/install.log" 2>&1 ||
    { cat "$root/install.log" >&2; echo "FAIL: cmake --install failed" >&2; exit 1; }

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

link=$prefix/$bindir/$program
program_file=$prefix/$programdir/$program
data=$prefix/$datadir
desktop_file=$data/applications/$app_id.desktop
metainfo_file=$data/metainfo/$app_id.metainfo.xml
samples=(bootfont-ja.bin bootfont-ko.bin bootfont-zh-cn.bin bootfont-zh-tw.bin)
expected=("$link" "$program_file" "$prefix/$bindir/bootfont" "$desktop_file" "$metainfo_file"
          "$prefix/$programdir/"{bootfont-render,userguide.html,userguide.en.html,userguide.css}
          "${samples[@]/#/$prefix/$programdir/bootfont/}"
          "$data/mime/packages/$app_id.xml" "$data/man/man1/"bootfont{,-viewer}.1.gz
          "$data/bash-completion/completions/bootfont" "$data/zsh/vendor-completions/_bootfont"
          "$data/fish/vendor_completions.d/bootfont.fish")

# The icons: PNG files as wide and high as the theme folder they are in says (the signature, then
# the big-endian width and height at bytes 16 and 20).
for size in 16 32 48 64 128 256; do
    icon=$data/icons/hicolor/${size}x${size}/apps/$app_id.png
    expected+=("$icon")
    [[ -f "$icon" ]] || continue
    head=$(od -An -tx1 -N24 "$icon" | tr -d ' \n')
    if [[ $head != 89504e470d0a1a0a*"$(printf '%08x%08x' "$size" "$size")" ]]; then
        fail "$icon is not a $size x $size PNG file"
    fi
done

# Exactly these files and links, so a test, a tool or a benchmark that gets installed is caught.
diff <(find "$prefix" -type f -o -type l | sort) <(printf '%s\n' "${expected[@]}" | sort) >&2 ||
    fail "the installed files (<) differ from the expected ones (>)"

# The program: a real executable whose libraries all resolve outside the build folder.
if [[ ! -f "$program_file" || -L "$program_file" || ! -x "$program_file" ]]; then
    fail "$program_file is not an executable file"
elif ldd "$program_file" | grep -F -e 'not found' -e "$build" >&2; then
    fail "the installed program lacks the libraries above or loads them from the build folder"
fi

# The command on PATH: a relative link that leads to the program, so the program's folder (Qt's
# applicationDirPath(), which follows the link) is the one that holds the samples and the guide.
# A relative link survives DESTDIR.
[[ -L $link && $(readlink "$link") != /* &&
   $(readlink -m "$link") == $(realpath -m "$program_file") ]] ||
    fail "$link is not a relative symbolic link to $program_file: $(ls -l "$link" 2>&1)"

# The command on PATH finds its render helper in the program's folder.
if ! "$prefix/$bindir/bootfont" render "$prefix/$programdir/bootfont/${samples[0]}" --sbcs -o - |
        od -An -tx1 -N8 | tr -d ' \n' | grep -qx 89504e470d0a1a0a; then
    fail "the installed bootfont render does not write a PNG"
fi

# What the open dialog and the link label find beside the program is what the build made.
for file in "${samples[@]/#/bootfont/}" userguide.html userguide.en.html userguide.css; do
    cmp -s "$built_program_dir/$file" "$prefix/$programdir/$file" ||
        fail "the installed $file differs from the built one"
done

# The menu entry: valid without a single hint, starting the command on PATH with our icon.
if ! report=$(desktop-file-validate "$desktop_file" 2>&1) || [[ -n "$report" ]]; then
    fail "desktop-file-validate does not accept $desktop_file: $report"
fi
for line in "Exec=$program %f" "Icon=$app_id"; do
    grep -qx "$line" "$desktop_file" || fail "the desktop entry has no line $line"
done

# The metainfo: valid on its own and together with the menu entry it names as its launchable.
report=$(appstreamcli validate --no-net "$metainfo_file" 2>&1) ||
    fail "appstreamcli validate does not accept $metainfo_file: $report"
report=$(appstreamcli validate-tree --no-net "$root" 2>&1) ||
    fail "appstreamcli validate-tree does not accept the installed tree: $report"

((failures == 0))
