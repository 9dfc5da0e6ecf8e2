#!/usr/bin/env bash
# Builds and runs the list walk fuzzer, seeded with every catalogue list string.
# Usage: scripts/fuzz.sh [BUILD_DIR]   (RUNS=n sets the run count, default 1000000; SEED=n fixes the seed)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${1:-${TMPDIR:-/tmp}/zoravel-fuzz}"
RUNS="${RUNS:-1000000}"
CXX="${CXX_FUZZ:-clang++}"
MAX_LEN=1024 # room for the longest catalogue list and elements well past the 52-byte buffer

mkdir -p "$BUILD"
COMMON=(-std=c++17 -g -O1 -Wall -Wextra -Werror -I "$ROOT/src" -I "$ROOT/res")
SANITIZE=(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

"$CXX" "${COMMON[@]}" "${SANITIZE[@]}" -fsanitize=fuzzer \
    "$ROOT/tests/fuzz/list_walk_fuzzer.cpp" \
    "$ROOT/src/catalogue/list_strings.cpp" \
    "$ROOT/src/catalogue/catalogue.cpp" \
    -o "$BUILD/list_walk_fuzzer"
"$CXX" "${COMMON[@]}" \
    "$ROOT/tests/fuzz/write_seeds.cpp" \
    "$ROOT/src/catalogue/catalogue.cpp" \
    -o "$BUILD/write_seeds"

rm -rf "$BUILD/seeds" "$BUILD/corpus"
mkdir -p "$BUILD/seeds" "$BUILD/corpus"
"$BUILD/write_seeds" "$BUILD/seeds"

FUZZ_ARGS=(-runs="$RUNS" -max_len="$MAX_LEN" -print_final_stats=1 -artifact_prefix="$BUILD/")
if [[ -n "${SEED:-}" ]]; then
    FUZZ_ARGS+=(-seed="$SEED")
fi

LOG="$BUILD/fuzz.log"
START=$(date +%s)
status=0
"$BUILD/list_walk_fuzzer" "${FUZZ_ARGS[@]}" "$BUILD/corpus" "$BUILD/seeds" >"$LOG" 2>&1 || status=$?
END=$(date +%s)

if [[ $status -ne 0 ]]; then
    tail -n 60 "$LOG"
    echo "fuzz: FINDING (exit $status); reproducer in $BUILD/ (crash-*, leak-*, timeout-*)" >&2
    exit "$status"
fi

echo "fuzz: $(grep -m1 '^INFO: Seed:' "$LOG" || true)"
echo "fuzz: $(grep -E '^#[0-9]+[[:space:]]+DONE' "$LOG" | tail -n 1)"
echo "fuzz: $(grep -E '^Done [0-9]+ runs' "$LOG" | tail -n 1)"
grep -E '^stat::' "$LOG" | sed 's/^/fuzz: /'
echo "fuzz: wall time $((END - START)) s, no finding"
