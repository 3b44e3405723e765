#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# Runs a command on a private virtual X display (Xvfb, 1920x1080x24) under the openbox window
# manager, and stops both afterwards. Exits with the command's status, or 77 (CTest's skip
# code; a failure when CI is set) when Xvfb or openbox is not installed.
#   scripts/with-display.sh <command> [arguments...]
# With TARN_DISPLAY_WM=none no window manager runs: a nested compositor (tests/e2e/with-weston.sh)
# takes its place, whose X11 back end gets no pointer input inside openbox's frame.
set -euo pipefail
if [ $# -eq 0 ] || [ "$1" = --help ] || [ "$1" = -h ]; then
  sed -n '3,/^set /{/^set /d;s/^# \{0,1\}//;p}' "$0"
  [ $# -gt 0 ] || exit 2
  exit 0
fi
for tool in Xvfb openbox xprop; do
  if ! command -v "$tool" >/dev/null; then
    echo "with-display: $tool is not installed, skipping (scripts/test.sh installs it)" >&2
    exit 77
  fi
done

width=1920 height=1080
tmp=$(mktemp -d)
xvfb_pid="" wm_pid=""
stop_display() {
  [ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  xvfb_pid="" wm_pid=""
}
trap 'stop_display; rm -rf "$tmp"' EXIT

# poll <pid> <command...>: true once the command succeeds; false after 10 s or once the
# process <pid> has ended.
poll() {
  local pid=$1 end=$((SECONDS + 10))
  shift
  while [ "$SECONDS" -le "$end" ] && kill -0 "$pid" 2>/dev/null; do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  return 1
}

start_display() {
  # The server picks a free display number and writes it once it accepts connections. It
  # keeps running when its last client leaves: a reset would refuse the next one for a moment.
  : >"$tmp/display"
  Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -nolisten tcp -noreset \
    3>"$tmp/display" 2>"$tmp/xvfb.log" &
  xvfb_pid=$!
  poll "$xvfb_pid" grep -q '[0-9]' "$tmp/display" || return 1
  export DISPLAY=":$(head -n1 "$tmp/display")" XDG_RUNTIME_DIR="$tmp"
  [ "${TARN_DISPLAY_WM:-}" != none ] || return 0
  XDG_CACHE_HOME="$tmp" openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
  wm_pid=$!
  # openbox publishes the work area once its screen is set up, right before it manages windows.
  poll "$wm_pid" sh -c "xprop -root _NET_WORKAREA | grep -q '= 0, 0, $width, $height'"
}

# A server that another program stops while starting is started again, twice at most.
for attempt in 1 2 3; do
  start_display && break
  echo "with-display: attempt $attempt to start Xvfb and openbox failed:" >&2
  cat "$tmp/xvfb.log" "$tmp/openbox.log" >&2 2>/dev/null || true
  stop_display
  [ "$attempt" -lt 3 ] || exit 1
done

status=0
"$@" || status=$?
exit "$status"
