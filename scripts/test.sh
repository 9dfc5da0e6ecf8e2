#!/bin/bash
# Builds everything and runs every test: the formatting check, native tests (ASan, UBSan), Windows tests
# under Wine (in-process, null driver), end-to-end tests of the real .exe in Xvfb, and the list-string fuzzer.
set -euo pipefail
. "$(dirname "$0")/common.sh"
jobs=$(nproc)

"$root/scripts/setup.sh"

echo "== formatting (clang-format-14, the tree's .clang-format)"
git -C "$root" ls-files -z --cached --others --exclude-standard '*.cpp' '*.h' | (cd "$root" && xargs -0 clang-format-14 --dry-run -Werror)

echo "== native build and tests"
configure native "$build/native"
cmake --build "$build/native" -j "$jobs"
ctest --test-dir "$build/native" --output-on-failure -j "$jobs" --timeout 600
# ctest keeps a passing test's output in its log only: show how much of its frame each picture fills.
grep -h '^Share of the box painted' "$build/native/Testing/Temporary/LastTest.log"

echo "== Windows build"
configure mingw-cross "$build/windows"
cmake --build "$build/windows" -j "$jobs"

# A failing step must not leave a wineserver behind: the current prefix's stops however the run ends.
on_exit '(. "$root/scripts/wine-env.sh" && wineserver -k) 2>/dev/null'

echo "== Windows tests under Wine"
export ZORAVEL_WINEPREFIX="$build/wine-null"
"$root/scripts/wine-prefix.sh" null
"$root/scripts/wine-start.sh"
ctest --test-dir "$build/windows" --output-on-failure -j "$jobs" --timeout 300 -LE xvfb
. "$root/scripts/wine-env.sh"
wineserver -k || true

echo "== end-to-end tests: ZoravelD.exe under Wine in Xvfb, driven by mouse and keyboard input"
e2e_start=$SECONDS
start_xvfb 1024x768
export ZORAVEL_WINEPREFIX="$build/wine-x11"
"$root/scripts/wine-prefix.sh" x11
"$root/scripts/wine-start.sh"
ctest --test-dir "$build/windows" --output-on-failure --timeout 300 -L xvfb
. "$root/scripts/wine-env.sh"
wineserver -k || true
stop_xvfb
echo "== end-to-end tests took $((SECONDS - e2e_start)) s (prefix, Wine start and tests)"

echo "== list-string fuzzer"
"$root/scripts/fuzz.sh" "$build/fuzz"
echo "== all tests passed"
