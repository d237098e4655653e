#!/usr/bin/env bash
# Renders the icon drawings in src/ to the PNG files the program carries in its resources.
# Needs ImageMagick; run it after changing a drawing and commit the PNG files with it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
render() { convert -background none -density "$((96 * $2 / 32))" "src/$1.svg" -resize "$2x$2" "PNG32:$3"; }
# Each button picture also at twice its size, "name@2x.png", drawn afresh from the drawing
# rather than enlarged, for screens that scale the program up.
picture() {
  render "$1" "$2" "$3.png"
  render "$1" "$(($2 * 2))" "$3@2x.png"
}
for svg in src/*.svg; do
  name="$(basename "$svg" .svg)"
  [ "$name" = AAA ] && continue
  picture "$name" 32 "$name"
done
# The pictures of the one-line buttons of the main window, drawn small.
mkdir -p small
for name in about copycreatespace copykindle help previewcreatespace previewkindle; do
  picture "$name" 16 "small/$name"
done
# The application icon, one file per size: the small ones go into the resources, every one
# into the desktop's icon theme when installed.
mkdir -p AAA
for size in 16 22 24 32 48 64 128 256; do
  render AAA "$size" "AAA/$size.png"
done
