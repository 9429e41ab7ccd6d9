# Sourced by the scripts that run Quorin against the local demo station.

# start_demo_station BUILD_DIR [STATION_OPTION...]: starts the station on a free port, sets station_root to
# its address, and stops it when the calling script exits.
start_demo_station() {
  local dir=$1
  shift
  station_log=$(mktemp)
  "$dir/tools/demo-station/demo-station" "$@" >"$station_log" &
  station_pid=$!
  trap 'kill "$station_pid" 2>/dev/null || true; wait "$station_pid" 2>/dev/null || true; rm -f "$station_log"' EXIT

  station_root=""
  for _ in $(seq 100); do
    station_root=$(sed -n 's/^demo-station listening on \(http:\/\/127\.0\.0\.1:[0-9]*\)$/\1/p' "$station_log")
    [ -n "$station_root" ] && return 0
    kill -0 "$station_pid" 2>/dev/null || { echo "the demo station did not start" >&2; return 1; }
    sleep 0.1
  done
  echo "the demo station did not report its port" >&2
  return 1
}
