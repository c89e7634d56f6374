#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (only what is
# missing), then configures and builds with Ninja into ./build.
# --packages-only: only the packages (for the clang builds of other scripts).
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-tools-dev qt6-tools-dev-tools
          qt6-l10n-tools qt6-translations-l10n libgl-dev libgtest-dev libgmock-dev libssl-dev fonts-dejavu-core
          xvfb xauth poppler-utils libqt6sql6-sqlite libqt6sql6-psql postgresql qtkeychain-qt6-dev)

fail() { echo "error: $*" >&2; exit 1; }

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq || fail "apt-get update failed"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" \
    || fail "could not install: ${missing[*]}"
fi

[ "${1:-}" = "--packages-only" ] && exit 0

cmake -S . -B build -G Ninja >/dev/null || fail "CMake configuration failed (see above)"
cmake --build build || fail "build failed (see above)"
