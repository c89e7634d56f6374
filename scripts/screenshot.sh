#!/usr/bin/env bash
# Renders the README's picture of the main window (docs/main-window.png) and
# of the about box (docs/about.png) from a demo run, offscreen. Run it after
# changing what the main window shows. With --xvfb it renders through a real
# X server instead (xvfb-run), as a desktop would draw it.
#
# scripts/screenshot.sh --pages DIR [--xvfb] renders the five pages, the
# digital communicator dialog, the firmware update dialog and the event log's
# print preview, filled from the demo, in English (or --language), at
# the default window size and at 1600 x 1000, into DIR (for looking the
# layouts over; nothing in the repository changes). --language DEU renders
# them in German (a first start that chose the pack; your settings stay).
set -euo pipefail
cd "$(dirname "$0")/.."
[ -d build ] || ./scripts/setup.sh
cmake --build build --target qarvoip-screenshot qarvoip >/dev/null
tool=build/dist/qarvoip-screenshot
pages=""
xvfb=""
language=()
while [ $# -gt 0 ]; do
  case "$1" in
    --pages) pages="$2"; shift 2 ;;
    --xvfb) xvfb=1; shift ;;
    --language) language=(--language "$2"); shift 2 ;;
    *) echo "usage: $0 [--xvfb] [--language CODE] [--pages DIR]" >&2; exit 2 ;;
  esac
done
screen=1024x768
if [ -n "$pages" ]; then
  mkdir -p "$pages"
  set -- "${language[@]}" --pages "$pages"
  screen=1920x1200 # room for the large size
else
  mkdir -p docs
  set -- "${language[@]}" docs/main-window.png docs/about.png
fi
if [ -n "$xvfb" ]; then
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 ${screen}x24" "$tool" "$@"
else
  QT_QPA_PLATFORM=offscreen "$tool" "$@"
fi
echo "Wrote $*" | sed 's/--pages /the pages into /'
