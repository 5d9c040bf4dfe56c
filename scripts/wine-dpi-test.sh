#!/usr/bin/env bash
# Runs a Windows test executable in a Wine prefix set to another screen DPI.
#   wine-dpi-test.sh DPI ARCH PREFIX PROGRAM [ARGUMENTS...]
# The prefix is made once and kept (one per DPI, beside the 96-DPI prefix of
# the other tests); its wineserver is stopped at the end. The tests read the
# DPI they expect from ORVANE_TEST_DPI. They run on a private Xvfb display
# as much larger than 1280x1024 as the DPI is larger than 96, so that the
# scaled windows fit on it as the 96-DPI ones fit on the usual screen.
set -u
if [ $# -lt 4 ]; then
  echo "usage: $0 DPI ARCH PREFIX PROGRAM [ARGUMENTS...]" >&2
  exit 2
fi
dpi=$1 arch=$2 prefix=$3
shift 3
# shellcheck source=wine-env.sh
source "$(dirname "$0")/wine-env.sh"
trap orvane_stop_all EXIT
orvane_start_display "$((1280 * dpi / 96))x$((1024 * dpi / 96))" || exit 1
orvane_use_wine "$arch" "$prefix" || exit 1
orvane_set_prefix_dpi "$dpi" || exit 1
export ORVANE_TEST_DPI=$dpi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
"$WINELOADER" "$@" </dev/null
