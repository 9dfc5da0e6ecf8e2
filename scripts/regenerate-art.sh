#!/bin/bash
# Regenerates the committed art from tools/artgen: every picture and UI bitmap in res/bitmaps/, the icon
# res/zoravel.ico, res/bitmaps.rc and docs/contact-sheet.png, and writes nothing else into the tree.
set -euo pipefail
. "$(dirname "$0")/common.sh"

configure native "$build/native"
cmake --build "$build/native" -j "$(nproc)" --target regenerate_art
git -C "$root" status --short -- res docs/contact-sheet.png
