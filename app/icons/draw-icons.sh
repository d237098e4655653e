#!/usr/bin/env bash
# Renders the icon drawings in src/ to the PNG files the program carries in its resources.
# Needs ImageMagick; run it after changing a drawing and commit the PNG files with it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
render() { convert -background none -density "$((96 * $2 / 32))" "src/$1.svg" -resize "$2x$2" "PNG32:$3"; }
for svg in src/*.svg; do
  name="$(basename "$svg" .svg)"
  [ "$name" = AAA ] && continue
  render "$name" 32 "$name.png"
done
# The pictures of the one-line buttons of the main window, drawn small.
mkdir -p small
for name in about copycreatespace copykindle help previewcreatespace previewkindle; do
  render "$name" 16 "small/$name.png"
done
# The application icon, one file per size.
mkdir -p AAA
for size in 16 32 48; do
  render AAA "$size" "AAA/$size.png"
done
