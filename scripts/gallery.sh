#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# Builds the gallery (build/gallery, with the packages and the CJK font it needs) and runs it.
#   scripts/gallery.sh [ARGS...]  without a display (QT_QPA_PLATFORM unset or offscreen) pictures
#       every window into build/gallery/screenshots/ and exits; with one, e.g.
#       QT_QPA_PLATFORM=xcb scripts/gallery.sh, opens the gallery to be clicked through. ARGS go
#       to the program: --lang zh|en, --style light|dark, --scale F, ... (tarn-gallery --help)
#   scripts/gallery.sh --pictures  writes the README's pictures into docs/images: every window in
#       English with the light style sheet, and the main window with the dark one, at scale 1;
#       and a small host (docs/host) built on the installed package alone, with each sample sheet
#   scripts/gallery.sh --help
set -euo pipefail
cd "$(dirname "$0")/.."
case ${1:-} in
-h | --help)
  sed -n '3,/^set /{/^set /d;s/^# \{0,1\}//;p}' "$0"
  exit 0
  ;;
esac
scripts/bootstrap.sh fonts-noto-cjk >&2
cmake -S . -B build/gallery -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >&2
cmake --build build/gallery --parallel "$(nproc)" --target tarn-gallery >&2
gallery=build/gallery/gallery/tarn-gallery
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
if [ "${1:-}" = --pictures ]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  # Default shortcuts: a settings folder of their own.
  export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$work
  "$gallery" --lang en --scale 1 --style light --screenshots "$work/light" >/dev/null
  "$gallery" --lang en --scale 1 --style dark --screenshots "$work/dark" >/dev/null
  for name in main message notice shortcuts; do
    cp "$work/light/$name.png" "docs/images/$name.png"
  done
  cp "$work/dark/main.png" docs/images/main-dark.png
  cmake --build build/gallery --parallel "$(nproc)" >/dev/null
  cmake --install build/gallery --prefix "$work/prefix" >/dev/null
  cmake -S docs/host -B "$work/host" -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
  cmake --build "$work/host" >/dev/null
  for style in light dark; do
    "$work/host/tarn-host" "$work/prefix/share/TarnUILib/styles/tarn-$style.qss" \
      "docs/images/host-$style.png"
  done
  ls docs/images/*.png
elif [ "$QT_QPA_PLATFORM" != offscreen ]; then
  exec "$gallery" "$@"
else
  exec "$gallery" --screenshots build/gallery/screenshots "$@"
fi
