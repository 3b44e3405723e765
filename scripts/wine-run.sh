#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# Runs a program of the Windows build under Wine: CTest's emulator there (cmake/TarnWine.cmake).
#   scripts/wine-run.sh --prefix <template> --qt <Qt for MinGW> [--path <folder>]... <program.exe>
#       [args...]
# Each run gets a virtual X display of its own (scripts/with-display.sh: Qt's event dispatcher
# needs a window, and Wine makes none without a display) and a Wine prefix of its own, made from
# a template prefix that the first run creates, so that parallel runs share no wineserver and no
# foreground window. WINEPATH holds Qt's bin folder and each --path; the program's own folder is
# searched first anyway.
# Wine drops every variable whose name starts with QT_ from the environment it hands to Windows
# programs: those set here (QT_QPA_PLATFORM from CTest, among others) are written into the
# prefix's user environment instead, which the program's own children inherit too.
# A program that has not ended after TARN_WINE_TIMEOUT seconds (default 120) is killed with Wine's
# processes, and the run fails with status 124: a hang (a modal window nobody answers) fails fast.
# TARN_WINE_QTEST=1 marks a QtTest program: its log, which did not reach a pipe from Wine, is
# written with -o to a file and printed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ "${1:-}" = --help ] || [ "${1:-}" = -h ]; then
  sed -n '3,/^set /{/^set /d;s/^# \{0,1\}//;p}' "$0"
  exit 0
fi
template="" qt="" paths=()
while [ $# -gt 0 ]; do
  case $1 in
    --prefix) template=$2; shift 2 ;;
    --qt) qt=$2; shift 2 ;;
    --path) paths+=("$2"); shift 2 ;;
    *) break ;;
  esac
done
[ -n "$template" ] && [ -n "$qt" ] && [ $# -gt 0 ] || {
  echo "usage: $0 --prefix <template> --qt <Qt folder> [--path <folder>]... <program> [args...]" >&2
  exit 2
}

# Debian keeps wine64 and wineserver in Wine's library folder, off PATH.
find_tool() {
  command -v "$1" 2>/dev/null || { [ -x "/usr/lib/wine/$1" ] && echo "/usr/lib/wine/$1"; } || true
}
wine=$(find_tool wine64)
wineserver=$(find_tool wineserver)
[ -n "$wine" ] && [ -n "$wineserver" ] || { echo "wine-run: wine64 is not installed" >&2; exit 1; }

# Wine maps / to drive Z:.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# No .NET or HTML engine: the prefix is made faster and without install prompts.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
make_template() {
  [ -f "$template/system.reg" ] && return
  rm -rf "$template.new"
  WINEPREFIX="$template.new" "$wine" wineboot --init
  WINEPREFIX="$template.new" "$wineserver" -w
  mv "$template.new" "$template"
}
mkdir -p "$(dirname "$template")"
template=$(cd "$(dirname "$template")" && pwd)/$(basename "$template") # Wine takes only absolute paths
(
  flock 9
  make_template
) 9>"$template.lock"

work=$(mktemp -d "${TMPDIR:-/tmp}/wine-run.XXXXXX")
cleanup() {
  WINEPREFIX="$work/prefix" "$wineserver" -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
# The program files (690 MB) are shared by hard links; the registry and every other file, which
# Wine rewrites in place, are copied.
cp -al "$template" "$work/prefix"
(cd "$template" && find . -type f ! -iname '*.dll' ! -iname '*.exe' ! -iname '*.drv' ! -iname '*.sys' \
  -print0 | xargs -0 cp -a --parents --remove-destination -t "$work/prefix")
export WINEPREFIX="$work/prefix"

winepath=$(windows_path "$(cd "$qt" && pwd)/bin")
for p in "${paths[@]}"; do winepath+=";$(windows_path "$p")"; done
export WINEPATH=$winepath
# The offscreen platform reads fonts from one folder (Qt's lib/fonts unless this names another).
[ ! -d /usr/share/fonts/truetype/dejavu ] || export QT_QPA_FONTDIR=/usr/share/fonts/truetype/dejavu
{
  echo '[Environment]'
  while IFS='=' read -r name value; do
    [[ $value == /* ]] && value=$(windows_path "$value")
    value=${value//\\/\\\\}
    echo "\"$name\"=\"${value//\"/\\\"}\""
  done < <(env | grep '^QT_')
} >>"$WINEPREFIX/user.reg"

program=$1
shift
args=()
[ "${TARN_WINE_QTEST:-}" != 1 ] || args+=(-o "$(windows_path "$work/log.txt"),txt")

# Wine's own processes end with the program, before its display goes.
status=0
"$here/with-display.sh" sh -c '"$@"; rc=$?; "$0" -k; exit $rc' \
  "$wineserver" timeout -k 5 "${TARN_WINE_TIMEOUT:-120}" "$wine" "$program" "${args[@]}" "$@" ||
  status=$?
[ "$status" != 124 ] || echo "wine-run: $program killed after ${TARN_WINE_TIMEOUT:-120} s" >&2
[ ! -f "$work/log.txt" ] || cat "$work/log.txt"
exit "$status"
