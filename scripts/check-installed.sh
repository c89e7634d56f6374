#!/usr/bin/env bash
# Runs the programs of an installed QarvoIP (the .deb, or a prefix) as a new
# user would, with an empty home folder: qarvoip-cli --version, then the
# desktop program's demo under Xvfb. It checks that the first start shows
# the main window and no other window (no message box), saves a picture of
# the screen and ends the program.
#   scripts/check-installed.sh [BINDIR] [PICTURE.png]
# BINDIR defaults to /usr/bin, PICTURE to first-start.png.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bindir=${1:-/usr/bin}
picture=$(realpath -m "${2:-first-start.png}")

[ "${CHECK_INSTALLED_ON_DISPLAY:-}" = 1 ] || "$here/setup-tools.sh" xvfb xauth x11-apps netpbm xdotool

fail() { echo "error: $*" >&2; exit 1; }

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
# A first start: nothing in the user's configuration or data folders.
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share
unset QARVOIP_HOME

# Inside the X server: start the demo, wait for its window, list the
# windows on screen, take the picture, end the program.
run_on_display() {
  local program=$1 picture=$2
  QT_QPA_PLATFORM=xcb "$program" --demo &
  local pid=$!
  local window
  window=$(timeout 30 xdotool search --sync --onlyvisible --class qarvoip | head -n1) \
    || { kill "$pid" 2>/dev/null; echo "no window within 30 s" >&2; return 1; }
  # The demo connects to its embedded simulator; give the pages a moment
  # to fill before the picture.
  sleep 2
  # The main window's title is the document's name and the program's; a
  # message box has the program's name alone.
  local names
  names=$(for w in $(xdotool search --onlyvisible --class qarvoip); do xdotool getwindowname "$w"; done)
  echo "visible windows of qarvoip: $(echo "$names" | paste -sd '|')"
  xwd -id "$window" -silent | xwdtopnm 2>/dev/null | pnmtopng > "$picture"
  kill -TERM "$pid"
  wait "$pid" || true
  [ "$(echo "$names" | wc -l)" = 1 ] && [[ $names == *" - QarvoIP" ]]
}
if [ "${CHECK_INSTALLED_ON_DISPLAY:-}" = 1 ]; then
  run_on_display "$bindir/qarvoip" "$picture"
  exit
fi

version=$("$bindir/qarvoip-cli" --version) || fail "qarvoip-cli --version failed"
echo "ok   $version"
CHECK_INSTALLED_ON_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$bindir" "$picture" \
  || fail "the first start did not show the main window alone"
echo "ok   qarvoip --demo started without a message box; picture in $picture"
