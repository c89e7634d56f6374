#!/usr/bin/env bash
# Builds the .deb: a release build into build-package/, installed into a
# scratch folder and checked (desktop entry, AppStream metadata, every file
# in its place), then packed by CPack with its package dependencies and
# checked by lintian, Debian's package checker: any error (an "E:" line)
# fails the script; its warnings are shown.
#   scripts/package.sh [BUILD_DIR]  -> BUILD_DIR/qarvoip_VERSION_ARCH.deb
# BUILD_DIR defaults to build-package (a fresh release build); an existing
# build folder (such as build) is used as it is configured.
# Installs the tools it needs (dpkg-dev, desktop-file-utils, appstream,
# lintian) when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."

fail() { echo "error: $*" >&2; exit 1; }

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
