#!/usr/bin/env bash
# Starts the resident program on a virtual display (no DISPLAY was set),
# saves a screenshot and says how to look at it.
set -euo pipefail
exe=$1
shots=$(pwd)/dist/screenshots
mkdir -p "$shots"
disp=:77
while [ -e /tmp/.X11-unix/X${disp#:} ]; do disp=:$(( ${disp#:} + 1 )); done
Xvfb "$disp" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$disp
echo "== no DISPLAY: running Wendrix on the virtual display $DISPLAY"
wineboot -i >/dev/null 2>&1 || true
wine "$exe" &
sleep 5
import -window root "$shots/started.png"
echo "== screenshot of the desktop with the tray icon: $shots/started.png"
echo "   take another:   DISPLAY=$DISPLAY import -window root shot.png"
echo "   stop:           press Ctrl+C"
wait
