#!/usr/bin/env bash
# Started where no display can be opened, the program says so in one
# sentence, in Catalan (in English on an English desktop), and ends with
# status 1 instead of aborting.
set -uo pipefail
program=$1
fail() { echo "start_without_display: $*" >&2; exit 1; }
for case in "C|no hi ha cap pantalla gràfica" "en_GB.UTF-8|there is no graphical display"; do
  locale=${case%%|*}
  expected=${case#*|}
  for display in "" ":99"; do
    err=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" LC_ALL="$locale" "$program" 2>&1 >/dev/null)
    status=$?
    [ "$status" -eq 1 ] || fail "status $status with LC_ALL=$locale DISPLAY='$display'"
    [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || fail "more than one line: $err"
    [[ "$err" == *"$expected"* ]] || fail "said: $err"
  done
done
echo "ok"
