#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running the viewer need, when missing.
set -euo pipefail

packages=(
    g++ cmake ninja-build                     # compiler and build
    qt6-base-dev                              # Qt 6 Widgets, Gui, PrintSupport, Test
    qt6-tools-dev qt6-l10n-tools              # the window's English: Qt6LinguistTools, lupdate, lrelease
    libgtest-dev libgmock-dev libbenchmark-dev  # tests and benchmarks
    fonts-arphic-uming fonts-dejavu-core      # stand-ins for the window's 宋体 and Tahoma
    unifont                                   # glyphs of the generated sample fonts
    desktop-file-utils appstream              # the install test validates the menu entry and metainfo
    clang libclang-rt-14-dev                  # libFuzzer and the sanitizers' clang run-time
    libcli11-dev nlohmann-json3-dev           # the bootfont command's arguments and JSON
    libfreetype-dev xfonts-utils              # the tests read its exported fonts back, bdftopcf
    libfontconfig-dev zlib1g-dev xfonts-wqy   # build: font names, gzipped fonts; a real 16-dot PCF
    build-essential dpkg-dev debhelper lintian  # building and checking the Debian package
    groff-base                                # the manual page test runs groff
    fonts-wine                                # Windows FON fonts, sources of the build test
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi
