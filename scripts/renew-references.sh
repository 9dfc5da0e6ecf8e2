#!/bin/bash
# Renews the whole-window reference images after a deliberate change to what the window shows: runs the
# pixel reference test in renewing mode and stores its pictures as tests/references/*.png, with the Wine
# build and font packages they hold for in tests/references/platform.txt. Look at the pictures before
# committing them.
set -euo pipefail
. "$(dirname "$0")/common.sh"

configure mingw-cross "$build/windows"
cmake --build "$build/windows" -j 2 --target window_tests
export ZORAVEL_WINEPREFIX="$build/wine-null"
[ -f "$ZORAVEL_WINEPREFIX/system.reg" ] || "$root/scripts/wine-prefix.sh" null
"$root/scripts/wine-start.sh"
. "$root/scripts/wine-env.sh"

shots="$build/windows/tests/wine/pixel-references"
rm -f "$shots"/*-seen.bmp
ZORAVEL_RENEW_REFERENCES=1 wine "$build/windows/tests/wine/window_tests.exe" \
    --gtest_filter='PixelReferenceTest.*' </dev/null
for seen in "$shots"/*-seen.bmp; do
    name=$(basename "$seen" -seen.bmp)
    convert "$seen" -strip "PNG24:$root/tests/references/$name.png"
    echo "renewed tests/references/$name.png"
done
tr -d '\r' <"$shots/platform.txt" >"$root/tests/references/platform.txt"
echo "recorded for: $(cat "$root/tests/references/platform.txt")"
