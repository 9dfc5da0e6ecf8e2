#!/bin/bash
# Builds everything and runs every test: the native tests under ASan and UBSan, the Windows
# tests under Wine (in-process with the null display driver), and the list-string fuzzer.
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

if [ -x "$root/scripts/fuzz.sh" ]; then
    echo "== list-string fuzzer"
    "$root/scripts/fuzz.sh" "$build/fuzz"
fi
echo "== all tests passed"
