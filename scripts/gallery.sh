#!/usr/bin/env bash
# Builds the library and runs the gallery. Without a display (QT_QPA_PLATFORM unset or
# offscreen) it pictures every window into build/gallery/screenshots/ and exits; with one,
# e.g. QT_QPA_PLATFORM=xcb scripts/gallery.sh, it opens the gallery to be clicked through.
# Arguments go to the program (--lang zh|en, --style light|dark, --scale F, ...; see --help).
set -euo pipefail
cd "$(dirname "$0")/.."
# The Chinese texts need a CJK font.
scripts/bootstrap.sh fonts-noto-cjk

cmake -S . -B build/gallery -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build/gallery --parallel "$(nproc)" --target tarn-gallery
gallery=build/gallery/gallery/tarn-gallery
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
if [ "$QT_QPA_PLATFORM" != offscreen ]; then
  exec "$gallery" "$@"
fi
exec "$gallery" --screenshots build/gallery/screenshots "$@"
