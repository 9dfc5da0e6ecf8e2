#!/bin/bash
# Builds everything and runs every test: native tests (ASan, UBSan), Windows tests under Wine
# (in-process, null driver), end-to-end tests of the real .exe in Xvfb, and the list-string fuzzer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZORAVEL_BUILD_DIR:-$root/build}
jobs=$(nproc)

"$root/scripts/setup.sh"

echo "== native build and tests"
cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build/native" -j "$jobs"
ctest --test-dir "$build/native" --output-on-failure -j "$jobs" --timeout 600

echo "== Windows build"
cmake -S "$root" -B "$build/windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/windows" -j "$jobs"

echo "== Windows tests under Wine"
export ZORAVEL_WINEPREFIX="$build/wine-null"
"$root/scripts/wine-prefix.sh" null
"$root/scripts/wine-start.sh"
ctest --test-dir "$build/windows" --output-on-failure -j "$jobs" --timeout 300 -LE xvfb
. "$root/scripts/wine-env.sh"
wineserver -k || true

echo "== end-to-end tests: ZoravelD.exe under Wine in Xvfb, driven by mouse and keyboard input"
e2e_start=$SECONDS
display=93
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=":$display"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start on $DISPLAY" >&2; exit 1; }
export ZORAVEL_WINEPREFIX="$build/wine-x11"
"$root/scripts/wine-prefix.sh" x11
"$root/scripts/wine-start.sh"
ctest --test-dir "$build/windows" --output-on-failure --timeout 300 -L xvfb
. "$root/scripts/wine-env.sh"
wineserver -k || true
kill $xvfb 2>/dev/null || true
wait $xvfb 2>/dev/null || true
trap - EXIT
echo "== end-to-end tests took $((SECONDS - e2e_start)) s (prefix, Wine start and tests)"

if [ -x "$root/scripts/fuzz.sh" ]; then
    echo "== list-string fuzzer"
    "$root/scripts/fuzz.sh" "$build/fuzz"
fi
echo "== all tests passed"
