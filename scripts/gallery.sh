#!/usr/bin/env bash
# Builds the library and runs the gallery. On the offscreen platform (the default when
# QT_QPA_PLATFORM is unset) it pictures the gallery, its message box and its shortcut page
# into build/gallery/*.png and exits; with a display, QT_QPA_PLATFORM=xcb scripts/gallery.sh
# opens it to be clicked through (arguments go to the program, see --help).
set -euo pipefail
cd "$(dirname "$0")/.."
# The shortcut page's labels are Chinese.
scripts/bootstrap.sh fonts-noto-cjk

cmake -S . -B build/gallery -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build/gallery --parallel "$(nproc)" --target tarn-gallery
gallery=build/gallery/gallery/tarn-gallery
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
if [ "$QT_QPA_PLATFORM" != offscreen ]; then
  exec "$gallery" "$@"
fi
"$gallery" --screenshot build/gallery/gallery.png "$@"
"$gallery" --open message --screenshot build/gallery/message.png "$@"
"$gallery" --open shortcuts --screenshot build/gallery/shortcuts.png "$@"
echo "gallery: wrote build/gallery/gallery.png, message.png and shortcuts.png"
