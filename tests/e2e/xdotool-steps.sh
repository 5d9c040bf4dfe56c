# Steps of a player's hand with xdotool, shared by the end-to-end scripts
# (sourced, not run).

# Waits until a window whose name matches the pattern is visible; prints its id.
wait_window() {
  local pattern=$1 id=""
  for _ in $(seq 1 150); do
    id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

wait_gone() {
  local pattern=$1
  for _ in $(seq 1 150); do
    xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# A fingerprint of what a window shows on the screen now.
window_print() { { import -window "$1" rgb:- 2>/dev/null || true; } | md5sum; }

# Waits until a window shows something other than the fingerprint given
# (empty: anything), and then until two looks a moment apart agree: the
# paint has reached the screen and is over.
wait_painted() {
  local id=$1 before=${2:-} previous="" current
  for _ in $(seq 1 100); do
    current=$(window_print "$id")
    if [ "$current" != "$before" ]; then
      [ "$current" = "$previous" ] && return 0
      previous=$current
    fi
    sleep 0.1
  done
  return 1
}

key() { xdotool key --delay 60 "$@"; sleep 0.3; }
