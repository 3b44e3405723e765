#!/usr/bin/env bash
# Builds the project twice, plainly and with AddressSanitizer + UBSan, and runs every
# test in both builds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh

jobs=$(nproc)
run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug "$@"
  cmake --build "$dir" --parallel "$jobs"
  ctest --test-dir "$dir" --output-on-failure --parallel "$jobs"
}

run_suite build/test
run_suite build/asan -DTARN_SANITIZE=ON
