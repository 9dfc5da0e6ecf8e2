#!/bin/bash
# Screenshots of the real ZoravelD.exe on a Wine desktop in Xvfb, driven with xdotool: the four views
# and the three forms of entry 413, saved as PNG files of the window with its caption bar.
# Usage: scripts/gallery.sh OUT_DIR [EXE]   (EXE defaults to the Release build, made when missing)
set -euo pipefail
. "$(dirname "$0")/common.sh"
out=${1:?usage: gallery.sh OUT_DIR [EXE]}
exe=${2:-$build/windows/ZoravelD.exe}

if [ ! -f "$exe" ]; then
    configure mingw-cross "$build/windows"
    cmake --build "$build/windows" -j "$(nproc)" --target ZoravelD >/dev/null
fi
mkdir -p "$out"

export ZORAVEL_WINEPREFIX=${ZORAVEL_WINEPREFIX:-$build/wine-x11}
. "$root/scripts/wine-env.sh"
[ -f "$WINEPREFIX/system.reg" ] || "$root/scripts/wine-prefix.sh" x11

# The window sits at (250, 20) on the Wine desktop, 309 by 495 with its frame; its client area
# starts after a 3-pixel frame and the caption bar.
desktop=580x530
window=309x495+250+20
client_x=253
client_y=42
close_box="546 31"

# The tabs' client centres, from the tests' statement of the layout: the rows of its tab table.
layout="$root/tests/common/expected_layout.h"
read -r tab_width tab_height < <(sed -n 's/^const int EXPECTED_TAB_WIDTH = \([0-9]*\), EXPECTED_TAB_HEIGHT = \([0-9]*\);$/\1 \2/p' "$layout")
tab_centre() {
    sed -n "s|^ *{\([0-9]*\), *\([0-9]*\),.*/\* $1 \*/\$|\1 \2|p" "$layout" |
        { read -r x y && echo "$((x + tab_width / 2)) $((y + tab_height / 2))"; }
}
for tab in info moves machines evolution; do
    [ -n "$(tab_centre $tab)" ] || { echo "gallery: no $tab tab in $layout" >&2; exit 1; }
done

start_xvfb "$desktop"
viewer=""
on_exit "wineserver -k 2>/dev/null"
on_exit '[ -z "$viewer" ] || kill "$viewer" 2>/dev/null'
"$root/scripts/wine-start.sh"

window_hash() {
    import -window root -crop "$window" rgb:- 2>/dev/null | md5sum
}

# Waits until two captures in a row are the same: the viewer has finished drawing.
settle() {
    local previous="" current
    for _ in $(seq 50); do
        current=$(window_hash)
        [ "$current" = "$previous" ] && return 0
        previous=$current
        sleep 0.2
    done
    echo "gallery: the window did not settle" >&2
    return 1
}

# A pixel of the client area as "r,g,b".
client_pixel() {
    import -window root -crop "1x1+$((client_x + $1))+$((client_y + $2))" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:
}

click() {
    xdotool mousemove $((client_x + $1)) $((client_y + $2)) click 1
    settle
}

# The name of the entry with the number, from its row in the catalogue ("/* 394 Trasomor */").
name_of() {
    sed -n "s|^ */\* $1 \([^ ]*\) \*/ *moveListText.*|\1|p" "$root/src/catalogue/catalogue.cpp" | head -n 1
}

# Types the entry's name into the combo box, opens its list there (F4) and takes it (Enter): the box
# then shows the name, as a pick from the list does.
choose() {
    local name
    name=$(name_of "$1")
    [ -n "$name" ] || { echo "gallery: no entry $1 in the catalogue" >&2; exit 1; }
    click 140 10
    xdotool key End shift+Home
    xdotool type --delay 30 "$name"
    xdotool key F4 Return
    settle
}

shot() {
    import -window root -crop "$window" +repage -strip "$out/$1.png"
    echo "gallery: $out/$1.png"
}

wine explorer "/desktop=Zoravel,$desktop" "$exe" >/dev/null 2>&1 &
viewer=$!
# Until the window shows its red casing (Wine's start-up), at most 20 s.
for _ in $(seq 100); do
    [ "$(client_pixel 150 3 2>/dev/null)" = "204,51,0" ] && break
    sleep 0.2
done
[ "$(client_pixel 150 3)" = "204,51,0" ] || { echo "gallery: no viewer window at the expected place" >&2; exit 1; }
settle
xdotool mousemove 5 5 # the pointer away from the window

choose 394
shot info
click $(tab_centre moves)
choose 458
shot moves
click $(tab_centre machines)
choose 492
shot machines
click $(tab_centre evolution)
choose 414
shot evolution
click $(tab_centre info)
choose 413
shot form-1
click 227 162
shot form-2
click 227 162
shot form-3

# The caption's close box ends the program, and with it the Wine desktop.
xdotool mousemove $close_box click 1
for _ in $(seq 100); do kill -0 "$viewer" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$viewer" 2>/dev/null; then
    echo "gallery: the viewer did not close" >&2
    exit 1
fi
viewer=""
