#!/usr/bin/env bash
# Cross-compiles the library's Win32 layer with MinGW-w64 as a Windows build of the library
# compiles it, links it into a test program without Qt and runs that under Wine on a virtual
# X display. Usage: scripts/wine-test.sh [build folder, default build/wine].
# Exits 77 (CTest's skip code here; a failure when CI is set) when a tool is missing.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$src/build/wine}

# Debian's wine64 keeps its loader and server in Wine's library folder, off PATH.
find_tool() {
  local name
  for name in "$@"; do
    command -v "$name" 2>/dev/null && return
    [ -x "/usr/lib/wine/$name" ] && echo "/usr/lib/wine/$name" && return
  done
  return 0
}
wine=$(find_tool wine64 wine)
wineserver=$(find_tool wineserver64 wineserver)
missing=()
[ -n "$(find_tool x86_64-w64-mingw32-g++-posix)" ] || missing+=("x86_64-w64-mingw32-g++-posix (g++-mingw-w64-x86-64-posix)")
[ -n "$wine" ] || missing+=("wine64 (wine64)")
[ -n "$(find_tool xvfb-run)" ] || missing+=("xvfb-run (xvfb)")
if [ ${#missing[@]} -gt 0 ]; then
  echo "skipped: the Win32 test needs ${missing[*]}; scripts/test.sh installs them"
  exit 77
fi

mkdir -p "$build"
build=$(cd "$build" && pwd) # Wine takes only an absolute prefix

# Flags meant for the host compiler must not reach the cross compiler.
env -u CXXFLAGS -u LDFLAGS cmake -S "$src/tests/win32/cross" -B "$build" \
  -DCMAKE_TOOLCHAIN_FILE="$src/cmake/toolchains/x86_64-w64-mingw32.cmake" \
  -DCMAKE_BUILD_TYPE=Debug
cmake --build "$build" --parallel 2

# The three functions, under the names that hosts built with STRICT have always linked to.
exports=$(x86_64-w64-mingw32-objdump -p "$build/TarnUILib.dll" \
  | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | grep -o '_Z[A-Za-z0-9_]*' | sort | tr '\n' ' ')
expected="_Z12isWndTopMostP6HWND__ _Z13cancelTopMostP6HWND__ _Z14showWndTopMostP6HWND__ "
if [ "$exports" != "$expected" ]; then
  echo "TarnUILib.dll exports '$exports', expected '$expected'"
  exit 1
fi

# No .NET or HTML engine: the prefix is made faster and without install prompts.
export WINEDEBUG=-all WINEPREFIX="$build/wineprefix" WINEDLLOVERRIDES="mscoree,mshtml="
# The server is stopped before the display goes, so that no Wine process outlives the test.
# The display number search starts at a random point, away from other tests' virtual displays.
xvfb-run -a -n $((200 + RANDOM % 500)) sh -c '"$1" "$2"; rc=$?; [ -z "$3" ] || "$3" -k; exit $rc' \
  sh "$wine" "$build/tst_topmost_win.exe" "$wineserver"
