# Sourced by the scripts that run Quorin against the local demo station (scripts/ and bench/).

# start_demo_station BUILD_DIR LOG [STATION_OPTION...]: starts the station on a free port with its output in
# LOG, and once it listens sets station (its pid) and station_root (its address, http://127.0.0.1:PORT).
# It takes a second or so to make its media.
start_demo_station() {
  local dir=$1 log=$2
  "$dir/tools/demo-station/demo-station" "${@:3}" >"$log" 2>&1 &
  station=$!
  station_root=""
  for _ in $(seq 100); do
    station_root=$(sed -n 's/^demo-station listening on \(http:\/\/127\.0\.0\.1:[0-9]*\)$/\1/p' "$log")
    [ -n "$station_root" ] && return 0
    kill -0 "$station" 2>/dev/null || { echo "the demo station did not start" >&2; return 1; }
    sleep 0.1
  done
  echo "the demo station did not report its port" >&2
  return 1
}

# stop_demo_station: stops the station start_demo_station started, if any.
stop_demo_station() {
  [ -n "${station:-}" ] || return 0
  kill "$station" 2>/dev/null || true
  wait "$station" 2>/dev/null || true
}
