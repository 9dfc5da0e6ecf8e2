#!/bin/bash
# Runs the crashing test program the way ctest runs every test program, and passes only when the
# crash ends the run with a failure well within the per-test limit, instead of a waiting debugger.
# Usage: crash_fails_fast.sh EMULATOR CRASHING_EXE
set -uo pipefail
emulator=$1
exe=$2
limit=30

start=$SECONDS
timeout -k 5 "$limit" "$emulator" "$exe"
status=$?
elapsed=$((SECONDS - start))
echo "crash_fails_fast: exit status $status after $elapsed s"
if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
    echo "crash_fails_fast: the crashed program still ran after $limit s (a debugger waiting?)" >&2
    exit 1
fi
if [ "$status" -eq 0 ]; then
    echo "crash_fails_fast: the crash was reported as success" >&2
    exit 1
fi
exit 0
