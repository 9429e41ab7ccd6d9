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

# start_demo_station BUILD_DIR LOG [OPTIONS...] and stop_demo_station: the station on a free port.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/demostation.sh"

# measure PID: over $seconds, prints "cpu_ms xserver_cpu_ms rss_kib peak_rss_kib" of the process and of the
# X server $xvfb.
measure() {
  local pid=$1 p0 p1 x0 x1 rss peak ticks
  ticks=$(getconf CLK_TCK)
  p0=$(cpu_ticks "$pid"); x0=$(cpu_ticks "$xvfb")
  sleep "$seconds"
  p1=$(cpu_ticks "$pid"); x1=$(cpu_ticks "$xvfb")
  rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
  peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  echo "$(( (p1 - p0) * 1000 / ticks )) $(( (x1 - x0) * 1000 / ticks )) $rss $peak"
}
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# The median of the numbers on standard input, one a line.
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

# click WINDOW X Y: a left click on a control of Quorin's window at window coordinates X Y.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# quorin_window: waits for Quorin's main window to be mapped and prints its id.
quorin_window() {
  local window
  until window=$(xdotool search --onlyvisible --name QuorinV1.4 2>/dev/null | head -1) && [[ -n $window ]]; do sleep 0.05; done
  echo "$window"
}
