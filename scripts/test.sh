#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# The tests, as CI runs them (.ci/run):
#   scripts/test.sh  checks the size of the tests (scripts/test-size.sh), then builds the project
#       three times, plainly against Qt 5 and Qt 6 and with clang's AddressSanitizer + UBSan, and
#       runs every test in each. The plain builds run the unit tests offscreen and again on a
#       virtual X display (Xvfb and openbox, scripts/with-display.sh), where they also drive the
#       gallery with real input, on X11 and in a nested Wayland compositor
#       (tests/e2e/with-weston.sh), and the Qt 6 one is installed beside the Qt 5 one; the
#       sanitized build gives each libFuzzer target a short fixed-seed run, on Qt 5 and, built
#       for them alone, on Qt 6. Last comes the Windows build (below). Missing Debian packages
#       are installed first (scripts/bootstrap.sh).
#   scripts/test.sh --windows [BUILD]  only the Windows build (default build/windows): cross-built
#       with MinGW-w64 against the Qt for MinGW in ../shared/qt5-mingw/qt5-mingw.tar.xz (or in
#       the folder TARN_QT5_MINGW names), its tests run under Wine (scripts/wine-run.sh); without
#       that archive it says SKIPPED and builds nothing (a failure when CI is set)
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

windows() {
  local src=$PWD build=${1:-build/windows}
  local archive=${TARN_QT5_MINGW:-$src/../shared/qt5-mingw}/qt5-mingw.tar.xz qt=$src/build/qt5-mingw
  if [ ! -f "$archive" ]; then
    echo "windows: SKIPPED, the Windows build and its Wine tests: no Qt for MinGW at $archive"
    # In CI nothing may be left out unseen.
    [ -z "${CI:-}" ]
    return
  fi
  local start=$SECONDS built
  if [ ! -f "$qt/.unpacked" ] || [ "$archive" -nt "$qt/.unpacked" ]; then
    rm -rf "$qt" && mkdir -p "$src/build"
    tar -xJf "$archive" -C "$src/build"
    touch "$qt/.unpacked"
  fi
  # Flags meant for the host compiler must not reach the cross compiler.
  env -u CXXFLAGS -u LDFLAGS cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_TOOLCHAIN_FILE="$src/cmake/toolchains/x86_64-w64-mingw32.cmake" \
    -DCMAKE_FIND_ROOT_PATH="$qt" -DCMAKE_PREFIX_PATH="$qt"
  cmake --build "$build" --parallel "$jobs"
  built=$SECONDS
  ctest --test-dir "$build" --output-on-failure --parallel "$jobs"
  echo "windows: built in $((built - start)) s, tested under Wine in $((SECONDS - built)) s"
}

run_suite() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug "$@"
  cmake --build "$dir" --parallel "$jobs"
  ctest --test-dir "$dir" --output-on-failure --parallel "$jobs"
}

case ${1:-} in
-h | --help)
  sed -n '3,/^set /{/^set /d;s/^# \{0,1\}//;p}' "$0"
  exit 0
  ;;
--windows)
  windows "${2:-}"
  exit
  ;;
'') ;;
*)
  sed -n '3,/^set /{/^set /d;s/^# \{0,1\}//;p}' "$0" >&2
  exit 2
  ;;
esac

scripts/test-size.sh
# Linguist and Designer files (Qt 5's and Qt 6's), a virtual X display with a window manager
# and input tools, a Wayland compositor to nest in it with Qt 5's and Qt 6's Wayland platform,
# valgrind (its headers build the benchmarks, whose cases run as smoke tests),
# clang's fuzzing runtime and the MinGW cross compiler with Wine.
scripts/bootstrap.sh qttools5-dev qttools5-dev-tools qt6-base-dev qt6-tools-dev \
  qt6-tools-dev-tools qt6-l10n-tools xvfb xauth openbox xdotool x11-utils weston qtwayland5 \
  qt6-wayland qt6-5compat-dev \
  imagemagick valgrind clang libclang-rt-14-dev g++-mingw-w64-x86-64 \
  g++-mingw-w64-x86-64-posix wine64 xz-utils fonts-dejavu-core fonts-noto-cjk python3
run_suite build/test
run_suite build/qt6 -DQT_MAJOR_VERSION=6 -DTARN_OTHER_MAJOR_BUILD="$PWD/build/test"
# Clang, so that the same sanitized build also carries the libFuzzer targets and their short runs.
run_suite build/asan -DTARN_SANITIZE=ON -DTARN_TEST_DISPLAY=OFF -DCMAKE_CXX_COMPILER=clang++ \
  -DTARN_BUILD_FUZZERS=ON
# The fuzz targets on Qt 6 too, only they (fuzz_ipedit's oracle comes from Core5Compat there).
cmake -S . -B build/fuzz-qt6 -DCMAKE_BUILD_TYPE=Debug -DQT_MAJOR_VERSION=6 -DTARN_SANITIZE=ON \
  -DTARN_TEST_DISPLAY=OFF -DCMAKE_CXX_COMPILER=clang++ -DTARN_BUILD_FUZZERS=ON \
  -DTARN_BUILD_GALLERY=OFF -DTARN_BUILD_DESIGNER_PLUGIN=OFF -DTARN_BUILD_BENCH=OFF
cmake --build build/fuzz-qt6 --parallel "$jobs" --target fuzz_settings fuzz_keytext fuzz_geometry \
  fuzz_ipedit
ctest --test-dir build/fuzz-qt6 --output-on-failure --parallel "$jobs" -L robustness
windows build/windows
