#!/usr/bin/env bash
# Renders the README's picture of the main window (docs/main-window.png) and
# of the about box (docs/about.png) from a demo run, offscreen. Run it after
# changing what the main window shows. With --xvfb it renders through a real
# X server instead (xvfb-run), as a desktop would draw it.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -d build ] || ./scripts/setup.sh
cmake --build build --target qarvoip-screenshot qarvoip >/dev/null
mkdir -p docs
tool=build/dist/qarvoip-screenshot
if [ "${1:-}" = "--xvfb" ]; then
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" "$tool" docs/main-window.png docs/about.png
else
  QT_QPA_PLATFORM=offscreen "$tool" docs/main-window.png docs/about.png
fi
echo "Wrote docs/main-window.png and docs/about.png"
