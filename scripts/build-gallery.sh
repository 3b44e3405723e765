#!/usr/bin/env bash
# Builds the gallery program in build/gallery (with the packages and font it needs) and
# prints its path, for the scripts that run it.
set -euo pipefail
cd "$(dirname "$0")/.."
# The Chinese texts need a CJK font.
scripts/bootstrap.sh fonts-noto-cjk >&2
cmake -S . -B build/gallery -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >&2
cmake --build build/gallery --parallel "$(nproc)" --target tarn-gallery >&2
echo build/gallery/gallery/tarn-gallery
