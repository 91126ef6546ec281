#!/usr/bin/env bash
# Times the program's start-up (to the menu's first frame) against a bare Qt
# window with one label and one button, built the same way, in turn, and
# prints each one's median wall and CPU seconds and the median of the
# paired ratios. Runs on the current display, or on an Xvfb of its own.
#   bench/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?usage: bench/startup.sh BUILD_DIR [RUNS]}
runs=${2:-20}
program=$build/bench/ondarell_startup
bare=$build/bench/bare_window_startup
if [ -z "${DISPLAY:-}" ]; then
  export DISPLAY=:71
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb' EXIT
  sleep 1
fi

# One run: wall and CPU (user + system) seconds.
measure() {
  local TIMEFORMAT='%R %U %S' line
  line=$( { time "$1" >/dev/null 2>&1; } 2>&1 )
  awk '{ printf "%.4f %.4f\n", $1, $2 + $3 }' <<<"$line"
}

"$program" >/dev/null 2>&1; "$bare" >/dev/null 2>&1  # warm the caches
: >/tmp/startup.$$
for ((i = 0; i < runs; i++)); do
  read -r pw pc < <(measure "$program")
  read -r bw bc < <(measure "$bare")
  echo "$pw $pc $bw $bc" >>/tmp/startup.$$
done
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
col() { awk -v c="$1" '{ print $c }' /tmp/startup.$$ | median; }
ratio() { awk -v a="$1" -v b="$2" '{ print $a / $b }' /tmp/startup.$$ | median; }
printf '%-22s %10s %10s\n' "" "wall s" "cpu s"
printf '%-22s %10s %10s\n' "ondarell (menu)" "$(col 1)" "$(col 2)"
printf '%-22s %10s %10s\n' "bare window" "$(col 3)" "$(col 4)"
printf '%-22s %10s %10s\n' "ratio (paired median)" "$(ratio 1 3)" "$(ratio 2 4)"
rm -f /tmp/startup.$$
