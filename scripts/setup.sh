#!/bin/bash
# Installs what a fresh Debian/Ubuntu machine lacks for building and testing Zoravel.
# Does nothing when everything is already there.
set -euo pipefail

# clang-format-14 is the formatter the test command checks with: the versioned package, so machines agree.
packages=(cmake g++ make libgtest-dev googletest clang libclang-rt-dev clang-format-14
          g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
          wine wine64 fonts-wine fonts-liberation xvfb xauth x11-utils xdotool imagemagick zip zlib1g-dev
          ninja-build)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
