#!/usr/bin/env bash
# Builds the library and runs the gallery. On the offscreen platform (the default when
# QT_QPA_PLATFORM is unset) it writes build/gallery/gallery.png and exits; with a display,
# run QT_QPA_PLATFORM=xcb scripts/gallery.sh to click through it.
set -euo pipefail
cd "$(dirname "$0")/.."
# The shortcut page's labels are Chinese.
scripts/bootstrap.sh fonts-noto-cjk

cmake -S . -B build/gallery -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build/gallery --parallel "$(nproc)" --target tarn-gallery
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
build/gallery/gallery/tarn-gallery --screenshot build/gallery/gallery.png "$@"
echo "gallery: wrote build/gallery/gallery.png"
