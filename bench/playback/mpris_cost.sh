#!/usr/bin/env bash
# What the desktop's media controls cost: Quorin idle, then playing a song from the demo station, with a
# session bus (so it serves MPRIS2) beside the same run without one, alternating, under a private Xvfb.
# Reports the CPU of the process and of the X server in each phase, medians and the ratio with / without.
#
# Usage: bench/playback/mpris_cost.sh [BUILD_DIR] [ROUNDS] [SECONDS]   (defaults: build, 3, 30)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
rounds=${2:-3}
seconds=${3:-30}
quorin=$build/src/app/quorin
for tool in Xvfb xdotool dbus-daemon; do command -v $tool >/dev/null || { echo "needs $tool (scripts/deps installs it)"; exit 1; }; done

source bench/support/benchsupport.sh
work=$(mktemp -d)
xvfb=
station=
bus=
trap 'kill $xvfb $bus 2>/dev/null; stop_demo_station; rm -rf "$work"' EXIT
start_xvfb
start_demo_station "$build" "$work/station.log"
export QT_QPA_PLATFORM=xcb QUORIN_API_ROOT=$station_root QUORIN_ALBUM_SITE=$station_root
dbus-daemon --session --nofork --print-address=1 >"$work/bus" &
bus=$!
until [[ -s $work/bus ]]; do sleep 0.05; done
address=$(head -1 "$work/bus")

# run ADDRESS: prints "idle_cpu idle_x playing_cpu playing_x" (ms over $seconds each); an empty ADDRESS
# means no session bus at all.
run() {
  local pid window idle playing
  env -u DBUS_SESSION_BUS_ADDRESS ${1:+DBUS_SESSION_BUS_ADDRESS=$1} XDG_RUNTIME_DIR="$work" \
    XDG_CONFIG_HOME="$(mktemp -d -p "$work")" "$quorin" >/dev/null 2>&1 &
  pid=$!
  window=$(quorin_window)
  sleep 1
  idle=$(measure "$pid")
  click "$window" 378 171 # 下一曲: the first song starts
  sleep 3
  playing=$(measure "$pid")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$(cut -d' ' -f1,2 <<<"$idle") $(cut -d' ' -f1,2 <<<"$playing")"
}

with=(); without=()
for ((i = 0; i < rounds; i++)); do
  with+=("$(run "$address")")
  without+=("$(run "")")
  echo "round $((i + 1)): with bus ${with[-1]} | without ${without[-1]}" >&2
done

column() { local -n runs=$1; printf '%s\n' "${runs[@]}" | awk -v c="$2" '{print $c}' | median; }
report() {
  local w o
  w=$(column with "$2"); o=$(column without "$2")
  awk -v l="$1" -v w="$w" -v o="$o" 'BEGIN {printf "%-28s with MPRIS %7.0f  without %7.0f  ratio %5.2f\n", l, w, o, (o > 0 ? w / o : 0)}'
}
echo "median of $rounds rounds, ${seconds}s each phase"
report "idle CPU, process (ms)" 1
report "idle CPU, X server (ms)" 2
report "playing CPU, process (ms)" 3
report "playing CPU, X server (ms)" 4
