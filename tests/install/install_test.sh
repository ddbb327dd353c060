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

icon_sizes=(16 32 48 64 128 256)
link=$prefix/$bindir/$program
program_file=$prefix/$programdir/$program
desktop_file=$prefix/$datadir/applications/$app_id.desktop
metainfo_file=$prefix/$datadir/metainfo/$app_id.metainfo.xml
samples=(bootfont-ja.bin bootfont-ko.bin bootfont-zh-cn.bin bootfont-zh-tw.bin)

# Exactly these files and links, so a test, a tool or a benchmark that gets installed is caught.
expected=("$link" "$program_file" "$prefix/$bindir/bootfont" "$prefix/$programdir/bootfont-render"
          "$prefix/$programdir/userguide.html" "$desktop_file"
          "$metainfo_file" "$prefix/$datadir/mime/packages/$app_id.xml"
          "$prefix/$datadir/man/man1/bootfont.1.gz" "$prefix/$datadir/man/man1/bootfont-viewer.1.gz"
          "$prefix/$datadir/bash-completion/completions/bootfont"
          "$prefix/$datadir/zsh/vendor-completions/_bootfont"
          "$prefix/$datadir/fish/vendor_completions.d/bootfont.fish")
for sample in "${samples[@]}"; do
    expected+=("$prefix/$programdir/bootfont/$sample")
done
for size in "${icon_sizes[@]}"; do
    expected+=("$prefix/$datadir/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
installed=$(find "$prefix" -type f -o -type l | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
if [[ "$installed" != "$wanted" ]]; then
    fail "the installed files differ from the expected ones (< installed, > expected):"
    diff <(echo "$installed") <(echo "$wanted") >&2 || true
fi

# The program: a real executable whose libraries all resolve outside the build folder.
if [[ ! -f "$program_file" || -L "$program_file" || ! -x "$program_file" ]]; then
    fail "$program_file is not an executable file"
elif ldd "$program_file" | grep -q 'not found'; then
    fail "libraries of the installed program are missing:"
    ldd "$program_file" | grep 'not found' >&2
elif ldd "$program_file" | grep -qF "$build"; then
    fail "the installed program loads libraries from the build folder"
fi

# The command on PATH: a relative link that leads to the program, so the program's folder (Qt's
# applicationDirPath(), which follows the link) is the one that holds the samples and the guide.
if [[ ! -L "$link" ]]; then
    fail "$link is not a symbolic link"
else
    target=$(readlink "$link")
    if [[ "$target" == /* ]]; then
        fail "$link points to the absolute path $target; a relative link survives DESTDIR"
    fi
    if [[ "$(readlink -m "$link")" != "$(realpath -m "$program_file")" ]]; then
        fail "$link leads to $(readlink -m "$link"), not to $program_file"
    fi
fi

# The command on PATH finds its render helper in the program's folder.
if ! "$prefix/$bindir/bootfont" render "$prefix/$programdir/bootfont/${samples[0]}" --sbcs -o - |
        od -An -tx1 -N8 | tr -d ' \n' | grep -qx 89504e470d0a1a0a; then
    fail "the installed bootfont render does not write a PNG"
fi

# What the open dialog and the link label find beside the program is what the build made.
for file in "${samples[@]/#/bootfont/}" userguide.html; do
    cmp -s "$built_program_dir/$file" "$prefix/$programdir/$file" ||
        fail "the installed $file differs from the built one"
done

# The menu entry: valid without a single hint, starting the command on PATH with our icon.
if [[ -f "$desktop_file" ]]; then
    if ! report=$(desktop-file-validate "$desktop_file" 2>&1) || [[ -n "$report" ]]; then
        fail "desktop-file-validate does not accept $desktop_file:"
        echo "$report" >&2
    fi
    for line in "Exec=$program %f" "Icon=$app_id"; do
        grep -qx "$line" "$desktop_file" || fail "the desktop entry has no line $line"
    done
fi

# The metainfo: valid on its own and together with the menu entry it names as its launchable.
if [[ -f "$metainfo_file" ]]; then
    if ! report=$(appstreamcli validate --no-net "$metainfo_file" 2>&1); then
        fail "appstreamcli validate does not accept $metainfo_file:"
        echo "$report" >&2
    fi
    if ! report=$(appstreamcli validate-tree --no-net "$root" 2>&1); then
        fail "appstreamcli validate-tree does not accept the installed tree:"
        echo "$report" >&2
    fi
fi

# The icons: PNG files as wide and high as the theme folder they are in says (the signature, then
# the big-endian width and height at bytes 16 and 20).
for size in "${icon_sizes[@]}"; do
    icon=$prefix/$datadir/icons/hicolor/${size}x${size}/apps/$app_id.png
    [[ -f "$icon" ]] || continue
    head=$(od -An -tx1 -N24 "$icon" | tr -d ' \n')
    if [[ $head != 89504e470d0a1a0a*"$(printf '%08x%08x' "$size" "$size")" ]]; then
        fail "$icon is not a $size x $size PNG file"
    fi
done

if ((failures > 0)); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "installed tree under $prefix: all checks passed"
