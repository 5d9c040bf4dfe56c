#!/usr/bin/env bash
# Screenshots of the real program at several screen DPIs, for a person to
# judge: the main window, a drop-down menu, a message box, the Open dialog and
# the solution window, at 96, 120, 144 and 192 DPI (or the DPIs given).
#
#   dpi-screens.sh PROGRAM.exe OUTPUT-FOLDER [DPI...]
#
# Each DPI gets a Wine prefix of its own beside the program's build folder
# (wineprefix-dpiN) and a private Xvfb screen as much larger than 1280x1024
# as the DPI is larger than 96 (2560x2048 at 192). Files:
# OUTPUT-FOLDER/dpi-N-{main,menu,message,open,solution}.png. It is slow (a
# prefix per DPI) and not part of the e2e run. The script fails
# when a window does not appear; it judges no pixels.
set -uo pipefail
program=$(realpath "$1")
out=$2
shift 2
dpis=("$@")
[ ${#dpis[@]} -gt 0 ] || dpis=(96 120 144 192)
mkdir -p "$out"
build=$(dirname "$(dirname "$program")")
here=$(dirname "$0")

title="Orvane Sudoku 1.0"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
note() { echo "dpi-screens: $*"; }

source "$here/../../scripts/wine-env.sh"
source "$here/xdotool-steps.sh"

# Waits until a message box shows: a second visible window with the
# program's title beside the main window; prints its id.
wait_box() { # main-window-id
  local box
  for _ in $(seq 1 100); do
    box=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | grep -v "^$1\$" | head -n 1 || true)
    [ -n "$box" ] && { echo "$box"; return 0; }
    sleep 0.1
  done
  return 1
}

shot() { # name
  wait_painted "$1" >/dev/null || true
  import -window root "$out/dpi-$dpi-$2.png"
  note "$out/dpi-$dpi-$2.png"
}

for dpi in "${dpis[@]}"; do
  (
    trap orvane_stop_all EXIT
    orvane_start_display "$((1280 * dpi / 96))x$((1024 * dpi / 96))" || exit 1
    orvane_use_wine win64 "$build/wineprefix-dpi$dpi" || exit 1
    orvane_set_prefix_dpi "$dpi" || exit 1
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    "$WINELOADER" "$program" </dev/null >/dev/null 2>&1 &
    game_pid=$!
    status=0
    main=$(wait_window "^$title\$") || { echo "FAIL: no main window at $dpi DPI" >&2; kill "$game_pid"; exit 1; }
    xdotool mousemove 0 0
    shot "$main" main

    key F10 Down
    shot "$main" menu
    key Escape Escape Escape

    # Quit's question, answered No.
    key F10 Down End Return
    if box=$(wait_box "$main"); then
      shot "$box" message
    else
      echo "FAIL: no message box at $dpi DPI" >&2; status=1
    fi
    key n

    key F10 Right Down Return
    if dialog=$(wait_window '^Open'); then
      shot "$dialog" open
      key Escape
      wait_gone '^Open' || { echo "FAIL: the Open dialog stayed at $dpi DPI" >&2; status=1; }
    else
      echo "FAIL: no Open dialog at $dpi DPI" >&2; status=1
    fi

    # A game, then Show Solution answered Yes.
    key F10 Down Return
    key F10 Right Down Down Down Down Return
    wait_box "$main" >/dev/null || { echo "FAIL: no question before the solution at $dpi DPI" >&2; status=1; }
    key Return
    if solution=$(wait_window '^Solution$'); then
      shot "$solution" solution
      xdotool windowclose "$solution" 2>/dev/null || key alt+F4
    else
      echo "FAIL: no solution window at $dpi DPI" >&2; status=1
    fi
    kill "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null
    exit "$status"
  ) || failures=$((failures + 1))
done
[ "$failures" -eq 0 ] || { echo "dpi-screens: $failures DPI runs failed" >&2; exit 1; }
