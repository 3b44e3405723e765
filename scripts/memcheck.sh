#!/usr/bin/env bash
# Runs every test of the plain build under valgrind memcheck and reports the bytes
# definitely lost in the project's own code (src/, keytext/, corelib/); the goal is 0.
# Leaks that Qt, fontconfig or the platform plugin keep for the process do not count.
# Exits non-zero when the project's code leaks.
#   scripts/memcheck.sh [ctest -R regex]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh valgrind

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug
cmake --build build/test --parallel "$(nproc)"
out=build/memcheck
rm -rf "$out" && mkdir -p "$out"

# Each test runs as ctest would, with valgrind in front; one log per process.
tests=$(ctest --test-dir build/test -N ${1:+-R "$1"} | sed -n 's/^ *Test *#[0-9]*: //p')
for name in $tests; do
  # Only the test programs; the package tests run cmake.
  binary=$(find build/test -type f -executable -name "$name" | head -n 1)
  [ -n "$binary" ] || continue
  echo "== $name"
  QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck --leak-check=full \
    --show-leak-kinds=definite --errors-for-leak-kinds=definite --num-callers=40 --fullpath-after= \
    --log-file="$out/$name.%p.log" "$binary" >"$out/$name.out" 2>&1 || echo "$name: exited $?"
done

# A definitely lost block is the project's when the code that allocated it is: the first
# caller of the allocator lies in src/, keytext/ or corelib/. A font cache that Qt fills on behalf
# of a widget of ours is not.
ours=$(awk '
  /definitely lost in/ { block = 1; bytes = $2; gsub(",", "", bytes); next }
  block && /^==[0-9]+== +by / {
    if ($0 ~ /(\/src\/|\/keytext\/|\/corelib\/)/) { total += bytes; print FILENAME ": " $0 > "/dev/stderr" }
    block = 0 }
  END { print total + 0 }' "$out"/*.log)
all=$(awk '/definitely lost:/ { b = $4; gsub(",", "", b); total += b } END { print total + 0 }' "$out"/*.log)
echo "memcheck: $ours bytes definitely lost in src/, keytext/ and corelib/ ($all in all, logs in $out)"
echo "$ours $all" >"$out/summary"
[ "$ours" -eq 0 ]
