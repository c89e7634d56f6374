#!/usr/bin/env bash
# Builds the .deb: a release build into build-package/, installed into a
# scratch folder and checked (desktop entry, AppStream metadata, every file
# in its place), then packed by CPack with its package dependencies and
# checked by lintian, Debian's package checker: any error (an "E:" line)
# fails the script; its warnings are shown.
#   scripts/package.sh [BUILD_DIR]  -> BUILD_DIR/qarvoip_VERSION_ARCH.deb
# BUILD_DIR defaults to build-package (a fresh release build); an existing
# build folder (such as build) is used as it is configured.
#   scripts/package.sh --check-units STAGE  -> only checks the systemd user
# units of a tree installed into STAGE (DESTDIR=STAGE cmake --install ...).
# Installs the tools it needs (dpkg-dev, desktop-file-utils, appstream,
# lintian) when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."

fail() { echo "error: $*" >&2; exit 1; }

# The systemd user units in an installed tree STAGE (the nightly backup's
# and the fleet worker's): all there, and valid as systemd reads them (the program they run and the man
# page they name taken from the tree). Without systemd-analyze only the
# first is checked.
check_units() {
  local stage=$1 units="$1/usr/lib/systemd/user" check="$1/.units-check"
  for unit in qarvoip-fleet-backup.service qarvoip-fleet-backup.timer qarvoip-fleet-worker.service; do
    [ -f "$units/$unit" ] && echo "ok   lib/systemd/user/$unit" || { echo "MISSING lib/systemd/user/$unit"; return 1; }
  done
  if ! command -v systemd-analyze >/dev/null; then
    echo "--   systemd-analyze not installed: the units are not verified"
    return 0
  fi
  mkdir -p "$check"
  for service in qarvoip-fleet-backup.service qarvoip-fleet-worker.service; do
    sed "s|=/usr/bin/|=$stage/usr/bin/|" "$units/$service" >"$check/$service"
  done
  cp "$units/qarvoip-fleet-backup.timer" "$check/"
  (cd "$check" && MANPATH="$stage/usr/share/man" systemd-analyze verify \
     qarvoip-fleet-backup.timer qarvoip-fleet-backup.service qarvoip-fleet-worker.service) || return 1
  rm -rf "$check"
  echo "ok   systemd-analyze verify"
}
if [ "${1:-}" = "--check-units" ]; then
  check_units "${2:?usage: package.sh --check-units STAGE}"
  exit
fi

./scripts/setup-tools.sh dpkg-dev desktop-file-utils appstream lintian

build=${1:-build-package}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null || fail "CMake configuration failed"
fi
cmake --build "$build" || fail "build failed"

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null || fail "install failed"
./scripts/check-install.sh "$stage/usr" || fail "the installed tree is incomplete"
check_units "$stage" || fail "the nightly backup's units are missing or not valid"

(cd "$build" && cpack -G DEB) || fail "cpack failed"
deb=$(ls "$build"/qarvoip_*.deb | head -n1)
echo "Package: $deb"
dpkg-deb -I "$deb" | grep -E "^ (Package|Version|Architecture|Depends|Recommends):"
# Exit status 2: a tag of the --fail-on kind (an error); 1: lintian itself
# failed.
checked=0
report=$(lintian --fail-on error --tag-display-limit 0 "$deb" 2>&1) || checked=$?
echo "lintian:"
echo "$report"
[ "$checked" -ne 1 ] || fail "lintian did not run"
if [ "$checked" -ne 0 ] || grep -q '^E:' <<<"$report"; then
  fail "lintian reports errors in the package"
fi
echo "lintian: no errors"
echo "Install it with: sudo apt-get install $(realpath "$deb"); then scripts/check-installed.sh runs it as a new user."
