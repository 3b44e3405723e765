#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# Runs a command as a client of a weston compositor nested in the current X display (start one
# with scripts/with-display.sh, without a window manager: TARN_DISPLAY_WM=none), on Qt's
# wayland platform, so that xdotool gives the compositor real pointer and keyboard input.
# Exits with the command's status, or 77 when weston is not installed.
#   tests/e2e/with-weston.sh <command> [arguments...]
set -euo pipefail
command -v weston >/dev/null || { echo "with-weston: weston is not installed" >&2; exit 77; }
XDG_RUNTIME_DIR=$(mktemp -d) # private (0700), as Wayland asks
export XDG_RUNTIME_DIR
# Drawn in software; its output covers the X screen from the top-left corner, so that the two
# share their coordinates.
read -r width height < <(xdotool getdisplaygeometry)
weston --backend=x11-backend.so --use-pixman --width="$width" --height="$height" \
  --socket=tarn-wayland --config="$(realpath "$(dirname "$0")")/weston.ini" \
  >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
weston=$!
trap 'kill $weston 2>/dev/null; wait $weston || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
# Input that comes before the shell has painted the background goes astray.
corner="1x1+$((width - 1))+$((height - 1))"
until import -window root png:- | convert png:- -crop "$corner" txt:- | grep -q '#00FF00'; do
  if [ $SECONDS -gt 30 ] || ! kill -0 $weston 2>/dev/null; then
    cat "$XDG_RUNTIME_DIR/weston.log" >&2
    exit 1
  fi
  sleep 0.05
done
WAYLAND_DISPLAY=tarn-wayland QT_QPA_PLATFORM=wayland "$@"
