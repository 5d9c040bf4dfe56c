#!/usr/bin/env bash
# The start-up benchmark: builds the 64-bit programs with start-up markers in
# build/win64-startup (the native build comes first, as for the win64 preset),
# then starts the bare reference window, the game and the game with the skin
# engine off in turn, RUNS times each after a warm-up, under one Wine prefix,
# one wineserver and one Xvfb display, and prints launch -> main window
# visible and launch -> first paint of the board as medians, spreads and
# ratios, with the programs' own stamps.
#
#   bench/startup/run.sh [RUNS]      default 15
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-15}
build=build/win64-startup

if [ ! -f "$build/CMakeCache.txt" ]; then
  nice -n 10 cmake --preset win64 -B "$build" -DORVANE_STARTUP_MARKERS=ON \
    -DORVANE_NATIVE_BUILD_DIR="$PWD/build/native" >/dev/null
fi
nice -n 10 cmake --build "$build" -j2 --target OrvaneSudoku orvane-startup-reference orvane-startup-engine-off >/dev/null

source scripts/wine-env.sh
trap orvane_stop_all EXIT
orvane_start_display
orvane_use_wine win64 "$PWD/$build/wineprefix"
python3 bench/startup/measure.py --runs "$runs" --loader "$WINELOADER" \
  --compare game:engine-off \
  reference="$build/bin/orvane-startup-reference.exe" \
  game="$build/bin/OrvaneSudoku.exe" \
  engine-off="$build/bin/orvane-startup-engine-off.exe"
