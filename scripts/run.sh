#!/bin/bash
# Builds ZoravelD.exe and starts it under Wine. Without a display it uses a virtual one,
# saves screenshots of the window and says where they are.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZORAVEL_BUILD_DIR:-$root/build}

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build/windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/windows" -j "$(nproc)" --target ZoravelD
exe="$build/windows/ZoravelD.exe"

export ZORAVEL_WINEPREFIX=${ZORAVEL_WINEPREFIX:-$build/wine-x11}
. "$root/scripts/wine-env.sh"
[ -f "$WINEPREFIX/system.reg" ] || "$root/scripts/wine-prefix.sh" x11

if [ -n "${DISPLAY:-}" ]; then
    exec wine "$exe"
fi

# No display: a virtual one, Wine's own desktop (it draws the caption bar), then screenshots.
shots="$build/screenshots"
mkdir -p "$shots"
display=:${ZORAVEL_DISPLAY:-77}
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
"$root/scripts/wine-start.sh"
wine explorer /desktop=Zoravel,400x560 "$exe" >/dev/null 2>&1 &
for _ in $(seq 100); do xdotool search --name "Zoravel 4th 2.0" >/dev/null 2>&1 && break; sleep 0.2; done
sleep 1
import -window root -crop 400x560+0+0 "$shots/zoravel.png"
echo "Screenshot saved: $shots/zoravel.png"
