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
export XDG_RUNTIME_DIR WAYLAND_DISPLAY=tarn-wayland QT_QPA_PLATFORM=wayland
# Drawn in software, at the top-left corner of the X screen, so that the two share their
# coordinates; it leaves out the screen's bottom row, where the pointer waits. Its X11 back end
# places its pointer only when the X pointer enters its window, and then follows its moves.
read -r width height < <(xdotool getdisplaygeometry)
xdotool mousemove 0 $((height - 1))
weston --backend=x11-backend.so --use-pixman --width="$width" --height=$((height - 1)) \
  --socket="$WAYLAND_DISPLAY" --config="$(dirname "$(realpath "$0")")/weston.ini" \
  &>"$XDG_RUNTIME_DIR/log" &
weston=$!
trap 'kill $weston 2>/dev/null; wait $weston || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
# The shell is ready once it has painted the background (weston.ini) at the output's corner.
corner="1x1+$((width - 1))+$((height - 2))"
until import -window root -depth 8 -crop "$corner" txt:- | grep -q '#00FF00'; do
  { ((SECONDS < 30)) && kill -0 $weston; } || { cat "$XDG_RUNTIME_DIR/log" >&2; exit 1; }
  sleep 0.05
done
# Keys go to it wherever the X pointer is.
xdotool search --class '^Weston Compositor$' windowfocus
"$@"
