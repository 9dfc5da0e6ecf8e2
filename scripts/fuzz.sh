#!/bin/bash
# Builds and runs the list walk fuzzer, seeded with every catalogue list string.
# Usage: scripts/fuzz.sh [BUILD_DIR]   (RUNS=n sets the run count, default 1000000; SEED=n fixes the seed)
set -euo pipefail
. "$(dirname "$0")/common.sh"

BUILD="${1:-$build/fuzz}"
RUNS="${RUNS:-1000000}"
MAX_LEN=1024 # room for the longest catalogue list and elements well past the 52-byte buffer

configure fuzz "$BUILD" ${CXX_FUZZ:+-DCMAKE_CXX_COMPILER="$CXX_FUZZ"}
cmake --build "$BUILD" -j "$(nproc)" --target list_walk_fuzzer write_seeds >/dev/null

rm -rf "$BUILD/seeds" "$BUILD/corpus"
mkdir -p "$BUILD/seeds" "$BUILD/corpus"
"$BUILD/tests/fuzz/write_seeds" "$BUILD/seeds"

FUZZ_ARGS=(-runs="$RUNS" -max_len="$MAX_LEN" -print_final_stats=1 -artifact_prefix="$BUILD/")
if [[ -n "${SEED:-}" ]]; then
    FUZZ_ARGS+=(-seed="$SEED")
fi

LOG="$BUILD/fuzz.log"
START=$(date +%s)
status=0
"$BUILD/tests/fuzz/list_walk_fuzzer" "${FUZZ_ARGS[@]}" "$BUILD/corpus" "$BUILD/seeds" >"$LOG" 2>&1 || status=$?
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
