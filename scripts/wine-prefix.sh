#!/bin/bash
# Makes a fresh Wine prefix with stable fonts: Arial mapped to Liberation Sans, Wine's raster
# System font linked in. "null" as $1 selects Wine's display-less driver.
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
driver=${1:-x11}

rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d 'Liberation Sans' /f >/dev/null 2>&1
# No crash debugger in a test prefix, also for a program started without this environment.
wine reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /f >/dev/null 2>&1 || true
ln -sf /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
if [ "$driver" = null ]; then
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /t REG_SZ /d null /f >/dev/null 2>&1
fi
wineserver -w
