#!/usr/bin/env bash
# A Wayland desktop of our own, as new school machines open by default:
# a headless compositor (sway, which gives a new window the keyboard and
# places floating windows itself) with one output of 1600 x 1200, a
# virtual keyboard on its seat, and Xwayland for X11 programs beside, as a
# desktop has (Orca keeps its keys there); COMMAND runs there, Qt programs
# as native Wayland clients, with SWAYSOCK set for asking the compositor
# where windows are.
#   session.sh COMMAND [ARG...]
# Exits 77 (skipped) where a package it needs is missing, or 1 where
# ONDARELL_NO_SKIPS is set.
set -euo pipefail

missing=()
for command in sway swaymsg wtype setpriv Xwayland xhost; do
  command -v "$command" >/dev/null || missing+=("$command")
done
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
ls "$plugins"/platforms/libqwayland-generic.so >/dev/null 2>&1 || missing+=(qt6-wayland)
if [ "${#missing[@]}" -gt 0 ]; then
  echo "SKIPPED: the Wayland session needs ${missing[*]} (scripts/install-deps --tests installs them)"
  # Where everything must run (CI), a missing package fails.
  [ -z "${ONDARELL_NO_SKIPS:-}" ] || exit 1
  exit 77
fi

work=$(mktemp -d)
pids=()
cleanup() {
  kill "${pids[@]}" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# The compositor's folder is its own; sway will not run as root, so as root
# it runs as nobody (the client, root, still reaches its socket).
mkdir -m 700 "$work/compositor" "$work/client"
as_compositor=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$work/compositor"
  as_compositor=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
cat >"$work/config" <<'CONFIG'
output HEADLESS-1 resolution 1600x1200 position 0,0
# Windows float where the compositor puts them, as on a desktop.
for_window [app_id=".*"] floating enable
xwayland force
CONFIG
chmod 644 "$work/config"
chmod 755 "$work"
"${as_compositor[@]}" env -i PATH=/usr/bin:/bin HOME="$work/compositor" XDG_RUNTIME_DIR="$work/compositor" \
  WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  sway --config "$work/config" >"$work/sway.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  socket=$(find "$work/compositor" -maxdepth 1 -name 'wayland-*' ! -name '*.lock' -print -quit)
  ipc=$(find "$work/compositor" -maxdepth 1 -name 'sway-ipc.*.sock' -print -quit)
  [ -n "$socket" ] && [ -n "$ipc" ] && break
  sleep 0.1
done
if [ -z "$socket" ] || [ -z "$ipc" ]; then
  echo "the compositor did not start:" >&2
  cat "$work/sway.log" >&2
  exit 1
fi

export XDG_RUNTIME_DIR="$work/client" WAYLAND_DISPLAY="$socket" SWAYSOCK="$ipc" QT_QPA_PLATFORM=wayland
# A keyboard on the seat, as a machine has: without one no window gets the
# keyboard.
wtype -s 86400000 &
pids+=($!)
for _ in $(seq 100); do
  swaymsg -t get_inputs 2>/dev/null | grep -q '"type": "keyboard"' && break
  sleep 0.1
done
# The X display of Xwayland, as the compositor tells its own programs;
# opened to this user, as it is to the compositor's.
cat >"$work/display.sh" <<SCRIPT
xhost +si:localuser:$(id -un) >/dev/null
printenv DISPLAY >$work/compositor/display
SCRIPT
chmod 644 "$work/display.sh"
swaymsg exec "sh $work/display.sh" >/dev/null
for _ in $(seq 100); do [ -s "$work/compositor/display" ] && break; sleep 0.1; done
DISPLAY=$(cat "$work/compositor/display")
export DISPLAY
# Qt 6.4's Wayland client (Debian 12) has a race of its own: a window being
# hidden destroys its frame callback while the thread that reads the
# compositor's "frame done" may be destroying the same callback, and
# libwayland aborts (QWaylandWindow::reset, "proxy->refcount > 0"). Later Qt
# takes a lock there. Qt's public interface does not show whether a frame
# callback is pending, so a program cannot wait it out; on a loaded
# machine one run of the whole suite in five to twenty meets it. A run that
# ends so is told and run once more; a second abort, or any other failure,
# fails.
race="wl_proxy_unref: Assertion \`proxy->refcount > 0' failed."
for attempt in 1 2; do
  # (Its errors pass through tee, to be both shown and looked at.)
  status=0
  { "$@" 2>&1 1>&3 3>&- | tee "$work/stderr" >&2 3>&-; } 3>&1 || status=${PIPESTATUS[0]}
  if [ "$status" -ne 0 ] && [ "$attempt" -eq 1 ] && grep -qF "$race" "$work/stderr"; then
    echo "session.sh: Qt's Wayland client aborted in its frame-callback race (not ours); running once more" >&2
    continue
  fi
  exit "$status"
done
