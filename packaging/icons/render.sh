#!/bin/sh
# Renders the program icon for the freedesktop hicolor theme into hicolor/ here, from the
# drawings in resources/art/, with the tool resources/art/render.sh uses (rsvg-convert):
# icon32.svg, the drawing fitted to a 32 px grid, for 16 to 32 px; icon.svg for 48 px and
# up, and as the scalable icon. The results are committed, so building needs no renderer.
# Usage: sh packaging/icons/render.sh   (needs rsvg-convert, Debian package librsvg2-bin)
set -e
here="$(cd "$(dirname "$0")" && pwd)"
art="$here/../../resources/art"
for size in 16 22 24 32 48 64 128 256; do
  if [ "$size" -le 32 ]; then drawing=icon32; else drawing=icon; fi
  mkdir -p "$here/hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" "$art/$drawing.svg" -o "$here/hicolor/${size}x${size}/apps/vorel.png"
done
mkdir -p "$here/hicolor/scalable/apps"
cp "$art/icon.svg" "$here/hicolor/scalable/apps/vorel.svg"
