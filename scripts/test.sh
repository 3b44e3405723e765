#!/usr/bin/env bash
# Builds the project twice, plainly and with AddressSanitizer + UBSan, and runs every
# test in both builds; the plain build runs them a second time on a virtual X display
# (scripts/with-display.sh) and drives the gallery there with real input. Then the Windows
# build, cross-compiled, with its tests under Wine (scripts/windows-test.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
# Linguist and Designer files, a virtual X display with a window manager and input tools,
# valgrind, clang's fuzzing runtime, the MinGW cross compiler with Wine, and the AT-SPI bus
# with its Python client for the screen-reader check.
scripts/bootstrap.sh qttools5-dev qttools5-dev-tools xvfb xauth openbox xdotool x11-utils \
  imagemagick valgrind clang libclang-rt-14-dev g++-mingw-w64-x86-64 g++-mingw-w64-x86-64-posix \
  wine64 xz-utils fonts-dejavu-core fonts-noto-cjk python3 python3-pyatspi at-spi2-core dbus-daemon

jobs=$(nproc)
run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug "$@"
  cmake --build "$dir" --parallel "$jobs"
  ctest --test-dir "$dir" --output-on-failure --parallel "$jobs"
}

run_suite build/test
# Clang, so that the same sanitized build also carries the libFuzzer targets and their short runs.
run_suite build/asan -DTARN_SANITIZE=ON -DTARN_TEST_DISPLAY=OFF -DCMAKE_CXX_COMPILER=clang++ \
  -DTARN_BUILD_FUZZERS=ON
scripts/windows-test.sh build/windows
