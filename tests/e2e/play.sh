#!/usr/bin/env bash
# Plays the real program under Wine as a player would, with xdotool, and keeps
# screenshots of the main window, the solution window, the save dialog, the
# Quit question, the Play menu, a board full of candidate marks, the
# highlights, the three presses of a hint and the Statistics window.
#
#   play.sh PROGRAM.exe OUTPUT-FOLDER
#
# Needs DISPLAY (an X server such as Xvfb), WINEPREFIX (a prepared prefix, see
# scripts/wine-env.sh) and WINELOADER (the loader for the program's
# architecture; Debian's `wine` wrapper is used only when it is unset). What the player did is checked through the window
# captions, the saved game files and the pixels of the screenshots.
set -euo pipefail
program=$1
out=$2
mkdir -p "$out"
rm -f "$out"/*.png

title="Orvane Sudoku 1.0"
game_pid=""
failures=0

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
note() { echo "e2e: $*"; }
cleanup() { [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true; }
trap cleanup EXIT

source "$(dirname "$0")/xdotool-steps.sh"

# Menu commands by keyboard: F10 enters the menu bar, arrows choose.
menu_new_game() { # level index 0..4
  key F10 Down
  for _ in $(seq 1 "$1"); do key Down; done
  key Return
}
menu_tools() { # item index: 0 Open, 1 Save, 2 Restart, 3 Show Solution, 4 Print
  key F10 Right Down
  for _ in $(seq 1 "$1"); do key Down; done
  key Return
}
menu_play() { # item index: 0 Undo, 1 Redo, 2 Notes, 3 Toggle mark, 4 Fill candidates, 5 Hint, 6 Puzzle info,
              # 7 Statistics, 8 Resume Last Game, 9 Highlight, 10 Auto-clean notes (separators are skipped)
  key F10 Right Right Down
  for _ in $(seq 1 "$1"); do key Down; done
  key Return
}

# The saves folder of the prefix's user.
saves_folder() {
  find "$WINEPREFIX/drive_c/users" -type d -path '*standard sudoku/saves' 2>/dev/null | head -n 1
}

save_as() { # file name without folder
  menu_tools 1
  local dialog
  dialog=$(wait_window '^Save') || { fail "no save dialog"; return 1; }
  sleep 0.5
  if [ ! -f "$out/save-dialog.png" ]; then
    import -window root "$out/save-dialog.png"
    note "screenshot of the save dialog: $out/save-dialog.png"
  fi
  xdotool type --delay 40 "$1"
  key Return
  wait_gone '^Save' || fail "the save dialog stayed"
}

open_file() {
  menu_tools 0
  wait_window '^Open' >/dev/null || { fail "no open dialog"; return 1; }
  sleep 0.5
  xdotool type --delay 40 "$1"
  key Return
  wait_gone '^Open' || fail "the open dialog stayed"
}

# Screen position of client point (x, y) of the main window: the frame is
# the same width left, right and below; the caption and menu bar are above.
client_origin() {
  eval "$(xdotool getwindowgeometry --shell "$main")"
  border=$(( (WIDTH - 517) / 2 ))
  origin_x=$(( X + border ))
  origin_y=$(( Y + HEIGHT - 484 - border ))
}

# The centre of cell (column, row) of the main board, in screen coordinates.
# The board stands at (11, 16) in Panel1, which is one pixel inside Panel5.
cell_point() {
  local starts=(0 2 51 101 151 201 251 301 351 401)
  cell_x=$(( origin_x + 1 + 11 + ${starts[$1]} + 24 ))
  cell_y=$(( origin_y + 1 + 16 + ${starts[$2]} + 24 ))
}

click_cell() {
  cell_point "$1" "$2"
  xdotool mousemove "$cell_x" "$cell_y"; sleep 0.3
  xdotool click 1; sleep 0.3
}

# Digit buttons: one column of 34-pixel buttons at the right, digit 1 first.
click_digit_button() {
  local index=$(( $1 == 0 ? 9 : $1 - 1 ))
  xdotool mousemove $(( origin_x + 479 + 19 )) $(( origin_y + index * 34 + 17 )); sleep 0.2
  xdotool click 1; sleep 0.3
}

click_check_button() {
  xdotool mousemove $(( origin_x + 479 + 19 )) $(( origin_y + 10 * 34 + 17 )); sleep 0.2
  xdotool click 1; sleep 0.5
}

pixel() { # file x y -> "r,g,b"
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# Checks the main window's layout on its screenshot: the board's outer lines
# lie at 1 and 449 inside a 450-pixel board at (11, 16) of Panel1, that is
# (12, 17) of the client area; the tool bar's column starts at x = 479.
measure_layout() {
  local shot=$1 left top
  left=$(( origin_x - X + 12 ))
  top=$(( origin_y - Y + 17 ))
  local -A expect=(
    ["$(( left + 1 )),$(( top + 25 ))"]="0,0,0"      # left frame line
    ["$(( left + 449 )),$(( top + 25 ))"]="0,0,0"    # right frame line
    ["$(( left + 25 )),$(( top + 1 ))"]="0,0,0"      # top frame line
    ["$(( left + 25 )),$(( top + 449 ))"]="0,0,0"    # bottom frame line
    ["$(( left + 25 )),$(( top + 150 ))"]="0,0,0"    # box line
  )
  local point
  for point in "${!expect[@]}"; do
    [ "$(pixel "$shot" "${point%,*}" "${point#*,}")" = "${expect[$point]}" ] || fail "no board line at $point of $shot"
  done
  [ "$(pixel "$shot" $(( left - 1 )) $(( top + 25 )))" != "0,0,0" ] || fail "the board starts left of (11, 16)"
  [ "$(pixel "$shot" $(( left + 450 )) $(( top + 25 )))" != "0,0,0" ] || fail "the board is wider than 450"
  note "layout: window ${WIDTH}x${HEIGHT} with its frame; board lines found for a 450x450 board at (11, 16) of Panel1"
}

# ---- start, with the Play menu's settings as at a first start, no
# statistics and no game kept
for name in settings.txt statistics.txt lastgame.std; do
  find "$WINEPREFIX/drive_c/users" -path "*standard sudoku/$name" -delete 2>/dev/null || true
done
"${WINELOADER:-wine}" "$program" </dev/null >/dev/null 2>&1 &
game_pid=$!
main=$(wait_window "^$title\$") || { fail "the main window did not appear"; exit 1; }
sleep 1
client_origin
note "main window $main, client area at ($origin_x, $origin_y)"
saves=$(saves_folder)
[ -n "$saves" ] || fail "the saves folder was not created"
rm -f "$saves"/e2e-*.std

# ---- New Game Normal
xdotool mousemove "$origin_x" "$origin_y"
menu_new_game 1
caption=$(xdotool getwindowname "$main")
[ "$caption" = "$title - Normal" ] || fail "caption after New Game Normal: '$caption'"
note "caption: $caption"

# The puzzle as the program saved it: line 1 the solution, line 2 the givens.
save_as e2e-start
start="$saves/e2e-start.std"
[ -f "$start" ] || { fail "Save wrote no file"; exit 1; }
solution=$(sed -n 1p "$start" | tr -d '\r')
givens=$(sed -n 2p "$start" | tr -d '\r')
open_cells=()
for p in $(seq 0 80); do
  [ "${givens:$p:1}" = 0 ] && open_cells+=("$p")
done
[ "${#open_cells[@]}" -ge 2 ] || fail "fewer than two open cells"
first=${open_cells[0]}; second=${open_cells[1]}
first_x=$(( first / 9 + 1 )); first_y=$(( first % 9 + 1 ))
second_x=$(( second / 9 + 1 )); second_y=$(( second % 9 + 1 ))
right_digit=${solution:$first:1}
wrong_digit=$(( right_digit % 9 + 1 ))
typed_digit=${solution:$second:1}

# ---- a click with a chosen digit (a wrong one), a typed digit (a right one)
click_digit_button "$wrong_digit"
click_cell "$first_x" "$first_y"
cell_point "$second_x" "$second_y"
xdotool mousemove "$cell_x" "$cell_y"; sleep 0.3
key "$typed_digit"

# ---- a digit typed with the pointer far outside the window lands nowhere
third=${open_cells[2]:-$second}
cell_point $(( third / 9 + 1 )) $(( third % 9 + 1 ))
xdotool mousemove "$cell_x" "$cell_y"; sleep 0.3
xdotool mousemove 1270 1010; sleep 1
key 5

# ---- Check Error: the wrong cell turns red
click_check_button
import -window root "$out/check-error-screen.png"
cell_point "$first_x" "$first_y"
red=$(pixel "$out/check-error-screen.png" $(( cell_x - 20 )) $(( cell_y - 20 )))
[ "$red" = "255,0,0" ] || fail "the wrong cell is not red after Check Error ($red)"
cell_point "$second_x" "$second_y"
white=$(pixel "$out/check-error-screen.png" $(( cell_x - 20 )) $(( cell_y - 20 )))
[ "$white" = "255,255,255" ] || fail "the right cell is not white after Check Error ($white)"

# ---- Save, New Game, Open: the same board comes back
save_as e2e-played
played="$saves/e2e-played.std"
board=$(sed -n 3p "$played" | tr -d '\r')
[ "${board:$first:1}" = "$wrong_digit" ] || fail "the clicked digit is not in the saved game"
[ "${board:$second:1}" = "$typed_digit" ] || fail "the typed digit is not in the saved game"
for p in "${open_cells[@]}"; do
  [ "$p" = "$first" ] || [ "$p" = "$second" ] || [ "${board:$p:1}" = 0 ] ||
    fail "a digit typed with the pointer outside the window landed in cell $p"
done
[ "$(sed -n 4p "$played" | tr -d '\r')" = 1 ] || fail "the saved level is not Normal"
menu_new_game 3
[ "$(xdotool getwindowname "$main")" = "$title - Expert" ] || fail "New Game Expert"
open_file e2e-played
caption=$(xdotool getwindowname "$main")
[ "$caption" = "$title - Normal" ] || fail "caption after Open: '$caption'"
xdotool mousemove $(( origin_x + 476 )) $(( origin_y + 2 )); sleep 0.5
import -window "$main" "$out/main-window.png"
note "screenshot of the main window: $out/main-window.png"
measure_layout "$out/main-window.png"

# ---- the skinned menus: both drop-downs and the system menu at the icon
# Escape closes a drop-down and leaves its item highlighted on the bar, as
# on Windows; a second Escape leaves the bar.
key F10 Down
import -window root "$out/menu-new-game.png"
key Escape Escape
key F10 Right Down
import -window root "$out/menu-tools.png"
key Escape Escape
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $(( X + 12 )) $(( Y + 12 )); sleep 0.3
xdotool click 1; sleep 0.8
import -window root "$out/system-menu.png"
key Escape
xdotool mousemove $(( origin_x + 476 )) $(( origin_y + 2 )); sleep 0.3
[ "$(xdotool getwindowname "$main")" = "$title - Normal" ] || fail "a menu opened for a screenshot changed the game"
note "screenshots of the menus: $out/menu-new-game.png, $out/menu-tools.png, $out/system-menu.png"
save_as e2e-reopened
cmp -s "$played" "$saves/e2e-reopened.std" || fail "the reopened game saves differently"

# ---- the Play menu: candidates, notes, undo, the arrows, highlights
key F10 Right Right Down
import -window root "$out/menu-play.png"
note "screenshot of the Play menu: $out/menu-play.png"
key Escape Escape
xdotool mousemove $(( origin_x + 476 )) $(( origin_y + 2 )); sleep 0.3

# Whether two cells (file positions 0..80) share a row, a column or a box.
same_unit() {
  local ax=$(( $1 / 9 )) ay=$(( $1 % 9 )) bx=$(( $2 / 9 )) by=$(( $2 % 9 ))
  [ "$ax" = "$bx" ] || [ "$ay" = "$by" ] || { [ $(( ax / 3 )) = $(( bx / 3 )) ] && [ $(( ay / 3 )) = $(( by / 3 )) ]; }
}
# Field p (0..80) of a saved game's marks line.
marks_field() { sed -n 5p "$1" | tr -d '\r' | sed 's/^Marks://' | cut -d, -f$(( $2 + 1 )); }

menu_play 4 # Fill candidates
sleep 0.5
import -window "$main" "$out/candidates.png"
note "screenshot of a board full of marks: $out/candidates.png"
save_as e2e-candidates
candidates="$saves/e2e-candidates.std"
marks_line=$(sed -n 5p "$candidates" | tr -d '\r')
[ "${marks_line:0:6}" = "Marks:" ] || fail "Fill candidates saved no marks line: '${marks_line:0:20}'"
[ "$(sed -n 1,4p "$candidates")" = "$(sed -n 1,4p "$played")" ] || fail "Fill candidates changed the four lines"
board=$(sed -n 3p "$candidates" | tr -d '\r')
for p in $(seq 0 80); do
  field=$(marks_field "$candidates" "$p")
  if [ "${board:$p:1}" != 0 ]; then
    [ -z "$field" ] || fail "cell $p shows a digit and got marks '$field'"
    continue
  fi
  [ -n "$field" ] || fail "the empty cell $p got no candidates"
  # A cell away from the wrong digit keeps its solution among its candidates.
  same_unit "$p" "$first" || [[ "$field" == *"${solution:$p:1}"* ]] ||
    fail "cell $p lacks its solution ${solution:$p:1} among '$field'"
done

# Note mode: a typed digit toggles a mark; off again, a digit enters and
# takes its marks off its row, column and box; Ctrl+Z takes both back.
fourth=${open_cells[3]}; fifth=${open_cells[4]}
fifth_digit=${solution:$fifth:1}
toggled=$(marks_field "$candidates" "$fourth" | cut -c1)
key ctrl+m
cell_point $(( fourth / 9 + 1 )) $(( fourth % 9 + 1 ))
xdotool mousemove "$cell_x" "$cell_y"; sleep 0.3
key "$toggled"
key ctrl+m
cell_point $(( fifth / 9 + 1 )) $(( fifth % 9 + 1 ))
xdotool mousemove "$cell_x" "$cell_y"; sleep 0.3
key "$fifth_digit"
xdotool mousemove $(( origin_x + 476 )) $(( origin_y + 2 )); sleep 0.3
save_as e2e-notes
notes="$saves/e2e-notes.std"
[ "$(sed -n 3p "$notes" | tr -d '\r' | cut -c$(( fifth + 1 )))" = "$fifth_digit" ] ||
  fail "the digit after note mode did not enter"
[[ "$(marks_field "$notes" "$fourth")" != *"$toggled"* ]] || fail "note mode did not toggle mark $toggled off"
for p in $(seq 0 80); do
  [ "$p" != "$fifth" ] && same_unit "$p" "$fifth" && [[ "$(marks_field "$notes" "$p")" == *"$fifth_digit"* ]] &&
    fail "auto-clean left mark $fifth_digit in cell $p"
done
key ctrl+z
key ctrl+z
save_as e2e-undone
cmp -s "$candidates" "$saves/e2e-undone.std" || fail "two undos did not give the board of Fill candidates back"
key ctrl+y
key ctrl+y

# Highlight on; the first arrow selects the open cell nearest the centre and
# a typed digit goes into it with the pointer outside the board.
menu_play 9 # Highlight
nearest="" nearest_distance=999
for y in $(seq 0 8); do
  for x in $(seq 0 8); do
    p=$(( 9 * x + y ))
    [ "${givens:$p:1}" = 0 ] || continue
    d=$(( (x - 4) * (x - 4) + (y - 4) * (y - 4) ))
    [ "$d" -lt "$nearest_distance" ] && { nearest=$p; nearest_distance=$d; }
  done
done
key Right
key "${solution:$nearest:1}"
sleep 0.5
import -window "$main" "$out/highlights.png"
note "screenshot of the highlights: $out/highlights.png"
eval "$(xdotool getwindowgeometry --shell "$main")"
nx=$(( nearest / 9 + 1 )); ny=$(( nearest % 9 + 1 ))
for x in $(seq 1 9); do
  q=$(( 9 * (x - 1) + ny - 1 ))
  [ "$q" = "$nearest" ] && continue
  cell_point "$x" "$ny"
  shade=$(pixel "$out/highlights.png" $(( cell_x - X - 21 )) $(( cell_y - Y - 21 )))
  if [ "${givens:$q:1}" = 1 ] && [ "${solution:$q:1}" != "${solution:$nearest:1}" ]; then
    [ "$shade" = "220,234,247" ] || fail "cell ($x, $ny) of the selected row is not shaded ($shade)"
  fi
done
menu_play 9 # Highlight off again, as the player found it

# ---- Hint: three presses of Ctrl+H on the puzzle as it started (no wrong
# digit on the board): the technique and its region, the cells and
# candidates, the step carried out; the hint's own window beside the board.
open_file e2e-start
xdotool mousemove $(( origin_x + 476 )) $(( origin_y + 2 )); sleep 0.3
hint_window=""
shown=""
for press in 1 2 3; do
  key ctrl+h
  hint_window=$(wait_window '^Hint$') || { fail "hint press $press showed no hint window"; break; }
  wait_painted "$hint_window" "$shown" || fail "hint press $press did not change the hint window"
  shown=$(window_print "$hint_window")
  import -window root "$out/hint-$press.png"
done
note "screenshots of the three hint presses: $out/hint-1.png, $out/hint-2.png, $out/hint-3.png"
save_as e2e-hinted
hinted=$(sed -n 3p "$saves/e2e-hinted.std" | tr -d '\r')
started=$(sed -n 3p "$start" | tr -d '\r')
changed=0
for p in $(seq 0 80); do
  [ "${hinted:$p:1}" = "${started:$p:1}" ] && continue
  changed=$((changed + 1))
  [ "${hinted:$p:1}" = "${solution:$p:1}" ] || fail "the hint put ${hinted:$p:1} into cell $p, whose solution is ${solution:$p:1}"
done
# The third press places a digit, or takes out candidates (then as marks).
[ "$changed" = 1 ] || [ "$(sed -n 5p "$saves/e2e-hinted.std" | cut -c1-6)" = "Marks:" ] ||
  fail "the third hint press changed $changed cells and left no marks"

# ---- Statistics: the levels' figures and the current game's time
menu_play 7
if statistics_window=$(wait_window '^Statistics$'); then
  wait_painted "$statistics_window" || true
  import -window root "$out/statistics.png"
  note "screenshot of the Statistics window: $out/statistics.png"
  key Escape
  wait_gone '^Statistics$' || fail "Escape did not close the Statistics window"
else
  fail "the Statistics window did not appear"
fi

# ---- Show Solution
menu_tools 3
wait_window "^$title\$" >/dev/null || true
key Return # Yes
solution_window=$(wait_window '^Solution$') || fail "the solution window did not appear"
if [ -n "${solution_window:-}" ]; then
  wait_painted "$solution_window" || true
  import -window "$solution_window" "$out/solution-window.png"
  note "screenshot of the solution window: $out/solution-window.png"
  key alt+F4
  wait_gone '^Solution$' || fail "the solution window did not close"
fi

# ---- Quit, answered Yes
menu_new_game 5 # the separator is skipped
wait_window "^$title\$" >/dev/null || true
sleep 0.5
import -window root "$out/quit-question.png"
note "screenshot of the Quit question: $out/quit-question.png"
key Return # Yes
for _ in $(seq 1 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$game_pid" 2>/dev/null; then fail "the program did not end after Quit"; else game_pid=""; fi

rm -f "$saves"/e2e-*.std
if [ "$failures" -gt 0 ]; then
  echo "e2e: $failures failure(s)" >&2
  exit 1
fi
note "played a whole game"
