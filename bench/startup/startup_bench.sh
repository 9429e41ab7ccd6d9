#!/usr/bin/env bash
# Start-up time (process start to window mapped) and idle CPU time and peak RSS of Quorin beside a minimal
# Qt Widgets window of the same size, alternating, under a private Xvfb. Reports medians and ratios.
# Usage: bench/startup/startup_bench.sh [BUILD_DIR] [RUNS] [IDLE_SECONDS]; $QUORIN names another binary.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
runs=${2:-5}
idle=${3:-30}
quorin=${QUORIN:-$build/src/app/quorin}
minimal=$build/bench/startup/bench_minimal_window
for tool in Xvfb xdotool; do command -v $tool >/dev/null || { echo "needs $tool (scripts/deps installs it)"; exit 1; }; done

source bench/support/benchsupport.sh
xvfb=
station=
station_log=$(mktemp)
config=$(mktemp -d)
trap 'kill $xvfb $station 2>/dev/null; rm -rf "$config" "$station_log"' EXIT
start_xvfb
start_demo_station "$build" "$station_log"
export XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=xcb
export QUORIN_API_ROOT=$station_root QUORIN_ALBUM_SITE=$station_root

ticks=$(getconf CLK_TCK)
# run NAME BINARY TITLE: prints "startup_ms cpu_ms peak_rss_kib"
run() {
  local start end pid cpu0 cpu1
  start=$(date +%s%N)
  "$2" >/dev/null 2>&1 &
  pid=$!
  # xdotool's own --sync polls twice a second; poll every 5 ms instead.
  until xdotool search --onlyvisible --name "$3" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null && (( $(date +%s%N) - start < 20000000000 )) || { echo "$1 did not show its window" >&2; exit 1; }
    sleep 0.005
  done
  end=$(date +%s%N)
  cpu0=$(cpu_ticks "$pid")
  sleep "$idle"
  cpu1=$(cpu_ticks "$pid")
  local rss
  rss=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$(( (end - start) / 1000000 )) $(( (cpu1 - cpu0) * 1000 / ticks )) $rss"
}


q=(); m=()
for ((i = 0; i < runs; i++)); do
  q+=("$(run quorin "$quorin" QuorinV1.4)")
  m+=("$(run minimal "$minimal" MinimalWindow)")
done
report() {
  local label=$1 column=$2 qv mv
  qv=$(printf '%s\n' "${q[@]}" | awk -v c="$column" '{print $c}' | median)
  mv=$(printf '%s\n' "${m[@]}" | awk -v c="$column" '{print $c}' | median)
  awk -v l="$label" -v q="$qv" -v m="$mv" 'BEGIN {printf "%-26s quorin %8.1f  minimal %8.1f  ratio %5.2f\n", l, q, m, (m > 0 ? q / m : 0)}'
}
echo "median of $runs runs, idle ${idle}s"
report "start-up to shown (ms)" 1
report "idle CPU time (ms)" 2
report "peak RSS (KiB)" 3
