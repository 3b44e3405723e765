#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer + UBSan) and runs each for a while
# from its committed seed corpus. New inputs go to build/fuzz/found/<target>; add the
# interesting ones to fuzz/corpus/<target>. A broken property or a sanitizer report stops
# the run and leaves the input as build/fuzz/crash-*.
#   scripts/fuzz.sh [seconds per target, default 300] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh clang libclang-rt-14-dev

seconds=${1:-300}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_keytext fuzz_geometry fuzz_ipedit fuzz_settings)

cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DTARN_SANITIZE=ON -DTARN_BUILD_FUZZERS=ON -DTARN_BUILD_GALLERY=OFF
cmake --build build/fuzz --parallel "$(nproc)" --target "${targets[@]}"

export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd build/fuzz
for target in "${targets[@]}"; do
  mkdir -p "found/$target"
  echo "== $target: ${seconds}s"
  "fuzz/$target" -max_total_time="$seconds" -max_len=512 -print_final_stats=1 \
    "found/$target" "../../fuzz/corpus/$target" 2>&1 | tee "$target.log" | grep -E '^(#[0-9]+ +DONE|stat::|SUMMARY|property)' || true
  if grep -qE 'SUMMARY|property broken' "$target.log"; then
    echo "$target: failed, see build/fuzz/$target.log" >&2
    exit 1
  fi
done
