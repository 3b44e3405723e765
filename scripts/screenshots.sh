#!/usr/bin/env bash
# Regenerates the README's pictures in docs/images: the gallery's windows in English with the
# light style sheet, and its main window with the dark one, at scale 1 and default shortcuts.
set -euo pipefail
cd "$(dirname "$0")/.."
gallery=$(scripts/build-gallery.sh)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export XDG_CONFIG_HOME=$work
common=(--lang en --scale 1)
"$gallery" "${common[@]}" --style light --screenshots "$work/light" >/dev/null
"$gallery" "${common[@]}" --style dark --screenshots "$work/dark" >/dev/null
mkdir -p docs/images
for name in main message notice shortcuts; do
  cp "$work/light/$name.png" "docs/images/$name.png"
done
cp "$work/dark/main.png" docs/images/main-dark.png
ls docs/images/*.png
