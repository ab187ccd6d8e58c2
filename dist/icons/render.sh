#!/usr/bin/env sh
# Renders the PNG sizes of the icon from echolon.svg. The PNGs are committed,
# so building needs no SVG renderer; run this again after changing the SVG.
set -eu
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
  mkdir -p "${size}x${size}"
  rsvg-convert -w "$size" -h "$size" -o "${size}x${size}/echolon.png" echolon.svg
done
