#!/usr/bin/env bash
# Runs a command on a private virtual X display (Xvfb, 1920x1080x24) under the openbox window
# manager, and stops both afterwards. Exits with the command's status, or 77 (CTest's skip
# code) when Xvfb or openbox is not installed.
#   scripts/with-display.sh <command> [arguments...]
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: $0 <command> [arguments...]" >&2; exit 2; }
for tool in Xvfb openbox xprop; do
  if ! command -v "$tool" >/dev/null; then
    echo "with-display: $tool is not installed, skipping (scripts/test.sh installs it)" >&2
    exit 77
  fi
done

tmp=$(mktemp -d)
xvfb_pid="" wm_pid=""
cleanup() {
  [ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT

# wait_for <log> <command...>: polls the command for up to 10 s; on time-out shows the log.
wait_for() {
  local log=$1; shift
  for _ in $(seq 200); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  echo "with-display: no answer from $*" >&2
  cat "$log" >&2
  exit 1
}

# The server picks a free display number and writes it once it accepts connections.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
wait_for "$tmp/xvfb.log" grep -q '[0-9]' "$tmp/display"
export DISPLAY=":$(head -n1 "$tmp/display")" XDG_RUNTIME_DIR="$tmp"

XDG_CACHE_HOME="$tmp" openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
wm_pid=$!
# openbox announces itself on the root window once it manages windows.
wait_for "$tmp/openbox.log" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'

status=0
"$@" || status=$?
exit "$status"
