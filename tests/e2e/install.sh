#!/usr/bin/env bash
# The installer under Wine, as a player uses it:
#
#   install.sh SETUP.exe PROGRAM.exe OUTPUT-FOLDER [--pages]
#
# SETUP.exe is the release's installer, PROGRAM.exe the program it must
# install on this prefix's Windows (the 64-bit one on a 64-bit prefix, the
# 32-bit one on a 32-bit prefix). Needs DISPLAY, a prepared WINEPREFIX and its
# WINELOADER (scripts/wine-env.sh).
#
# For an all-users and a per-user installation: the installer runs silently;
# the program starts from its Start-menu shortcut; a saved game started
# through the ".std" association opens with its level in the caption; a
# damaged one shows its error box and the program stays usable; the silent
# uninstaller leaves no file, shortcut or registry entry of ours (listed
# before and after) and keeps the saved games.
#
# Then: a folder given with /D= is used in both modes; another program's
# ".std" default stays while the game is installed and after it is removed;
# with the installed game running (an older build of it), the silent
# upgrade and the silent uninstaller fail with a non-zero exit status and
# change nothing; the game closed, the upgrade puts this release in the same
# folder.
#
# --pages also clicks through the installer's pages and the uninstaller's
# question about saved games, and, with the game running, the uninstaller's
# question (Cancel), the installer's upgrade notice and its question (Retry
# once the game is closed), with screenshots in OUTPUT-FOLDER.
set -euo pipefail
setup=$1
program=$2
out=$3
pages=0
[ "${4:-}" = --pages ] && pages=1

# The installer is a 32-bit program. Where Wine runs no 32-bit program, the
# same installer built as a 64-bit program stands in for it
# (scripts/release.sh --test-installer-64, which scripts/test.sh asks for).
source "$(dirname "$0")/../../scripts/wine-env.sh"
if ! orvane_runs_win32; then
  version=$(basename "$setup" | sed -E 's/^OrvaneSudoku-(.*)-setup\.exe$/\1/')
  setup="$(dirname "$setup")/../release-test/OrvaneSudoku-$version-setup64.exe"
  echo "install: the 64-bit build of the installer ($orvane_win32_missing)"
fi
if [ ! -f "$setup" ]; then
  echo "install: $setup is missing: scripts/release.sh makes it (scripts/test.sh runs it)" >&2
  exit 77
fi
mkdir -p "$out"
rm -f "$out"/*.png

# No menu entries or MIME types in this machine's desktop: Wine would copy
# every shortcut and association there.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-};winemenubuilder.exe=d"
wine=${WINELOADER:-wine}

# Window name patterns: the game's main window and error boxes (the caption
# may name the level), the installer's and the uninstaller's windows.
title='Orvane Sudoku 1\.0'
caption="Orvane Sudoku 1.0"
version=$(basename "$setup" | sed -E 's/^OrvaneSudoku-(.*)-setup(64)?\.exe$/\1/')
setup_title="^Orvane Sudoku ${version//./\\.} Setup"
uninstall_title="^Orvane Sudoku ${version//./\\.} Uninstall"
drive=$WINEPREFIX/drive_c
install_dir="$drive/Program Files/Orvane Sudoku"
failures=0
tmp=$(mktemp -d)

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
note() { echo "install: $*"; }
cleanup() {
  "$wine" taskkill /F /IM OrvaneSudoku.exe >/dev/null 2>&1 || true
  rm -rf "$tmp"
}
trap cleanup EXIT

# Visible windows whose name matches the pattern, one id a line.
windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; }

wait_window() { # pattern [count]
  local id
  for _ in $(seq 1 150); do
    id=$(windows "$1" | head -n 1)
    if [ -n "$id" ] && [ "$(windows "$1" | wc -l)" -ge "${2:-1}" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}

wait_gone() {
  for _ in $(seq 1 150); do
    [ -z "$(windows "$1")" ] && return 0
    sleep 0.1
  done
  return 1
}

key() { xdotool key --delay 60 "$@"; sleep 0.3; }

# Closes the game as its title bar's close button does.
close_game() {
  "$wine" taskkill /IM OrvaneSudoku.exe >/dev/null 2>&1 || true
  wait_gone "^$title( - .*)?\$" || { fail "the game did not close"; "$wine" taskkill /F /IM OrvaneSudoku.exe >/dev/null 2>&1 || true; }
}

# Exports a registry key to a file. Returns 1 when the key is not there.
# reg.exe fails alike for a missing key and for a passing fault of a loaded
# Wine, so a failed export counts as "not there" only when queries agree;
# a key that is there but cannot be exported is written to the list as such,
# so that the comparison names it instead of reporting its entries gone.
export_key() { # key export-file list-file
  local try
  for try in 1 2 3 4 5; do
    rm -f "$2"
    "$wine" reg export "$1" "$2" /y >/dev/null 2>"$tmp/export.err" && [ -s "$2" ] && return 0
    if ! "$wine" reg query "$1" >/dev/null 2>&1 && ! "$wine" reg query "$1" >/dev/null 2>&1; then
      return 1
    fi
  done
  echo "${1%%\\*}: [$1] is there but could not be exported: $(tr -d '\r\n' <"$tmp/export.err")" >>"$3"
  return 1
}

# Everything of ours a player could find: files and folders outside the
# Windows folder and the temporary folders; the whole per-user registry and
# the machine-wide keys where an installer registers a program and a file
# type (exporting all of HKLM\Software takes seconds), each value line with
# its key, of every key that names us or ".std" and of every line naming us.
list_ours() { # output-file
  (cd "$drive" && find . -path ./windows -prune -o -ipath '*/temp' -prune -o -print | LC_ALL=C sort) >"$1.files"
  local key
  : >"$1.registry"
  for key in 'HKCU\Software' 'HKLM\Software\Classes\.std' 'HKLM\Software\Classes\OrvaneSudoku.SavedGame' \
    'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' \
    'HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall'; do
    export_key "$key" "$tmp/export.reg" "$1.registry" || continue # a key that is not there
    iconv -f UTF-16LE -t UTF-8 "$tmp/export.reg" | tr -d '\r' | awk -v hive="${key%%\\*}" '
      /^\[/ { key = $0; ours = tolower(key) ~ /orvane|\\\.std(\\|\])/; if (ours) print hive ": " key; next }
      NF && (ours || tolower($0) ~ /orvane/) { print hive ": " key " " $0 }' >>"$1.registry"
  done
  LC_ALL=C sort -u -o "$1.registry" "$1.registry"
}

# Fails unless two lists of ours (list_ours) hold the same files and registry
# lines. The player's data folder and everything in it (the saved games
# stay; its empty folders may go) and the folders named are left out.
same_lists() { # what before-list after-list [folder]...
  local what=$1 before=$2 after=$3 folder list
  shift 3
  local exclude=(-e '')
  for folder in "$@"; do exclude+=(-e "./${folder#"$drive/"}"); done
  for list in "$before" "$after"; do
    grep -v -x -F "${exclude[@]}" "$list.files" | grep -v -E '/AppData/Roaming/standard sudoku(/|$)' >"$list.rest" || true
  done
  if ! diff -u "$before.rest" "$after.rest" >"$tmp/diff"; then
    fail "$what: files"; grep '^[-+]\.' "$tmp/diff" | head -n 20 >&2
  fi
  if ! diff -u "$before.registry" "$after.registry" >"$tmp/diff"; then
    fail "$what: registry entries"; grep '^[-+][^-+]' "$tmp/diff" | head -n 20 >&2
  fi
}

# A registry value's data; empty when the value is not there. An empty name
# reads the key's default value.
reg_value() { # key value-name
  local name=(/v "$2")
  [ -n "$2" ] || name=(/ve)
  "$wine" reg query "$1" "${name[@]}" 2>/dev/null | tr -d '\r' |
    sed -n 's/^[[:space:]]\{1,\}[^[:space:]].*[[:space:]]REG_[A-Z_]*[[:space:]]*//p' | head -n 1
}

# A saved game of the given level in the saves folder: a valid solution, its
# givens on every other cell, the same digits on the board.
write_saved_game() { # path level
  local solution="" givens="" board="" x y d
  for x in $(seq 0 8); do
    for y in $(seq 0 8); do
      d=$(( (x * 3 + x / 3 + y) % 9 + 1 ))
      solution+=$d
      if [ $(( (x + y) % 2 )) = 1 ]; then givens+=1; board+=$d; else givens+=0; board+=0; fi
    done
  done
  printf '%s\r\n%s\r\n%s\r\n%s\r\n' "$solution" "$givens" "$board" "$2" >"$1"
}

saves_folder() {
  find "$drive/users" -maxdepth 5 -type d -path '*AppData/Roaming/standard sudoku/saves' 2>/dev/null | head -n 1
}

# Runs the uninstaller as Programs and Features' silent command does and
# waits for its copy in the temporary folder to finish.
uninstall_silently() { # registry-root install-folder
  local folder=$2 key="$1\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\OrvaneSudoku" quiet exe arguments
  quiet=$("$wine" reg query "$key" /v QuietUninstallString 2>/dev/null | tr -d '\r' |
    sed -n 's/.*QuietUninstallString[[:space:]]*REG_SZ[[:space:]]*//p')
  [ -n "$quiet" ] || { fail "no QuietUninstallString under $key"; return 1; }
  exe=${quiet#\"}; exe=${exe%%\"*}; arguments=${quiet#\"$exe\"}
  # shellcheck disable=SC2086
  "$wine" "$exe" $arguments </dev/null >/dev/null 2>&1 || fail "the uninstaller failed to start: $quiet"
  for _ in $(seq 1 300); do
    { [ -z "$folder" ] || [ ! -e "$folder" ]; } && ! "$wine" reg query "$key" >/dev/null 2>&1 && break
    sleep 0.1
  done
  sleep 1
}

# ---- one installation, silent, in the given mode
install_cycle() { # mode (AllUsers, CurrentUser) registry-root start-menu-folder play
  local mode=$1 root=$2 start_menu=$3 play=$4
  note "$mode: silent installation"
  list_ours "$tmp/before"

  "$wine" "$setup" /S "/$mode" </dev/null >/dev/null 2>&1 || fail "$mode: the silent installer failed"
  local installed=$install_dir
  if [ "$mode" = CurrentUser ]; then
    installed=$(find "$drive/users" -maxdepth 6 -type d -path '*AppData/Local/Programs/Orvane Sudoku' | head -n 1)
  fi
  [ -n "$installed" ] && [ -f "$installed/OrvaneSudoku.exe" ] || { fail "$mode: no program installed"; return; }
  cmp -s "$installed/OrvaneSudoku.exe" "$program" || fail "$mode: the installed program is not $program"
  local shortcut="$start_menu/Orvane Sudoku.lnk"
  [ -f "$shortcut" ] || fail "$mode: no Start-menu shortcut $shortcut"
  note "$mode: installed in ${installed#"$drive/"}, shortcut ${shortcut#"$drive/"}"

  list_ours "$tmp/during"
  local entry=(DisplayName '"Orvane Sudoku"' DisplayVersion "\"$version\"" Publisher '"Orvane"'
    DisplayIcon '"C:\\\\.*OrvaneSudoku.exe,0"' EstimatedSize 'dword:0000[0-9a-f]{4}')
  local i
  for ((i = 0; i < ${#entry[@]}; i += 2)); do
    grep -q -E "^$root: \[[^]]*\\\\Uninstall\\\\OrvaneSudoku\] \"${entry[i]}\"=${entry[i + 1]}\$" "$tmp/during.registry" ||
      fail "$mode: Programs and Features has no ${entry[i]}=${entry[i + 1]}"
  done
  grep -q -E "^$root: \[.*\\\\Classes\\\\OrvaneSudoku\.SavedGame\\\\shell\\\\open\\\\command\]" "$tmp/during.registry" ||
    fail "$mode: no open command for saved games"
  note "$mode: registry lines of ours: $(wc -l <"$tmp/before.registry") before, $(wc -l <"$tmp/during.registry") installed"

  # The program from its shortcut, as the Start menu starts it.
  "$wine" start /unix "$shortcut" </dev/null >/dev/null 2>&1 || fail "$mode: start of the shortcut failed"
  wait_window "^$title\$" >/dev/null || fail "$mode: the program did not start from its shortcut"
  local saves
  saves=$(saves_folder)
  [ -n "$saves" ] || { fail "$mode: the program made no saves folder"; close_game; return; }
  close_game

  local game="$saves/install test.std" damaged="$saves/install damaged.std"
  write_saved_game "$game" 2
  if [ "$play" = 1 ]; then
    # A saved game opened through its association: its level in the caption.
    "$wine" start /unix "$game" </dev/null >/dev/null 2>&1 || fail "start of a saved game failed"
    if wait_window "^$title - Hard\$" >/dev/null; then
      note "a saved game opened from its association: caption '$caption - Hard'"
    else
      fail "the saved game did not open with its level (windows: $(windows "^Orvane" | xargs -r -n1 xdotool getwindowname | tr '\n' '|'))"
    fi
    close_game

    # A damaged saved game: the error box over the main window, then the
    # game goes on.
    printf '12345678x\r\n' >"$damaged"
    "$wine" start /unix "$damaged" </dev/null >/dev/null 2>&1 || fail "start of a damaged saved game failed"
    local main box
    if wait_window "^$title\$" 2 >/dev/null; then
      sleep 0.5
      import -window root "$out/damaged-saved-game.png"
      note "the error box for a damaged saved game: $out/damaged-saved-game.png"
      for id in $(windows "^$title\$"); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        if [ "$WIDTH" -lt 517 ]; then box=$id; else main=$id; fi
      done
      [ -n "${box:-}" ] && [ -n "${main:-}" ] || fail "no error box beside the main window"
      key Return
      wait_gone_box() { for _ in $(seq 1 50); do [ "$(windows "^$title\$" | wc -l)" -le 1 ] && return 0; sleep 0.1; done; return 1; }
      wait_gone_box || fail "the error box stayed"
      if [ -n "${main:-}" ]; then
        xdotool windowfocus "$main" 2>/dev/null || true
        key F10 Down Down Return # New Game > Normal
        [ "$(xdotool getwindowname "$main")" = "$caption - Normal" ] ||
          fail "the program is not usable after the error: caption '$(xdotool getwindowname "$main")'"
      fi
    else
      fail "no error box for a damaged saved game"
    fi
    close_game
  fi
  local kept
  kept=$(cd "$saves" && find . -type f | LC_ALL=C sort)

  note "$mode: silent uninstallation"
  uninstall_silently "$root" "$installed"
  list_ours "$tmp/after"
  [ "$(cd "$saves" 2>/dev/null && find . -type f | LC_ALL=C sort)" = "$kept" ] ||
    fail "$mode: the saved games were not kept"
  # The saved games and their folders stay; everything else is as before.
  # So does the user's Programs folder, which a per-user installation makes
  # as Windows' known folder for per-user programs: it is not ours.
  same_lists "$mode: left or lost by the uninstaller" "$tmp/before" "$tmp/after" "${installed%/*}"
  note "$mode: after uninstalling: $(wc -l <"$tmp/after.registry") registry lines of ours, files as before but the kept saved games"
  rm -f "$game" "$damaged"
}

# ---- the pages a player clicks through, and the uninstaller's question
show_pages() {
  local saves game window
  note "installer pages"
  "$wine" "$setup" </dev/null >/dev/null 2>&1 &
  local setup_pid=$!
  window=$(wait_window "$setup_title") || { fail "the installer's window did not appear"; return; }
  sleep 1
  import -window "$window" "$out/installer-1-welcome.png"
  key Return
  sleep 0.7
  import -window "$window" "$out/installer-2-mode.png"
  key Return
  sleep 0.7
  import -window "$window" "$out/installer-3-folder.png"
  key Return # Install
  for _ in $(seq 1 100); do [ -f "$install_dir/uninstall.exe" ] && break; sleep 0.1; done
  sleep 1.5
  import -window "$window" "$out/installer-4-finish.png"
  key Return # Finish, with "Play Orvane Sudoku now" checked
  wait "$setup_pid" || fail "the installer ended with status $?"
  wait_window "^$title\$" >/dev/null || fail "the finish page did not start the game"
  close_game
  note "screenshots: $out/installer-*.png"

  saves=$(saves_folder)
  game="$saves/install pages.std"
  [ -n "$saves" ] && write_saved_game "$game" 0
  "$wine" "$install_dir/uninstall.exe" </dev/null >/dev/null 2>&1 || fail "the uninstaller did not start"
  window=$(wait_window "$uninstall_title") || { fail "the uninstaller's window did not appear"; return; }
  sleep 1
  key Return # Uninstall
  if wait_window "$uninstall_title" 2 >/dev/null; then
    sleep 0.5
    import -window root "$out/uninstaller-question.png"
    key Return # No, the default: the saved games stay
  else
    fail "the uninstaller did not ask about the saved games"
  fi
  for _ in $(seq 1 100); do [ ! -e "$install_dir" ] && break; sleep 0.1; done
  sleep 1
  key Return # Close
  wait_gone "$uninstall_title" || fail "the uninstaller's window stayed"
  [ -f "$game" ] || fail "the saved game went, though the player answered No"
  rm -f "$game"
}

# Windows' and this machine's names of a folder on drive C:.
unix_path() { local path=${1#C:\\}; echo "$drive/${path//\\//}"; }

# Runs a Windows command line as it is written, through a batch file, and
# returns its exit status. Wine quotes every argument that holds a space,
# and NSIS reads /D= and _?= only unquoted.
run_command_line() { # command-line
  local status=0
  printf '@%s\r\n@exit /b %%ERRORLEVEL%%\r\n' "$1" >"$drive/orvane-install-test.bat"
  "$wine" cmd /c 'C:\orvane-install-test.bat' </dev/null >/dev/null 2>&1 || status=$?
  rm -f "$drive/orvane-install-test.bat"
  return "$status"
}
windows_setup="\"Z:${setup//\//\\}\""

uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\OrvaneSudoku'

# ---- /D= names the folder, in both modes
given_folders() {
  local mode root folder unix location
  mkdir -p "$drive/Games" # the player's own folder, as it stays
  for mode in AllUsers CurrentUser; do
    root=HKLM folder='C:\Games\Orvane Sudoku'
    if [ "$mode" = CurrentUser ]; then root=HKCU folder='C:\Games\Sudoku for me'; fi
    unix=$(unix_path "$folder")
    list_ours "$tmp/before"
    # A folder with spaces: as NSIS reads it, unquoted and last, and as a
    # shell passes it, quoted.
    if [ "$mode" = AllUsers ]; then
      note "$mode: silent installation into $folder (\"/D=...\", quoted)"
      "$wine" "$setup" /S "/$mode" "/D=$folder" </dev/null >/dev/null 2>&1 || fail "$mode: the silent installer failed with /D="
    else
      note "$mode: silent installation into $folder (/D=...)"
      run_command_line "$windows_setup /S /$mode /D=$folder" || fail "$mode: the silent installer failed with /D="
    fi
    if [ ! -f "$unix/OrvaneSudoku.exe" ]; then
      fail "$mode: /D=$folder ignored: the program went to $(cd "$drive" && find . -path ./windows -prune -o -name OrvaneSudoku.exe -print | head -n 1)"
    fi
    location=$(reg_value "$root\\$uninstall_key" InstallLocation)
    [ "$location" = "$folder" ] || fail "$mode: Programs and Features names the folder '$location', not '$folder'"
    uninstall_silently "$root" "$unix"
    [ ! -e "$unix" ] || fail "$mode: $folder stayed after uninstalling"
    list_ours "$tmp/after"
    same_lists "$mode, /D=: left or lost by the uninstaller" "$tmp/before" "$tmp/after"
  done
  rm -rf "$drive/Games"
}

# ---- another program's association of ".std" stays whole
foreign_association() {
  local extension='HKLM\Software\Classes\.std' other='HKLM\Software\Classes\Other.Document' value
  note "a foreign .std association: kept while installed and after uninstalling"
  "$wine" reg add "$extension" /ve /d Other.Document /f >/dev/null 2>&1
  "$wine" reg add "$extension" /v "Content Type" /d text/plain /f >/dev/null 2>&1
  "$wine" reg add "$extension\\OpenWithProgids" /v Other.Document /d "" /f >/dev/null 2>&1
  "$wine" reg add "$other\\shell\\open\\command" /ve /d 'notepad.exe "%1"' /f >/dev/null 2>&1
  list_ours "$tmp/before"

  "$wine" "$setup" /S /AllUsers </dev/null >/dev/null 2>&1 || fail "the silent installer failed"
  value=$(reg_value "$extension" "")
  [ "$value" = Other.Document ] || fail "installing took the .std default: '$value', not Other.Document"
  "$wine" reg query "$extension\\OpenWithProgids" /v OrvaneSudoku.SavedGame >/dev/null 2>&1 ||
    fail "installing did not put the program among .std's Open-with programs"
  "$wine" reg query "$extension\\OpenWithProgids" /v Other.Document >/dev/null 2>&1 ||
    fail "installing removed the other program from .std's Open-with programs"

  uninstall_silently HKLM "$install_dir"
  list_ours "$tmp/after"
  value=$(reg_value "$extension" "")
  [ "$value" = Other.Document ] || fail "after uninstalling the .std default is '$value', not Other.Document"
  same_lists "the foreign association after uninstalling" "$tmp/before" "$tmp/after"
  "$wine" reg delete "$extension" /f >/dev/null 2>&1 || true
  "$wine" reg delete "$other" /f >/dev/null 2>&1 || true
}

# Fails unless the installed copy is as it was when the game started: the
# same program file, and the same files and registry entries of ours.
unchanged() { # what
  list_ours "$tmp/now"
  cmp -s "$running_folder/OrvaneSudoku.exe" "$tmp/previous.exe" || fail "$1: the installed program changed"
  same_lists "$1: changed" "$tmp/running" "$tmp/now"
}

# ---- the installed game running while it is upgraded or uninstalled, and
# an upgrade over an older copy
running_game() {
  local folder='C:\Program Files\Orvane Sudoku' older=0.9.0 status window setup_pid key="HKLM\\$uninstall_key"
  running_folder=$install_dir
  note "the installed game running: upgrade and uninstall"
  list_ours "$tmp/clean"
  "$wine" "$setup" /S /AllUsers </dev/null >/dev/null 2>&1 || { fail "the silent installer failed"; return; }
  # The previous build: an older version in Programs and Features and a
  # program that differs from this release's.
  "$wine" reg add "$key" /v DisplayVersion /d "$older" /f >/dev/null 2>&1
  printf 'the previous build' >>"$running_folder/OrvaneSudoku.exe"
  cp "$running_folder/OrvaneSudoku.exe" "$tmp/previous.exe"
  "$wine" "$running_folder/OrvaneSudoku.exe" </dev/null >/dev/null 2>&1 &
  wait_window "^$title\$" >/dev/null || { fail "the installed game did not start"; return; }
  list_ours "$tmp/running"

  # Silently: a failure after a few seconds, and nothing changed.
  status=0
  "$wine" "$setup" /S /AllUsers </dev/null >/dev/null 2>&1 || status=$?
  note "silent upgrade while the game runs: exit status $status"
  [ "$status" != 0 ] || fail "the silent upgrade over the running game reported success"
  unchanged "the silent upgrade over the running game"
  # "_?=" runs the uninstaller where it is, so that its exit status is seen.
  status=0
  run_command_line "\"$folder\\uninstall.exe\" /AllUsers /S _?=$folder" || status=$?
  note "silent uninstallation while the game runs: exit status $status"
  [ "$status" != 0 ] || fail "the silent uninstallation with the game running reported success"
  unchanged "the silent uninstallation with the game running"

  if [ "$pages" = 1 ]; then
    # The uninstaller asks; Cancel leaves everything.
    "$wine" "$running_folder/uninstall.exe" </dev/null >/dev/null 2>&1 &
    if wait_window "$uninstall_title" >/dev/null; then
      sleep 1
      key Return # Uninstall
      if wait_window "$uninstall_title" 2 >/dev/null; then
        sleep 0.5
        import -window root "$out/uninstaller-game-running.png"
        key Escape # Cancel
      else
        fail "the uninstaller did not ask to close the running game"
      fi
      if ! wait_gone "$uninstall_title"; then
        fail "the uninstaller stayed after Cancel"
        key Return # Close, where it went on
        wait_gone "$uninstall_title" || true
      fi
    else
      fail "the uninstaller's window did not appear"
    fi
    unchanged "the uninstaller cancelled while the game runs"

    # The installer names the installed version and upgrades it in place:
    # Upgrade on the first page, then the question, Retry once the game is
    # closed.
    "$wine" "$setup" </dev/null >/dev/null 2>&1 &
    setup_pid=$!
    if window=$(wait_window "$setup_title"); then
      sleep 1
      import -window "$window" "$out/installer-upgrade-notice.png"
      key Return # Upgrade
      if wait_window "$setup_title" 2 >/dev/null; then
        sleep 0.5
        import -window root "$out/installer-game-running.png"
        unchanged "the installer's question about the running game"
        close_game
        # Retry; again if the closing game still held its file.
        for _ in $(seq 1 100); do
          cmp -s "$running_folder/OrvaneSudoku.exe" "$program" && break
          [ "$(windows "$setup_title" | wc -l)" -ge 2 ] && key Return
          sleep 0.1
        done
        sleep 1.5
        import -window "$window" "$out/installer-upgrade-finish.png"
        key Return # Finish, with "Play Orvane Sudoku now" checked
        wait_window "^$title\$" >/dev/null || fail "the upgraded game did not start from the finish page"
      else
        fail "the upgrade did not ask to close the running game (or showed another page)"
      fi
      close_game
      for _ in $(seq 1 100); do kill -0 "$setup_pid" 2>/dev/null || break; sleep 0.1; done
      if kill -0 "$setup_pid" 2>/dev/null; then
        fail "the upgrading installer did not end"
        kill "$setup_pid" 2>/dev/null || true
      fi
      wait "$setup_pid" || fail "the upgrading installer ended with status $?"
      note "screenshots: $out/installer-upgrade-*.png, installer-game-running.png, uninstaller-game-running.png"
    else
      fail "the installer's window did not appear"
      close_game
    fi
  else
    close_game
    "$wine" "$setup" /S /AllUsers </dev/null >/dev/null 2>&1 || fail "the silent upgrade failed once the game was closed"
  fi
  cmp -s "$running_folder/OrvaneSudoku.exe" "$program" || fail "the upgrade did not put this release's program in $folder"
  [ "$(reg_value "$key" DisplayVersion)" = "$version" ] || fail "Programs and Features still names version $(reg_value "$key" DisplayVersion)"
  [ "$(reg_value "$key" InstallLocation)" = "$folder" ] || fail "the upgrade moved the program to $(reg_value "$key" InstallLocation)"

  uninstall_silently HKLM "$running_folder"
  list_ours "$tmp/after"
  same_lists "the upgraded copy after uninstalling" "$tmp/clean" "$tmp/after"
}

# An installation left by a run that failed half-way goes first, so that the
# lists before each installation hold nothing of ours.
for root in HKLM HKCU; do
  if "$wine" reg query "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\OrvaneSudoku" >/dev/null 2>&1; then
    note "removing the installation an earlier run left ($root)"
    uninstall_silently "$root" ""
  fi
done
# So do the folders and the foreign association that the cases below make.
rm -rf "$drive/Games"
if [ "$(reg_value 'HKLM\Software\Classes\.std' "")" = Other.Document ]; then
  "$wine" reg delete 'HKLM\Software\Classes\.std' /f >/dev/null 2>&1 || true
  "$wine" reg delete 'HKLM\Software\Classes\Other.Document' /f >/dev/null 2>&1 || true
fi

[ "$pages" = 1 ] && show_pages
common_start_menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs"
install_cycle AllUsers HKLM "$common_start_menu" 1
user_start_menu=$(find "$drive/users" -maxdepth 7 -type d -path '*AppData/Roaming/Microsoft/Windows/Start Menu/Programs' | grep -v /Public/ | head -n 1)
install_cycle CurrentUser HKCU "$user_start_menu" 0
given_folders
foreign_association
running_game

if [ "$failures" -gt 0 ]; then
  echo "install: $failures failure(s)" >&2
  exit 1
fi
note "installed, played and uninstalled"
