# Shared by the run and test scripts: an Xvfb display and a private Wine prefix.
# Source it, then call orvane_start_display, orvane_prepare_prefix PREFIX and,
# at the end, orvane_stop_all. Everything started here is stopped by its PID.

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win32

orvane_xvfb_pid=""

# Starts Xvfb on the first free display number from 90 up and exports DISPLAY.
orvane_start_display() {
  local n
  for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
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
  echo "no free X display number found" >&2
  return 1
}

# Creates the Wine prefix once and keeps its wineserver running, so that each
# later program start costs tens of milliseconds instead of seconds.
orvane_prepare_prefix() {
  export WINEPREFIX="$1"
  if [ ! -f "$WINEPREFIX/.orvane-ready" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    # Unmanaged windows: no window manager runs, and managed windows make
    # Wine wait about two seconds for every top-level window it destroys.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
    # The system caption buttons need the Marlett font.
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    touch "$WINEPREFIX/.orvane-ready"
  fi
  wineserver -p
  # Start Wine's system processes (services, devices, RPC) now, detached from
  # every pipe: started by the first test instead, they would inherit its
  # output pipe and ctest would wait for them until its timeout.
  wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
}

orvane_stop_all() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    wineserver -k >/dev/null 2>&1 || true
  fi
  if [ -n "$orvane_xvfb_pid" ]; then
    kill "$orvane_xvfb_pid" 2>/dev/null || true
    wait "$orvane_xvfb_pid" 2>/dev/null || true
    orvane_xvfb_pid=""
  fi
}
