#!/usr/bin/env bash
# Installs what is missing, builds, and starts QarvoIP in demo mode against
# the embedded simulator. Without a display it runs the headless demo.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/src/gui/qarvoip ]; then
  exec build/src/gui/qarvoip --demo "$@"
fi
echo "No display: running the headless demo."
exec build/src/cli/qarvoip-cli --demo demo "$@"
