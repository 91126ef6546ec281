#!/usr/bin/env bash
# The program as a blind pupil meets it: a virtual X display with a window
# manager (or, with "wayland", a Wayland compositor's session), the session
# and accessibility buses, the desktop's screen reader (Orca) writing
# everything it would say to a log, and walk.py driving the program with the
# keyboard and assistive actions only.
#   screen_reader_walk.sh PROGRAM [wayland]
# Exits 77 (skipped) where a package it needs is missing, or 1 where
# ONDARELL_NO_SKIPS is set.
set -euo pipefail
program=$1
session=${2:-x11}
here=$(cd "$(dirname "$0")" && pwd)

missing=()
commands=(dbus-run-session orca)
[ "$session" = x11 ] && commands+=(Xvfb xdotool openbox)
for command in "${commands[@]}"; do
  command -v "$command" >/dev/null || missing+=("$command")
done
[ -x /usr/libexec/at-spi-bus-launcher ] || missing+=(at-spi-bus-launcher)
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || missing+=(python3-pyatspi)
if [ "${#missing[@]}" -gt 0 ]; then
  echo "SKIPPED: the screen reader's walk needs ${missing[*]} (scripts/install-deps --tests installs them)"
  # Where everything must run (CI), a missing package fails.
  [ -z "${ONDARELL_NO_SKIPS:-}" ] || exit 1
  exit 77
fi

# The program on the virtual display as on a desktop, not headless.
unset QT_QPA_PLATFORM QT_SCALE_FACTOR

walk='
  set -euo pipefail
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$WORK/bus.log" 2>&1 &
  bus=$!
  if [ -n "${WAYLAND_DISPLAY:-}" ]; then
    wm=
  else
    openbox >"$WORK/openbox.log" 2>&1 &
    wm=$!
  fi
  sleep 1
  status=0
  /usr/bin/python3 "'"$here"'/walk.py" "$PROGRAM" "$WORK" || status=$?
  kill $wm $bus 2>/dev/null || true
  exit $status
'

work=$(mktemp -d)
cleanup() {
  kill "${pids[@]}" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
pids=()
trap cleanup EXIT

export WORK=$work PROGRAM=$program
if [ "$session" = wayland ]; then
  # The compositor's session; everything else on a session bus of its own.
  "$here/../wayland/session.sh" dbus-run-session -- bash -c "$walk"
  exit
fi

# A display of our own, whatever number is free.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
DISPLAY=:$(head -n1 "$work/display")
export DISPLAY

# Everything else lives on a session bus of its own, which ends with it.
dbus-run-session -- bash -c "$walk"
