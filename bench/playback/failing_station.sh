#!/usr/bin/env bash
# How hard Quorin asks a failing service: the requests it sends in a minute to a demo station that answers
# every request with a 500, after one click on 下一曲, under a private Xvfb.
# Usage: bench/playback/failing_station.sh [--baseline QUORIN] [BUILD_DIR] [SECONDS] [FAULT]
#   --baseline Q  also counts for another Quorin binary (e.g. an older build), one after the other.
# Defaults: build, 60 seconds, server-error (any fault of the demo station's --help).
set -euo pipefail
cd "$(dirname "$0")/../.."
baseline=
if [[ ${1:-} == --baseline ]]; then baseline=$2; shift 2; fi
build=${1:-build}
seconds=${2:-60}
fault=${3:-server-error}
for tool in Xvfb xdotool; do command -v $tool >/dev/null || { echo "needs $tool (scripts/deps installs it)"; exit 1; }; done

source bench/support/benchsupport.sh
work=$(mktemp -d)
xvfb=
station=
trap 'kill $xvfb $station 2>/dev/null; rm -rf "$work"' EXIT
start_xvfb
export QT_QPA_PLATFORM=xcb

# count BINARY: prints "playlist lyric other" requests per minute
count() {
  local log=$work/station-$RANDOM.log pid window
  start_demo_station "$build" "$log" --fault "$fault" --print-requests
  export QUORIN_API_ROOT=$station_root QUORIN_ALBUM_SITE=$station_root
  XDG_CONFIG_HOME=$(mktemp -d -p "$work") "$1" >/dev/null 2>&1 &
  pid=$!
  window=$(quorin_window)
  sleep 1
  click "$window" 378 171 # 下一曲
  sleep "$seconds"
  kill "$pid"; wait "$pid" 2>/dev/null || true
  stop_demo_station
  station=
  awk -v s="$seconds" '/^GET \/j\/v2\/playlist/ {p++} /^GET \/j\/v2\/lyric/ {l++} /^GET / && !/\/j\/v2\/(playlist|lyric)/ {o++}
    END {printf "%.1f %.1f %.1f", p * 60 / s, l * 60 / s, o * 60 / s}' "$log"
}

echo "requests per minute to a station answering '$fault', ${seconds}s after one click on 下一曲"
printf '%-10s playlist %6.1f  lyrics %6.1f  other %6.1f\n' quorin $(count "$build/src/app/quorin")
[[ -n $baseline ]] && printf '%-10s playlist %6.1f  lyrics %6.1f  other %6.1f\n' baseline $(count "$baseline")
exit 0
