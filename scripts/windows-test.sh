#!/usr/bin/env bash
# Cross-builds the library, the stand-in core library, their tests and the gallery for 64-bit
# Windows (cmake/toolchains/x86_64-w64-mingw32.cmake) against Qt 5 built for MinGW-w64, and runs
# the tests under Wine on virtual displays (tests/windows/wine-run.sh).
#   scripts/windows-test.sh [build folder, default build/windows]
# The Qt comes as qt5-mingw.tar.xz in ../shared/qt5-mingw beside the repository (or in the
# folder TARN_QT5_MINGW names) and is unpacked into build/qt5-mingw. Without it the script says
# so and builds nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
src=$PWD
build=${1:-build/windows}
archive=${TARN_QT5_MINGW:-$src/../shared/qt5-mingw}/qt5-mingw.tar.xz
if [ ! -f "$archive" ]; then
  echo "windows-test: SKIPPED, the Windows build and its Wine tests: no Qt for MinGW at $archive"
  exit 0
fi
start=$SECONDS

qt=$src/build/qt5-mingw
if [ ! -f "$qt/.unpacked" ] || [ "$archive" -nt "$qt/.unpacked" ]; then
  rm -rf "$qt"
  mkdir -p "$src/build"
  tar -xJf "$archive" -C "$src/build"
  touch "$qt/.unpacked"
fi

# Flags meant for the host compiler must not reach the cross compiler.
env -u CXXFLAGS -u LDFLAGS cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_TOOLCHAIN_FILE="$src/cmake/toolchains/x86_64-w64-mingw32.cmake" \
  -DCMAKE_FIND_ROOT_PATH="$qt" -DCMAKE_PREFIX_PATH="$qt"
cmake --build "$build" --parallel "$(nproc)"
built=$SECONDS
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
echo "windows-test: built in $((built - start)) s, tested under Wine in $((SECONDS - built)) s"
