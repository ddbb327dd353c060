#!/usr/bin/env bash
# Builds the Debian package from a copy of the source tree, as a packager would, and checks it:
# lintian finds no error, it holds exactly what `cmake --install --prefix /usr` installs (plus its
# copyright and changelog), apt installs it, the installed program starts, and a purge leaves the
# system's files and packages as they were.
#
#   package_test.sh <source folder> <scratch folder> <cmake> <program name> <version>
#
# Installing needs root or password-less sudo; without them the test stops after the checks of
# the package file with CTest's skip status, 77.
set -euo pipefail

(($# == 5)) || { echo "usage: $0 <source> <scratch> <cmake> <program> <version>" >&2; exit 2; }
source_dir=$(realpath "$1") scratch=$(realpath -m "$2") cmake=$3 package=$4 version=$5

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in git dpkg-buildpackage dh lintian apt-get; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-packages.sh installs it)"
done
! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' ||
    fail "$package is installed already; remove it first, so that the test leaves it as it was"

# A fixed folder inside the build folder rather than a fresh temporary one, so that ccache, when the
# caller sets CMAKE_CXX_COMPILER_LAUNCHER, sees the same paths from run to run.
rm -rf "$scratch"
trap 'rm -rf "$scratch"' EXIT
tree=$scratch/$package
mkdir -p "$tree"
# The files git knows, committed or not; build folders are ignored.
git -C "$source_dir" ls-files -z --cached --others --exclude-standard |
    tar -C "$source_dir" --null --ignore-failed-read -T - -cf - | tar -C "$tree" -xf -

# Built exactly as the README tells a person to, whatever DEB_BUILD_OPTIONS the caller has set.
(cd "$tree" && env -u DEB_BUILD_OPTIONS dpkg-buildpackage -us -uc -b >"$scratch/build.log" 2>&1) ||
    { tail -n 40 "$scratch/build.log" >&2; fail "dpkg-buildpackage failed (log above)"; }
# The program's package; the build also makes one of its debugging symbols.
debs=("$scratch/${package}_${version}_"*.deb)
# Its name holds the version of its control file, which must be the project's.
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "no single ${package}_${version} .deb in $scratch"
deb=${debs[0]}

lintian --fail-on error "$deb" || fail "lintian reports errors"

# The package's files and links, then what cmake --install puts under /usr from the same build;
# lintian has checked the copyright and changelog that debhelper adds.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 ($7 == "->" ? " -> " $8 : "") }' |
    sort >"$scratch/packaged"
destdir=$scratch/destdir
DESTDIR=$destdir "$cmake" --install "$tree"/obj-* --prefix /usr >/dev/null
(cd "$destdir" && find . ! -type d ! -type l -printf '%P\n' -o -type l -printf '%P -> %l\n') |
    sed 's|^|/|' | sort >"$scratch/installed"
grep -v "^/usr/share/doc/$package/" "$scratch/packaged" | diff -u "$scratch/installed" - ||
    fail "the package's files differ from cmake --install's (- installed, + packaged)"

sudo=()
if (($(id -u) != 0)); then
    sudo -n true 2>/dev/null ||
        { echo "SKIP: installing the package needs root or password-less sudo" >&2; exit 77; }
    sudo=(sudo -n)
fi
packages_before=$(dpkg-query -W -f='${Package} ${Version} ${Status}\n')
# Without recommends: the test checks the package and its dependencies, which
# scripts/install-packages.sh installs beforehand, so nothing else comes or stays.
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "$deb" >"$scratch/apt.log" 2>&1 ||
    { cat "$scratch/apt.log" >&2; fail "apt-get install failed"; }
purge() { "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y "$package"; }
trap 'purge >/dev/null 2>&1; rm -rf "$scratch"' EXIT

output=$(QT_QPA_PLATFORM=offscreen timeout 30 "/usr/bin/$package" --version) ||
    fail "the installed /usr/bin/$package --version failed"
[[ $output == "$package $version" ]] || fail "--version printed '$output'"

purge >"$scratch/apt.log" 2>&1 || { cat "$scratch/apt.log" >&2; fail "apt-get remove --purge failed"; }
trap 'rm -rf "$scratch"' EXIT
# dpkg removes the files it unpacked; what the package's own steps might leave is in its folders.
[[ ! -e /usr/lib/$package && ! -e /usr/share/doc/$package ]] || fail "a folder is left after the purge"
diff -u <(echo "$packages_before") <(dpkg-query -W -f='${Package} ${Version} ${Status}\n') ||
    fail "the installed packages differ from before the test (- before, + after)"
echo "PASS: $(basename "$deb") builds, passes lintian, installs, starts and purges cleanly"
