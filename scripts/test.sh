#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#   core  native tests, also under AddressSanitizer and UndefinedBehaviorSanitizer
#   win   Windows tests under Wine on a private Xvfb display, for the 64-bit
#         program everywhere and for the 32-bit one where this machine runs
#         32-bit programs
#   e2e   the real programs under Wine, played with xdotool, and the release's
#         installer installed, used and uninstalled
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

echo "== release files (the programs just built, packaged for the install test)"
source scripts/wine-env.sh
if orvane_runs_win32; then
  ./scripts/release.sh --no-build
else
  # The installer is a 32-bit program: the install test takes a 64-bit build of it.
  ./scripts/release.sh --no-build --test-installer-64
fi

echo "== Windows and end-to-end tests under Wine"
trap orvane_stop_all EXIT
orvane_start_display

echo "== 64-bit program"
orvane_use_wine win64 "$root/build/win64/wineprefix"
ctest --preset win64
orvane_stop_prefix

if orvane_runs_win32; then
  echo "== 32-bit program"
  orvane_use_wine win32 "$root/build/win32/wineprefix"
  ctest --preset win32
else
  echo "== 32-bit Windows tests skipped: $orvane_win32_missing (this machine cannot run 32-bit programs)"
fi
