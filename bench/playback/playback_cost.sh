#!/usr/bin/env bash
# What playing costs: Quorin playing a 5-minute 128 kbit/s MP3 from the demo station on 127.0.0.1, beside
# bare `mpv --no-video --ao=null` on the same URL, alternating, under a private Xvfb. For each it reports
# the CPU time of the process and of the X server over the same seconds, and the process's resident
# memory at the end and at its peak; then medians and ratios (Quorin / mpv).
#
# Usage: bench/playback/playback_cost.sh [--show-lyrics] [--baseline QUORIN] [BUILD_DIR] [ROUNDS] [SECONDS]
#   --show-lyrics  Quorin plays with the desktop lyrics shown (a click on 歌词显示).
#   --baseline Q   also runs another Quorin binary (e.g. an older build) in each round.
# Defaults: build, 3 rounds, 60 seconds. Needs Xvfb, xdotool, sox and lame (scripts/deps).
set -euo pipefail
cd "$(dirname "$0")/../.."
show_lyrics=0
baseline=
while [[ $# -gt 0 && $1 == --* ]]; do
  case $1 in
    --show-lyrics) show_lyrics=1; shift ;;
    --baseline) baseline=$2; shift 2 ;;
    *) echo "unknown option $1"; exit 2 ;;
  esac
done
build=${1:-build}
rounds=${2:-3}
seconds=${3:-60}
quorin=$build/src/app/quorin
for tool in Xvfb xdotool sox lame mpv; do command -v $tool >/dev/null || { echo "needs $tool (scripts/deps installs it)"; exit 1; }; done

work=$(mktemp -d)
song=$work/song.mp3
# A chord that moves, so the encoder and decoder do real work; 5 minutes, constant 128 kbit/s.
sox -n -r 44100 -c 2 -b 16 "$work/song.wav" synth 300 pluck C3 pluck E4 sine 220-880 tremolo 3 40 2>/dev/null
lame --quiet -b 128 --cbr "$work/song.wav" "$song"
rm "$work/song.wav"

source bench/support/benchsupport.sh
xvfb=
station=
trap 'kill $xvfb $station 2>/dev/null; rm -rf "$work"' EXIT
start_xvfb
start_demo_station "$build" "$work/station.log" --audio-file "$song"
url=$station_root/audio/1001.wav
export QT_QPA_PLATFORM=xcb
export QUORIN_API_ROOT=$station_root QUORIN_ALBUM_SITE=$station_root


run_quorin() {
  local binary=$1 config pid window
  config=$(mktemp -d -p "$work")
  XDG_CONFIG_HOME=$config "$binary" >/dev/null 2>&1 &
  pid=$!
  window=$(quorin_window)
  sleep 1
  click "$window" 378 171 # 下一曲: the first song starts
  if ((show_lyrics)); then sleep 1; click "$window" 239 129; fi # 歌词显示
  sleep 3 # connected and playing; the first seconds of buffering are not the steady cost
  measure "$pid"
  kill "$pid"; wait "$pid" 2>/dev/null || true
}

run_mpv() {
  local pid
  mpv --no-config --no-video --ao=null --really-quiet "$url" >/dev/null 2>&1 &
  pid=$!
  sleep 3
  measure "$pid"
  kill "$pid"; wait "$pid" 2>/dev/null || true
}

q=(); m=(); b=()
for ((i = 0; i < rounds; i++)); do
  q+=("$(run_quorin "$quorin")")
  m+=("$(run_mpv)")
  [[ -n $baseline ]] && b+=("$(run_quorin "$baseline")")
  echo "round $((i + 1)): quorin ${q[-1]} | mpv ${m[-1]}${baseline:+ | baseline ${b[-1]:-}}" >&2
done

column() { local -n runs=$1; printf '%s\n' "${runs[@]}" | awk -v c="$2" '{print $c}' | median; }
report() {
  local label=$1 qv mv bv
  qv=$(column q "${@:2}"); mv=$(column m "${@:2}")
  awk -v l="$label" -v q="$qv" -v m="$mv" 'BEGIN {printf "%-32s quorin %9.0f  mpv %9.0f  ratio %5.2f", l, q, m, (m > 0 ? q / m : 0)}'
  if [[ -n $baseline ]]; then
    bv=$(column b "${@:2}")
    awk -v q="$qv" -v b="$bv" 'BEGIN {printf "  baseline %9.0f  quorin/baseline %5.2f", b, (b > 0 ? q / b : 0)}'
  fi
  echo
}
# Process and X server together, the cost a user's machine pays.
for runs in q m b; do
  declare -n r=$runs
  for j in "${!r[@]}"; do r[j]="${r[j]} $(awk '{print $1 + $2}' <<<"${r[j]}")"; done
  unset -n r
done
echo "median of $rounds rounds, ${seconds}s each, 128 kbit/s MP3$( ((show_lyrics)) && echo ", desktop lyrics shown")"
report "CPU, process (ms)" 1
report "CPU, X server (ms)" 2
report "CPU, process + X server (ms)" 5
report "RSS at the end (KiB)" 3
report "peak RSS (KiB)" 4
