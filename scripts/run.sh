#!/bin/bash
# Builds ZoravelD.exe and starts it under Wine. Without a display it uses a virtual one,
# saves screenshots of the window and says where they are.
set -euo pipefail
. "$(dirname "$0")/common.sh"

"$root/scripts/setup.sh"
configure mingw-cross "$build/windows"
cmake --build "$build/windows" -j "$(nproc)" --target ZoravelD
exe="$build/windows/ZoravelD.exe"

export ZORAVEL_WINEPREFIX=${ZORAVEL_WINEPREFIX:-$build/wine-x11}
. "$root/scripts/wine-env.sh"
[ -f "$WINEPREFIX/system.reg" ] || "$root/scripts/wine-prefix.sh" x11

if [ -n "${DISPLAY:-}" ]; then
    exec wine "$exe"
fi

# No display: the gallery script shows the viewer on a Wine desktop in a virtual display (Xvfb)
# and saves screenshots of its views.
shots="$build/screenshots"
"$root/scripts/gallery.sh" "$shots" "$exe" >/dev/null
echo "No display: screenshots of ZoravelD.exe saved in $shots:"
ls -1 "$shots"/*.png
