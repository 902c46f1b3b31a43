#!/usr/bin/env bash
# Builds everything and starts the resident program under Wine: on the user's
# display when DISPLAY is set, otherwise on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
export WINEPREFIX=${WINEPREFIX:-$HOME/.wine-wendrix}
exe=$(pwd)/dist/windows/WendrixTray.exe
if [ -n "${DISPLAY:-}" ]; then
  echo "== starting Wendrix on display $DISPLAY (tray icon in Wine's system tray; F8 on a selected word)"
  wineboot -i >/dev/null 2>&1 || true
  exec wine "$exe"
fi
bash scripts/headless-demo.sh "$exe"
