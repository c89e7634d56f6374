#!/usr/bin/env bash
# Renders the program's SVG icon into the PNG sizes the desktop's icon theme
# looks for (dist/icons/qarvoip-SIZE.png). Run it after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v rsvg-convert >/dev/null; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get install -y -qq librsvg2-bin >/dev/null || { $SUDO apt-get update -qq && $SUDO apt-get install -y -qq librsvg2-bin; }
fi
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" dist/icons/qarvoip.svg -o "dist/icons/qarvoip-$size.png"
done
echo "Rendered: $(ls dist/icons/*.png | tr '\n' ' ')"
