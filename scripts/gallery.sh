#!/usr/bin/env bash
# Builds the library and runs the gallery. Without a display (QT_QPA_PLATFORM unset or
# offscreen) it pictures every window into build/gallery/screenshots/ and exits; with one,
# e.g. QT_QPA_PLATFORM=xcb scripts/gallery.sh, it opens the gallery to be clicked through.
# Arguments go to the program (--lang zh|en, --style light|dark, --scale F, ...; see --help).
set -euo pipefail
cd "$(dirname "$0")/.."
gallery=$(scripts/build-gallery.sh)
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
if [ "$QT_QPA_PLATFORM" != offscreen ]; then
  exec "$gallery" "$@"
fi
exec "$gallery" --screenshots build/gallery/screenshots "$@"
