#!/bin/bash
# Starts the prefix's wineserver and helper services with their output away from any pipe:
# otherwise they inherit the caller's pipe and a reader such as ctest waits forever.
. "$(dirname "$0")/wine-env.sh"
wineserver -p 120
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
