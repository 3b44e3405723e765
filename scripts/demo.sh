#!/usr/bin/env bash
# Builds the library and runs the demo program on the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh

cmake -S . -B build/demo -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build/demo --parallel "$(nproc)" --target tarn-demo
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} build/demo/examples/tarn-demo "$@"
