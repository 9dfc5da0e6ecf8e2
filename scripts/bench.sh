#!/bin/bash
# Builds the benchmarks and runs them under Wine in a virtual X display with a fresh prefix:
# action times in the real window, start to first paint against a bare window, size against payload.
# Usage: scripts/bench.sh   (ZORAVEL_DISPLAY=n picks the display, else the first free one)
set -euo pipefail
. "$(dirname "$0")/common.sh"
bench=$build/bench

"$root/scripts/setup.sh"
configure mingw-cross "$bench"
cmake --build "$bench" -j "$(nproc)" --target benchmarks >/dev/null

start_xvfb 1024x768
export ZORAVEL_WINEPREFIX=${ZORAVEL_BENCH_WINEPREFIX:-${TMPDIR:-/tmp}/zoravel-bench-wine}
. "$root/scripts/wine-env.sh"
on_exit "wineserver -k 2>/dev/null"
"$root/scripts/wine-prefix.sh" x11
"$root/scripts/wine-start.sh"

out="$bench/bench-output.txt"
{
    wine "$bench/tests/bench/bench_actions.exe"
    wine "$bench/tests/bench/bench_start.exe" "$(winepath -w "$bench/ZoravelD.exe")" \
        "$(winepath -w "$bench/tests/bench/bare_window.exe")"
} 2>/dev/null | tr -d '\r' | tee "$out"

echo
echo "== machine"
echo "CPU:   $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), $(nproc) cores"
echo "Wine:  $(wine --version 2>/dev/null | head -n 1)"
echo "Date:  $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "Load:  $(cut -d' ' -f1-3 /proc/loadavg) (1, 5, 15 min)"
echo
echo "== summary"
printf '%-24s %12s %12s %12s %s\n' "measure" "median" "p99" "target" "met"
sed -n 's/^action \(tab click\|selection change\|form click\|full repaint\) *n= *[0-9]*  median *\([0-9.]*\) ms  p99 *\([0-9.]*\) ms.*/\1|\2|\3/p' "$out" |
    while IFS='|' read -r name median p99; do
        met=$(awk -v p="$p99" 'BEGIN { print (p <= 5.0) ? "yes" : "NO" }')
        printf '%-24s %9s ms %9s ms %12s %s\n' "$name" "$median" "$p99" "p99 <= 5 ms" "$met"
    done
viewer=$(sed -n 's/^start  ZoravelD.exe .*median *\([0-9.]*\) ms.*/\1/p' "$out")
bare=$(sed -n 's/^start  bare_window.exe .*median *\([0-9.]*\) ms.*/\1/p' "$out")
ratio=$(sed -n 's/^start  ratio of medians \([0-9.]*\).*/\1/p' "$out")
printf '%-24s %9s ms %12s %12s %s\n' "start, ZoravelD.exe" "$viewer" "" "" ""
printf '%-24s %9s ms %12s %12s %s\n' "start, bare window" "$bare" "" "" ""
printf '%-24s %12s %12s %12s %s\n' "start ratio" "$ratio" "" "<= 1.2" \
    "$(awk -v r="$ratio" 'BEGIN { print (r <= 1.2) ? "yes" : "NO" }')"
size=$(sed -n 's/^size   ZoravelD.exe \([0-9]*\) bytes, resource payload \([0-9]*\) bytes.*ratio \([0-9.]*\).*/\1|\2|\3/p' "$out")
IFS='|' read -r bytes payload sizeRatio <<<"$size"
printf '%-24s %12s %12s %12s %s\n' "size / payload (bytes)" "$bytes" "$payload" "" ""
printf '%-24s %12s %12s %12s %s\n' "size ratio" "$sizeRatio" "" "<= 1.15" \
    "$(awk -v r="$sizeRatio" 'BEGIN { print (r <= 1.15) ? "yes" : "NO" }')"
echo "Full output: $out"
