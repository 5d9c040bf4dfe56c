#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game under Wine: the 32-bit
# program where this machine runs 32-bit programs, the 64-bit one elsewhere.
# Without a usable display it runs the game on a private Xvfb display, saves a
# screenshot of the main window and says where it is.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

./scripts/setup.sh
source scripts/wine-env.sh

if orvane_runs_win32; then
  preset=win32
  echo "run: the 32-bit program"
else
  preset=win64
  echo "run: the 64-bit program ($orvane_win32_missing)"
fi

cmake --preset native >/dev/null
cmake --build --preset native
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
game="$root/build/$preset/bin/OrvaneSudoku.exe"

trap orvane_stop_all EXIT
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  orvane_use_wine "$preset" "$root/build/$preset/wineprefix"
  "$WINELOADER" "$game" </dev/null
  exit 0
fi

orvane_start_display
orvane_use_wine "$preset" "$root/build/$preset/wineprefix"
"$WINELOADER" "$game" </dev/null >/dev/null 2>&1 &
game_pid=$!

window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --onlyvisible --name '^Orvane Sudoku' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "the game's window did not appear" >&2
  exit 1
fi
sleep 1
mkdir -p "$root/build/screenshots"
shot="$root/build/screenshots/orvane-sudoku.png"
import -window root "$shot"
kill "$game_pid" 2>/dev/null || true
echo "No display here: the game ran on a private Xvfb display."
echo "Screenshot of the main window: $shot"
