#!/usr/bin/env bash
# Opens the skin gallery under Wine as a skin author would, with xdotool, and
# keeps screenshots of it in the stored skin and in a package named on the
# command line, of the plain system dialog, of the open dialog and of the MDI
# demonstration with a maximized child.
#
#   gallery.sh orvane-skinview.exe PACKAGE.ssk OUTPUT-FOLDER
#
# Needs DISPLAY, WINEPREFIX and WINELOADER as play.sh does.
set -euo pipefail
program=$1
package=$2
out=$3
mkdir -p "$out"
rm -f "$out"/gallery-*.png

title="Orvane Skin Gallery"
gallery_pid=""
failures=0

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
note() { echo "e2e: $*"; }
cleanup() { [ -n "$gallery_pid" ] && kill "$gallery_pid" 2>/dev/null || true; }
trap cleanup EXIT
source "$(dirname "$0")/xdotool-steps.sh"

start() { # arguments of the gallery
  "${WINELOADER:-wine}" "$program" "$@" </dev/null >/dev/null 2>&1 &
  gallery_pid=$!
}
stop() {
  kill "$gallery_pid" 2>/dev/null || true
  wait "$gallery_pid" 2>/dev/null || true
  gallery_pid=""
}
shot() { # name
  sleep 0.6
  import -window root "$out/gallery-$1.png"
  note "screenshot: $out/gallery-$1.png"
}

# ---- the stored skin, with its dialogs
start
main=$(wait_window "^$title\$") || { fail "the gallery did not appear"; exit 1; }
sleep 1
xdotool mousemove 1 1
shot default
# Windows > Plain Controls Dialog (the fourth item)
key alt+w Down Down Down Return
if wait_window '^Plain Controls$' >/dev/null; then
  shot plain-dialog
  key Escape
  wait_gone '^Plain Controls$' || fail "the plain dialog stayed"
else
  fail "no plain controls dialog"
fi
# Windows > Open File Dialog (the second item)
key alt+w Down Return
if wait_window '^Open$' >/dev/null; then
  shot open-dialog
  key Escape
  wait_gone '^Open$' || fail "the open dialog stayed"
else
  fail "no open dialog"
fi
stop

# ---- a package named on the command line
windows_package="Z:${package//\//\\}"
start "$windows_package"
wait_window "^$title - $(basename "$package")\$" >/dev/null || fail "the gallery did not load $package"
sleep 1
shot package
stop

# ---- the MDI demonstration, its second child maximized
start --mdi
frame=$(wait_window "^$title - MDI\$") || { fail "the MDI demonstration did not appear"; exit 1; }
sleep 1
# A double click on the second child's title (it stands 40 pixels into the
# client area, below the frame's title and menu bar) maximizes it.
eval "$(xdotool getwindowgeometry --shell "$frame")"
xdotool mousemove $(( X + 150 )) $(( Y + 104 )); sleep 0.3
xdotool click --repeat 2 --delay 80 1; sleep 0.8
xdotool mousemove 1 1
shot mdi
stop

[ "$failures" -eq 0 ] || { echo "$failures failure(s)" >&2; exit 1; }
note "the gallery opened in both skins with its dialogs and its MDI demonstration"
