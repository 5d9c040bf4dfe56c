#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#   core  native tests, also under AddressSanitizer and UndefinedBehaviorSanitizer
#   win   Windows tests under Wine on a private Xvfb display
#   e2e   the real program under Wine, played with xdotool
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

./scripts/setup.sh

echo "== native build and core tests"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

echo "== core tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize

echo "== Windows builds"
cmake --preset win64 >/dev/null
cmake --build --preset win64
cmake --preset win32 >/dev/null
cmake --build --preset win32

echo "== Windows and end-to-end tests under Wine"
source scripts/wine-env.sh
trap orvane_stop_all EXIT
orvane_start_display
orvane_prepare_prefix "$root/build/win32/wineprefix"
ctest --preset win32
