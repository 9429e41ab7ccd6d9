# Sourced by the bench scripts.

# start_xvfb: starts a private Xvfb on a display number it picks itself (others may run theirs beside
# ours), sets $xvfb (its pid) and exports DISPLAY.
start_xvfb() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  xvfb=$!
  local number
  read -r -t 10 number <"$fifo" || { rm -f "$fifo"; echo "Xvfb did not start" >&2; return 1; }
  rm -f "$fifo"
  export DISPLAY=:$number
}

# start_demo_station BUILD_DIR LOG [OPTIONS...]: starts the demo station and sets $station (its pid) and
# $port ("127.0.0.1:PORT") once it listens; it takes a second or so to make its media.
start_demo_station() {
  local build=$1 log=$2
  "$build/tools/demo-station/demo-station" "${@:3}" >"$log" 2>&1 &
  station=$!
  port=
  for ((i = 0; i < 100; i++)); do
    port=$(grep -so '127.0.0.1:[0-9]*' "$log" | head -1) && [[ -n $port ]] && return 0
    sleep 0.1
  done
  echo "the demo station did not start" >&2
  return 1
}
