# Shared by the run and test scripts: an Xvfb display and private Wine prefixes
# for the 32-bit and the 64-bit program. Source it, then:
#
#   orvane_start_display          Xvfb on a free display number, exports DISPLAY
#   orvane_runs_win32             true where this machine runs 32-bit Windows
#                                 programs; otherwise $orvane_win32_missing says why
#   orvane_use_wine ARCH PREFIX   ARCH is win32 or win64: chooses the loader,
#                                 prepares PREFIX and starts its wineserver
#   orvane_stop_all               stops every wineserver and the Xvfb started here
#
# Debian's `wine` wrapper starts the 32-bit loader whenever its file exists,
# even where the kernel cannot run 32-bit programs, so these functions choose
# the loader themselves and export it as WINELOADER. A WINELOADER set before
# sourcing this file names the 64-bit loader; ORVANE_WINE32_LOADER the 32-bit.
# Everything started here is stopped by its PID or its prefix.

export WINEDEBUG=-all
# No Mono or Gecko prompts; and no debugger: a crashed program ends at once
# with an error code, instead of waiting in winedbg behind a crash dialog
# that the next test would find among its own windows.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"

orvane_wine32_loader=${ORVANE_WINE32_LOADER:-/usr/lib/wine/wine}
orvane_wine64_loader=${WINELOADER:-/usr/lib/wine/wine64}
orvane_xvfb_pid=""
orvane_prefixes=()
orvane_win32_checked=""
orvane_win32_missing=""

# Runs one set-up step. On failure it prints the step, the command, its exit
# status and the end of its output, says how to look further and returns the
# status, so that a script under `set -e` ends with a message, not silently.
orvane_step() {
  local what=$1; shift
  local log status
  log=$(mktemp)
  if "$@" >"$log" 2>&1; then
    rm -f "$log"
    return 0
  else
    status=$?
  fi
  {
    echo "wine set-up failed: $what"
    echo "  command: $*"
    echo "  exit status: $status"
    if [ -s "$log" ]; then
      echo "  its output (last lines):"
      tail -n 15 "$log" | sed 's/^/    /'
    else
      echo "  it printed nothing"
    fi
    echo "  to look further: run the command by hand with WINEDEBUG=err+all,warn+all"
    echo "  (WINEPREFIX=${WINEPREFIX:-unset} WINEARCH=${WINEARCH:-unset} WINELOADER=${WINELOADER:-unset})"
  } >&2
  rm -f "$log"
  return "$status"
}

# Asks once whether the 32-bit loader runs here. Kernels built without 32-bit
# support refuse it with "Exec format error"; the reason is kept for the caller.
orvane_runs_win32() {
  if [ -z "$orvane_win32_checked" ]; then
    orvane_win32_checked=1
    local out
    if [ ! -x "$orvane_wine32_loader" ]; then
      orvane_win32_missing="the 32-bit Wine loader $orvane_wine32_loader is not installed"
    elif ! out=$("$orvane_wine32_loader" --version 2>&1); then
      orvane_win32_missing="the 32-bit Wine loader $orvane_wine32_loader does not start: $(echo "$out" | tail -n 1)"
    fi
  fi
  [ -z "$orvane_win32_missing" ]
}

# Starts Xvfb on the first free display number from 90 up and exports DISPLAY.
# The screen is 1280x1024 unless a size (e.g. 2560x2048) is given.
orvane_start_display() {
  local size=${1:-1280x1024}
  local n
  for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
      orvane_xvfb_pid=$!
      local i
      for i in $(seq 1 50); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.1
      done
      if ! kill -0 "$orvane_xvfb_pid" 2>/dev/null; then
        orvane_xvfb_pid=""
        continue
      fi
      export DISPLAY=":$n"
      return 0
    fi
  done
  echo "wine set-up failed: no free X display number between :90 and :140 for Xvfb" >&2
  return 1
}

# Chooses the loader for ARCH (win32 or win64) and prepares PREFIX with it.
orvane_use_wine() {
  local arch=$1 prefix=$2
  case "$arch" in
    win32) export WINELOADER=$orvane_wine32_loader ;;
    win64) export WINELOADER=$orvane_wine64_loader ;;
    *) echo "orvane_use_wine: unknown architecture '$arch' (win32 or win64)" >&2; return 2 ;;
  esac
  export WINEARCH=$arch
  orvane_prepare_prefix "$prefix"
}

# Creates the Wine prefix once and keeps its wineserver running, so that each
# later program start costs tens of milliseconds instead of seconds.
orvane_prepare_prefix() {
  export WINEPREFIX="$1"
  if [ ! -x "$WINELOADER" ]; then
    echo "wine set-up failed: the Wine loader '$WINELOADER' for $WINEARCH does not exist or cannot be run" >&2
    echo "  install Debian's wine64 (and wine32:i386 for the 32-bit program), or unset WINELOADER" >&2
    return 1
  fi
  local ready="$WINEPREFIX/.orvane-ready-$WINEARCH"
  orvane_prefixes+=("$WINEPREFIX")
  if [ ! -f "$ready" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    orvane_step "create the $WINEARCH prefix $WINEPREFIX" "$WINELOADER" wineboot.exe -i </dev/null || return
    orvane_step "wait for the prefix's first start" wineserver -w || return
    # Unmanaged windows: no window manager runs, and managed windows make
    # Wine wait about two seconds for every top-level window it destroys.
    orvane_step "set the X11 driver's Managed value" "$WINELOADER" reg.exe add 'HKCU\Software\Wine\X11 Driver' \
      /v Managed /t REG_SZ /d N /f </dev/null || return
    orvane_step "wait for the registry to be written" wineserver -w || return
    # The system caption buttons need the Marlett font.
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    orvane_step "copy the Marlett font into the prefix" \
      cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" || return
    touch "$ready"
  fi
  orvane_step "start the prefix's wineserver" wineserver -p || return
  # Start Wine's system processes (services, devices, RPC) now, detached from
  # every pipe: started by the first test instead, they would inherit its
  # output pipe and ctest would wait for them until its timeout.
  orvane_step "start Wine's system processes in $WINEPREFIX" "$WINELOADER" cmd.exe /c exit </dev/null
}

# Sets the screen DPI of the prefix in use to DPI (96, 120, 144, 192, ...):
# the LogPixels value that Wine's windows and fonts take at start. The
# prefix's wineserver restarts so that no process of it keeps the old value.
# Use a prefix of its own per DPI (e.g. build/win64/wineprefix-dpi144), so
# that the 96-DPI prefix of the other tests stays as it is.
orvane_set_prefix_dpi() {
  local dpi=$1
  local marker="$WINEPREFIX/.orvane-dpi"
  if [ -f "$marker" ] && [ "$(cat "$marker")" = "$dpi" ]; then
    return 0
  fi
  orvane_step "set the prefix's DPI (LogPixels) to $dpi" "$WINELOADER" reg.exe add 'HKCU\Control Panel\Desktop' \
    /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null || return
  wineserver -k >/dev/null 2>&1 || true
  orvane_step "wait for the registry to be written" wineserver -w || return
  echo "$dpi" >"$marker"
  orvane_step "start the prefix's wineserver again" wineserver -p || return
  orvane_step "start Wine's system processes in $WINEPREFIX" "$WINELOADER" cmd.exe /c exit </dev/null
}

# Stops the wineserver of the prefix in use, so that the next prefix starts clean.
orvane_stop_prefix() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    wineserver -k >/dev/null 2>&1 || true
  fi
}

orvane_stop_all() {
  local prefix
  for prefix in "${orvane_prefixes[@]}"; do
    [ -d "$prefix" ] && WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
  done
  orvane_prefixes=()
  if [ -n "$orvane_xvfb_pid" ]; then
    kill "$orvane_xvfb_pid" 2>/dev/null || true
    wait "$orvane_xvfb_pid" 2>/dev/null || true
    orvane_xvfb_pid=""
  fi
}
