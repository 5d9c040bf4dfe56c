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

key() { xdotool key --delay 60 "$@"; sleep 0.3; }
